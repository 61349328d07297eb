#include "html/DesktopLauncher.h"

#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/utils.h>

#include "html/LinkText.h"

namespace vhtml {

std::vector<wxString> DesktopLauncher::CommandFor(const wxString& verb, const wxString& target)
{
    if (IsDesktopAddress(target))
        return verb.empty() ? std::vector<wxString>{"xdg-open", target} : std::vector<wxString>{};
    // Only an absolute path: an argument with a leading "-" would be an
    // option, and a relative one would depend on the working folder.
    if (!target.StartsWith("/"))
        return {};
    if (verb.empty() || verb.IsSameAs("open", false))
        return {"xdg-open", target};
    if (verb.IsSameAs("print", false))
        return {"lp", target};
    return {};
}

void DesktopLauncher::Launch(const wxString& verb, const wxString& target)
{
    const std::vector<wxString> command = CommandFor(verb, target);
    if (command.empty())
        return;
    wxPathList path;
    path.AddEnvList("PATH");
    const wxString program = path.FindAbsoluteValidPath(command[0]);
    if (program.empty())
        return;
    std::vector<const wchar_t*> argv;
    argv.push_back(program.wc_str());
    for (size_t i = 1; i < command.size(); ++i)
        argv.push_back(command[i].wc_str());
    argv.push_back(nullptr);
    wxLogNull quiet;
    wxExecute(argv.data(), wxEXEC_ASYNC);
}

}  // namespace vhtml

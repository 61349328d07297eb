#include "html/LinkDispatcher.h"

#include <wx/filesys.h>

#include "html/DesktopLauncher.h"
#include "html/HtmlFrameset.h"
#include "html/HtmlLinkHooks.h"
#include "html/HtmlWindow.h"
#include "html/LinkText.h"
#include "html/PopUpWindow.h"

namespace vhtml {
namespace {

Launcher& DefaultLauncher()
{
    static DesktopLauncher launcher;
    return launcher;
}

}  // namespace

LinkDispatcher::LinkDispatcher(HtmlWindow& window, wxFileSystem& fs) : m_window(window), m_fs(fs) {}

void LinkDispatcher::Dispatch(const wxString& href, const wxString& target)
{
    m_window.SetFocus();
    if (HtmlLinkHooks::Handle(href, target, &m_window))
        return;
    if (target.Upper() == "POP") {
        m_window.OpenPopup(href, 10, 10, 400, 300);
        return;
    }
    if (IsScriptPopup(href)) {
        if (const auto popup = ReadScriptPopup(href))
            m_window.OpenPopup(popup->url, popup->x, popup->y, popup->width, popup->height);
        return;
    }
    if (IsDesktopAddress(href)) {
        GetLauncher().Launch(wxString(), href);
        return;
    }
    if (IsShellLink(href)) {
        LaunchShellLink(href);
        return;
    }
    if (target.empty() || target.Upper() == "_SELF") {
        m_window.LoadPage(href);
        return;
    }
    const wxString location = href.StartsWith("/") ? href : m_fs.GetPath() + href;
    HtmlWindow* outermost = m_window.GetOutermostViewer();
    const HtmlFrameset* frameset = outermost->GetFrameset();
    HtmlWindow* frame = frameset ? frameset->FindFrameWindow(target) : nullptr;
    HtmlWindow* loader = frame ? frame : outermost;
    // Loading may replace the frameset that holds this window, whose event
    // is still being handled: the page opens after it.
    loader->CallAfter([loader, location] { loader->LoadPage(location); });
}

// A file to open or print, named by a "shell:" link: a relative name is
// taken from the page's folder, so the desktop gets an absolute path.
void LinkDispatcher::LaunchShellLink(const wxString& href)
{
    const ShellLink link = ReadShellLink(href);
    wxString file = link.file;
    if (!IsAbsoluteLocation(file)) {
        // Nothing from inside an archive or from another protocol.
        const auto folder = LocalFolderOf(m_fs.GetPath());
        if (!folder)
            return;
        file = *folder + file;
    }
    GetLauncher().Launch(link.verb, file);
}

void LinkDispatcher::OpenPopup(const wxString& href, int x, int y, int width, int height)
{
    const wxString location = IsAbsoluteLocation(href) ? href : m_fs.GetPath() + href;
    (new PopUpWindow(&m_window, location, x, y, width, height))->Show();
}

Launcher& LinkDispatcher::GetLauncher() const
{
    if (m_launcher)
        return *m_launcher;
    // A frame made before its viewer got a launcher uses the viewer's.
    if (const auto* viewer = dynamic_cast<const HtmlWindow*>(m_window.GetParent()))
        return viewer->GetLauncher();
    return DefaultLauncher();
}

}  // namespace vhtml

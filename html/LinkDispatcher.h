// Where a viewer's clicked links go: to a link hook, a pop-up window, the
// desktop's launcher, the viewer itself or a named frame of the outermost
// viewer. One per viewer, which opens pages and pop-up windows for it
// through its own (overridable) LoadPage and OpenPopup.
#pragma once

#include <memory>

#include <wx/string.h>

class wxFileSystem;

namespace vhtml {

class HtmlWindow;
class Launcher;

class LinkDispatcher {
public:
    // fs is the viewer's, whose path relative links are taken from; both
    // outlive the dispatcher.
    LinkDispatcher(HtmlWindow& window, wxFileSystem& fs);

    // As HtmlWindow::DispatchLink.
    void Dispatch(const wxString& href, const wxString& target);
    // Shows the location, taken from the current path unless absolute, in a
    // new pop-up window.
    void OpenPopup(const wxString& href, int x, int y, int width, int height);

    void SetLauncher(std::shared_ptr<Launcher> launcher) { m_launcher = std::move(launcher); }
    // The launcher set on this viewer, null when none was.
    const std::shared_ptr<Launcher>& GetOwnLauncher() const { return m_launcher; }
    // The one set, else the enclosing viewer's, else the desktop's.
    Launcher& GetLauncher() const;

private:
    void LaunchShellLink(const wxString& href);

    HtmlWindow& m_window;
    wxFileSystem& m_fs;
    std::shared_ptr<Launcher> m_launcher;
};

}  // namespace vhtml

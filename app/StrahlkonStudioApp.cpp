#include "app/StrahlkonStudioApp.h"

#include <utility>

#include <wx/filefn.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/xrc/xmlres.h>

#include "app/StrahlkonStudioDlg.h"
#include "html/HtmlWindowXmlHandler.h"

namespace {

const char* const kResourceFile = "VeskStudio.xrc";
const char* const kCriticalError = "Critical Error";

}  // namespace

CStrahlkonStudioApp::CStrahlkonStudioApp(UnitFamilies families) : m_families(std::move(families)) {}

CStrahlkonStudioApp::~CStrahlkonStudioApp()
{
    // The toolkit skips OnExit when OnInit failed.
    CloseConfig();
}

bool CStrahlkonStudioApp::OnInit()
{
    wxImage::AddHandler(new wxGIFHandler);
    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxXPMHandler);
    wxXmlResource::Get()->InitAllHandlers();
    vhtml::InstallXrcHandler();
    SetAppName("VeskStudio");
    {
        // An unreadable or damaged file leaves its keys at their defaults.
        wxLogNull quiet;
        m_config = std::make_unique<wxFileConfig>("VeskStudio", "", "", "", wxCONFIG_USE_LOCAL_FILE);
    }

    const wxString cwd = wxGetCwd();
    const wxFileName resourceFile(cwd, kResourceFile);
    if (!wxFileExists(resourceFile.GetFullPath())) {
        ShowMessage(cwd, "Where's that ?", wxOK);
        ShowMessage("File VeskStudio.xrc missing.\nApplication cannot start.", kCriticalError, wxOK);
        return false;
    }

    // A file that does not load, or lacks the main window, cannot run the
    // program either; the message box says so instead of the loader's log.
    bool loaded;
    {
        wxLogNull quiet;
        loaded = wxXmlResource::Get()->LoadFile(resourceFile);
    }
    if (!loaded) {
        ShowMessage("File VeskStudio.xrc cannot be read.\nApplication cannot start.", kCriticalError, wxOK);
        return false;
    }
    CStrahlkonStudioDlg* frame = nullptr;
    if (wxXmlResource::Get()->GetResourceNode(CStrahlkonStudioDlg::kResourceName))
        frame = CreateMainWindow();
    if (!frame || !frame->IsLoaded()) {
        delete frame;
        ShowMessage("File VeskStudio.xrc has no main window.\nApplication cannot start.", kCriticalError, wxOK);
        return false;
    }

    SetTopWindow(frame);
    frame->InitFrame();
    frame->Show();
    return true;
}

int CStrahlkonStudioApp::OnExit()
{
    CloseConfig();
    return wxApp::OnExit();
}

void CStrahlkonStudioApp::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    wxMessageBox(text, caption, style);
}

CStrahlkonStudioDlg* CStrahlkonStudioApp::CreateMainWindow()
{
    return new CStrahlkonStudioDlg(nullptr, m_families, *m_config, *this);
}

void CStrahlkonStudioApp::CloseConfig()
{
    // The file is written through a temporary one, so a failed write leaves
    // the previous file whole; there is nobody left to tell at this point.
    wxLogNull quiet;
    m_config.reset();
}

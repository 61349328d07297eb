// The program's application object: start-up from the resource file in the
// working directory, and the configuration file for the whole run.
#pragma once

#include <memory>

#include <wx/app.h>
#include <wx/string.h>

#include "app/MessageShower.h"
#include "app/UnitFamilies.h"

class wxFileConfig;
class CStrahlkonStudioDlg;

class CStrahlkonStudioApp : public wxApp, public CMessageShower {
public:
    // Units of the given families get pages in the main window.
    explicit CStrahlkonStudioApp(UnitFamilies families = {});
    ~CStrahlkonStudioApp() override;

    bool OnInit() override;
    int OnExit() override;

    // Every message box of the program goes through here.
    void ShowMessage(const wxString& text, const wxString& caption, long style) override;

protected:
    // The main window, loaded but not yet initialised or shown.
    virtual CStrahlkonStudioDlg* CreateMainWindow();

private:
    // Writes what changed; a file that cannot be written leaves the old one.
    void CloseConfig();

    std::unique_ptr<wxFileConfig> m_config;
    UnitFamilies m_families;
};

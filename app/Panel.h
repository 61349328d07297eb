// The base of every page whose layout is a named panel of the resource file.
#pragma once

#include <wx/panel.h>

class CPanel : public wxPanel {
public:
    CPanel();
    // Creates no window; the name and parent that count are those given to
    // Create.
    CPanel(const wxString& name, wxWindow* parent);
    // Releases the focus helpers pushed on the page's own controls.
    ~CPanel() override;

    // Loads the named panel as this window under parent (hidden) and runs
    // InitControls. A name that the resource file lacks leaves an empty
    // panel. Returns what InitControls returned.
    bool Create(const wxString& name, wxWindow* parent);

    // Where a page looks up its controls and builds its own ones; it runs
    // once per page, whatever asks for it again.
    virtual bool InitControls();

protected:
    void OnInitDialog(wxInitDialogEvent& event);

private:
    bool RunInitControls();

    bool m_controlsInitialized = false;
    bool m_initResult = false;

    wxDECLARE_DYNAMIC_CLASS(CPanel);
    wxDECLARE_EVENT_TABLE();
};

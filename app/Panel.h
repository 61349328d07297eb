// The base of every page whose layout is a named panel of the resource file.
#pragma once

#include <vector>

#include <wx/event.h>
#include <wx/panel.h>

// Sent up from a page whose layout has come to need more room than it asked
// for before; the main window makes room for it.
wxDECLARE_EVENT(VESK_EVT_PAGE_NEEDS_ROOM, wxCommandEvent);

// Sent up from a page that has just placed its controls anew; a window
// above that must pass the new places on to the toolkit takes it.
wxDECLARE_EVENT(VESK_EVT_PAGE_LAID_OUT, wxCommandEvent);

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

    // Laid out in the place it is given, never past its edge; when its
    // content needs more than it asked for before, it asks the windows above
    // for room.
    bool Layout() override;
    // Marks the panel's layout as changed: a text below it changed, or a
    // control was shown or hidden (MarkLayoutChanged marks every panel that
    // holds the control). Any layout of the panel takes the mark away.
    void MarkChanged() { m_changed = true; }
    bool IsMarkedChanged() const { return m_changed; }
    // Lays the panel out again when it is marked as changed; returns whether
    // it did. A panel without a change is not even measured.
    bool LayoutIfChanged();

    // The control with id below the panel keeps, from now on, at least the
    // width that the widest of texts needs, or more when the text it shows
    // needs more: a text set later moves nothing beside it.
    void ReserveTextWidth(int id, const std::vector<wxString>& texts);

protected:
    void OnInitDialog(wxInitDialogEvent& event);
    // A change that no one laid out yet is laid out once the events are
    // handled.
    void OnIdle(wxIdleEvent& event);

private:
    bool RunInitControls();

    void AskForRoom(const wxSize& size);
    void KeepLayoutWidths(wxWindow* parent);
    void ApplyReservedWidths();

    bool m_changed = false;
    bool m_controlsInitialized = false;
    bool m_initResult = false;
    // The largest room asked for, and the need of the last layout.
    wxSize m_askedRoom;
    wxSize m_laidOutMin;
    struct ReservedWidth {
        wxWindow* control;
        int width;
    };
    std::vector<ReservedWidth> m_reservedWidths;

    wxDECLARE_DYNAMIC_CLASS(CPanel);
    wxDECLARE_EVENT_TABLE();
};

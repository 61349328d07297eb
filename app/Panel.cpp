#include "app/Panel.h"

#include <algorithm>

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "controls/FocusHelper.h"

wxDEFINE_EVENT(VESK_EVT_PAGE_NEEDS_ROOM, wxCommandEvent);
wxDEFINE_EVENT(VESK_EVT_PAGE_LAID_OUT, wxCommandEvent);

wxIMPLEMENT_DYNAMIC_CLASS(CPanel, wxPanel);

wxBEGIN_EVENT_TABLE(CPanel, wxPanel)
    EVT_INIT_DIALOG(CPanel::OnInitDialog)
    EVT_IDLE(CPanel::OnIdle)
wxEND_EVENT_TABLE()

CPanel::CPanel() = default;

CPanel::CPanel(const wxString&, wxWindow*) {}

// Pops the focus helpers pushed on root and on the windows below it, except
// inside nested pages, which release their own as they die.
static void ReleaseFocusHelpers(wxWindow* root)
{
    CFocusHelper::ReleaseFrom(root);
    for (wxWindow* child : root->GetChildren()) {
        if (!wxDynamicCast(child, CPanel))
            ReleaseFocusHelpers(child);
    }
}

CPanel::~CPanel()
{
    // The toolkit refuses to destroy a control that still has handlers pushed.
    ReleaseFocusHelpers(this);
}

bool CPanel::Create(const wxString& name, wxWindow* parent)
{
    Show(false);
    // The loader has reported a missing panel; an empty page keeps every
    // later step on a real window.
    if (!wxXmlResource::Get()->LoadPanel(this, parent, name))
        wxPanel::Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, name);
    return RunInitControls();
}

bool CPanel::InitControls()
{
    return true;
}

bool CPanel::Layout()
{
    m_changed = false;
    wxSizer* sizer = GetSizer();
    if (!sizer)
        return wxPanel::Layout();
    MeasureBoxesByLabel(this);
    ApplyReservedWidths();
    m_laidOutMin = sizer->GetMinSize();
    // The window above is asked for room first, so that the place given
    // already holds the layout. Where it cannot (a window at the edge of the
    // work area), the layout is still never squeezed below its minimum: this
    // toolkit complains of controls squeezed below their own size.
    AskForRoom(m_laidOutMin);
    wxSize size = GetClientSize();
    size.IncTo(m_laidOutMin);
    sizer->SetDimension(wxPoint(0, 0), size);
    wxCommandEvent laidOut(VESK_EVT_PAGE_LAID_OUT, GetId());
    laidOut.SetEventObject(this);
    ProcessWindowEvent(laidOut);
    return true;
}

bool CPanel::LayoutIfChanged()
{
    if (!m_changed)
        return false;
    Layout();
    return true;
}

void CPanel::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    LayoutIfChanged();
}

void CPanel::ReserveTextWidth(int id, const std::vector<wxString>& texts)
{
    wxWindow* ctrl = FindWindow(id);
    if (!ctrl || texts.empty())
        return;
    // Measured as the control itself shows each text: its own frame and
    // padding count.
    const wxString shown = ctrl->GetLabel();
    int widest = ctrl->GetMinSize().x;
    for (const wxString& text : texts) {
        ctrl->SetLabel(text);
        ctrl->InvalidateBestSize();
        widest = std::max(widest, ctrl->GetBestSize().x);
    }
    ctrl->SetLabel(shown);
    ctrl->InvalidateBestSize();
    m_reservedWidths.push_back({ctrl, widest});
    ApplyReservedWidths();
}

void CPanel::KeepLayoutWidths(wxWindow* parent)
{
    // A text with a width of its own in the layout keeps that width, and
    // takes more when what it shows needs more. A text that cuts itself
    // short, or keeps its size on purpose, is left alone, and so is what a
    // nested page keeps.
    for (wxWindow* child : parent->GetChildren()) {
        if (wxDynamicCast(child, CPanel) || child->IsTopLevel())
            continue;
        auto* text = wxDynamicCast(child, wxStaticText);
        const bool fixed =
            text && text->GetMinSize().x != wxDefaultCoord &&
            !text->HasFlag(wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_START | wxST_ELLIPSIZE_MIDDLE | wxST_ELLIPSIZE_END);
        const bool kept = std::any_of(m_reservedWidths.begin(), m_reservedWidths.end(),
                                      [child](const ReservedWidth& reserved) { return reserved.control == child; });
        if (fixed && !kept)
            m_reservedWidths.push_back({child, text->GetMinSize().x});
        KeepLayoutWidths(child);
    }
}

void CPanel::ApplyReservedWidths()
{
    // The smallest size set on a control outweighs what its text needs: it
    // is set again from both each time.
    for (const ReservedWidth& reserved : m_reservedWidths) {
        reserved.control->SetMinSize(wxDefaultSize);
        const int needed = reserved.control->GetBestSize().x;
        reserved.control->SetMinSize(wxSize(std::max(reserved.width, needed), wxDefaultCoord));
    }
}

void CPanel::AskForRoom(const wxSize& size)
{
    if (size.x <= m_askedRoom.x && size.y <= m_askedRoom.y)
        return;
    m_askedRoom.IncTo(size);
    wxCommandEvent event(VESK_EVT_PAGE_NEEDS_ROOM, GetId());
    event.SetEventObject(this);
    // Command events rise to the parents; the main window takes it.
    ProcessWindowEvent(event);
}

void CPanel::OnInitDialog(wxInitDialogEvent&)
{
    RunInitControls();
}

bool CPanel::RunInitControls()
{
    // A page builds its own controls here; a second run would build them twice.
    if (!m_controlsInitialized) {
        m_controlsInitialized = true;
        m_initResult = InitControls();
        KeepLayoutWidths(this);
    }
    return m_initResult;
}

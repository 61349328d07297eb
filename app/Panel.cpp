#include "app/Panel.h"

#include <wx/xrc/xmlres.h>

#include "controls/FocusHelper.h"

wxIMPLEMENT_DYNAMIC_CLASS(CPanel, wxPanel);

wxBEGIN_EVENT_TABLE(CPanel, wxPanel)
    EVT_INIT_DIALOG(CPanel::OnInitDialog)
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
    }
    return m_initResult;
}

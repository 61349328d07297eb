#include "app/About.h"

#include <wx/bitmap.h>
#include <wx/statbmp.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"

#include "app/images/AboutPicture.xpm"

namespace {

// The build passes the project's version.
const int kVersionMajor = VESK_VERSION_MAJOR;
const int kVersionMinor = VESK_VERSION_MINOR;
const int kVersionThird = VESK_VERSION_PATCH;

}  // namespace

wxBEGIN_EVENT_TABLE(CAbout, wxDialog)
    EVT_INIT_DIALOG(CAbout::OnInitDialogEvent)
wxEND_EVENT_TABLE()

CAbout::CAbout(wxWindow* parent)
{
    m_loaded = wxXmlResource::Get()->LoadDialog(this, parent, "DLG_ABOUT");
}

CAbout::~CAbout() = default;

bool CAbout::OnInitDialog()
{
    TransferDataToWindow();
    // A layout without the picture's place shows none.
    m_picture = FindCtrl<wxStaticBitmap>(this, "IDC_ABOUTIMAGE");
    if (m_picture)
        m_picture->SetBitmap(wxBitmap(about_picture_xpm));
    SetCtrlText(this, XRCID("IDC_VERSION"),
                wxString::Format("version %i.%i.%i", kVersionMajor, kVersionMinor, kVersionThird));
    // The layout centred the shorter placeholder text; centre the new one.
    Layout();
    return true;
}

void CAbout::OnInitDialogEvent(wxInitDialogEvent&)
{
    OnInitDialog();
}

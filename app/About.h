// The About box: the resource file's layout with the program's picture and
// version filled in when it opens.
#pragma once

#include <wx/dialog.h>

class wxStaticBitmap;

class CAbout : public wxDialog {
public:
    explicit CAbout(wxWindow* parent);
    ~CAbout() override;

    // Whether the resource file gave the dialog.
    bool IsLoaded() const { return m_loaded; }

    virtual bool OnInitDialog();

private:
    void OnInitDialogEvent(wxInitDialogEvent& event);

    wxStaticBitmap* m_picture = nullptr;
    bool m_loaded = false;

    wxDECLARE_EVENT_TABLE();
};

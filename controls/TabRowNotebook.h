// A notebook that asks for room for its whole row of tabs. This toolkit's
// notebook asks for the room of its widest page only: where that is
// narrower than the tabs, it hides tabs behind scroll arrows. The resource
// file makes a notebook one of these with subclass="CTabRowNotebook".
#pragma once

#include <vector>

#include <wx/notebook.h>
#include <wx/string.h>

class CTabRowNotebook : public wxNotebook {
public:
    CTabRowNotebook() = default;

protected:
    // The pages' best size, at least as wide as the row of tabs.
    wxSize DoGetBestSize() const override;

private:
    // The width of the row of tabs: every label with its tab's frame, side by
    // side.
    int TabRowWidth() const;

    // The labels last measured, and the width their row took.
    mutable std::vector<wxString> m_measuredLabels;
    mutable int m_tabRowWidth = 0;

    wxDECLARE_DYNAMIC_CLASS(CTabRowNotebook);
};

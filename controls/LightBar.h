// A light bar of a device page: the light of one outlet (0 the main light,
// 1 to 3 the aux outlets) in the place the layout keeps for it. The bar keeps
// the light's value and whether the unit is powered, and paints the face its
// kind works out from them; the kinds (main, aux and the Tiko's bar) add
// what sets them apart.
#pragma once

#include <cstdint>

#include <wx/window.h>

#include "controls/BarFace.h"

class CLightBarPage;

class CLightBar : public wxWindow {
public:
    int GetOutlet() const { return m_outlet; }
    int16_t GetValue() const { return m_value; }
    // The unit is powered: the text takes the family's colour. Repaints only
    // on a change.
    void SetActive(bool active);

    // What the bar paints now.
    virtual BarFace GetFace() const = 0;

    // A bar only shows the light; the keyboard sets it through the spin
    // button beside it, so the focus passes the bar by.
    bool AcceptsFocus() const override { return false; }

protected:
    // Creates no window: AttachControl does, in the page's placeholder.
    CLightBar(CLightBarPage* page, int outlet);

    CLightBarPage* Page() const { return m_page; }
    bool IsActive() const { return m_active; }
    // Stores value limited to lower..100; whether the stored value changed.
    bool KeepValue(int16_t value, int16_t lower);
    // The page's spin button with spinId, which lies beside the placeholder's
    // container; null where the layout has none.
    wxWindow* FindSpin(int spinId) const;

private:
    void OnPaint(wxPaintEvent& event);

    CLightBarPage* m_page;
    int m_outlet;
    int16_t m_value = 0;
    bool m_active = false;

    wxDECLARE_EVENT_TABLE();
};

// The lamp page of a power pack: a lighting role (main light, fill-in light
// and so on) for each outlet, chosen from the same 21 roles. A choice goes to
// the unit at once with command 11, which carries the roles of all outlets;
// the unit reports the roles and whether each outlet is there. The families'
// pages differ only in their panel and their number of outlets.
#pragma once

#include "pages/SettingPage.h"

class wxCommandEvent;
class wxPaintEvent;

struct LampPageTraits {
    const char* panel;
    // 2 or 3.
    int outlets;
};

class CLampPageBase : public CSettingPage {
public:
    // Entry index of "no role"; the roles follow it up to this last one.
    static const int kLastRole = 20;

    CLampPageBase(CFlashDevice* unit, CSettingPageHost* host, const LampPageTraits& traits);

    const char* GetPanelName() const { return m_traits.panel; }

    // Fills the role lists in the device page's language; none is selected.
    bool InitControls() override;

    // Show the role the unit reports (0..20); send nothing. Any other value
    // selects no entry.
    void SetLamp1(int role);
    void SetLamp2(int role);
    void SetLamp3(int role);
    // The role of the outlet, -1 while none is selected.
    int GetLamp1();
    int GetLamp2();
    int GetLamp3();
    // Enables the outlet's role list while the unit reports the outlet there;
    // an outlet the page does not have is left alone.
    void SetLampChoice(int outlet, bool enabled);
    // The same, named as the two-outlet families call it.
    void SetLampChoice2(int outlet, bool enabled);

private:
    void SetLamp(int outlet, int role);
    int GetLamp(int outlet);
    void OnLampChoice(wxCommandEvent& event);
    void OnPaint(wxPaintEvent& event);
    // Makes each role list wide enough for the widest role of any language.
    void FitRoleLists();

    const LampPageTraits& m_traits;
    // The widest role's text in any language, in the lists' font.
    int m_widestRole = 0;
    // The toolkit measures a list's frame and button smaller before the list
    // has been drawn: the lists are fitted again once the page has been.
    bool m_fittedOnScreen = false;

    wxDECLARE_EVENT_TABLE();
};

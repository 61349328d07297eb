// The light bars of a device page with their spin buttons: outlet 0 is the
// main light, 1 to 3 the aux lights. The bars take their placeholders'
// places in the page's layout; they are redrawn, locked and made active
// here, and what the user does with them (a spin click, an aux bar's check
// box) goes to the page as command 1 with the bar's outlet and value.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "units/core/Command.h"
#include "units/core/SpinStepper.h"

class CAuxLightBar;
class CLightBar;
class CLightBarPage;
class CMainLightBar;
class CPageLanguage;
class wxCommandEvent;
class wxScrollEvent;
class wxSpinEvent;
class wxWindow;

class CLightBars {
public:
    // A light bar with its spin button. The bar takes its placeholder's
    // place; an aux bar then makes its check box. The tool tip (text id,
    // then the suffix) goes to the check box of an aux bar and to the bar
    // itself otherwise, and to the spin button.
    struct Row {
        const char* name;
        const char* spin;
        const char* check;  // null for the main light
        int outlet;
        CLightBar* (*create)(CLightBarPage* page, int outlet);
        int tipId;
        const char* tipSuffix;
        int tipExtraId;  // 0: none
        // A held down arrow steps only while the bar is above this.
        int downLimit;
    };

    // landing: where a short spin click lands (the step itself when it
    // gives null); send: the page's command route.
    CLightBars(wxWindow& page, CLightBarPage& barPage, const std::vector<Row>& rows, const CPageLanguage& language,
               std::function<SpinStepper::Landing()> landing, std::function<void(const Command&)> send);

    // Puts every bar and spin button in its place, with its tool tip.
    void Build();

    // The bar of outlet 0 to 3; null where the page has none.
    CLightBar* Bar(int outlet) const;
    // The main bar, and the aux bar of outlet 1 to 3; null where the page
    // has none of that kind.
    CMainLightBar* Main() const;
    CAuxLightBar* Aux(int outlet) const;
    template <class Kind>
    Kind* As(int outlet) const
    {
        return dynamic_cast<Kind*>(Bar(outlet));
    }

    // The value of the light of outlet 0 to 3; 0 where the page has no such
    // bar.
    int ValueOf(int outlet) const;
    bool IsAuxOn(int outlet) const;
    // Whether aux bars 1 to 3 are switched on, for command 1.
    std::array<bool, 3> AuxOn() const;

    // Draws every bar again (its energies in another power display).
    void Refresh();
    // A preset sequence locks the lights: the main bar shows its marker and
    // its spin is disabled, the aux bars lock.
    void SetInhibited(bool inhibited);
    void SetActive(bool active);

private:
    void BuildBars();
    void SetToolTips();
    const Row* RowOfSpin(int spinId) const;
    void OnSpin(wxSpinEvent& event);
    void OnSpinRelease(wxScrollEvent& event);
    // Command 1 for the light of outlet at its value, with the spin click's
    // step.
    void SendLight(int outlet, int step);

    wxWindow& m_page;
    CLightBarPage& m_barPage;
    const std::vector<Row>& m_rows;
    const CPageLanguage& m_language;
    std::function<SpinStepper::Landing()> m_landing;
    std::function<void(const Command&)> m_send;
    // The bars built, by outlet.
    std::array<CLightBar*, 4> m_bars{};
    SpinStepper m_stepper;
};

// The light bars of a device page with their spin buttons: outlet 0 is the
// main light, 1 to 3 the aux lights. The bars take their placeholders'
// places in the page's layout; they are redrawn, locked and made active
// here, and a spin click steps its bar's light.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "units/core/SpinStepper.h"

class CAuxLightBar;
class CLightBarPage;
class CMainLightBar;
class CPageLanguage;
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
        wxWindow* (*create)(CLightBarPage* page, int outlet);
        int tipId;
        const char* tipSuffix;
        int tipExtraId;  // 0: none
        // A held down arrow steps only while the bar is above this.
        int downLimit;
    };

    // What the spin buttons ask of the page: the value of a light, where a
    // short click lands (the step itself when null), and command 1 for a
    // light with a step.
    struct Spins {
        std::function<int(int outlet)> valueOf;
        std::function<SpinStepper::Landing()> landing;
        std::function<void(const Row& row, int step)> send;
    };

    CLightBars(wxWindow& page, CLightBarPage& barPage, const std::vector<Row>& rows, const CPageLanguage& language,
               Spins spins);

    // Puts every bar and spin button in its place, with its tool tip.
    void Build();

    CMainLightBar* Main() const { return m_main; }
    // Bar of outlet 1 to 3; null where the page has none.
    CAuxLightBar* Aux(int outlet) const;
    template <class Bar>
    Bar* MainAs() const
    {
        return static_cast<Bar*>(m_main);
    }
    template <class Bar>
    Bar* AuxAs(int outlet) const
    {
        return static_cast<Bar*>(Aux(outlet));
    }

    // The outlet of the bar whose window id is id: 0 the main light, 1 to 3
    // the aux bars; none for another id.
    std::optional<int> OutletOfBar(int id) const;
    // The value of the light of outlet 0 to 3; 0 where the page has no such
    // bar.
    int ValueOf(int outlet) const;
    bool IsAuxOn(int outlet) const;

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

    wxWindow& m_page;
    CLightBarPage& m_barPage;
    const std::vector<Row>& m_rows;
    const CPageLanguage& m_language;
    Spins m_spins;
    // Every bar built, whatever its kind.
    std::vector<wxWindow*> m_bars;
    CMainLightBar* m_main = nullptr;
    std::array<CAuxLightBar*, 3> m_aux{};
    SpinStepper m_stepper;
};

// The aux bars of a device page whose status record (1) lays its outlets
// alike (the power packs and the generators): record 1 feeds each bar and the
// lamp page's choice of its outlet and keeps the bar's value, record 98 (test
// flash done) puts the kept values back, and command 1 gathers every bar.
// The page has as many aux bars as its family's bar rows name.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "units/FamilyDevicePage.h"
#include "units/core/PowerPackRecords.h"

class CAuxLightBar;

class CAuxOutletFeed {
public:
    // The family bar's state setter: StateOf<Bar> for a bar whose SetState
    // takes the outlet's on and available flags.
    using StateSetter = void (*)(CAuxLightBar* bar, bool on, bool available);
    template <class Bar>
    static void StateOf(CAuxLightBar* bar, bool on, bool available)
    {
        static_cast<Bar*>(bar)->SetState(on, available);
    }

    CAuxOutletFeed(CFamilyDevicePage& page, const std::vector<CFamilyDevicePage::BarRow>& bars, StateSetter setState);

    // Aux bars 1 to this (2 or 3).
    int AuxBars() const { return m_auxBars; }

    // Record 1, one outlet: the bar's on and available state, its value
    // (kept for record 98) with its warning, percent and joules; the
    // availability also goes to the lamp page's choice of the outlet.
    void Show(int outlet, const PowerPackRecords::AuxOutlet& state);
    template <std::size_t N>
    void Show(const std::array<PowerPackRecords::AuxOutlet, N>& outlets)
    {
        for (std::size_t i = 0; i < N; ++i)
            Show(static_cast<int>(i) + 1, outlets[i]);
    }
    // Record 98: the aux bars take back the kept values without warning and
    // the LED turns red.
    void Restore();
    // The value that the last record 1 gave aux bar outlet; 0 before the
    // first one and for an outlet the page lacks.
    int Kept(int outlet) const;

    // Command 1: the main light's value, and every aux bar's value and on
    // state.
    struct Lights {
        int mainValue = 0;
        std::array<int, 3> auxValue{};
        std::array<bool, 3> auxOn{};

        // The value of the light of outlet (0 the main light).
        int Value(int outlet) const { return outlet == 0 ? mainValue : auxValue[outlet - 1]; }
    };
    Lights Gather(int mainValue) const;

private:
    CFamilyDevicePage& m_page;
    int m_auxBars;
    StateSetter m_setState;
    std::array<int, 3> m_kept{};
};

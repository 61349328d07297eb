// The aux bars of a device page whose status record (1) lays its outlets
// alike (the power packs and the generators): record 1 feeds each bar and the
// lamp page's choice of its outlet and keeps the bar's value, and record 98
// (test flash done) puts the kept values back. The page has as many aux bars
// as its family's bar rows name.
#pragma once

#include <array>
#include <vector>

#include "units/FamilyDevicePage.h"
#include "units/core/PowerPackRecords.h"

class CAuxOutletFeed {
public:
    CAuxOutletFeed(CFamilyDevicePage& page, const std::vector<CFamilyDevicePage::BarRow>& bars);

    // Aux bars 1 to this (2 or 3).
    int AuxBars() const { return m_auxBars; }

    // Record 1, one outlet: the bar's on and available state, its value
    // (kept for record 98) with its warning, percent and joules; the
    // availability also goes to the lamp page's choice of the outlet.
    void Show(int outlet, const PowerPackRecords::AuxOutlet& state);
    // Outlets 1 on, in order.
    template <class Outlets>
    void Show(const Outlets& outlets)
    {
        int outlet = 1;
        for (const PowerPackRecords::AuxOutlet& state : outlets)
            Show(outlet++, state);
    }
    // Record 98: the aux bars take back the kept values without warning and
    // the LED turns red.
    void Restore();
    // The value that the last record 1 gave aux bar outlet; 0 before the
    // first one and for an outlet the page lacks.
    int Kept(int outlet) const;

private:
    CFamilyDevicePage& m_page;
    int m_auxBars;
    std::array<int, 3> m_kept{};
};

// The device page of the generators whose modelling lamp draws on the same
// supply as their aux outlets (Quirel A1, Zarit, ZaritE): a main light and
// two or three aux bars. What they share lives here: feeding the aux bars
// from the status record and keeping their values, putting those values
// back when a test flash is done, the modelling-light radios that the
// switched-on outlets leave, the aux status flags of the status panel and
// what its OK button takes over. A family adds its row of data, its
// decoders, its status rows and its command builder.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "units/FamilyDevicePage.h"
#include "units/core/PowerPackRecords.h"

class CGeneratorPage : public CFamilyDevicePage {
public:
    // What sets the generators apart in the shared operations.
    struct GeneratorTraits {
        // Aux bars 1 to auxBars (2 or 3): record 1 feeds them, record 98
        // restores them, the radio limit and command 1 read them.
        int auxBars;
        // An active preset sequence of the aux page leaves the modelling
        // lamp no level at all (Quirel A1); without it only the outlets
        // count (Zarit, ZaritE).
        bool presetTakesRadios;
        // The family bar's state setter: SetAuxStateOf<Bar>.
        void (*setAuxState)(CAuxLightBar* bar, bool on, bool available);
        // "IDC_ST_SET" takes over the suggested interval and T0.1 value
        // (else it only redraws the status rows, as on the ZaritE) ...
        bool okTakesSuggestions;
        // ... and the suggested colour, through TakeSuggestedColour (Zarit).
        bool okTakesColour;
    };
    template <class Bar>
    static void SetAuxStateOf(CAuxLightBar* bar, bool on, bool available)
    {
        static_cast<Bar*>(bar)->SetState(on, available);
    }

    // The route of record 98 (test flash done) to RestoreAuxValues, for the
    // family's record table.
    static RecordRoute TestDoneRoute();

    // The value that the last record 1 gave aux bar outlet (1 to auxBars);
    // 0 before the first one.
    int GetKeptAuxValue(int outlet) const;
    // Record 2 byte 20 as the page keeps it; the OK button clears the bits
    // of what it took over.
    int GetAuxFlags() const { return m_auxFlags; }

    // The radios of the modelling-light modes that the lamp may run, by
    // mode: (150 - the highest value of a switched-on aux bar) / 10 minus
    // the unit's energy class levels are left, none while a preset runs
    // where the family says so. Every radio row's mode is its index 0..7.
    std::array<bool, 8> AllowedModellingModes();

protected:
    CGeneratorPage(CFlashDevice* unit, const Traits& traits, const GeneratorTraits& generator);

    // Record 1, one outlet: the bar's on and available state, its value
    // (kept for record 98) with its warning, percent and joules; the
    // availability also goes to the lamp page's choice of the outlet.
    void ShowAuxOutlet(int outlet, const PowerPackRecords::AuxOutlet& state);
    template <std::size_t N>
    void ShowAuxOutlets(const std::array<PowerPackRecords::AuxOutlet, N>& outlets)
    {
        for (std::size_t i = 0; i < N; ++i)
            ShowAuxOutlet(static_cast<int>(i) + 1, outlets[i]);
    }
    // Record 98: the aux bars take back the kept values without warning and
    // the LED turns red.
    void RestoreAuxValues();

    // Record 2 byte 20.
    void SetAuxFlags(int flags) { m_auxFlags = flags; }

    // Enables the radios AllowedModellingModes allows. The base calls it
    // after a radio is picked and from SetLightsInhibited (which record 1
    // calls on the Quirel A1 and record 2 on the Zarit).
    void UpdateModellingLightRadios() override;

    // "IDC_ST_SET", as the traits say: the suggested interval (flag 0x80:
    // interval 0; else flag 0x08: the suggested one) with command 7 and the
    // aux page's interval, then the suggested T0.1 value (flag 0x04) with
    // command 6 and 1, then, where the family takes it, the suggested
    // colour (flag 0x10); the flags lose the bits taken; last the status
    // rows are rebuilt.
    void OnStatusSet() override;
    // The Zarit's colour: set the aux page's colour and send its step.
    virtual void TakeSuggestedColour() {}

    // Command 1 for the light whose bar has window id barId: its outlet (0
    // main light), the spin step being sent, and every bar's value and
    // on state. Empty for an id that is no light bar.
    struct Lights {
        int light = 0;
        int step = 0;
        int mainValue = 0;
        std::array<int, 3> auxValue{};
        std::array<bool, 3> auxOn{};
    };
    std::optional<Lights> GatherLights(int32_t barId) const;

private:
    void OnTestDoneRecord(const RecordView& record);

    const GeneratorTraits& m_generator;
    std::array<int, 3> m_keptAux{};
    int m_auxFlags = 0;
};

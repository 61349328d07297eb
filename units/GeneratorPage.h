// The device page of the generators whose modelling lamp draws on the same
// supply as their aux outlets (Quirel A1, Zarit, ZaritE): a main light and
// two or three aux bars, which the status record that they lay alike fills
// through an aux-outlet feed, restored when a test flash is done. What they
// share lives here:
// the modelling-light radios that the switched-on outlets leave, the aux
// status flags of the status panel and what its OK button takes over. A
// family adds its row of data, its decoders, its status rows and its command
// builder.
#pragma once

#include <array>
#include <cstdint>

#include "units/AuxOutletFeed.h"
#include "units/FamilyDevicePage.h"

class CGeneratorPage : public CFamilyDevicePage {
public:
    // What sets the generators apart in the shared operations.
    struct GeneratorTraits {
        // An active preset sequence of the aux page locks the lights with
        // each status record and leaves the modelling lamp no level at all
        // (Quirel A1); without it only the outlets count (Zarit, ZaritE).
        bool presetTakesRadios;
        // "IDC_ST_SET" takes over the suggested interval and T0.1 value
        // (else it only redraws the status rows, as on the ZaritE) ...
        bool okTakesSuggestions;
        // ... and the suggested colour, through TakeSuggestedColour (Zarit).
        bool okTakesColour;
    };
    // The routes of record 1 (status: the main bar, power, the aux bars
    // through the feed, the modelling-light mode and "IDC_LM_OVER") and of
    // record 98 (test flash done) to the feed's restore, for the family's
    // record table.
    static RecordRoute StatusRoute();
    static RecordRoute TestDoneRoute();

    // The value that the last record 1 gave aux bar outlet; 0 before the
    // first one.
    int GetKeptAuxValue(int outlet) const { return m_auxOutlets.Kept(outlet); }
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

    // Record 2 byte 20.
    void SetAuxFlags(int flags) { m_auxFlags = flags; }

    // Enables the radios AllowedModellingModes allows. The base calls it
    // after a radio is picked and from SetLightsInhibited (which record 1
    // calls on the Quirel A1 and record 2 on the Zarit packs).
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

private:
    void OnStatusRecord(const RecordView& record);
    void OnTestDoneRecord(const RecordView& record);

    const GeneratorTraits& m_generator;
    CAuxOutletFeed m_auxOutlets;
    int m_auxFlags = 0;
};

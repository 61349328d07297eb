// What a demo unit holds: its identity, its settings and memories, the
// records waiting to be reported, and the state of its generator model with
// the operations that the commands run on it. The constant tables of the
// model are DemoGeneratorModel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The bus address of the first demo unit; the port reserves 100 to 103.
constexpr uint8_t kFirstDemoAddress = 100;

class CDemoUnitState {
public:
    static constexpr uint16_t kTypeZarit = 37;
    static constexpr uint16_t kTypeZaritE = 137;

    // What a memory keeps: the settings and the model values that go with
    // them.
    struct Settings {
        std::array<uint8_t, 4> channelStates{3, 3, 3, 3};  // bit 0 on; outlets active with bits 0 and 1
        std::array<uint8_t, 4> channelEnergies{62, 60, 33, 60};
        uint8_t sequenceValue = 0;  // command 5; 51 and above report as 100
        uint8_t stepPosition = 0;
        uint8_t stepFlag = 0;
        uint32_t computedDuration = 0;
        uint32_t delay = 0;  // hundredths of a second, command 8
        uint32_t timedValue = 0;
        uint32_t derivedTime = 0;
        uint8_t alternateOrder = 0;  // command 10
        uint8_t sequenceProgram = 0;
        uint16_t lampMode = 4;
        uint16_t effectiveLampMode = 0;
        uint8_t lampFollow = 0;
        std::array<uint8_t, 8> switchFlags{};  // 1 to 7
        uint16_t powerDisplayMode = 0;         // command 19
        uint16_t infraredAddress = 3;          // the infrared address + 1, never changed
        uint16_t warningBits = 0;
        uint16_t latchedWarningBits = 0;
        uint8_t durationIndex = 0;
        uint32_t savedStepPosition = 0;
        uint8_t stepFlags = 0;  // bit 0 the last step went up, bit 1 a step since the last recalculation
        uint8_t timeBase = 0;
        uint32_t recycleValue = 0;
        uint8_t holdFlags = 0;  // bit 1 the timed value is held at its base
        uint8_t savedTimedValue = 0;
        std::array<uint16_t, 3> lampFunctions{1, 2, 0};
    };

    // A Zarit at 100 and a ZaritE at 101; the type is taken from the address.
    CDemoUnitState(uint16_t address, uint16_t energyClass);

    // Records waiting for a status poll: 1 to 10 and the memory records.
    void MarkPending(uint16_t record);
    void MarkAllPending();
    void ClearPending(uint16_t record);
    // The lowest pending record, or the status record when none is.
    uint16_t NextPendingRecord();

    bool IsPowered() const;
    void SetPowered(bool on);
    // Bits 0 to 3 switch channels 0 to 3 on or off.
    void SetChannelSwitches(uint8_t bits);

    // The generator model.
    void SetEnergy(uint8_t value, uint8_t channel);
    void StepEnergy(bool up);
    bool IsModellingLightModeAllowed(int mode);
    void LimitModellingLightMode();
    void SetSequenceProgram(uint16_t program);
    // Mode 3 sets the timed value; mode 1 checks it against the model.
    void AdjustTimedValue(uint16_t value, int mode);
    // The timing values back to none; the lamp and spread warnings stay.
    void ResetTimingValues();
    void StoreMemory(Settings& memory, int preset) const;
    void RecallMemory(const Settings& memory);

    // The unit's identity.
    const uint16_t address;
    const uint16_t studio = 1;
    const uint16_t energyClass;
    const uint16_t typeCode;
    const std::array<uint16_t, 4> identityFlags = {1, 0, 0, 0};
    const std::string name = "strahlkon         ";
    const uint16_t statusByte = 100;
    uint32_t serialNumber = 80001;

    std::array<uint16_t, 7> record8Values{};
    uint16_t pageSelection = 0;
    uint16_t memorySelection = 0;
    Settings settings;
    std::array<Settings, 4> memories;
    uint8_t sequenceStepCount = 0;
    std::array<uint32_t, 4> sequenceSteps{};
    uint32_t sequencePeriod = 0;

private:
    bool IsActive(int outlet) const;
    bool IsLoaded(int outlet) const;  // active with an energy
    void SetWarning(int bit, bool on);
    int EnergyPass(uint8_t value, uint8_t channel);
    uint32_t ShiftedTotal(int channel, int shift) const;
    bool UpdateHold();
    void Recalculate();
    uint32_t SearchRatio(int baseCode, uint8_t& index);
    uint32_t FindDurationStep(uint32_t duration);
    bool CheckDurationStep(int pass);
    uint32_t ComputeTimes(uint8_t index);
    uint32_t ComputeTimesFromEnergyRatio(uint8_t index, uint32_t total, int64_t g, int64_t h);

    uint32_t m_changeMask = 0;  // bits 0 to 9 records 1 to 10, bits 10 to 13 records 101 to 104

    // Model state that the memories do not keep.
    std::array<uint32_t, 2> m_resultTimes{};
    std::array<uint32_t, 4> m_outletJoules{};  // 1 to 3
    uint32_t m_maximumEnergy;
    uint8_t m_channelCount = 2;
    uint8_t m_computeFlag = 0;
};

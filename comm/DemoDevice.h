// A simulated generator that answers in demo mode in place of a unit on
// the bus: it parses the frames addressed to it, carries out the commands on
// its settings, runs its generator model and answers like a real unit,
// including the change notification through status polls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The bus address of the first demo unit; the port reserves 100 to 103.
constexpr uint8_t kFirstDemoAddress = 100;

class CDemoDevice {
public:
    CDemoDevice(uint16_t address, uint16_t energyClass);

    // Parses and carries out one frame text (carriage return included); the
    // answer text, if any, replaces answer.
    void Receive(const std::string& frame, std::string& answer);

private:
    // What a memory keeps: the settings and the model values that go with
    // them.
    struct Settings {
        std::array<uint8_t, 4> channelStates{3, 3, 3, 3};  // bit 0 on; outlets active with bits 0 and 1
        std::array<uint8_t, 4> channelEnergies{62, 60, 33, 60};
        uint8_t valueA = 0;
        uint8_t stepPosition = 0;
        uint8_t stepFlag = 0;
        uint32_t computedDuration = 0;
        uint32_t valueB = 0;
        uint32_t timedValue = 0;
        uint32_t derivedTime = 0;
        uint8_t valueC = 0;
        uint8_t sequenceProgram = 0;
        uint16_t lampMode = 4;
        uint16_t effectiveLampMode = 0;
        uint8_t lampFollow = 0;
        std::array<uint8_t, 8> switchFlags{};  // 1 to 7
        uint16_t optionByte = 0;
        uint16_t fixedByte = 3;
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
    using Bytes = std::vector<uint8_t>;

    bool ParseFrame(const std::string& frame);
    void Execute(std::string& answer);
    uint8_t Data(int k) const;
    void StatusPoll(std::string& answer);
    void Answer(uint16_t record, std::string& answer);
    void BuildAnswer(uint8_t head, uint16_t record, std::string& answer);
    Bytes RecordData(uint16_t record);
    void MarkPending(uint16_t record);
    void SetRecord8Pair(int pair);
    void StoreMemory(Settings& memory, int preset) const;
    void RecallMemory(const Settings& memory);

    // The generator model.
    bool IsActive(int outlet) const;
    bool IsLoaded(int outlet) const;  // active with an energy
    void SetWarning(int bit, bool on);
    void SetEnergy(uint8_t value, uint8_t channel);
    int EnergyPass(uint8_t value, uint8_t channel);
    uint32_t ShiftedTotal(int channel, int shift) const;
    void StepEnergy(bool up);
    bool IsModellingLightModeAllowed(int mode);
    void LimitModellingLightMode();
    void SetSequenceProgram(uint16_t program);
    void AdjustTimedValue(uint16_t value, int mode);
    bool UpdateHold();
    void Recalculate();
    uint32_t SearchRatio(int m, uint8_t& index);
    uint32_t FindDurationStep(uint32_t duration);
    bool CheckDurationStep(int pass);
    uint32_t ComputeTimes(uint8_t index);
    uint32_t ComputeTimesFromEnergyRatio(uint8_t index, uint32_t total, int64_t g, int64_t h);

    bool m_answered = false;
    uint32_t m_serialNumber = 80001;
    uint16_t m_address;
    uint16_t m_studio = 1;
    uint16_t m_energyClass;
    std::array<uint16_t, 4> m_identityFlags = {1, 0, 0, 0};
    uint16_t m_typeCode;
    std::string m_name = "strahlkon         ";
    uint16_t m_statusByte = 100;
    std::array<uint16_t, 7> m_record8Values{};
    uint16_t m_pageSelection = 0;
    uint16_t m_memorySelection = 0;
    uint32_t m_changeMask = 0;  // bits 0 to 9 records 1 to 10, bits 10 to 13 records 101 to 104
    Bytes m_frame;              // head digit, then the frame's bytes through the checksum
    Settings m_settings;
    std::array<Settings, 4> m_memories;
    uint8_t m_sequenceStepCount = 0;
    std::array<uint32_t, 4> m_sequenceSteps{};
    uint32_t m_sequencePeriod = 0;

    // Model state that the memories do not keep.
    std::array<uint32_t, 2> m_resultTimes{};
    std::array<uint32_t, 4> m_outletJoules{};  // 1 to 3
    uint32_t m_maximumEnergy;
    uint8_t m_channelCount = 2;
    uint8_t m_computeFlag = 0;
};

#include "comm/DemoDevice.h"

#include <algorithm>
#include <utility>

#include "comm/DemoGeneratorModel.h"
#include "comm/FrameCodec.h"

namespace model = DemoGeneratorModel;

namespace {

// Type codes by address 100 to 103; only 100 and 101 are ever created.
constexpr std::array<uint16_t, 4> kTypeCodes = {37, 137, 32, 26};
constexpr uint16_t kTypeZarit = 37;
constexpr uint16_t kTypeZaritE = 137;

constexpr uint8_t kAnswerHead = 3;  // head byte 0x32: "S2"
constexpr uint16_t kStatusRecord = 100;
constexpr uint16_t kFirstMemoryRecord = 101;
constexpr uint32_t kAllPending = 0x3FFF;
// Length, studio, address and two code bytes.
constexpr std::size_t kHeaderBytes = 5;

enum WarningBit {
    kWarnLampLimited = 0,
    kWarnShortTime = 1,
    kWarnStepCorrected = 2,
    kWarnTimedChanged = 3,
    kWarnSpread = 4,
    kWarnTimedShort = 5,
};
constexpr uint8_t kPowerBit = 0x01;
constexpr uint8_t kStepWentUp = 0x01;
constexpr uint8_t kStepHappened = 0x02;
constexpr uint8_t kHeld = 0x02;

// With outlet 3 active the generator keeps at least J(60) in total.
constexpr int kLowestCodeWithOutlet3 = 60;
constexpr uint32_t kLowestTotalWithOutlet3 = 1000;
constexpr int kSpreadLimit = 30;
constexpr int kLowestShift = -10;
constexpr uint32_t kShortResultTime = 200;
constexpr uint32_t kShortTimeLimit = 993;
constexpr uint32_t kLongestTimedValue = 5000;
constexpr int kLowestLimitedLampMode = 5;
constexpr int kHighestLampMode = 7;
constexpr uint8_t kHighestSequenceProgram = 16;
// Commands that leave a switched-off unit off.
constexpr std::array<uint16_t, 5> kPowerNeutralCommands = {11, 14, 100, 101, 102};

// Sent with its terminating NUL.
constexpr char kSerialText[] = "C123456";
constexpr std::array<uint8_t, 7> kZaritInfoRecord = {0, 0, 25, 0, 0, 5, 20};
constexpr std::array<uint8_t, 5> kInfoRecordHead = {1, 5, 0, 200, 0};
constexpr std::size_t kSentNameLength = 14;

uint16_t TypeCodeOf(uint16_t address)
{
    const unsigned slot = address - kFirstDemoAddress;
    return slot < kTypeCodes.size() ? kTypeCodes[slot] : 0;
}

// The pending bit of a record, 0 for a record that has none.
uint32_t PendingBit(uint16_t record)
{
    if (record >= 1 && record <= 10)
        return 1u << (record - 1);
    if (record >= kFirstMemoryRecord && record <= kFirstMemoryRecord + 3)
        return 1u << (record - 91);
    return 0;
}

void Put16(std::vector<uint8_t>& bytes, uint32_t value)
{
    bytes.push_back(static_cast<uint8_t>(value >> 8));
    bytes.push_back(static_cast<uint8_t>(value));
}

// Shifted energies stay within the codes that have table entries.
uint8_t Shifted(uint8_t energy, int shift)
{
    return static_cast<uint8_t>(std::clamp(energy + shift, model::kLowestCode, model::kHighestCode));
}

uint8_t LargestCodeWithin(uint32_t rest)
{
    for (int code = model::kHighestCode; code >= model::kLowestCode; --code) {
        if (rest + model::Joules(code) <= model::kJoulesLimit)
            return static_cast<uint8_t>(code);
    }
    return 0;
}

uint8_t SmallestCodeReaching(uint32_t rest, uint32_t low)
{
    for (int code = model::kLowestCode; code < model::kHighestCode; ++code) {
        if (rest + model::Joules(code) >= low)
            return static_cast<uint8_t>(code);
    }
    return model::kHighestCode;
}

}  // namespace

CDemoDevice::CDemoDevice(uint16_t address, uint16_t energyClass)
    : m_address(address),
      m_energyClass(energyClass),
      m_typeCode(TypeCodeOf(address)),
      m_maximumEnergy((energyClass + 1u) * 1600)
{
    const std::pair<uint16_t, uint16_t> pair = m_typeCode == kTypeZarit ? std::make_pair(8, 11) : std::make_pair(98, 1);
    m_record8Values = {0, pair.first, pair.second, pair.first, pair.second, pair.first, pair.second};
    SetEnergy(60, 1);
    for (int i = 0; i < 4; ++i)
        StoreMemory(m_memories[i], i + 1);
}

void CDemoDevice::Receive(const std::string& frame, std::string& answer)
{
    if (ParseFrame(frame))
        Execute(answer);
}

bool CDemoDevice::ParseFrame(const std::string& frame)
{
    // The last character is the carriage return.
    if (frame.empty())
        return false;
    const std::size_t size = frame.size() - 1;
    if (size % 2 != 0 || size == 0 || frame[0] != 'S')
        return false;
    const std::size_t n = size / 2;
    // The head digit, the header and the checksum at least.
    if (n < kHeaderBytes + 2)
        return false;
    m_frame.assign(n, 0);
    m_frame[0] = static_cast<uint8_t>(frame[1] - 0x30);
    for (std::size_t i = 1; i < n; ++i)
        m_frame[i] = DecodePair(frame[2 * i], frame[2 * i + 1]);
    if (m_frame[1] != n - 2 || m_frame[n - 1] != Checksum(&m_frame[1], n - 2))
        return false;
    return m_frame[2] == m_studio && (m_frame[3] == m_address || m_frame[0] == 0);
}

uint8_t CDemoDevice::Data(int k) const
{
    // Data bytes run from byte 6 up to the length byte; none are read past them.
    const std::size_t i = 6 + static_cast<std::size_t>(k);
    return i <= m_frame[1] ? m_frame[i] : 0;
}

void CDemoDevice::Execute(std::string& answer)
{
    using Run = void (*)(CDemoDevice&, std::string&);
    struct Command {
        uint16_t code;
        Run run;
    };
    static const Command kCommands[] = {
        {1,
         [](CDemoDevice& d, std::string& answer) {
             for (int i = 0; i < 4; ++i) {
                 uint8_t& state = d.m_settings.channelStates[i];
                 state = static_cast<uint8_t>((state & ~kPowerBit) | ((d.Data(2) >> i) & 1));
             }
             // There are only four channels: a higher one changes no energy.
             if (d.Data(1) <= 3)
                 d.SetEnergy(d.Data(0), d.Data(1));
             else
                 d.MarkPending(1);
             d.Answer(1, answer);
         }},
        {2, [](CDemoDevice& d, std::string& answer) { d.Answer(static_cast<uint16_t>(d.Data(0) * 256 + d.Data(1)), answer); }},
        {3,
         [](CDemoDevice& d, std::string& answer) {
             const uint8_t request = d.Data(0);
             if (request & 0x40) {
                 const int mode = request & 0x0F;
                 if (d.IsModellingLightModeAllowed(mode))
                     d.m_settings.lampMode = static_cast<uint16_t>(mode);
             } else if (request & 0x80) {
                 d.m_settings.lampFollow = request & 1;
             }
             d.LimitModellingLightMode();
             d.Answer(1, answer);
         }},
        {4,
         [](CDemoDevice& d, std::string&) {
             const uint8_t request = d.Data(0);
             auto& flags = d.m_settings.switchFlags;
             if (request & 0x40)
                 flags[2] = request & 1;
             else if (request & 0x20)
                 flags[7] = request & 1;
             else if (request & 0x80)
                 flags[1] = request & 1;
         }},
        {5,
         [](CDemoDevice& d, std::string&) {
             d.m_settings.valueA = d.Data(0);
             d.MarkPending(2);
         }},
        {6, [](CDemoDevice& d, std::string&) { d.StepEnergy(d.Data(0) != 0); }},
        {7,
         [](CDemoDevice& d, std::string&) {
             d.AdjustTimedValue(static_cast<uint16_t>(d.Data(0) * 256 + d.Data(1)), 3);
         }},
        {8,
         [](CDemoDevice& d, std::string&) {
             d.m_settings.valueB = d.Data(0) * 256u + d.Data(1);
             d.MarkPending(2);
         }},
        {9, [](CDemoDevice& d, std::string&) { d.SetSequenceProgram(d.Data(0)); }},
        {10,
         [](CDemoDevice& d, std::string&) {
             d.m_settings.valueC = d.Data(0);
             d.MarkPending(2);
         }},
        {11,
         [](CDemoDevice& d, std::string&) {
             d.m_pageSelection = d.Data(0);
             d.m_memorySelection = d.Data(1);
             for (int i = 0; i < 3; ++i) {
                 if (d.Data(2 + i) != 0xFF)
                     d.m_settings.lampFunctions[i] = d.Data(2 + i);
             }
         }},
        {12,
         [](CDemoDevice& d, std::string& answer) {
             const uint8_t memory = d.Data(0);
             if (memory < d.m_memories.size())
                 d.StoreMemory(d.m_memories[memory], 0);
             d.Answer(static_cast<uint16_t>(kFirstMemoryRecord + memory), answer);
         }},
        {13,
         [](CDemoDevice& d, std::string&) {
             const uint8_t memory = d.Data(0);
             if (memory < d.m_memories.size())
                 d.RecallMemory(d.m_memories[memory]);
         }},
        {14, [](CDemoDevice& d, std::string&) { d.m_changeMask = kAllPending; }},
        {15,
         [](CDemoDevice& d, std::string&) {
             Settings& s = d.m_settings;
             const uint16_t kept = (1 << kWarnLampLimited) | (1 << kWarnSpread);
             s.warningBits &= kept;
             s.latchedWarningBits &= kept;
             s.valueA = 0;
             s.stepPosition = 0;
             s.stepFlag = 0;
             s.valueB = 0;
             s.timedValue = 0;
             s.derivedTime = 0;
             s.valueC = 0;
             s.sequenceProgram = 0;
             d.Recalculate();
             d.MarkPending(2);
         }},
        {16, [](CDemoDevice& d, std::string&) { d.m_settings.switchFlags[6] = d.Data(0) & 1; }},
        {17,
         [](CDemoDevice& d, std::string&) {
             for (int k = 0; k < 3; ++k)
                 d.m_settings.switchFlags[3 + k] = (d.Data(0) >> k) & 1;
         }},
        {19, [](CDemoDevice& d, std::string&) { d.m_settings.optionByte = d.Data(0); }},
        {21, [](CDemoDevice& d, std::string&) { d.SetRecord8Pair(0); }},
        {23, [](CDemoDevice& d, std::string&) { d.SetRecord8Pair(1); }},
        {26, [](CDemoDevice& d, std::string&) { d.SetRecord8Pair(2); }},
        {25,
         [](CDemoDevice& d, std::string&) {
             d.m_serialNumber = static_cast<uint32_t>(d.Data(0)) << 24 | static_cast<uint32_t>(d.Data(1)) << 16 |
                                static_cast<uint32_t>(d.Data(2)) << 8 | d.Data(3);
         }},
        {27, [](CDemoDevice& d, std::string&) { d.m_settings.channelStates[0] &= ~kPowerBit; }},
        {28, [](CDemoDevice& d, std::string&) { d.m_settings.channelStates[0] |= kPowerBit; }},
        {100, [](CDemoDevice& d, std::string& answer) { d.StatusPoll(answer); }},
        {101, [](CDemoDevice& d, std::string& answer) { d.Answer(kRecordIdentity, answer); }},
    };

    const uint16_t code = static_cast<uint16_t>(m_frame[4] * 256 + m_frame[5]);
    // Head digit 0: no answer wanted.
    m_answered = m_frame[0] == 0;
    const bool neutral =
        std::find(kPowerNeutralCommands.begin(), kPowerNeutralCommands.end(), code) != kPowerNeutralCommands.end();
    if (!neutral && !(m_settings.channelStates[0] & kPowerBit)) {
        m_settings.channelStates[0] |= kPowerBit;
        MarkPending(1);
    }
    for (const Command& command : kCommands) {
        if (command.code == code) {
            command.run(*this, answer);
            break;
        }
    }
    Answer(kStatusRecord, answer);
}

void CDemoDevice::StatusPoll(std::string& answer)
{
    // The lowest pending record answers first; record 100 when none is.
    m_changeMask &= kAllPending;
    uint16_t record = kStatusRecord;
    for (int bit = 0; bit < 14; ++bit) {
        if (m_changeMask & (1u << bit)) {
            record = static_cast<uint16_t>(bit < 10 ? bit + 1 : bit + 91);
            break;
        }
    }
    Answer(record, answer);
}

void CDemoDevice::Answer(uint16_t record, std::string& answer)
{
    // A frame gets one answer at most, and none when it wants none.
    if (!m_answered)
        BuildAnswer(kAnswerHead, record, answer);
}

void CDemoDevice::BuildAnswer(uint8_t head, uint16_t record, std::string& answer)
{
    const Bytes data = RecordData(record);
    Bytes bytes;
    bytes.reserve(kHeaderBytes + data.size() + 1);
    bytes.push_back(static_cast<uint8_t>(kHeaderBytes + data.size()));
    bytes.push_back(static_cast<uint8_t>(m_studio));
    bytes.push_back(static_cast<uint8_t>(m_address));
    Put16(bytes, record);
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.push_back(Checksum(bytes.data(), bytes.size()));
    answer = EncodeFrameText(static_cast<uint8_t>(head * 16 + 2), bytes.data(), bytes.size());
    m_changeMask &= ~PendingBit(record);
    m_answered = true;
}

void CDemoDevice::MarkPending(uint16_t record) { m_changeMask |= PendingBit(record); }

void CDemoDevice::SetRecord8Pair(int pair)
{
    m_record8Values[1 + 2 * pair] = std::min<uint16_t>(Data(0), 99);
    m_record8Values[2 + 2 * pair] = std::min<uint16_t>(Data(1), 12);
}

CDemoDevice::Bytes CDemoDevice::RecordData(uint16_t record)
{
    using Build = Bytes (*)(CDemoDevice&, uint16_t record);
    struct Layout {
        uint16_t first;
        uint16_t last;
        Build build;
    };
    static const Layout kLayouts[] = {
        {1, 1,
         [](CDemoDevice& d, uint16_t) {
             const Settings& s = d.m_settings;
             const uint32_t joulesDivisor = d.m_energyClass == 0 ? 10 : 5;
             Bytes data;
             uint8_t states = 0;
             for (int i = 0; i < 4; ++i) {
                 const uint8_t energy = s.channelEnergies[i];
                 data.push_back(energy);
                 data.push_back(model::Percent(energy));
                 Put16(data, model::Joules(energy) / joulesDivisor);
                 states = static_cast<uint8_t>(states | (s.channelStates[i] & 3) << (2 * i));
             }
             data.push_back(states);
             data.push_back(static_cast<uint8_t>(s.lampMode + 16 * s.effectiveLampMode));
             data.push_back(static_cast<uint8_t>(s.warningBits));
             data.push_back(0);
             return data;
         }},
        {2, 2,
         [](CDemoDevice& d, uint16_t) {
             const Settings& s = d.m_settings;
             const bool zarit = d.m_typeCode == kTypeZarit;
             Bytes data;
             data.push_back(s.valueA < 51 ? s.valueA : 100);
             data.push_back(static_cast<uint8_t>(s.stepPosition + (s.stepFlag ? 0x80 : 0)));
             Put16(data, s.timedValue);
             Put16(data, s.valueB);
             data.push_back(zarit ? std::clamp<uint8_t>(s.sequenceProgram, 2, 4) : s.sequenceProgram);
             data.push_back(zarit ? std::min<uint8_t>(s.valueC, 4) : s.valueC);
             Put16(data, d.m_identityFlags[0] ? s.computedDuration : 0);
             if (zarit) {
                 data.insert(data.end(), {4, 0, 0, 0, 0});
             } else {
                 // The steps from the last down to the second, then the rate.
                 for (int i = 3; i >= 1; --i) {
                     if (i < d.m_sequenceStepCount)
                         data.push_back(static_cast<uint8_t>(d.m_sequenceSteps[i]));
                 }
                 data.resize(13, 0);
                 const bool hasRate = d.m_sequenceStepCount != 0 && d.m_sequencePeriod != 0;
                 Put16(data, hasRate ? model::kRateClock / d.m_sequencePeriod : 0);
             }
             data.push_back(static_cast<uint8_t>(s.warningBits));
             Put16(data, s.derivedTime);
             data.push_back(0);
             return data;
         }},
        {3, 3,
         [](CDemoDevice& d, uint16_t) {
             const Settings& s = d.m_settings;
             const uint16_t memory = d.m_memorySelection >= 1 && d.m_memorySelection <= 3 ? d.m_memorySelection : 0;
             d.MarkPending(static_cast<uint16_t>(kFirstMemoryRecord + memory));
             return Bytes{static_cast<uint8_t>(d.m_pageSelection), static_cast<uint8_t>(d.m_memorySelection),
                          static_cast<uint8_t>(s.lampFunctions[0]), static_cast<uint8_t>(s.lampFunctions[1]),
                          static_cast<uint8_t>(s.lampFunctions[2])};
         }},
        {kRecordIdentity, kRecordIdentity,
         [](CDemoDevice& d, uint16_t) {
             const auto& flags = d.m_identityFlags;
             const uint8_t classByte = static_cast<uint8_t>(d.m_energyClass + 8 * flags[1] + 64 * flags[0]);
             const uint8_t flagByte = static_cast<uint8_t>(flags[2] + 2 * flags[3]);
             Bytes data{static_cast<uint8_t>(d.m_typeCode)};
             if (d.m_typeCode == kTypeZarit || d.m_typeCode == kTypeZaritE) {
                 data.insert(data.end(), {16, 216, classByte, flagByte});
                 data.insert(data.end(), kSerialText, kSerialText + sizeof kSerialText);
             } else {
                 data.insert(data.end(), {7, classByte, flagByte});
                 Put16(data, d.m_serialNumber >> 16);
                 Put16(data, d.m_serialNumber);
             }
             data.push_back(1);
             return data;
         }},
        {5, 5,
         [](CDemoDevice& d, uint16_t) {
             const Settings& s = d.m_settings;
             uint8_t switches = s.lampFollow & 1;
             for (int k = 1; k <= 7; ++k)
                 switches = static_cast<uint8_t>(switches | (s.switchFlags[k] & 1) << k);
             return Bytes{switches, static_cast<uint8_t>(s.optionByte), static_cast<uint8_t>(s.fixedByte),
                          static_cast<uint8_t>(s.warningBits)};
         }},
        {6, 6,
         [](CDemoDevice& d, uint16_t) {
             if (d.m_typeCode == kTypeZarit)
                 return Bytes(kZaritInfoRecord.begin(), kZaritInfoRecord.end());
             Bytes data(kInfoRecordHead.begin(), kInfoRecordHead.end());
             data.insert(data.end(), d.m_name.begin(), d.m_name.begin() + kSentNameLength);
             return data;
         }},
        {7, 7, [](CDemoDevice&, uint16_t) { return Bytes(4, 0); }},
        {8, 8,
         [](CDemoDevice& d, uint16_t) {
             Bytes data;
             for (uint16_t value : d.m_record8Values)
                 data.push_back(static_cast<uint8_t>(value));
             return data;
         }},
        {9, 9, [](CDemoDevice&, uint16_t) { return Bytes(9, 0); }},
        {10, 10,
         [](CDemoDevice& d, uint16_t) {
             if (d.m_typeCode != kTypeZarit)
                 return Bytes();
             return Bytes(d.m_name.begin(), d.m_name.begin() + kSentNameLength);
         }},
        {kStatusRecord, kStatusRecord,
         [](CDemoDevice& d, uint16_t) { return Bytes{static_cast<uint8_t>(d.m_statusByte + 0x80), 0}; }},
        {kFirstMemoryRecord, kFirstMemoryRecord + 3,
         [](CDemoDevice& d, uint16_t record) {
             const Settings& m = d.m_memories[record - kFirstMemoryRecord];
             Bytes data{m.channelEnergies[1], m.channelEnergies[2], m.channelEnergies[3],
                        static_cast<uint8_t>(m.valueA + 64 * m.valueC)};
             Put16(data, m.valueB);
             Put16(data, m.timedValue);
             data.push_back(static_cast<uint8_t>(m.stepPosition + 16 * m.lampMode + (m.stepFlag ? 8 : 0)));
             data.push_back(m.sequenceProgram);
             data.push_back(static_cast<uint8_t>(0x38 + (m.channelStates[1] & 1) + 2 * (m.channelStates[2] & 1) +
                                                 4 * (m.channelStates[3] & 1)));
             return data;
         }},
    };
    for (const Layout& layout : kLayouts) {
        if (record >= layout.first && record <= layout.last)
            return layout.build(*this, record);
    }
    return {};
}

void CDemoDevice::StoreMemory(Settings& memory, int preset) const
{
    using Apply = void (*)(Settings&);
    static const Apply kPresets[] = {
        [](Settings&) {},
        [](Settings& m) { m.channelStates[3] = 2; },
        [](Settings& m) {
            m.channelEnergies[1] = 40;
            m.channelStates[2] = 2;
            m.channelStates[3] = 2;
            m.sequenceProgram = 4;
        },
        [](Settings& m) {
            m.channelEnergies[1] = 39;
            m.channelStates[2] = 2;
            m.channelStates[3] = 2;
            m.stepPosition = 0;
            m.stepFlag = 1;
            m.valueB = 10;
            m.timedValue = 40;
            m.derivedTime = 40;
        },
        [](Settings& m) { m.valueA = 3; },
    };
    memory = m_settings;
    kPresets[preset](memory);
}

void CDemoDevice::RecallMemory(const Settings& memory)
{
    // Switch flags 3 to 6, the option byte and the fixed byte belong to the
    // unit, not to a memory.
    const Settings kept = m_settings;
    m_settings = memory;
    for (int k = 3; k <= 6; ++k)
        m_settings.switchFlags[k] = kept.switchFlags[k];
    m_settings.optionByte = kept.optionByte;
    m_settings.fixedByte = kept.fixedByte;
    LimitModellingLightMode();
    Recalculate();
    for (uint16_t record : {1, 2, 3, 5})
        MarkPending(record);
}

bool CDemoDevice::IsActive(int outlet) const { return (m_settings.channelStates[outlet] & 3) == 3; }

bool CDemoDevice::IsLoaded(int outlet) const { return IsActive(outlet) && m_settings.channelEnergies[outlet] != 0; }

void CDemoDevice::SetWarning(int bit, bool on)
{
    const uint16_t mask = static_cast<uint16_t>(1u << bit);
    if (on) {
        m_settings.warningBits |= mask;
        m_settings.latchedWarningBits |= mask;
    } else {
        m_settings.warningBits &= ~mask;
        m_settings.latchedWarningBits &= ~mask;
    }
}

void CDemoDevice::SetEnergy(uint8_t value, uint8_t channel)
{
    Settings& s = m_settings;
    if (IsActive(3)) {
        s.stepPosition = 0;
        s.stepFlag = 0;
    }
    int set = EnergyPass(value, channel);
    if (s.channelEnergies[0] < kLowestCodeWithOutlet3 && IsActive(3)) {
        channel = 3;
        set = EnergyPass(value, channel);
    }
    LimitModellingLightMode();

    // An outlet set more than 30 away from the others is reported.
    int spread = set;
    for (int i = 1; i <= 3; ++i) {
        if (IsLoaded(i))
            spread = std::clamp(spread, s.channelEnergies[i] - kSpreadLimit, s.channelEnergies[i] + kSpreadLimit);
    }
    SetWarning(kWarnSpread, spread != set && set != 0 && s.channelStates[channel] == 3);
    Recalculate();
    MarkPending(1);
}

int CDemoDevice::EnergyPass(uint8_t value, uint8_t channel)
{
    auto& e = m_settings.channelEnergies;
    if (channel == 0) {
        // The total moves every outlet by the same shift.
        int target = e[0];
        if (IsActive(1) || IsActive(2) || IsActive(3))
            target = std::max<int>(std::min<int>(value, model::kHighestCode),
                                   IsActive(3) ? kLowestCodeWithOutlet3 : model::kLowestCode);
        int shift = target - e[0];
        for (int i = 1; i <= 3; ++i) {
            if (IsLoaded(i) && e[i] + shift <= model::kLowestCode)
                shift = model::kLowestCode - e[i];
        }
        while (shift >= kLowestShift) {
            const uint32_t total = ShiftedTotal(0, shift);
            if (total <= model::kJoulesLimit) {
                if (total < kLowestTotalWithOutlet3 && IsActive(3))
                    ++shift;
                break;
            }
            --shift;
        }
        for (int i = 1; i <= 3; ++i) {
            if (e[i] != 0)
                e[i] = Shifted(e[i], shift);
        }
        // The total of the energies the outlets now have, also when the
        // shift began below the loop's reach.
        e[0] = model::CodeFromJoules(ShiftedTotal(0, 0));
        return target;
    }

    int wanted = std::clamp<int>(value, model::kLowestCode, model::kHighestCode);
    int lowest = model::kLowestCode;
    if (channel == 3) {
        // Outlet 3 takes at least what outlets 1 and 2 have.
        for (int i = 1; i <= 2; ++i) {
            if (IsActive(i)) {
                wanted = std::max<int>(wanted, e[i]);
                lowest = std::max<int>(lowest, e[i]);
            }
        }
    } else if (IsLoaded(3) && e[3] < wanted) {
        wanted = e[3];
    }
    const bool active = IsActive(channel);
    const uint32_t rest = ShiftedTotal(channel, 0);
    const uint32_t sum = rest + (active ? model::Joules(channel == 3 ? lowest : model::kLowestCode) : 0);
    uint8_t code = 0;
    if (sum <= model::kJoulesLimit) {
        const uint32_t low = IsActive(3) ? kLowestTotalWithOutlet3 : model::Joules(model::kLowestCode);
        const uint32_t total = rest + model::Joules(wanted);
        if (total > model::kJoulesLimit)
            code = LargestCodeWithin(rest);
        else if (total < low)
            code = SmallestCodeReaching(rest, low);
        else
            code = static_cast<uint8_t>(wanted);
    }
    e[channel] = code;
    if (active && code == 0)
        wanted = 0;
    e[0] = model::CodeFromJoules(rest + (active ? model::Joules(code) : 0));
    return wanted;
}

uint32_t CDemoDevice::ShiftedTotal(int channel, int shift) const
{
    uint32_t total = 0;
    for (int i = 1; i <= 3; ++i) {
        if (i != channel && IsLoaded(i))
            total += model::Joules(Shifted(m_settings.channelEnergies[i], shift));
    }
    return total;
}

void CDemoDevice::StepEnergy(bool up)
{
    Settings& s = m_settings;
    if (s.sequenceProgram == 0) {
        if (IsActive(3)) {
            s.stepPosition = 0;
            s.stepFlag = 0;
            SetWarning(kWarnStepCorrected, false);
        } else if (s.warningBits & (1u << kWarnStepCorrected)) {
            // A corrected position is acknowledged by the next step.
            SetWarning(kWarnStepCorrected, false);
        } else if (up) {
            if (s.stepPosition == 0 && s.stepFlag) {
                s.stepFlag = 0;
            } else if (s.stepPosition < model::kStepPositions - 1) {
                ++s.stepPosition;
            } else {
                s.stepPosition = 0;
                s.stepFlag = 1;
            }
            s.stepFlags |= kStepWentUp | kStepHappened;
        } else {
            if (s.stepPosition == 0 && !s.stepFlag) {
                s.stepFlag = 1;
            } else if (s.stepPosition == 0) {
                s.stepPosition = model::kStepPositions - 1;
            } else if (--s.stepPosition == 0) {
                s.stepFlag = 0;
            }
            s.stepFlags = static_cast<uint8_t>((s.stepFlags & ~kStepWentUp) | kStepHappened);
        }
    }
    Recalculate();
    MarkPending(2);
}

bool CDemoDevice::IsModellingLightModeAllowed(int mode)
{
    Settings& s = m_settings;
    s.lampMode = std::min<uint16_t>(s.lampMode, kHighestLampMode);
    if (mode < kLowestLimitedLampMode || s.lampMode == 0)
        return true;
    // Each mode above 4 lowers the highest energy it allows by a stop.
    const uint8_t highest = static_cast<uint8_t>(100 - 10 * (mode - kLowestLimitedLampMode + m_energyClass));
    for (int i = 1; i <= 3; ++i) {
        if (IsActive(i) && s.channelEnergies[i] > highest)
            return false;
    }
    return true;
}

void CDemoDevice::LimitModellingLightMode()
{
    Settings& s = m_settings;
    if (IsModellingLightModeAllowed(s.lampMode) || !s.lampFollow) {
        SetWarning(kWarnLampLimited, false);
        return;
    }
    // Modes up to 4 are always allowed, so this ends.
    int mode = s.lampMode - 1;
    while (!IsModellingLightModeAllowed(mode))
        --mode;
    s.effectiveLampMode = static_cast<uint16_t>(mode);
    SetWarning(kWarnLampLimited, true);
}

void CDemoDevice::SetSequenceProgram(uint16_t program)
{
    m_settings.sequenceProgram = static_cast<uint8_t>(std::min<uint16_t>(program, kHighestSequenceProgram));
    const int p = m_settings.sequenceProgram;
    if (p != 0) {
        const model::SequenceProgram& steps = model::SequenceProgramOf(p);
        m_sequenceStepCount = steps.stepCount;
        std::copy(std::begin(steps.steps), std::end(steps.steps), m_sequenceSteps.begin());
        m_sequencePeriod = model::SequencePeriod(m_energyClass, IsActive(1) && IsActive(2), p);
    }
    MarkPending(2);
}

void CDemoDevice::AdjustTimedValue(uint16_t value, int mode)
{
    Settings& s = m_settings;
    if (s.sequenceProgram == 0) {
        if (mode == 3) {
            s.timedValue = static_cast<uint32_t>(static_cast<int16_t>(value));
            SetWarning(kWarnTimedChanged, false);
        } else if (mode == 1 && s.timedValue != 0) {
            if (s.warningBits & (1u << kWarnTimedChanged))
                s.timedValue = s.savedTimedValue;
            else
                s.savedTimedValue = static_cast<uint8_t>(s.timedValue);

            uint32_t offset = 0;
            if (IsLoaded(3)) {
                s.holdFlags &= ~kHeld;
                offset = s.timeBase + 1u;
            } else if (!UpdateHold() && s.timeBase + 10u > s.recycleValue) {
                offset = s.timeBase + 10u - s.recycleValue;
            }
            const uint32_t base = offset + s.recycleValue;
            s.derivedTime = base;
            SetWarning(kWarnTimedShort,
                       !(IsActive(3) || value != 0 || offset == 0 || s.timedValue >= 20));
            if (value != 0) {
                if (s.timedValue > kLongestTimedValue)
                    s.timedValue = kLongestTimedValue;
                else if (s.timedValue < base)
                    s.timedValue = base;
            } else if (!(s.latchedWarningBits & (1u << kWarnTimedShort)) && s.timedValue < base) {
                s.timedValue = 0;
                s.warningBits &= ~(1u << kWarnTimedShort);
            }
            SetWarning(kWarnTimedChanged, s.timedValue != s.savedTimedValue);
        }
        if (s.valueA > 15 && s.timedValue >= 1 && s.timedValue <= 19)
            s.valueA = 15;
    }
    MarkPending(2);
}

bool CDemoDevice::UpdateHold()
{
    Settings& s = m_settings;
    const bool held = s.stepPosition == 0 && s.stepFlag &&
                      (!(IsActive(1) && IsActive(2)) || s.channelEnergies[1] == s.channelEnergies[2]);
    if (held)
        s.holdFlags |= kHeld;
    else
        s.holdFlags &= ~kHeld;
    return held;
}

void CDemoDevice::Recalculate()
{
    Settings& s = m_settings;
    const auto& e = s.channelEnergies;
    if (e[0] == 0)
        return;
    for (int i = 1; i <= 3; ++i)
        m_outletJoules[i] = IsLoaded(i) ? model::Joules(e[i]) / 10 : 0;
    const uint32_t j1 = m_outletJoules[1];
    const uint32_t j2 = m_outletJoules[2];
    const uint32_t j3 = m_outletJoules[3];
    m_channelCount = IsLoaded(3) ? 3 : 2;
    int m = 0;
    for (int i = 1; i <= 2; ++i) {
        if (IsActive(i))
            m = std::max<int>(m, e[i]);
    }

    uint32_t duration = 0;
    uint8_t index = 0;
    if (j3 != 0) {
        const uint32_t total = j1 + j2 + j3;
        s.stepFlag = 0;
        index = model::EnergyStepIndex(total / 2);
        const int64_t high = std::max(j1, j2);
        const int64_t low = std::min(j1, j2);
        ComputeTimesFromEnergyRatio(index, total, j3 + high - 2 * low, j3 - high);
        if (j1 >= j2)
            std::swap(m_resultTimes[0], m_resultTimes[1]);
        m = e[3];
        s.recycleValue = model::RecycleFromIndex(index);
        duration = FindDurationStep(s.computedDuration);
    } else {
        for (int pass = 0; pass < 3; ++pass) {
            if (pass == 0) {
                if (s.warningBits & (1u << kWarnStepCorrected))
                    s.stepPosition = static_cast<uint8_t>(s.savedStepPosition);
                else
                    s.savedStepPosition = s.stepPosition;
            }
            duration = FindDurationStep(SearchRatio(m, index));
            m = j1 > j2 ? e[1] : e[2];
            // What the outlets draw from the steps is not recycled.
            const uint32_t step = model::EnergyStep(index);
            s.recycleValue = model::RecycleFromIndex(index) -
                             model::RecycleFromIndex(model::EnergyStepIndex(step - std::min(step, (j1 + j2 + j3) / 2)));
            if (s.stepPosition == 0 || CheckDurationStep(pass))
                break;
        }
        s.stepFlags &= ~kStepHappened;
    }

    if (m_energyClass != 0) {
        m += 10;
        s.recycleValue = std::max<uint32_t>(2 * s.recycleValue, 4);
    } else {
        s.recycleValue = std::max<uint32_t>(s.recycleValue, 3);
    }
    s.timeBase = m < 70 ? 10 : model::TimeBase(m);
    SetWarning(kWarnShortTime, (m_resultTimes[0] < kShortResultTime && IsLoaded(1)) ||
                                   (m_resultTimes[1] < kShortResultTime && IsLoaded(2)));
    s.computedDuration = duration;
    AdjustTimedValue(1, 1);
    if (IsLoaded(3))
        s.derivedTime = s.timeBase + 1u + s.recycleValue;
    else if (UpdateHold())
        s.derivedTime = s.recycleValue;
    else
        s.derivedTime = std::max<uint32_t>(s.recycleValue, s.timeBase + 10u);
    MarkPending(2);
}

uint32_t CDemoDevice::SearchRatio(int m, uint8_t& index)
{
    // The share of the maximum energy the two outlets draw from: searched
    // bit by bit for a step position's duration target, stepped down from
    // full for the step flag, else by the highest outlet energy.
    const Settings& s = m_settings;
    const uint32_t outlets = m_outletJoules[1] + m_outletJoules[2];
    uint32_t accepted = 0;
    uint32_t increment = 258;
    uint32_t duration = 0;
    for (int j = 0; j < 10; ++j) {
        uint32_t ratio;
        if (s.stepPosition != 0)
            ratio = std::min<uint32_t>(accepted + increment, 400);
        else if (s.stepFlag)
            ratio = 400 - 30 * j;
        else if (m < 33)
            ratio = 80;
        else if (m > 70)
            ratio = 180;
        else
            ratio = model::RatioBase(m);
        const uint32_t total = std::max<uint32_t>((m_maximumEnergy * ratio + (400 - ratio) * outlets) / 400, 74);
        index = model::EnergyStepIndex(total / 2);
        m_computeFlag = 1;
        duration = ComputeTimes(index);

        if (s.stepPosition != 0) {
            const uint32_t target = model::StepTarget(s.stepPosition);
            if (j == 8 && duration > target)
                break;
            if (duration <= target)
                accepted = j == 0 ? 144 : accepted + increment;
            if (j == 8)
                increment = 2;
        } else if (s.stepFlag) {
            const bool shortTime = (m_resultTimes[0] < kShortResultTime && IsLoaded(1)) ||
                                   (m_resultTimes[1] < kShortResultTime && IsLoaded(2));
            if (j == 7 || !shortTime)
                break;
        } else {
            break;
        }
        increment /= 2;
    }
    return duration;
}

uint32_t CDemoDevice::FindDurationStep(uint32_t duration)
{
    return model::FindDurationStep(duration, m_settings.durationIndex);
}

bool CDemoDevice::CheckDurationStep(int pass)
{
    Settings& s = m_settings;
    const int k = s.durationIndex;
    const uint32_t target = model::StepTarget(s.stepPosition);
    const uint32_t duration = model::Duration(k);
    const uint32_t below = k == 0 ? 0 : model::Duration(k - 1);
    const uint32_t above = model::Duration(k + 1);
    if (below <= target && target <= above) {
        if (pass == 0)
            SetWarning(kWarnStepCorrected, false);
        return true;
    }

    const uint8_t flags = s.stepFlags & (kStepWentUp | kStepHappened);
    if (duration < target) {
        if (flags == (kStepWentUp | kStepHappened)) {
            s.stepPosition = 0;
            s.stepFlag = 1;
        } else {
            // The highest position the duration reaches.
            int position = model::kStepPositions - 1;
            while (position > 0 && model::StepTarget(position) > duration)
                --position;
            s.stepPosition = static_cast<uint8_t>(position);
        }
    } else if (flags == kStepHappened) {
        s.stepPosition = 0;
        s.stepFlag = 0;
    } else {
        // The lowest position that reaches the duration, or full power.
        int position = 1;
        while (position < model::kStepPositions && model::StepTarget(position) < duration)
            ++position;
        if (position < model::kStepPositions) {
            s.stepPosition = static_cast<uint8_t>(position);
        } else {
            s.stepPosition = 0;
            s.stepFlag = 1;
        }
    }
    if (!(s.stepFlags & kStepHappened)) {
        SetWarning(kWarnStepCorrected, true);
        if (pass == 1) {
            s.stepPosition = 0;
            s.stepFlag = 0;
            return false;
        }
    }
    return pass != 0;
}

uint32_t CDemoDevice::ComputeTimes(uint8_t index)
{
    const uint32_t j1 = m_outletJoules[1];
    const uint32_t j2 = m_outletJoules[2];
    const uint32_t total = std::max(2 * model::EnergyStep(index), j1 + j2);
    const uint32_t duration = ComputeTimesFromEnergyRatio(index, total, static_cast<int64_t>(total) - 2 * std::min(j1, j2),
                                                          static_cast<int64_t>(total) - j1 - j2);
    if (j1 >= j2)
        std::swap(m_resultTimes[0], m_resultTimes[1]);
    return duration;
}

uint32_t CDemoDevice::ComputeTimesFromEnergyRatio(uint8_t index, uint32_t total, int64_t g, int64_t h)
{
    const int q = index / 4;
    const uint32_t a = model::TimeFactor(q);
    const uint32_t b = model::TimeOffset(q);
    const double k = a * 0.2 * 154;
    const int n = m_channelCount;
    // Equal outlets bring either ratio to 0; both are bounded alike.
    const double gBounded = static_cast<double>(std::max<int64_t>(g, 3));
    const double hBounded = static_cast<double>(std::max<int64_t>(h, 3));
    const uint32_t t1 = static_cast<uint32_t>(model::LogRatio(total, gBounded) * k / n);
    const uint32_t t2 = static_cast<uint32_t>(model::LogRatio(gBounded, hBounded) * k / (n - 1) + t1);
    const uint32_t times[2] = {t1, t2};
    for (int i = 0; i < 2; ++i) {
        uint32_t t = m_energyClass != 0 ? 2 * times[i] : times[i];
        if (t < kShortTimeLimit)
            t = model::ShortTimeCorrection(m_energyClass, t / 32) * t / 64;
        m_resultTimes[i] = b + t;
    }
    if (!m_computeFlag)
        return m_settings.computedDuration;
    m_computeFlag = 0;
    return model::DurationFromTimes({m_energyClass, n, a, m_resultTimes[0], m_resultTimes[1], total, gBounded, hBounded});
}

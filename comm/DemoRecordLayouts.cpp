#include "comm/DemoRecordLayouts.h"

#include <algorithm>

#include "comm/BigEndian.h"
#include "comm/DemoGeneratorModel.h"
#include "comm/FrameCodec.h"

namespace model = DemoGeneratorModel;

namespace {

using Bytes = std::vector<uint8_t>;

// Sent with its terminating NUL.
constexpr char kSerialText[] = "C123456";
constexpr std::array<uint8_t, 7> kZaritInfoRecord = {0, 0, 25, 0, 0, 5, 20};
constexpr std::array<uint8_t, 5> kInfoRecordHead = {1, 5, 0, 200, 0};
constexpr std::size_t kSentNameLength = 14;

using Build = Bytes (*)(CDemoUnitState& d, uint16_t record);
struct Layout {
    uint16_t first;
    uint16_t last;
    Build build;
};

// clang-format off
const Layout kLayouts[] = {
    {1, 1,
     [](CDemoUnitState& d, uint16_t) {
         const CDemoUnitState::Settings& s = d.settings;
         const uint32_t joulesDivisor = d.energyClass == 0 ? 10 : 5;
         Bytes data;
         uint8_t states = 0;
         for (int i = 0; i < 4; ++i) {
             const uint8_t energy = s.channelEnergies[i];
             data.push_back(energy);
             data.push_back(model::Percent(energy));
             AppendBe16(data, model::Joules(energy) / joulesDivisor);
             states = static_cast<uint8_t>(states | (s.channelStates[i] & 3) << (2 * i));
         }
         data.push_back(states);
         data.push_back(static_cast<uint8_t>(s.lampMode + 16 * s.effectiveLampMode));
         data.push_back(static_cast<uint8_t>(s.warningBits));
         data.push_back(0);
         return data;
     }},
    {2, 2,
     [](CDemoUnitState& d, uint16_t) {
         const CDemoUnitState::Settings& s = d.settings;
         const bool zarit = d.typeCode == CDemoUnitState::kTypeZarit;
         Bytes data;
         data.push_back(s.sequenceValue < 51 ? s.sequenceValue : 100);
         data.push_back(static_cast<uint8_t>(s.stepPosition + (s.stepFlag ? 0x80 : 0)));
         AppendBe16(data, s.timedValue);
         AppendBe16(data, s.delay);
         data.push_back(zarit ? std::clamp<uint8_t>(s.sequenceProgram, 2, 4) : s.sequenceProgram);
         data.push_back(zarit ? std::min<uint8_t>(s.alternateOrder, 4) : s.alternateOrder);
         AppendBe16(data, d.identityFlags[0] ? s.computedDuration : 0);
         if (zarit) {
             data.insert(data.end(), {4, 0, 0, 0, 0});
         } else {
             // The steps from the last down to the second, then the rate.
             for (int i = 3; i >= 1; --i) {
                 if (i < d.sequenceStepCount)
                     data.push_back(static_cast<uint8_t>(d.sequenceSteps[i]));
             }
             data.resize(13, 0);
             const bool hasRate = d.sequenceStepCount != 0 && d.sequencePeriod != 0;
             AppendBe16(data, hasRate ? model::kRateClock / d.sequencePeriod : 0);
         }
         data.push_back(static_cast<uint8_t>(s.warningBits));
         AppendBe16(data, s.derivedTime);
         data.push_back(0);
         return data;
     }},
    {3, 3,
     [](CDemoUnitState& d, uint16_t) {
         const CDemoUnitState::Settings& s = d.settings;
         const uint16_t memory = d.memorySelection >= 1 && d.memorySelection <= 3 ? d.memorySelection : 0;
         d.MarkPending(static_cast<uint16_t>(kFirstMemoryRecord + memory));
         return Bytes{static_cast<uint8_t>(d.pageSelection), static_cast<uint8_t>(d.memorySelection),
                      static_cast<uint8_t>(s.lampFunctions[0]), static_cast<uint8_t>(s.lampFunctions[1]),
                      static_cast<uint8_t>(s.lampFunctions[2])};
     }},
    {kRecordIdentity, kRecordIdentity,
     [](CDemoUnitState& d, uint16_t) {
         const auto& flags = d.identityFlags;
         const uint8_t classByte = static_cast<uint8_t>(d.energyClass + 8 * flags[1] + 64 * flags[0]);
         const uint8_t flagByte = static_cast<uint8_t>(flags[2] + 2 * flags[3]);
         Bytes data{static_cast<uint8_t>(d.typeCode)};
         if (d.typeCode == CDemoUnitState::kTypeZarit || d.typeCode == CDemoUnitState::kTypeZaritE) {
             data.insert(data.end(), {16, 216, classByte, flagByte});
             data.insert(data.end(), kSerialText, kSerialText + sizeof kSerialText);
         } else {
             data.insert(data.end(), {7, classByte, flagByte});
             AppendBe16(data, d.serialNumber >> 16);
             AppendBe16(data, d.serialNumber);
         }
         data.push_back(1);
         return data;
     }},
    {5, 5,
     [](CDemoUnitState& d, uint16_t) {
         const CDemoUnitState::Settings& s = d.settings;
         uint8_t switches = s.lampFollow & 1;
         for (int k = 1; k <= 7; ++k)
             switches = static_cast<uint8_t>(switches | (s.switchFlags[k] & 1) << k);
         return Bytes{switches, static_cast<uint8_t>(s.powerDisplayMode), static_cast<uint8_t>(s.infraredAddress),
                      static_cast<uint8_t>(s.warningBits)};
     }},
    {6, 6,
     [](CDemoUnitState& d, uint16_t) {
         if (d.typeCode == CDemoUnitState::kTypeZarit)
             return Bytes(kZaritInfoRecord.begin(), kZaritInfoRecord.end());
         Bytes data(kInfoRecordHead.begin(), kInfoRecordHead.end());
         data.insert(data.end(), d.name.begin(), d.name.begin() + kSentNameLength);
         return data;
     }},
    {7, 7, [](CDemoUnitState&, uint16_t) { return Bytes(4, 0); }},
    {8, 8,
     [](CDemoUnitState& d, uint16_t) {
         Bytes data;
         for (uint16_t value : d.record8Values)
             data.push_back(static_cast<uint8_t>(value));
         return data;
     }},
    {9, 9, [](CDemoUnitState&, uint16_t) { return Bytes(9, 0); }},
    {10, 10,
     [](CDemoUnitState& d, uint16_t) {
         if (d.typeCode != CDemoUnitState::kTypeZarit)
             return Bytes();
         return Bytes(d.name.begin(), d.name.begin() + kSentNameLength);
     }},
    {kRecordStatus, kRecordStatus,
     [](CDemoUnitState& d, uint16_t) { return Bytes{static_cast<uint8_t>(d.statusByte + 0x80), 0}; }},
    {kFirstMemoryRecord, kFirstMemoryRecord + 3,
     [](CDemoUnitState& d, uint16_t record) {
         const CDemoUnitState::Settings& m = d.memories[record - kFirstMemoryRecord];
         Bytes data{m.channelEnergies[1], m.channelEnergies[2], m.channelEnergies[3],
                    static_cast<uint8_t>(m.sequenceValue + 64 * m.alternateOrder)};
         AppendBe16(data, m.delay);
         AppendBe16(data, m.timedValue);
         data.push_back(static_cast<uint8_t>(m.stepPosition + 16 * m.lampMode + (m.stepFlag ? 8 : 0)));
         data.push_back(m.sequenceProgram);
         data.push_back(static_cast<uint8_t>(0x38 + (m.channelStates[1] & 1) + 2 * (m.channelStates[2] & 1) +
                                             4 * (m.channelStates[3] & 1)));
         return data;
     }},
};
// clang-format on

}  // namespace

std::vector<uint8_t> CDemoRecordLayouts::Data(uint16_t record, CDemoUnitState& unit)
{
    for (const Layout& layout : kLayouts) {
        if (record >= layout.first && record <= layout.last)
            return layout.build(unit, record);
    }
    return {};
}

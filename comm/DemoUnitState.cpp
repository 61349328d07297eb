#include "comm/DemoUnitState.h"

#include <algorithm>
#include <utility>

#include "comm/DemoGeneratorModel.h"
#include "comm/FrameCodec.h"

namespace model = DemoGeneratorModel;

namespace {

// Type codes by address 100 to 103; only 100 and 101 are ever created.
constexpr std::array<uint16_t, 4> kTypeCodes = {CDemoUnitState::kTypeZarit, CDemoUnitState::kTypeZaritE, 32, 26};

constexpr uint16_t kLastNumberedRecord = 10;
constexpr uint16_t kMemoryRecords = 4;
constexpr uint32_t kAllPending = 0x3FFF;

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

uint16_t TypeCodeOf(uint16_t address)
{
    const unsigned slot = address - kFirstDemoAddress;
    return slot < kTypeCodes.size() ? kTypeCodes[slot] : 0;
}

// The pending bit of a record, 0 for a record that has none.
uint32_t PendingBit(uint16_t record)
{
    if (record >= 1 && record <= kLastNumberedRecord)
        return 1u << (record - 1);
    if (record >= kFirstMemoryRecord && record < kFirstMemoryRecord + kMemoryRecords)
        return 1u << (record - kFirstMemoryRecord + kLastNumberedRecord);
    return 0;
}

// The record of a pending bit.
uint16_t RecordOfBit(int bit)
{
    return static_cast<uint16_t>(bit < kLastNumberedRecord ? bit + 1 : bit - kLastNumberedRecord + kFirstMemoryRecord);
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

CDemoUnitState::CDemoUnitState(uint16_t address, uint16_t energyClass)
    : address(address),
      energyClass(energyClass),
      typeCode(TypeCodeOf(address)),
      m_maximumEnergy((energyClass + 1u) * 1600)
{
    const std::pair<uint16_t, uint16_t> pair = typeCode == kTypeZarit ? std::make_pair(8, 11) : std::make_pair(98, 1);
    record8Values = {0, pair.first, pair.second, pair.first, pair.second, pair.first, pair.second};
    SetEnergy(60, 1);
    for (int i = 0; i < 4; ++i)
        StoreMemory(memories[i], i + 1);
}

void CDemoUnitState::MarkPending(uint16_t record)
{
    m_changeMask |= PendingBit(record);
}

void CDemoUnitState::MarkAllPending()
{
    m_changeMask = kAllPending;
}

void CDemoUnitState::ClearPending(uint16_t record)
{
    m_changeMask &= ~PendingBit(record);
}

uint16_t CDemoUnitState::NextPendingRecord()
{
    m_changeMask &= kAllPending;
    for (int bit = 0; bit < kLastNumberedRecord + kMemoryRecords; ++bit) {
        if (m_changeMask & (1u << bit))
            return RecordOfBit(bit);
    }
    return kRecordStatus;
}

bool CDemoUnitState::IsPowered() const
{
    return settings.channelStates[0] & kPowerBit;
}

void CDemoUnitState::SetPowered(bool on)
{
    if (on)
        settings.channelStates[0] |= kPowerBit;
    else
        settings.channelStates[0] &= ~kPowerBit;
}

void CDemoUnitState::SetChannelSwitches(uint8_t bits)
{
    for (int i = 0; i < 4; ++i) {
        uint8_t& state = settings.channelStates[i];
        state = static_cast<uint8_t>((state & ~kPowerBit) | ((bits >> i) & 1));
    }
}

void CDemoUnitState::StoreMemory(Settings& memory, int preset) const
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
            m.delay = 10;
            m.timedValue = 40;
            m.derivedTime = 40;
        },
        [](Settings& m) { m.sequenceValue = 3; },
    };
    memory = settings;
    kPresets[preset](memory);
}

void CDemoUnitState::RecallMemory(const Settings& memory)
{
    // Switch flags 3 to 6, the option byte and the fixed byte belong to the
    // unit, not to a memory.
    const Settings kept = settings;
    settings = memory;
    for (int k = 3; k <= 6; ++k)
        settings.switchFlags[k] = kept.switchFlags[k];
    settings.powerDisplayMode = kept.powerDisplayMode;
    settings.infraredAddress = kept.infraredAddress;
    LimitModellingLightMode();
    Recalculate();
    for (uint16_t record : {1, 2, 3, 5})
        MarkPending(record);
}

void CDemoUnitState::ResetTimingValues()
{
    Settings& s = settings;
    const uint16_t kept = (1 << kWarnLampLimited) | (1 << kWarnSpread);
    s.warningBits &= kept;
    s.latchedWarningBits &= kept;
    s.sequenceValue = 0;
    s.stepPosition = 0;
    s.stepFlag = 0;
    s.delay = 0;
    s.timedValue = 0;
    s.derivedTime = 0;
    s.alternateOrder = 0;
    s.sequenceProgram = 0;
    Recalculate();
    MarkPending(2);
}

bool CDemoUnitState::IsActive(int outlet) const
{
    return (settings.channelStates[outlet] & 3) == 3;
}

bool CDemoUnitState::IsLoaded(int outlet) const
{
    return IsActive(outlet) && settings.channelEnergies[outlet] != 0;
}

void CDemoUnitState::SetWarning(int bit, bool on)
{
    const uint16_t mask = static_cast<uint16_t>(1u << bit);
    if (on) {
        settings.warningBits |= mask;
        settings.latchedWarningBits |= mask;
    } else {
        settings.warningBits &= ~mask;
        settings.latchedWarningBits &= ~mask;
    }
}

void CDemoUnitState::SetEnergy(uint8_t value, uint8_t channel)
{
    Settings& s = settings;
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

int CDemoUnitState::EnergyPass(uint8_t value, uint8_t channel)
{
    auto& e = settings.channelEnergies;
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

uint32_t CDemoUnitState::ShiftedTotal(int channel, int shift) const
{
    uint32_t total = 0;
    for (int i = 1; i <= 3; ++i) {
        if (i != channel && IsLoaded(i))
            total += model::Joules(Shifted(settings.channelEnergies[i], shift));
    }
    return total;
}

void CDemoUnitState::StepEnergy(bool up)
{
    Settings& s = settings;
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

bool CDemoUnitState::IsModellingLightModeAllowed(int mode)
{
    Settings& s = settings;
    s.lampMode = std::min<uint16_t>(s.lampMode, kHighestLampMode);
    if (mode < kLowestLimitedLampMode || s.lampMode == 0)
        return true;
    // Each mode above 4 lowers the highest energy it allows by a stop.
    const uint8_t highest = static_cast<uint8_t>(100 - 10 * (mode - kLowestLimitedLampMode + energyClass));
    for (int i = 1; i <= 3; ++i) {
        if (IsActive(i) && s.channelEnergies[i] > highest)
            return false;
    }
    return true;
}

void CDemoUnitState::LimitModellingLightMode()
{
    Settings& s = settings;
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

void CDemoUnitState::SetSequenceProgram(uint16_t program)
{
    settings.sequenceProgram = static_cast<uint8_t>(std::min<uint16_t>(program, kHighestSequenceProgram));
    const int p = settings.sequenceProgram;
    if (p != 0) {
        const model::SequenceProgram& steps = model::SequenceProgramOf(p);
        sequenceStepCount = steps.stepCount;
        std::copy(std::begin(steps.steps), std::end(steps.steps), sequenceSteps.begin());
        sequencePeriod = model::SequencePeriod(energyClass, IsActive(1) && IsActive(2), p);
    }
    MarkPending(2);
}

void CDemoUnitState::AdjustTimedValue(uint16_t value, int mode)
{
    Settings& s = settings;
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
            SetWarning(kWarnTimedShort, !(IsActive(3) || value != 0 || offset == 0 || s.timedValue >= 20));
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
        if (s.sequenceValue > 15 && s.timedValue >= 1 && s.timedValue <= 19)
            s.sequenceValue = 15;
    }
    MarkPending(2);
}

bool CDemoUnitState::UpdateHold()
{
    Settings& s = settings;
    const bool held = s.stepPosition == 0 && s.stepFlag &&
                      (!(IsActive(1) && IsActive(2)) || s.channelEnergies[1] == s.channelEnergies[2]);
    if (held)
        s.holdFlags |= kHeld;
    else
        s.holdFlags &= ~kHeld;
    return held;
}

void CDemoUnitState::Recalculate()
{
    Settings& s = settings;
    const auto& e = s.channelEnergies;
    if (e[0] == 0)
        return;
    for (int i = 1; i <= 3; ++i)
        m_outletJoules[i] = IsLoaded(i) ? model::Joules(e[i]) / 10 : 0;
    const uint32_t j1 = m_outletJoules[1];
    const uint32_t j2 = m_outletJoules[2];
    const uint32_t j3 = m_outletJoules[3];
    m_channelCount = IsLoaded(3) ? 3 : 2;
    // The energy code that picks the ratio base and the time base.
    int baseCode = 0;
    for (int i = 1; i <= 2; ++i) {
        if (IsActive(i))
            baseCode = std::max<int>(baseCode, e[i]);
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
        baseCode = e[3];
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
            duration = FindDurationStep(SearchRatio(baseCode, index));
            baseCode = j1 > j2 ? e[1] : e[2];
            // What the outlets draw from the steps is not recycled.
            const uint32_t step = model::EnergyStep(index);
            s.recycleValue = model::RecycleFromIndex(index) -
                             model::RecycleFromIndex(model::EnergyStepIndex(step - std::min(step, (j1 + j2 + j3) / 2)));
            if (s.stepPosition == 0 || CheckDurationStep(pass))
                break;
        }
        s.stepFlags &= ~kStepHappened;
    }

    if (energyClass != 0) {
        baseCode += 10;
        s.recycleValue = std::max<uint32_t>(2 * s.recycleValue, 4);
    } else {
        s.recycleValue = std::max<uint32_t>(s.recycleValue, 3);
    }
    s.timeBase = baseCode < 70 ? 10 : model::TimeBase(baseCode);
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

uint32_t CDemoUnitState::SearchRatio(int baseCode, uint8_t& index)
{
    // The share of the maximum energy the two outlets draw from: searched
    // bit by bit for a step position's duration target, stepped down from
    // full for the step flag, else by the highest outlet energy.
    const Settings& s = settings;
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
        else if (baseCode < 33)
            ratio = 80;
        else if (baseCode > 70)
            ratio = 180;
        else
            ratio = model::RatioBase(baseCode);
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

uint32_t CDemoUnitState::FindDurationStep(uint32_t duration)
{
    return model::FindDurationStep(duration, settings.durationIndex);
}

bool CDemoUnitState::CheckDurationStep(int pass)
{
    Settings& s = settings;
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

uint32_t CDemoUnitState::ComputeTimes(uint8_t index)
{
    const uint32_t j1 = m_outletJoules[1];
    const uint32_t j2 = m_outletJoules[2];
    const uint32_t total = std::max(2 * model::EnergyStep(index), j1 + j2);
    const uint32_t duration = ComputeTimesFromEnergyRatio(
        index, total, static_cast<int64_t>(total) - 2 * std::min(j1, j2), static_cast<int64_t>(total) - j1 - j2);
    if (j1 >= j2)
        std::swap(m_resultTimes[0], m_resultTimes[1]);
    return duration;
}

uint32_t CDemoUnitState::ComputeTimesFromEnergyRatio(uint8_t index, uint32_t total, int64_t g, int64_t h)
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
        uint32_t t = energyClass != 0 ? 2 * times[i] : times[i];
        if (t < kShortTimeLimit)
            t = model::ShortTimeCorrection(energyClass, t / 32) * t / 64;
        m_resultTimes[i] = b + t;
    }
    if (!m_computeFlag)
        return settings.computedDuration;
    m_computeFlag = 0;
    return model::DurationFromTimes({energyClass, n, a, m_resultTimes[0], m_resultTimes[1], total, gBounded, hBounded});
}

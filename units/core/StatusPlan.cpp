#include "units/core/StatusPlan.h"

#include "units/core/ValueText.h"

namespace {

const int kTextSuggestedSettings = 2123;
const int kTextStatus = 2124;
const int kTextChargeError = 2120;
const int kTextChargeErrorService = 2119;
const int kTextThermo = 2122;
const int kTextThermoService = 2121;
const int kTextApprox = 2110;
const int kTextMinutes = 2118;
const int kTextCoolBreak = 2111;
const int kTextDoNotSwitchOff = 2112;
const int kTextChargeErrorLine = 2108;
const int kTextSwitchUnitOff = 2109;
const int kTextOff = 2028;
const int kTextT01Optimum = 2018;
const int kTextT01 = 2019;
const int kTextT01Minimum = 2020;

int AlarmTitle(const AlarmState& alarms, AlarmTitleOrder order)
{
    const bool service = alarms.serviceLevel != 0;
    const int charge = alarms.charge ? (service ? kTextChargeErrorService : kTextChargeError) : 0;
    const int thermo = alarms.thermo ? (service ? kTextThermoService : kTextThermo) : 0;
    if (order == AlarmTitleOrder::ChargeFirst)
        return charge ? charge : thermo;
    return thermo ? thermo : charge;
}

}  // namespace

bool PanelRequest::operator==(const PanelRequest& other) const
{
    return auxActive == other.auxActive && titleId == other.titleId && flashRed == other.flashRed &&
           sequenceRed == other.sequenceRed && intervalRed == other.intervalRed && setShown == other.setShown;
}

std::optional<int> StatusRows::Append(PageText label, PageText value)
{
    if (m_used >= static_cast<int>(rows.size()))
        return std::nullopt;
    rows[m_used] = {std::move(label), std::move(value)};
    return m_used++;
}

PageText FlashDurationText(int denominator)
{
    return denominator ? PageText(ValueText::FlashDuration(denominator)) : PageText::Id(kTextOff);
}

PageText HundredthsText(int hundredths)
{
    return hundredths ? PageText(ValueText::Hundredths(hundredths)) : PageText::Id(kTextOff);
}

int T01LabelId(int t01Mode)
{
    if (t01Mode == 0)
        return kTextT01Optimum;
    return (t01Mode & 0x0F) == 0 ? kTextT01Minimum : kTextT01;
}

std::optional<int> StatusRows::AppendRed(PageText label, PageText value, PageText redText)
{
    const std::optional<int> row = Append(std::move(label), std::move(value));
    if (row && *row < static_cast<int>(red.size())) {
        red[*row] = std::move(redText);
        redShown[*row] = true;
    }
    return row;
}

PanelRequest SuggestedSettingsPanel(int flags, const std::array<bool, 3>& red, int mask)
{
    const int suggestion = flags & mask;
    if (suggestion == 0)
        return PanelRequest();
    return {true, kTextSuggestedSettings, red[0], red[1], red[2], suggestion != kFlagAsymmetry};
}

PanelPlan PlanStatusPanel(const PanelRequest& request, const AlarmState& alarms, AlarmTitleOrder order)
{
    PanelPlan plan;
    const int alarmTitle = AlarmTitle(alarms, order);
    plan.titleId = alarmTitle ? alarmTitle : (request.titleId ? request.titleId : kTextStatus);
    plan.alarmShown = (alarms.charge || alarms.thermo) && alarms.serviceLevel == 0;
    plan.auxView = request.auxActive && !plan.alarmShown;
    plan.group1Shown = !plan.alarmShown && !plan.auxView;
    plan.group2Shown = plan.auxView;
    plan.flashRedShown = plan.auxView && request.flashRed;
    plan.sequenceRedShown = plan.auxView && request.sequenceRed;
    plan.intervalRedShown = plan.auxView && request.intervalRed;
    plan.setShown = plan.auxView && request.setShown;
    return plan;
}

AlarmLines PlanAlarmTexts(const AlarmState& alarms, std::optional<int> coolingMinutes)
{
    AlarmLines lines;
    if (alarms.thermo) {
        lines.line1 =
            coolingMinutes
                ? PageText::Id(kTextApprox).Add(" " + ValueText::Count(*coolingMinutes) + " ").AddId(kTextMinutes)
                : PageText();
        lines.line2 = PageText::Id(kTextCoolBreak);
        lines.line3 = PageText::Id(kTextDoNotSwitchOff);
    } else if (alarms.charge) {
        lines.line1 = PageText::Id(kTextChargeErrorLine);
        lines.line2 = PageText::Id(kTextSwitchUnitOff);
        lines.line3 = PageText();
    } else {
        lines.clearTitle = true;
    }
    return lines;
}

StatusSet PlanStatusSet(int flags, bool takesT01, bool takesColour)
{
    StatusSet set;
    if (flags & kFlagInactiveOnSlow) {
        flags &= ~(kFlagInactiveOnSlow | kFlagSuggestedInterval);
        set.intervalOff = true;
    } else if (flags & kFlagSuggestedInterval) {
        flags &= ~kFlagSuggestedInterval;
        set.intervalSuggested = true;
    }
    if (takesT01 && (flags & kFlagSuggestedT01)) {
        flags &= ~kFlagSuggestedT01;
        set.t01Suggested = true;
    }
    if (takesColour && (flags & kFlagSuggestedColour)) {
        flags &= ~kFlagSuggestedColour;
        set.colourSuggested = true;
    }
    set.flags = flags;
    return set;
}

#include "units/core/StatusPlan.h"

namespace StatusPlan {

namespace {

const int kTextChargeErrorService = 2119;
const int kTextChargeError = 2120;
const int kTextThermoService = 2121;
const int kTextThermo = 2122;
const int kTextStatus = 2124;
const int kTextAlarmCharge = 2108;
const int kTextAlarmSwitchOff = 2109;
const int kTextAlarmCool = 2111;
const int kTextAlarmKeepOn = 2112;

int TitleId(const Request& request, const Alarms& alarms, int serviceLevel)
{
    int title = request.titleId;
    if (alarms.thermo)
        title = serviceLevel == 0 ? kTextThermo : kTextThermoService;
    else if (alarms.charge)
        title = serviceLevel == 0 ? kTextChargeError : kTextChargeErrorService;
    return title == 0 ? kTextStatus : title;
}

}  // namespace

std::optional<Alarms> DecodeAlarms(const RecordView& record)
{
    if (!record.Has(6))
        return std::nullopt;
    return Alarms{(record.Byte(5) & 1) != 0, (record.Byte(6) & 1) != 0};
}

AlarmTexts PlanAlarmTexts(const Alarms& alarms)
{
    AlarmTexts texts;
    if (alarms.thermo)
        texts.lines = {0, kTextAlarmCool, kTextAlarmKeepOn};
    else if (alarms.charge)
        texts.lines = {kTextAlarmCharge, kTextAlarmSwitchOff, 0};
    else
        texts.alarm = 0;
    return texts;
}

Panel Plan(const Request& request, const Alarms& alarms, int serviceLevel, bool auxView, bool powerOn)
{
    const bool alarm = (alarms.charge || alarms.thermo) && serviceLevel == 0;
    const bool aux = request.auxActive && !alarm;
    Panel panel;
    panel.titleId = TitleId(request, alarms, serviceLevel);
    panel.alarmGroup = alarm;
    panel.group1 = !alarm && !aux;
    panel.group2 = aux;
    panel.auxView = aux;
    if (aux != auxView) {
        panel.flashControls = !aux;
        panel.led = powerOn && !aux;
    }
    panel.flashRed = aux && request.flashRed;
    panel.sequenceRed = aux && request.sequenceRed;
    panel.intervalRed = aux && request.intervalRed;
    panel.setShown = aux && request.setShown;
    return panel;
}

int SettingPagesServiceLevel(int level, bool radio)
{
    return radio ? 0 : level;
}

}  // namespace StatusPlan

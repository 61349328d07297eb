// The status panel of a device page: its title, the four status rows in two
// copies (the normal group and the suggested-settings group), the red texts
// and OK button of the suggested settings, and the alarm group with its
// lines. It keeps the unit's alarm words and service level, by which it
// titles itself.
#pragma once

#include <functional>

#include <wx/string.h>

#include "units/core/StatusPlan.h"

class CPageLanguage;
class CPanel;

class CStatusPanel {
public:
    // showFlashControls shows (true) or hides the page's flash controls and
    // LED, which the suggested-settings view covers.
    CStatusPanel(CPanel& page, const CPageLanguage& language, AlarmTitleOrder titleOrder,
                 std::function<void(bool shown)> showFlashControls);

    // Hides the suggested-settings title and keeps room for the widest texts
    // the panel may show.
    void Prepare();

    // The rows, both copies of each.
    void SetFlashText(const wxString& text);
    void SetSequenceText(const wxString& text);
    void SetIntervalText(const wxString& text);
    void SetDelayText(const wxString& text);
    void SetFlashLabel(const wxString& text);
    void SetSequenceLabel(const wxString& text);
    void SetIntervalLabel(const wxString& text);
    void SetDelayLabel(const wxString& text);
    void SetFlashRedText(const wxString& text);
    void SetSequenceRedText(const wxString& text);
    void SetIntervalRedText(const wxString& text);
    // Writes the four rows and three red texts, then switches the panel by
    // the rows' request.
    void ShowRows(const StatusRows& rows);
    // Title, alarm group, normal or suggested-settings group, and the flash
    // controls and LED that the suggested settings cover.
    void Update(const PanelRequest& request);
    // Whether the suggested-settings view covers the flash controls now.
    bool IsAuxView() const { return m_auxView; }

    // The alarm words of the unit (record 7) and the alarm lines.
    void SetAlarms(int charge, int thermo);
    void ShowAlarmLines(const AlarmLines& lines);
    // The unit's service level (record 100), by which alarms show.
    void SetServiceLevel(int level) { m_alarms.serviceLevel = level; }
    const AlarmState& Alarms() const { return m_alarms; }

private:
    void ReserveRoom();
    void SetBoth(const char* first, const char* second, const wxString& text);

    CPanel& m_page;
    const CPageLanguage& m_language;
    AlarmTitleOrder m_titleOrder;
    std::function<void(bool shown)> m_showFlashControls;
    bool m_auxView = false;
    AlarmState m_alarms;
};

#include "units/StatusPanel.h"

#include <optional>
#include <utility>
#include <vector>

#include <wx/sizer.h>

#include "app/CtrlHelpers.h"
#include "app/Panel.h"
#include "units/PageLanguage.h"

namespace {

const char* const kGroup1[] = {"IDC_STATUS",         "IDC_ST_SEQUENCE", "IDC_ST_SEQUENCE_LA",
                               "IDC_ST_FLASH",       "IDC_ST_FLASH_LA", "IDC_ST_INTERVAL",
                               "IDC_ST_INTERVAL_LA", "IDC_ST_DELAY",    "IDC_ST_DELAY_LA"};
const char* const kGroup2[] = {"IDC_STATUS2",         "IDC_ST_SEQUENCE2", "IDC_ST_SEQUENCE_LA2",
                               "IDC_ST_FLASH2",       "IDC_ST_FLASH_LA2", "IDC_ST_INTERVAL2",
                               "IDC_ST_INTERVAL_LA2", "IDC_ST_DELAY2",    "IDC_ST_DELAY_LA2"};
const char* const kAlarmGroup[] = {"IDC_ST_ALARM", "IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"};

// What the status panel may show, for the room it keeps from the start: a
// record or a switch to the unit's suggestions moves nothing. Texts by id, or
// by id followed by a number, and literal values.
struct StatusTexts {
    std::vector<const char*> controls;
    std::vector<int> ids;
    std::vector<int> numbered;
    std::vector<const char*> words;
    // "approx." 99 and each of these units (an alarm's cooling time).
    std::vector<int> timeUnits;
};
const StatusTexts kStatusTexts[] = {
    {{"IDC_STATUS", "IDC_STATUS2"}, {2119, 2120, 2121, 2122, 2123, 2124}, {}, {}, {}},
    {{"IDC_ST_FLASH_LA", "IDC_ST_SEQUENCE_LA", "IDC_ST_INTERVAL_LA", "IDC_ST_DELAY_LA", "IDC_ST_FLASH_LA2",
      "IDC_ST_SEQUENCE_LA2", "IDC_ST_INTERVAL_LA2", "IDC_ST_DELAY_LA2"},
     {2017, 2018, 2019, 2020, 2022, 2023, 2024, 2025, 2113, 2114, 2125, 2203, 2207},
     {},
     {},
     {}},
    {{"IDC_ST_FLASH", "IDC_ST_SEQUENCE", "IDC_ST_INTERVAL", "IDC_ST_DELAY", "IDC_ST_FLASH2", "IDC_ST_SEQUENCE2",
      "IDC_ST_INTERVAL2", "IDC_ST_DELAY2"},
     {2028, 2116, 2208, 2226},
     {2100, 2227},
     {"1/20000", "99.99s", "+1200", "-1200", "asym"},
     {}},
    {{"IDC_ST_FLASH_RED", "IDC_ST_SEQUENCE_RED", "IDC_ST_INTERVAL_RED"},
     {2028, 2115, 2117, 2208},
     {},
     {"1/20000", "99.99s", "+1200"},
     {}},
    {{"IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"}, {2108, 2109, 2111, 2112, 2235}, {}, {}, {2118, 2236}},
};
const int kTextApprox = 2110;

}  // namespace

CStatusPanel::CStatusPanel(CPanel& page, const CPageLanguage& language, AlarmTitleOrder titleOrder,
                           std::function<void(bool shown)> showFlashControls)
    : m_page(page), m_language(language), m_titleOrder(titleOrder), m_showFlashControls(std::move(showFlashControls))
{
}

void CStatusPanel::Prepare()
{
    ShowCtrl(&m_page, XRCID("IDC_STATUS2"), false);
    ReserveRoom();
}

void CStatusPanel::ReserveRoom()
{
    for (const StatusTexts& row : kStatusTexts) {
        std::vector<wxString> texts(row.words.begin(), row.words.end());
        for (int id : row.ids)
            texts.push_back(m_language.Text(id));
        for (int id : row.numbered) {
            wxString text = m_language.Text(id);
            // The number stands where the language puts it, else behind.
            if (!text.Replace("%i", "99"))
                text += " 99";
            texts.push_back(text);
        }
        for (int unit : row.timeUnits)
            texts.push_back(m_language.Text(kTextApprox) + " 99 " + m_language.Text(unit));
        for (const char* control : row.controls)
            m_page.ReserveTextWidth(XRCID(control), texts);
    }
    // The panel as wide as its widest state: its own status, the unit's
    // suggestions with the set button, or the alarms.
    wxWindow* title = m_page.FindWindow(XRCID("IDC_STATUS"));
    wxSizer* panel = title ? title->GetContainingSizer() : nullptr;
    if (!panel)
        return;
    std::vector<std::pair<wxWindow*, bool>> shown;
    for (wxSizerItem* item : panel->GetChildren()) {
        std::vector<wxWindow*> windows;
        if (item->GetWindow())
            windows.push_back(item->GetWindow());
        if (item->GetSizer()) {
            for (wxSizerItem* cell : item->GetSizer()->GetChildren()) {
                if (cell->GetWindow())
                    windows.push_back(cell->GetWindow());
            }
        }
        for (wxWindow* window : windows) {
            shown.emplace_back(window, window->IsShown());
            window->Show();
        }
    }
    const int width = panel->CalcMin().x;
    for (const auto& [window, wasShown] : shown)
        window->Show(wasShown);
    panel->SetMinSize(wxSize(width, 0));
}

void CStatusPanel::SetBoth(const char* first, const char* second, const wxString& text)
{
    SetCtrlText(&m_page, XRCID(first), text);
    SetCtrlText(&m_page, XRCID(second), text);
}

void CStatusPanel::SetFlashText(const wxString& text)
{
    SetBoth("IDC_ST_FLASH", "IDC_ST_FLASH2", text);
}
void CStatusPanel::SetSequenceText(const wxString& text)
{
    SetBoth("IDC_ST_SEQUENCE", "IDC_ST_SEQUENCE2", text);
}
void CStatusPanel::SetIntervalText(const wxString& text)
{
    SetBoth("IDC_ST_INTERVAL", "IDC_ST_INTERVAL2", text);
}
void CStatusPanel::SetDelayText(const wxString& text)
{
    SetBoth("IDC_ST_DELAY", "IDC_ST_DELAY2", text);
}
void CStatusPanel::SetFlashLabel(const wxString& text)
{
    SetBoth("IDC_ST_FLASH_LA", "IDC_ST_FLASH_LA2", text);
}
void CStatusPanel::SetSequenceLabel(const wxString& text)
{
    SetBoth("IDC_ST_SEQUENCE_LA", "IDC_ST_SEQUENCE_LA2", text);
}
void CStatusPanel::SetIntervalLabel(const wxString& text)
{
    SetBoth("IDC_ST_INTERVAL_LA", "IDC_ST_INTERVAL_LA2", text);
}
void CStatusPanel::SetDelayLabel(const wxString& text)
{
    SetBoth("IDC_ST_DELAY_LA", "IDC_ST_DELAY_LA2", text);
}
void CStatusPanel::SetFlashRedText(const wxString& text)
{
    SetCtrlText(&m_page, XRCID("IDC_ST_FLASH_RED"), text);
}
void CStatusPanel::SetSequenceRedText(const wxString& text)
{
    SetCtrlText(&m_page, XRCID("IDC_ST_SEQUENCE_RED"), text);
}
void CStatusPanel::SetIntervalRedText(const wxString& text)
{
    SetCtrlText(&m_page, XRCID("IDC_ST_INTERVAL_RED"), text);
}

void CStatusPanel::ShowRows(const StatusRows& rows)
{
    const auto& row = rows.rows;
    SetFlashText(m_language.Text(row[0].value));
    SetFlashLabel(m_language.Text(row[0].label));
    SetSequenceText(m_language.Text(row[1].value));
    SetSequenceLabel(m_language.Text(row[1].label));
    SetIntervalText(m_language.Text(row[2].value));
    SetIntervalLabel(m_language.Text(row[2].label));
    SetDelayText(m_language.Text(row[3].value));
    SetDelayLabel(m_language.Text(row[3].label));
    SetFlashRedText(m_language.Text(rows.red[0]));
    SetSequenceRedText(m_language.Text(rows.red[1]));
    SetIntervalRedText(m_language.Text(rows.red[2]));
    Update(rows.panel);
}

void CStatusPanel::Update(const PanelRequest& request)
{
    const PanelPlan plan = PlanStatusPanel(request, m_alarms, m_titleOrder);
    SetBoth("IDC_STATUS", "IDC_STATUS2", m_language.Text(plan.titleId));
    if (plan.auxView != m_auxView) {
        m_showFlashControls(!plan.auxView);
        if (!plan.auxView) {
            for (const char* name : {"IDC_ST_SEQUENCE_RED", "IDC_ST_FLASH_RED", "IDC_ST_INTERVAL_RED", "IDC_ST_SET"})
                ShowCtrl(&m_page, XRCID(name), false);
        }
        m_auxView = plan.auxView;
    }
    for (const char* name : kAlarmGroup)
        ShowCtrl(&m_page, XRCID(name), plan.alarmShown);
    for (const char* name : kGroup1)
        ShowCtrl(&m_page, XRCID(name), plan.group1Shown);
    for (const char* name : kGroup2)
        ShowCtrl(&m_page, XRCID(name), plan.group2Shown);
    if (plan.auxView) {
        ShowCtrl(&m_page, XRCID("IDC_ST_SEQUENCE_RED"), plan.sequenceRedShown);
        ShowCtrl(&m_page, XRCID("IDC_ST_FLASH_RED"), plan.flashRedShown);
        ShowCtrl(&m_page, XRCID("IDC_ST_INTERVAL_RED"), plan.intervalRedShown);
        ShowCtrl(&m_page, XRCID("IDC_ST_SET"), plan.setShown);
    }
    m_page.LayoutIfChanged();
}

void CStatusPanel::SetAlarms(int charge, int thermo)
{
    m_alarms.charge = charge;
    m_alarms.thermo = thermo;
}

void CStatusPanel::ShowAlarmLines(const AlarmLines& lines)
{
    if (lines.clearTitle)
        SetCtrlText(&m_page, XRCID("IDC_ST_ALARM"), wxEmptyString);
    const std::pair<const char*, const std::optional<PageText>*> texts[] = {
        {"IDC_ST_ALARM1", &lines.line1}, {"IDC_ST_ALARM2", &lines.line2}, {"IDC_ST_ALARM3", &lines.line3}};
    for (const auto& [name, text] : texts) {
        if (*text)
            SetCtrlText(&m_page, XRCID(name), m_language.Text(**text));
    }
}

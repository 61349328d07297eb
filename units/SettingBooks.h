// The two notebooks of setting pages on a device page, the lamp/memory book
// and the options book: the family's setting pages built into them, the
// typed pages the unit's records and commands reach, what the books and
// pages have selected, and the records that every family shows alike on its
// setting pages alone.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "units/core/MemoryDetail.h"
#include "units/core/Selections.h"
#include "units/core/ServiceStatus.h"
#include "units/core/UnitRecords.h"

class CAuxPageBase;
class CFlashDevice;
class CInfosPageBase;
class CLampPageBase;
class CMemoryPageBase;
class COptionsPageBase;
class CPageLanguage;
class CSettingPage;
class CSettingPageHost;
class CTabRowNotebook;
class wxBookCtrlEvent;
class wxNotebook;
class wxWindow;

class CSettingBooks {
public:
    enum class Book { LampMemory, Options };
    // A setting page: made for the unit with the device page as its host,
    // loaded from its panel into its notebook, shown, then added with its
    // label.
    struct Row {
        Book book;
        const char* panel;
        int label;
        bool selected;
        CSettingPage* (*create)(CFlashDevice* unit, CSettingPageHost* host);
    };

    // chosen runs when the user picks another page in either book.
    CSettingBooks(wxWindow& page, CFlashDevice* unit, CSettingPageHost& host, const std::vector<Row>& rows,
                  const CPageLanguage& language, std::function<void()> chosen);

    // Finds the notebooks in the page's layout, which ask for room for their
    // whole rows of tabs, and builds the setting pages.
    void Build();
    // Shows or hides both notebooks.
    void Show(bool shown);
    // Lays out again each setting page marked as changed.
    void LayoutChangedPages();

    CAuxPageBase* GetAuxPage() const { return m_auxPage; }
    COptionsPageBase* GetOptionsPage() const { return m_optionsPage; }
    CInfosPageBase* GetInfosPage() const { return m_infosPage; }
    CLampPageBase* GetLampPage() const { return m_lampPage; }
    CMemoryPageBase* GetMemoryPage() const { return m_memoryPage; }

    // The memory page's selected memory; 0 without one.
    int SelectedMemory() const;
    // The level the setting pages show: the information page's service
    // group and the options page's total reset.
    void ShowServiceLevel(int level);

    // The record kinds every family shows alike; a field the record lacks
    // leaves its control as it is, as does a setting page the family lacks.
    // Record 4: the information page's fields.
    void ShowUnitInfo(const UnitRecords::UnitInfo& info);
    // Record 6: the options page's counters and the owner.
    void ShowCounters(const UnitRecords::Counters& counters);
    // Record 8: the information page's dates.
    void ShowDates(const UnitRecords::Dates& dates);
    void ShowOwner(const UnitRecords::Owner& owner);
    // Record 100: the measured voltages.
    void ShowVoltages(const ServiceVoltages& voltages);
    // Records 101 to 104: the memory page when it shows memory index, since
    // only the memory the user looks at is shown; else null.
    CMemoryPageBase* MemoryPageShowing(int index) const;
    // The memory table's right column, values and labels, from the top down.
    void ShowMemoryRightColumn(CMemoryPageBase& page, const MemoryLine* lines, std::size_t count) const;

    // The notebook pages the unit reports, selected where they differ.
    void SelectNotebookPages(int lampMemoryPage, int optionsPage);
    // Record 3: notebook pages, the aux field, the memory and the roles of
    // the first lampsUsed outlets.
    void ShowSelections(const Selections& selections, int lampsUsed);
    // Notebook selections as command 11 reports them: the lamp/memory
    // notebook's as 0 or 1, the options notebook's index.
    int GetLampMemorySelection() const;
    int GetOptionsSelection() const;
    // Command 11: what the notebooks, the aux page, the memory page (as the
    // host reports it) and the lamp page show.
    Selections GatherSelections() const;

private:
    void Keep(CSettingPage* page);
    void OnPageChanged(wxBookCtrlEvent& event);

    wxWindow& m_page;
    CFlashDevice* m_unit;
    CSettingPageHost& m_host;
    const std::vector<Row>& m_rows;
    const CPageLanguage& m_language;
    std::function<void()> m_chosen;
    CTabRowNotebook* m_lampMemoryBook = nullptr;
    CTabRowNotebook* m_optionsBook = nullptr;
    CAuxPageBase* m_auxPage = nullptr;
    COptionsPageBase* m_optionsPage = nullptr;
    CInfosPageBase* m_infosPage = nullptr;
    CLampPageBase* m_lampPage = nullptr;
    CMemoryPageBase* m_memoryPage = nullptr;
};

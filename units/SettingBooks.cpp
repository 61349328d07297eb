#include "units/SettingBooks.h"

#include <algorithm>
#include <utility>

#include <wx/notebook.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "controls/TabRowNotebook.h"
#include "pages/SettingPage.h"
#include "pages/SettingPageHost.h"
#include "pages/aux/AuxPageBase.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/PageLanguage.h"

CSettingBooks::CSettingBooks(wxWindow& page, CFlashDevice* unit, CSettingPageHost& host, const std::vector<Row>& rows,
                             const CPageLanguage& language, std::function<void()> chosen)
    : m_page(page), m_unit(unit), m_host(host), m_rows(rows), m_language(language), m_chosen(std::move(chosen))
{
    m_page.Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CSettingBooks::OnPageChanged, this, XRCID("IDC_LAMPMEMTAB"));
    m_page.Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CSettingBooks::OnPageChanged, this, XRCID("IDC_OPTIONSTAB"));
}

void CSettingBooks::Build()
{
    m_lampMemoryBook = FindCtrl<CTabRowNotebook>(&m_page, "IDC_LAMPMEMTAB");
    m_optionsBook = FindCtrl<CTabRowNotebook>(&m_page, "IDC_OPTIONSTAB");
    for (const Row& row : m_rows) {
        wxNotebook* book = row.book == Book::LampMemory ? m_lampMemoryBook : m_optionsBook;
        if (!book)
            continue;
        CSettingPage* page = row.create(m_unit, &m_host);
        page->Create(row.panel, book);
        // A GTK notebook does not show a hidden page.
        page->Show(true);
        book->AddPage(page, m_language.Text(row.label), row.selected);
        Keep(page);
    }
}

void CSettingBooks::Keep(CSettingPage* page)
{
    if (auto* aux = dynamic_cast<CAuxPageBase*>(page))
        m_auxPage = aux;
    if (auto* lamp = dynamic_cast<CLampPageBase*>(page))
        m_lampPage = lamp;
    if (auto* memory = dynamic_cast<CMemoryPageBase*>(page))
        m_memoryPage = memory;
    if (auto* options = dynamic_cast<COptionsPageBase*>(page)) {
        m_optionsPage = options;
        options->ShowResetTotal(0);
    }
    if (auto* infos = dynamic_cast<CInfosPageBase*>(page)) {
        m_infosPage = infos;
        infos->SetServiceLevel(0);
    }
}

void CSettingBooks::Show(bool shown)
{
    ShowCtrl(&m_page, XRCID("IDC_LAMPMEMTAB"), shown);
    ShowCtrl(&m_page, XRCID("IDC_OPTIONSTAB"), shown);
}

void CSettingBooks::LayoutChangedPages()
{
    for (wxNotebook* book : {m_lampMemoryBook, m_optionsBook}) {
        for (size_t i = 0; book && i < book->GetPageCount(); ++i) {
            if (auto* page = dynamic_cast<CPanel*>(book->GetPage(i)))
                page->LayoutIfChanged();
        }
    }
}

int CSettingBooks::SelectedMemory() const
{
    return m_memoryPage ? m_memoryPage->GetSelectedMemory() : 0;
}

void CSettingBooks::ShowServiceLevel(int level)
{
    if (m_infosPage)
        m_infosPage->SetServiceLevel(level);
    if (m_optionsPage)
        m_optionsPage->ShowResetTotal(level);
}

void CSettingBooks::OnPageChanged(wxBookCtrlEvent& event)
{
    event.Skip();
    // A page that shows now takes its place, which it may have had before.
    if (auto* book = wxDynamicCast(event.GetEventObject(), wxNotebook)) {
        if (wxWindow* shown = book->GetCurrentPage())
            shown->Layout();
    }
    // Pages added while the page is being built are no choice of the user.
    if (m_unit->GetPage())
        m_chosen();
}

void CSettingBooks::SelectNotebookPages(int lampMemoryPage, int optionsPage)
{
    const std::pair<wxNotebook*, int> wanted[] = {{m_lampMemoryBook, lampMemoryPage}, {m_optionsBook, optionsPage}};
    for (const auto& [book, page] : wanted) {
        if (book && page >= 0 && page < static_cast<int>(book->GetPageCount()) && book->GetSelection() != page)
            book->SetSelection(static_cast<size_t>(page));
    }
}

void CSettingBooks::ShowSelections(const Selections& selections, int lampsUsed)
{
    SelectNotebookPages(selections.lampMemoryPage, selections.optionsPage);
    if (m_auxPage)
        m_auxPage->SelectFieldByIndex(static_cast<int16_t>(selections.auxField));
    if (m_memoryPage)
        m_memoryPage->SelectMemory(selections.memory);
    if (m_lampPage) {
        m_lampPage->SetLamp1(selections.lamps[0]);
        m_lampPage->SetLamp2(selections.lamps[1]);
        if (lampsUsed > 2)
            m_lampPage->SetLamp3(selections.lamps[2]);
    }
}

int CSettingBooks::GetLampMemorySelection() const
{
    return m_lampMemoryBook && m_lampMemoryBook->GetSelection() > 0 ? 1 : 0;
}

int CSettingBooks::GetOptionsSelection() const
{
    return m_optionsBook ? std::max(0, m_optionsBook->GetSelection()) : 0;
}

Selections CSettingBooks::GatherSelections() const
{
    Selections selections;
    selections.lampMemoryPage = GetLampMemorySelection();
    selections.optionsPage = GetOptionsSelection();
    selections.auxField = m_auxPage ? m_auxPage->GetSelectedFieldIndex() : 0;
    selections.memory = m_host.GetSelectedMemory();
    if (m_lampPage)
        selections.lamps = {m_lampPage->GetLamp1(), m_lampPage->GetLamp2(), m_lampPage->GetLamp3()};
    return selections;
}

void CSettingBooks::ShowUnitInfo(const UnitRecords::UnitInfo& info)
{
    if (!m_infosPage)
        return;
    m_infosPage->SetProgVersion(CPageLanguage::UnitText(info.version));
    m_infosPage->SetType(CPageLanguage::UnitText(info.model));
    m_infosPage->SetVoltageVersion(CPageLanguage::UnitText(info.voltage));
    if (info.supplyTextId)
        m_infosPage->SetActualVoltage(m_language.Text(*info.supplyTextId));
    m_infosPage->SetSerial(CPageLanguage::UnitText(info.serial));
}

void CSettingBooks::ShowCounters(const UnitRecords::Counters& counters)
{
    if (m_optionsPage) {
        if (counters.counter)
            m_optionsPage->SetCounter(CPageLanguage::UnitText(*counters.counter));
        m_optionsPage->SetTotalCounter(CPageLanguage::UnitText(counters.totalCounter));
    }
    if (counters.owner)
        ShowOwner(*counters.owner);
}

void CSettingBooks::ShowDates(const UnitRecords::Dates& dates)
{
    if (!m_infosPage)
        return;
    m_infosPage->SetDelivery(CPageLanguage::UnitText(dates.delivery));
    if (dates.service)
        m_infosPage->SetServiceDate(CPageLanguage::UnitText(*dates.service));
    if (dates.factory)
        m_infosPage->SetFactoryDate(CPageLanguage::UnitText(*dates.factory));
}

void CSettingBooks::ShowOwner(const UnitRecords::Owner& owner)
{
    if (!m_infosPage)
        return;
    if (owner.field == UnitRecords::OwnerField::DisplayOnly)
        m_infosPage->SetOwnerText(CPageLanguage::UnitText(owner.text));
    else
        m_infosPage->SetOwner(CPageLanguage::UnitText(owner.text));
}

void CSettingBooks::ShowVoltages(const ServiceVoltages& voltages)
{
    if (!m_infosPage)
        return;
    m_infosPage->SetPosFlashVoltage(CPageLanguage::UnitText(voltages.positive));
    m_infosPage->SetNegFlashVoltage(CPageLanguage::UnitText(voltages.negative));
    m_infosPage->SetLineVoltage(CPageLanguage::UnitText(voltages.line));
    m_infosPage->SetLineFrequency(CPageLanguage::UnitText(voltages.frequency));
    if (voltages.nominal)
        m_infosPage->SetNominalFlashVoltage(CPageLanguage::UnitText(*voltages.nominal));
}

CMemoryPageBase* CSettingBooks::MemoryPageShowing(int index) const
{
    if (!m_memoryPage || !m_memoryPage->GetCheck(XRCID(wxString::Format("IDC_ME_MEMORY%d", index + 1))))
        return nullptr;
    return m_memoryPage;
}

void CSettingBooks::ShowMemoryRightColumn(CMemoryPageBase& page, const MemoryLine* lines, std::size_t count) const
{
    using Setter = void (CMemoryPageBase::*)(const wxString&);
    std::size_t row = 0;
    const auto show = [&](Setter value, Setter label) {
        if (row < count) {
            (page.*value)(m_language.Text(lines[row].value));
            (page.*label)(m_language.Text(lines[row].label));
        }
        ++row;
    };
    show(&CMemoryPageBase::SetLine1R, &CMemoryPageBase::SetLine1RLabel);
    show(&CMemoryPageBase::SetLine2R, &CMemoryPageBase::SetLine2RLabel);
    show(&CMemoryPageBase::SetLine3R, &CMemoryPageBase::SetLine3RLabel);
    show(&CMemoryPageBase::SetLine4R, &CMemoryPageBase::SetLine4RLabel);
    show(&CMemoryPageBase::SetLine5R, &CMemoryPageBase::SetLine5RLabel);
}

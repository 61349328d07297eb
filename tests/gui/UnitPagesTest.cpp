// The main window's unit pages: every unit that the library finds gets a
// page of its family labelled with its address and model, its records reach
// its unit object, a lost unit loses its page, and the selected page is the
// unit that the library keeps polled.
#include "ProgramFixture.h"

#include <algorithm>

#include <wx/notebook.h>
#include <wx/textctrl.h>

using namespace programtest;

namespace {

const uint16_t kStatusPoll = 100;

class UnitPagesTest : public ProgramTest {
protected:
    void StartOnBus(uint8_t first = 1, uint8_t last = 6)
    {
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=" + std::to_string(first) +
                    "\nEnd=" + std::to_string(last) + "\n");
        ASSERT_TRUE(Start());
        ASSERT_TRUE((*app)->messages.empty());
    }

    bool PagesAre(size_t count)
    {
        return RunUntil([&] { return Notebook()->GetPageCount() == count; });
    }

    CFlashDevice* UnitOfPage(int index) const
    {
        SelectPageQuietly(index);
        return Window()->GetSelectedDevice();
    }

    // Status polls that the bus saw for the unit since the last call.
    int PollsOf(uint8_t address)
    {
        std::vector<SimBus::Unit::Command>& commands = bus.FindUnit(address)->commands;
        const int polls = static_cast<int>(
            std::count_if(commands.begin(), commands.end(), [](const auto& c) { return c.code == kStatusPoll; }));
        commands.clear();
        return polls;
    }

    void ClearCommands()
    {
        for (uint8_t address : {2, 3, 4, 5})
            if (SimBus::Unit* unit = bus.FindUnit(address))
                unit->commands.clear();
    }

    bool NotFoundShown() const
    {
        for (const char* name : {"IDC_DEMO", "IDC_NOTFOUND", "IDC_NOTFOUND1", "IDC_NOTFOUND2", "IDC_NOTFOUND3",
                                 "IDC_NOTFOUND4", "IDC_NOTFOUND5"}) {
            if (!Shown(name))
                return false;
        }
        return true;
    }

    bool NotFoundHidden() const
    {
        for (const char* name : {"IDC_DEMO", "IDC_NOTFOUND", "IDC_NOTFOUND1", "IDC_NOTFOUND2", "IDC_NOTFOUND3",
                                 "IDC_NOTFOUND4", "IDC_NOTFOUND5"}) {
            if (Shown(name))
                return false;
        }
        return true;
    }

private:
    void SelectPageQuietly(int index) const { Notebook()->ChangeSelection(static_cast<size_t>(index)); }
};

TEST_F(UnitPagesTest, UnitsFoundGetLabelledPagesOfTheirFamilyAndTheirRecords)
{
    bus.AddUnit(5, 1, 37, 1).records[7] = {1, 2, 3};
    bus.AddUnit(2, 1, 20, 1);
    bus.AddUnit(3, 1, 16, 0);  // a family without unit objects
    StartOnBus();
    EXPECT_TRUE(NotFoundShown());
    EXPECT_FALSE(Shown("IDC_DEVICETAB"));

    ASSERT_TRUE(PagesAre(1));
    // The first page is selected and replaces the hints.
    EXPECT_EQ(Notebook()->GetSelection(), 0);
    EXPECT_TRUE(Shown("IDC_DEVICETAB"));
    EXPECT_TRUE(NotFoundHidden());
    EXPECT_TRUE(DevicePage(0)->IsShown());
    ASSERT_TRUE(PagesAre(2));
    // Search order; no blank after the unit text; the later page is not
    // selected.
    EXPECT_EQ(PageLabels(), (std::vector<wxString>{"unit2-Nuvek N4", "unit5-Zarit 3200S"}));
    EXPECT_EQ(Notebook()->GetSelection(), 0);
    for (int i = 0; i < 40; ++i)
        Tick();
    EXPECT_EQ(Notebook()->GetPageCount(), 2u);
    // The unit of the unknown family was asked, answered, and got no page.
    EXPECT_FALSE(bus.FindUnit(3)->commands.empty());

    // What the factory copied from the unit record.
    CFlashDevice* unit = UnitOfPage(1);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->GetAddress(), 5);
    EXPECT_EQ(unit->GetVersion(), 37);
    EXPECT_EQ(unit->GetEnergyType(), 1);
    EXPECT_EQ(unit->GetRFStat(), 0);
    EXPECT_EQ(unit->GetTypeName(), "Zarit 3200S");
    EXPECT_NE(unit->GetUnitHandle(), nullptr);
    EXPECT_EQ(unit->GetPort(), UnitOfPage(0)->GetPort());
    EXPECT_EQ(unit->GetLanguageOffset(), 0);
    EXPECT_EQ(unit->GetPage(), DevicePage(1));

    // Records reach the unit object of their unit, and only that one.
    EXPECT_FALSE(StandInUnit::JournalOf("record 2 100").empty());
    EXPECT_FALSE(StandInUnit::JournalOf("record 5 100").empty());
    StandInUnit::Journal().clear();
    bus.SendRecord(1, 5, 7, {1, 2, 3});
    Tick();
    // Status records keep coming; record 7 came once, to its unit.
    EXPECT_EQ(StandInUnit::JournalOf("record 5 7"), std::vector<std::string>{"record 5 7"});
    EXPECT_TRUE(StandInUnit::JournalOf("record 2 7").empty());
}

TEST_F(UnitPagesTest, RadioUnitsAreMarked)
{
    bus.AddUnit(2, 1, 37, 1).radio = 1;
    StartOnBus();
    ASSERT_TRUE(PagesAre(1));
    EXPECT_EQ(UnitOfPage(0)->GetRFStat(), 1);
}

TEST_F(UnitPagesTest, SelectedPageIsTheUnitThatTheLibraryPolls)
{
    bus.AddUnit(2, 1, 37, 1);
    bus.AddUnit(4, 1, 37, 1);
    StartOnBus(1, 4);
    ASSERT_TRUE(PagesAre(2));
    for (int i = 0; i < 10; ++i)
        Tick();
    ClearCommands();

    // Between the search steps only the focused unit is polled; the other
    // one gets its poll only when the search passes it.
    for (int i = 0; i < 24; ++i)
        Tick();
    const int pollsOf2 = PollsOf(2);
    const int pollsOf4 = PollsOf(4);
    EXPECT_GT(pollsOf2, pollsOf4 + 3);

    SelectPage(1);
    EXPECT_EQ(Window()->GetSelectedDevice()->GetAddress(), 4);
    for (int i = 0; i < 24; ++i)
        Tick();
    EXPECT_GT(PollsOf(4), PollsOf(2) + 3);
}

TEST_F(UnitPagesTest, SelectedUnitLostHandsPageZeroTheSelectionFocusAndPolls)
{
    SimBus::Unit& middle = bus.AddUnit(3, 1, 37, 1);
    bus.AddUnit(2, 1, 20, 1);
    bus.AddUnit(5, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(PagesAre(3));
    ASSERT_EQ(PageLabels(), (std::vector<wxString>{"unit2-Nuvek N4", "unit3-Zarit 3200S", "unit5-Zarit 3200S"}));
    wxWindow* firstPage = DevicePage(0);
    // The toolkit would select the neighbour of a deleted selected page.
    SelectPage(1);
    ASSERT_EQ(Window()->GetSelectedDevice()->GetAddress(), 3);

    middle.silent = true;
    StandInUnit::Journal().clear();
    ASSERT_TRUE(PagesAre(2));
    EXPECT_EQ(StandInUnit::JournalOf("deleted"), std::vector<std::string>{"deleted 3"});
    EXPECT_EQ(PageLabels(), (std::vector<wxString>{"unit2-Nuvek N4", "unit5-Zarit 3200S"}));
    EXPECT_EQ(Notebook()->GetSelection(), 0);
    EXPECT_EQ(Window()->GetSelectedDevice()->GetAddress(), 2);
    EXPECT_EQ(DevicePage(0), firstPage);
    // The keyboard focus is on the first unit's page.
    EXPECT_TRUE(guitest::WaitFor([&] {
        wxWindow* focus = wxWindow::FindFocus();
        while (focus && focus != firstPage)
            focus = focus->GetParent();
        return focus == firstPage;
    }));
    // The library asks for its focused unit and polls the one of page 0.
    for (int i = 0; i < 6; ++i)
        Tick();
    ClearCommands();
    for (int i = 0; i < 24; ++i)
        Tick();
    EXPECT_GT(PollsOf(2), PollsOf(5) + 3);
}

TEST_F(UnitPagesTest, LastUnitLostBringsBackTheHints)
{
    SimBus::Unit& first = bus.AddUnit(2, 1, 37, 1);
    SimBus::Unit& second = bus.AddUnit(4, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(PagesAre(2));
    first.silent = true;
    ASSERT_TRUE(PagesAre(1));
    EXPECT_TRUE(Shown("IDC_DEVICETAB"));
    EXPECT_TRUE(NotFoundHidden());
    second.silent = true;
    ASSERT_TRUE(PagesAre(0));
    EXPECT_FALSE(Shown("IDC_DEVICETAB"));
    EXPECT_TRUE(NotFoundShown());
    EXPECT_EQ(Window()->GetSelectedDevice(), nullptr);

    // A unit that answers again is a new unit with a new page.
    second.silent = false;
    ASSERT_TRUE(PagesAre(1));
    EXPECT_EQ(PageLabels(), std::vector<wxString>{"unit4-Zarit 3200S"});
    EXPECT_TRUE(NotFoundHidden());
}

TEST_F(UnitPagesTest, FocusRememberedOnAPageIsForgottenWithThePage)
{
    SimBus::Unit& lost = bus.AddUnit(2, 1, 37, 1);
    bus.AddUnit(4, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(PagesAre(2));
    auto* page = dynamic_cast<StandInPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);
    wxWeakRef<wxWindow> field = page->field;
    field->SetFocus();
    ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == field; }));

    wxActivateEvent leave(wxEVT_ACTIVATE, false);
    Window()->ProcessWindowEvent(leave);
    lost.silent = true;
    ASSERT_TRUE(PagesAre(1));
    EXPECT_EQ(field.get(), nullptr);
    // Coming back gives the focus to no dead window.
    wxActivateEvent back(wxEVT_ACTIVATE, true);
    Window()->ProcessWindowEvent(back);
    guitest::Yield();

    // A remembered window that lives gets the focus back.
    auto* other = dynamic_cast<StandInPage*>(DevicePage(0));
    other->field->SetFocus();
    ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == other->field; }));
    Window()->ProcessWindowEvent(leave);
    AddressFrom()->SetFocus();
    ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == AddressFrom(); }));
    Window()->ProcessWindowEvent(back);
    EXPECT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == other->field; }));
}

TEST_F(UnitPagesTest, ClosingWithUnitsDeletesEachUnitObjectOnce)
{
    for (uint8_t address : {2, 3, 4})
        bus.AddUnit(address, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(PagesAre(3));
    StandInUnit::Journal().clear();
    Exit();
    EXPECT_EQ(StandInUnit::JournalOf("deleted"), (std::vector<std::string>{"deleted 2", "deleted 3", "deleted 4"}));
}

}  // namespace

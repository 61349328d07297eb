// What the shared device page gives every family, on a family of the test's
// own whose builder sends the two step commands (6 and 20) that no Nuvek or
// Ribex control sends: one busy cursor for the page however many steps go
// out, ended by the step's answer or the first tick of timer 471, and never
// left behind by a page that goes while it is busy.
#include "FamilyPageFixture.h"

#include <wx/utils.h>

#include "app/PageArea.h"
#include "units/FamilyDevice.h"
#include "units/core/RecordView.h"

using namespace guitest;

namespace {

class StepFamilyPage : public CFamilyDevicePage {
public:
    explicit StepFamilyPage(CFlashDevice* unit) : CFamilyDevicePage(unit, StepTraits()) {}

    void DecodeAnswer(const RecordView&) { EndSteps(); }

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override
    {
        if (command.code != 6 && command.code != 20)
            return std::nullopt;
        return CommandBytes().Byte(static_cast<uint32_t>(command.value));
    }
    void UpdateAuxStatusTexts() override {}

private:
    static const CFamilyDevicePage::Traits& StepTraits()
    {
        static const CFamilyDevicePage::Traits traits = {
            "DLG_DEVICE_PAGE_NUVEK",
            {{2, 2, DecoderOf(&StepFamilyPage::DecodeAnswer)}},
            {},
            {},
            {},
            nullptr,
            {},
            {},
            {},
            {{6, 0}, {20, 1}},
            AlarmTitleOrder::ChargeFirst,
            false,
        };
        return traits;
    }
};

using StepFamilyUnit = TFamilyDevice<StepFamilyPage>;

class FamilyDevicePageTest : public FamilyPageTest<StepFamilyUnit> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        // No cursor of an earlier test is left.
        ASSERT_FALSE(wxIsBusy());
        Open(20);
    }
    void TearDown() override
    {
        FamilyPageTest::TearDown();
        EXPECT_FALSE(wxIsBusy());
        while (wxIsBusy())
            wxEndBusyCursor();
    }
};

TEST_F(FamilyDevicePageTest, TwoStepsLeaveOneCursorThatTheAnswerEnds)
{
    page->SendCommand(6, 1);
    EXPECT_TRUE(page->IsBusy());
    EXPECT_TRUE(wxIsBusy());
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_FALSE(page->IsSecondStepPending());
    page->SendCommand(20, 2);
    EXPECT_TRUE(page->IsSecondStepPending());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{6, {1}}, {20, {2}}}));

    Deliver(2, {});
    EXPECT_FALSE(page->IsBusy());
    EXPECT_FALSE(wxIsBusy());
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(page->IsSecondStepPending());
}

TEST_F(FamilyDevicePageTest, FirstTickEndsTheCursorButNotTheStep)
{
    page->SendCommand(6, 1);
    ASSERT_TRUE(wxIsBusy());
    EXPECT_TRUE(WaitFor([&] { return !page->IsBusy(); }, 3000));
    EXPECT_FALSE(wxIsBusy());
    EXPECT_TRUE(page->IsStepPending());
    // The answer after the tick clears the step and ends no second cursor.
    Deliver(2, {});
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(FamilyDevicePageTest, PageThatGoesWhileBusyEndsItsCursor)
{
    page->SendCommand(6, 1);
    page->SendCommand(6, 1);
    ASSERT_TRUE(wxIsBusy());
    page->Destroy();
    page = nullptr;
    Yield();
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(FamilyDevicePageTest, BusyFlagSetFromOutsideKeepsTheCursorCounted)
{
    page->SetBusy(1);
    page->SetBusy(1);
    EXPECT_TRUE(page->IsBusy());
    EXPECT_TRUE(wxIsBusy());
    page->SetBusy(0);
    EXPECT_FALSE(wxIsBusy());
    page->SetBusy(0);
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(FamilyDevicePageTest, OnlyThePageItsNotebookShowsDoesTheIdleWork)
{
    // Two units' pages in a notebook, each in its area, as in the main
    // window.
    auto* book = new wxNotebook(Frame(), wxID_ANY);
    StepFamilyUnit first(port, 0);
    StepFamilyUnit second(port, 0);
    int idle[2] = {0, 0};
    int n = 0;
    for (StepFamilyUnit* each : {&first, &second}) {
        each->SetAddress(kAddress);
        auto* area = new CPageArea(book);
        CFlashDevicePropertyPage* added = each->CreatePage(area);
        area->Hold(added);
        added->Show();
        book->AddPage(area, "unit");
        int& count = idle[n++];
        added->FindWindow(XRCID("IDC_FL_TEST"))->Bind(wxEVT_IDLE, [&count](wxIdleEvent& event) {
            ++count;
            event.Skip();
        });
    }
    book->SetSelection(1);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(idle[0], 0);
    EXPECT_GT(idle[1], 0);
    idle[1] = 0;
    book->SetSelection(0);
    wxTheApp->ProcessIdle();
    EXPECT_GT(idle[0], 0);
    EXPECT_EQ(idle[1], 0);
    book->Destroy();
    Commands();
}

TEST_F(FamilyDevicePageTest, CodeTheFamilyDoesNotSendStaysOffTheLine)
{
    page->SendCommand(7, 1);
    page->SendCommand(1, 0);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(page->IsBusy());
}

}  // namespace

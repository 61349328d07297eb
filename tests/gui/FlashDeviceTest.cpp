// The GUI unit object base and the device-page base as the families use
// them: identity fields, the order in which a page is built, and the page's
// life, which the notebook owns.
#include "GuiTestHarness.h"
#include "StandInFamily.h"

#include <functional>

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/weakref.h>

using namespace guitest;

namespace {

VESKCOMM_PORT SomePort()
{
    static int port;
    return reinterpret_cast<VESKCOMM_PORT>(&port);
}

VESKCOMM_DEVICE SomeDevice()
{
    static int device;
    return reinterpret_cast<VESKCOMM_DEVICE>(&device);
}

using FlashDeviceTest = GuiTest;

TEST_F(FlashDeviceTest, StartsWithItsPortAndLanguageOnly)
{
    StandInUnit unit(SomePort(), 1500, StandInUnit::Build::DevicePage);
    EXPECT_EQ(unit.GetPort(), SomePort());
    EXPECT_EQ(unit.GetLanguageOffset(), 1500);
    EXPECT_EQ(unit.GetAddress(), 0);
    EXPECT_EQ(unit.GetStatusValue(), 0);
    EXPECT_TRUE(unit.GetCaption().empty());
    EXPECT_TRUE(unit.GetTypeName().empty());
    EXPECT_EQ(unit.GetPage(), nullptr);
    EXPECT_EQ(unit.GetPropertyPage(), nullptr);
    EXPECT_EQ(unit.GetUnitHandle(), nullptr);
    EXPECT_EQ(unit.GetClassInfo(), wxCLASSINFO(wxObject));
}

TEST_F(FlashDeviceTest, KeepsWhatTheFactoryAndTheDecodersGiveIt)
{
    StandInUnit unit(SomePort(), 0, StandInUnit::Build::DevicePage);
    struct Field {
        const char* name;
        std::function<void(StandInUnit&)> set;
        std::function<bool(const StandInUnit&)> holds;
    };
    const Field fields[] = {
        {"address", [](StandInUnit& u) { u.SetAddress(20); },
         [](const StandInUnit& u) { return u.GetAddress() == 20; }},
        {"energy type", [](StandInUnit& u) { u.SetEnergyType(255); },
         [](const StandInUnit& u) { return u.GetEnergyType() == 255; }},
        {"type code", [](StandInUnit& u) { u.SetVersion(137); },
         [](const StandInUnit& u) { return u.GetVersion() == 137; }},
        {"radio", [](StandInUnit& u) { u.SetRFStat(1); }, [](const StandInUnit& u) { return u.GetRFStat() == 1; }},
        {"status", [](StandInUnit& u) { u.SetStatusValue(0xBEEF); },
         [](const StandInUnit& u) { return u.GetStatusValue() == 0xBEEF; }},
        {"caption", [](StandInUnit& u) { u.SetCaption("Zarit 3200S, Nr. 4711"); },
         [](const StandInUnit& u) { return u.GetCaption() == "Zarit 3200S, Nr. 4711"; }},
        {"unit handle", [](StandInUnit& u) { u.SetUnitHandle(SomeDevice()); },
         [](const StandInUnit& u) { return u.GetUnitHandle() == SomeDevice(); }},
        {"type names", [](StandInUnit& u) { u.SetTypeNames("Zarit 3200S", "-  Z32S"); },
         [](const StandInUnit& u) { return u.GetTypeName() == "Zarit 3200S"; }},
    };
    for (const Field& field : fields) {
        field.set(unit);
        EXPECT_TRUE(field.holds(unit)) << field.name;
    }
    // Each field is its own: setting all of them left every one in place.
    for (const Field& field : fields)
        EXPECT_TRUE(field.holds(unit)) << field.name;
}

TEST_F(FlashDeviceTest, ThePageKnowsItsUnitWhileItIsBuiltAndTheBaseAfter)
{
    StandInUnit unit(SomePort(), 500, StandInUnit::Build::DevicePage);
    CFlashDevicePropertyPage* page = unit.CreatePage(Frame());
    ASSERT_NE(page, nullptr);
    StandInPage* typed = unit.GetPropertyPage();
    EXPECT_EQ(typed, page);
    EXPECT_EQ(typed->typedPageDuringInit, typed);
    EXPECT_EQ(typed->basePageDuringInit, nullptr);
    EXPECT_EQ(unit.GetPage(), page);
    EXPECT_EQ(page->GetParent(), Frame());
    EXPECT_NE(page->FindWindow(XRCID("IDC_OPTIONSTAB")), nullptr);
}

TEST_F(FlashDeviceTest, DestroyPageWhileThePageIsBuiltDoesNothing)
{
    StandInUnit unit(SomePort(), 0, StandInUnit::Build::DevicePage);
    auto* page = new StandInPage(&unit);
    page->destroyDuringInit = true;
    wxWeakRef<wxWindow> alive(page);
    page->Create("DLG_DEVICE_PAGE", Frame());
    Yield();
    EXPECT_TRUE(alive);
    EXPECT_NE(page->GetHandle(), nullptr);
}

TEST_F(FlashDeviceTest, DestroyPageDeletesThePageOnceAndForgetsIt)
{
    StandInUnit unit(SomePort(), 0, StandInUnit::Build::DevicePage);
    wxWeakRef<wxWindow> alive(unit.CreatePage(Frame()));
    StandInPage* typed = unit.GetPropertyPage();
    unit.DestroyPage();
    Yield();
    EXPECT_FALSE(alive);
    EXPECT_EQ(unit.GetPage(), nullptr);
    EXPECT_EQ(unit.GetPropertyPage(), typed);
    unit.DestroyPage();
}

TEST_F(FlashDeviceTest, APageThatTheNotebookDeletedIsForgotten)
{
    StandInUnit unit(SomePort(), 0, StandInUnit::Build::DevicePage);
    auto* notebook = new wxNotebook(Frame(), wxID_ANY, wxDefaultPosition, wxSize(500, 400));
    CFlashDevicePropertyPage* page = unit.CreatePage(notebook);
    page->Show(true);
    ASSERT_TRUE(notebook->AddPage(page, "unit 5-Zarit 3200S"));
    ASSERT_TRUE(notebook->DeletePage(0));
    EXPECT_EQ(unit.GetPage(), nullptr);
    // Nothing is left to delete a second time.
    unit.DestroyPage();
}

TEST_F(FlashDeviceTest, DeletingTheUnitLeavesItsPageToTheNotebook)
{
    auto* unit = new StandInUnit(SomePort(), 0, StandInUnit::Build::DevicePage);
    wxWeakRef<wxWindow> alive(unit->CreatePage(Frame()));
    delete unit;
    Yield();
    EXPECT_TRUE(alive);
}

TEST_F(FlashDeviceTest, TheDevicePageBaseHasNoBusyState)
{
    StandInUnit unit(SomePort(), 0, StandInUnit::Build::DevicePage);
    CFlashDevicePropertyPage* page = unit.CreatePage(Frame());
    page->SetBusy(1);
    EXPECT_FALSE(page->IsBusy());
    page->SetFullView(false);
    EXPECT_FALSE(unit.GetPropertyPage()->fullView);
}

}  // namespace

// What the generator page gives its families, on a two-bar family of the
// test's own on the ZaritE panel: record 1 feeds the aux bars and keeps their
// values, record 98 puts them back (0 before any record 1), the modelling-
// light radios follow the switched-on outlets and the unit's energy class,
// and command 1 carries its bar's value and gathers the bars' on states.
#include "FamilyPageFixture.h"

#include "controls/VeskAuxCtlZaritE.h"
#include "controls/VeskMainCtlZaritE.h"
#include "units/FamilyDevice.h"
#include "units/GeneratorPage.h"
#include "units/core/RecordView.h"

using namespace guitest;

namespace {

class TwoBarGeneratorPage : public CGeneratorPage {
public:
    explicit TwoBarGeneratorPage(CFlashDevice* unit) : CGeneratorPage(unit, PageTraits(), kGenerator) {}

protected:
    // Command 1: light, value, step and the on mask; others nothing.
    std::optional<CommandBytes> BuildCommand(const Command& command) override
    {
        if (command.code != 1)
            return CommandBytes();
        const std::array<bool, 3> on = LightBars().AuxOn();
        return CommandBytes()
            .Byte(command.outlet)
            .Byte(static_cast<uint32_t>(command.value))
            .Byte(command.step & 0xFF)
            .Byte((on[0] ? 1 : 0) | (on[1] ? 2 : 0) | (on[2] ? 4 : 0));
    }
    void UpdateAuxStatusTexts() override {}

private:
    static constexpr GeneratorTraits kGenerator = {true, false, false};

    static const Traits& PageTraits()
    {
        static const Traits traits = {
            "DLG_DEVICE_PAGE_ZARITE",
            {StatusRoute(), TestDoneRoute()},
            {},
            {
                {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, NewMainBar<CVeskMainCtlZaritE>, 2026, "", 0, 1},
                {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, NewAuxBar<CVeskAuxCtlZaritE>, 2015, " 1", 0,
                 1},
                {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, NewAuxBar<CVeskAuxCtlZaritE>, 2015, " 2", 0,
                 1},
            },
            {
                {"IDC_LM_PROPMAX", 0, 0x40},
                {"IDC_LM_FULL", 1, 0x41},
                {"IDC_LM_LOW", 2, 0x42},
                {"IDC_LM_PROP1", 3, 0x43},
                {"IDC_LM_PROP2", 4, 0x44},
                {"IDC_LM_PROP3", 5, 0x45},
                {"IDC_LM_PROP4", 6, 0x46},
                {"IDC_LM_PROP5", 7, 0x47},
            },
            nullptr,
            {},
            {},
            {},
            {},
            AlarmTitleOrder::ChargeFirst,
            false,
        };
        return traits;
    }
};

using TwoBarGeneratorUnit = TFamilyDevice<TwoBarGeneratorPage>;

const char* const kRadios[] = {"IDC_LM_PROPMAX", "IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1",
                               "IDC_LM_PROP2",   "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};

class GeneratorPageTest : public FamilyPageTest<TwoBarGeneratorUnit> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(137);
    }

    // Record 1 with the two outlets' values, switches and warnings.
    void Status(int value1, int value2, int switches, int warnings = 0)
    {
        Deliver(1, RecordData(25, {{9, value1}, {13, value2}, {21, switches}, {24, warnings}}));
    }
    CGeneratorPage* Generator() const { return static_cast<CGeneratorPage*>(page); }

    std::vector<bool> EnabledRadios() const
    {
        std::vector<bool> enabled;
        for (const char* name : kRadios)
            enabled.push_back(page->FindWindow(XRCID(name))->IsEnabled());
        return enabled;
    }
};

TEST_F(GeneratorPageTest, TestDoneBeforeAnyStatusPutsTheBarsAtZero)
{
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 0);
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 0);
    EXPECT_EQ(Generator()->GetKeptAuxValue(1), 0);
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
}

TEST_F(GeneratorPageTest, StatusFeedsTheBarsAndTestDoneRestoresTheirValuesWithoutWarning)
{
    // Outlet 1 on and available with a warning, outlet 2 available only.
    Status(45, 70, 0x0C | 0x20, 0x01);
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 45);
    EXPECT_TRUE(page->LightBars().Aux(1)->IsOn());
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 70);
    EXPECT_FALSE(page->LightBars().Aux(2)->IsOn());
    EXPECT_EQ(Generator()->GetKeptAuxValue(1), 45);
    EXPECT_EQ(Generator()->GetKeptAuxValue(2), 70);
    EXPECT_EQ(Generator()->GetKeptAuxValue(3), 0);

    page->UnitControls().SetPowerState(true);
    const wxColour warned = page->LightBars().Aux(1)->GetFace().textColour;
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 45);
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 70);
    EXPECT_NE(page->LightBars().Aux(1)->GetFace().textColour, warned);
}

TEST_F(GeneratorPageTest, RadiosFollowTheHighestSwitchedOnOutletAndTheEnergyClass)
{
    struct Case {
        int value1, value2, switches, energyClass;
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        // Nothing on: 15 levels, every radio.
        {100, 100, 0x00, 0, {true, true, true, true, true, true, true, true}},
        // Outlet 2 on at 100: 5 levels, PROP1 to PROP3.
        {30, 100, 0x3C & ~0x04, 0, {true, true, true, true, true, true, false, false}},
        // The same in energy class 1: 4 levels.
        {30, 100, 0x3C & ~0x04, 1, {true, true, true, true, true, false, false, false}},
        // Outlet 1 on at 100 and outlet 2 on at 30, class 4: 1 level.
        {100, 30, 0x3C, 4, {true, true, true, false, false, false, false, false}},
        // Class 5: no level left.
        {100, 30, 0x3C, 5, {false, false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        unit->SetEnergyType(static_cast<uint8_t>(c.energyClass));
        Status(c.value1, c.value2, c.switches);
        // Picking a radio works the limit out again.
        PickRadio("IDC_LM_FULL");
        EXPECT_EQ(EnabledRadios(), c.enabled) << c.value1 << " " << c.value2 << " class " << c.energyClass;
    }
    EXPECT_EQ(Commands(), (std::vector<Sent>(5, {3, {}})));
}

TEST_F(GeneratorPageTest, LightCommandGathersEveryBar)
{
    Status(40, 60, 0x0C | 0x30);
    page->UnitControls().SetPowerState(true);
    SpinLine("IDC_SPIN_AUX2", false);
    SpinRelease("IDC_SPIN_AUX2");
    SpinLine("IDC_SPIN_MAIN", true);
    SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {2, 60, 0xFF, 3}}, {1, {0, 0, 1, 3}}}));
}

}  // namespace

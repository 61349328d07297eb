// The light bars on a device page built as the families build theirs: the
// layout from the resource file, the bars and spin buttons on its places,
// the page answering the bars. States, limits, caps, texts and colours as
// tables, and the check box whose click the bar takes before the page hears
// of it.
#include "GuiTestHarness.h"

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/Panel.h"
#include "controls/LightBarPage.h"
#include "controls/SpinButton.h"
#include "controls/VeskAuxCtl.h"
#include "controls/VeskAuxCtlNuvek.h"
#include "controls/VeskAuxCtlRibex.h"
#include "controls/VeskAuxCtlTiko.h"
#include "controls/VeskAuxCtlZarit.h"
#include "controls/VeskAuxCtlZaritE.h"
#include "controls/VeskMainCtl.h"
#include "controls/VeskMainCtlNuvek.h"
#include "controls/VeskMainCtlRibex.h"
#include "controls/VeskMainCtlZarit.h"
#include "controls/VeskMainCtlZaritE.h"
#include "units/EnergyText.h"

namespace {

const wxColour kGreen(0, 255, 0);
const wxColour kBlue(83, 197, 255);
const wxColour kGrey(180, 180, 180);
const wxColour kRed(255, 0, 0);

// A bar that counts its repaints.
template <class Bar>
class Counted : public Bar {
public:
    using Bar::Bar;
    void Refresh(bool erase = true, const wxRect* rect = nullptr) override
    {
        ++refreshes;
        Bar::Refresh(erase, rect);
    }
    int refreshes = 0;
};

struct TextRequest {
    int16_t value;
    bool available, on, inhibited;
    int16_t channel;
    bool operator==(const TextRequest& o) const
    {
        return std::tie(value, available, on, inhibited, channel) ==
               std::tie(o.value, o.available, o.on, o.inhibited, o.channel);
    }
};

std::ostream& operator<<(std::ostream& out, const TextRequest& r)
{
    return out << "(" << r.value << ", " << r.available << ", " << r.on << ", " << r.inhibited << ", " << r.channel
               << ")";
}

// A click of an aux bar's check box as the page hears it: the bar's outlet,
// and whether the bar had switched it on already.
struct Switch {
    int outlet;
    bool on;
    bool operator==(const Switch& o) const { return outlet == o.outlet && on == o.on; }
};

std::ostream& operator<<(std::ostream& out, const Switch& s)
{
    return out << "(outlet " << s.outlet << ", on " << s.on << ")";
}

// A device page: its InitControls builds what the test asks for; it answers
// the bars with the Quirel A1 energy text and records what they ask and the
// check boxes' clicks that rise to it.
class BarPage : public CPanel, public CLightBarPage {
public:
    explicit BarPage(std::function<void(BarPage&)> build) : m_build(std::move(build))
    {
        Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
            auto* box = static_cast<wxWindow*>(event.GetEventObject());
            auto* bar = dynamic_cast<CAuxLightBar*>(box->GetParent());
            ASSERT_NE(bar, nullptr);
            switches.push_back({bar->GetOutlet(), bar->IsOn()});
        });
    }

    bool InitControls() override
    {
        m_build(*this);
        return true;
    }

    // What the pages do for each light: bar on its place, then the spin
    // button on its own place beside it.
    void Attach(wxWindow* bar, const wxString& barName, const wxString& spinName)
    {
        AttachControl(barName, bar, this);
        if (!spinName.empty())
            AttachControl(spinName, new CSpinButton(this, XRCID(spinName)), this);
    }

    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override
    {
        requests.push_back({value, available, on, inhibited, channel});
        return FormatEnergyTextQuirelA1(value, available, on, inhibited, channel, 0, languageOffset);
    }
    uint16_t GetLanguageOffset() override { return languageOffset; }

    uint16_t languageOffset = 0;
    std::vector<TextRequest> requests;
    std::vector<Switch> switches;

private:
    std::function<void(BarPage&)> m_build;
};

class BarPageTest : public guitest::GuiTest {
protected:
    // Loads layout into a page that build fills, shown in the frame.
    BarPage* MakePage(const char* layout, std::function<void(BarPage&)> build)
    {
        auto* page = new BarPage(std::move(build));
        page->Create(layout, Frame());
        page->Show();
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(page, 1, wxEXPAND);
        Frame()->SetSizer(sizer);
        Frame()->Layout();
        EXPECT_TRUE(guitest::WaitFor([&] { return page->IsShownOnScreen(); }));
        guitest::Yield();
        return page;
    }

    static wxWindow* Find(wxWindow* page, const char* name) { return page->FindWindow(XRCID(name)); }
    static bool Enabled(wxWindow* page, const char* name) { return Find(page, name)->IsThisEnabled(); }
};

// ---------------------------------------------------------------------------
// Main-light bars

struct QuirelMain {
    using Bar = CVeskMainCtl;
    static void SetValue(Bar& bar, int16_t value, bool) { bar.SetValue(value); }
    static wxColour Colour() { return kGreen; }
    static std::vector<std::pair<int, const char*>> Markers() { return {{0, "Pr"}, {1000, "Fix"}}; }
};
struct ZaritMain {
    using Bar = CVeskMainCtlZarit;
    static void SetValue(Bar& bar, int16_t value, bool) { bar.SetValue(value); }
    static wxColour Colour() { return kBlue; }
    static std::vector<std::pair<int, const char*>> Markers() { return {{0, "St"}, {500, "St"}}; }
};
struct ZaritEMain {
    using Bar = CVeskMainCtlZaritE;
    static void SetValue(Bar& bar, int16_t value, bool) { bar.SetValue(value); }
    static wxColour Colour() { return kBlue; }
    static std::vector<std::pair<int, const char*>> Markers() { return {{0, "St"}, {1500, "St"}}; }
};
struct NuvekMain {
    using Bar = CVeskMainCtlNuvek;
    static void SetValue(Bar& bar, int16_t value, bool available) { bar.SetValue(value, available); }
    static wxColour Colour() { return kGreen; }
    static std::vector<std::pair<int, const char*>> Markers() { return {{0, "Pr"}, {1000, "Fix"}}; }
};
struct RibexMain {
    using Bar = CVeskMainCtlRibex;
    static void SetValue(Bar& bar, int16_t value, bool available) { bar.SetValue(value, available); }
    static wxColour Colour() { return kGreen; }
    static std::vector<std::pair<int, const char*>> Markers() { return {{0, "Pr"}, {500, "Pr"}}; }
};

template <class Kit>
class MainBarTest : public BarPageTest {
protected:
    using Bar = Counted<typename Kit::Bar>;

    void MakeMainPage(bool withSpin = true)
    {
        page = MakePage("DLG_DEVICE_PAGE", [&](BarPage& p) {
            bar = new Bar(&p);
            p.Attach(bar, "IDC_MAIN_LIGHT", withSpin ? "IDC_SPIN_MAIN" : "");
        });
    }

    BarPage* page = nullptr;
    Bar* bar = nullptr;
};

using MainKits = ::testing::Types<QuirelMain, ZaritMain, ZaritEMain, NuvekMain, RibexMain>;
TYPED_TEST_SUITE(MainBarTest, MainKits);

TYPED_TEST(MainBarTest, SitsOnItsPlaceWithThePlacesId)
{
    this->MakeMainPage();
    EXPECT_EQ(this->bar->GetId(), XRCID("IDC_MAIN_LIGHT"));
    EXPECT_EQ(this->bar->GetName(), "IDC_MAIN_LIGHT");
    EXPECT_EQ(this->bar->GetMinSize(), wxSize(80, 60));
    EXPECT_EQ(this->bar->GetValue(), 0);
}

TYPED_TEST(MainBarTest, ValueIsLimitedAndRepaintsOnlyOnAChange)
{
    this->MakeMainPage();
    struct Step {
        int16_t value;
        int16_t stored;
        bool repaints;
    };
    const Step steps[] = {{150, 100, true}, {150, 100, false}, {100, 100, false},
                          {-5, 0, true},    {0, 0, false},     {55, 55, true}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.value);
        const int before = this->bar->refreshes;
        TypeParam::SetValue(*this->bar, s.value, true);
        EXPECT_EQ(this->bar->GetValue(), s.stored);
        EXPECT_EQ(this->bar->refreshes - before, s.repaints ? 1 : 0);
    }
}

TYPED_TEST(MainBarTest, DrawsTheEnergyTextInTheFamilysColourWhilePowered)
{
    this->MakeMainPage();
    TypeParam::SetValue(*this->bar, 75, true);
    BarFace face = this->bar->GetFace();
    EXPECT_EQ(face.large, "7.5");
    EXPECT_EQ(face.textColour, kGrey);
    EXPECT_EQ(face.largePoints, 30);
    EXPECT_EQ(face.largeBox, this->bar->GetClientRect());
    EXPECT_TRUE(face.outline);
    EXPECT_FALSE(face.lowerRow);
    EXPECT_EQ(this->page->requests.back(), (TextRequest{75, true, true, false, 0}));

    const int before = this->bar->refreshes;
    this->bar->SetActive(true);
    this->bar->SetActive(true);
    EXPECT_EQ(this->bar->refreshes - before, 1);
    EXPECT_EQ(this->bar->GetFace().textColour, TypeParam::Colour());
    this->bar->SetActive(false);
    EXPECT_EQ(this->bar->GetFace().textColour, kGrey);
}

TYPED_TEST(MainBarTest, PresetModeShowsTheMarkerAndLocksTheSpinButton)
{
    this->MakeMainPage();
    TypeParam::SetValue(*this->bar, 55, true);
    for (const auto& [offset, marker] : TypeParam::Markers()) {
        SCOPED_TRACE(offset);
        this->page->languageOffset = offset;
        const int before = this->bar->refreshes;
        this->bar->SetPresetMode(true);
        this->bar->SetPresetMode(true);
        EXPECT_EQ(this->bar->refreshes - before, 1);
        EXPECT_EQ(this->bar->GetFace().large, marker);
        EXPECT_FALSE(this->Enabled(this->page, "IDC_SPIN_MAIN"));

        this->bar->SetPresetMode(false);
        EXPECT_EQ(this->bar->GetFace().large, "5.5");
        EXPECT_TRUE(this->Enabled(this->page, "IDC_SPIN_MAIN"));
    }
}

TYPED_TEST(MainBarTest, PresetModeWithoutASpinButtonOnlyShowsTheMarker)
{
    this->MakeMainPage(false);
    ASSERT_EQ(this->Find(this->page, "IDC_SPIN_MAIN"), nullptr);
    this->bar->SetPresetMode(true);
    EXPECT_EQ(this->bar->GetFace().large, TypeParam::Markers()[0].second);
}

// Nuvek and Ribex: the page reports whether the light is there.
template <class Kit>
class MainBarAvailabilityTest : public MainBarTest<Kit> {
};
using AvailabilityKits = ::testing::Types<NuvekMain, RibexMain>;
TYPED_TEST_SUITE(MainBarAvailabilityTest, AvailabilityKits);

TYPED_TEST(MainBarAvailabilityTest, AvailabilityAloneRepaintsAndEmptiesTheText)
{
    this->MakeMainPage();
    // A new bar's light is not there: grey box and outline, no text.
    EXPECT_EQ(this->bar->GetFace().large, "");
    EXPECT_TRUE(this->bar->GetFace().outline);

    TypeParam::SetValue(*this->bar, 55, true);
    EXPECT_EQ(this->bar->GetFace().large, "5.5");
    const int before = this->bar->refreshes;
    TypeParam::SetValue(*this->bar, 55, false);
    EXPECT_EQ(this->bar->refreshes - before, 1);
    EXPECT_EQ(this->bar->GetFace().large, "");
    EXPECT_EQ(this->page->requests.back(), (TextRequest{55, false, true, false, 0}));
}

// ---------------------------------------------------------------------------
// Auxiliary-light bars

struct QuirelAux {
    using Bar = CVeskAuxCtl;
    static void SetState(Bar& bar, bool on, bool available) { bar.SetState(on, available); }
    static wxColour Colour() { return kGreen; }
    static constexpr int16_t kCap = 3200;
    static constexpr bool kHidesCheckBox = false;
    static constexpr int kRowLeft = 7;
};
struct ZaritAux {
    using Bar = CVeskAuxCtlZarit;
    static void SetState(Bar& bar, bool on, bool available) { bar.SetState(on, available); }
    static wxColour Colour() { return kBlue; }
    static constexpr int16_t kCap = 3200;
    static constexpr bool kHidesCheckBox = false;
    static constexpr int kRowLeft = 7;
};
struct ZaritEAux {
    using Bar = CVeskAuxCtlZaritE;
    static void SetState(Bar& bar, bool on, bool available) { bar.SetState(on, available); }
    static wxColour Colour() { return kBlue; }
    static constexpr int16_t kCap = 3200;
    static constexpr bool kHidesCheckBox = false;
    static constexpr int kRowLeft = 7;
};
struct NuvekAux {
    using Bar = CVeskAuxCtlNuvek;
    static void SetState(Bar& bar, bool on, bool available) { bar.SetState(on, available); }
    static wxColour Colour() { return kGreen; }
    static constexpr int16_t kCap = 6100;
    static constexpr bool kHidesCheckBox = true;
    static constexpr int kRowLeft = 7;
};
// Its own outlet is pair 1.
struct RibexAux {
    using Bar = CVeskAuxCtlRibex;
    static void SetState(Bar& bar, bool on, bool available) { bar.SetState1(on, available); }
    static wxColour Colour() { return kGreen; }
    static constexpr int16_t kCap = 6100;
    static constexpr bool kHidesCheckBox = true;
    static constexpr int kRowLeft = 11;
};

const char* const kAuxPlaces[] = {"IDC_AUX_LIGHT1", "IDC_AUX_LIGHT2", "IDC_AUX_LIGHT3"};
const char* const kAuxSpins[] = {"IDC_SPIN_AUX1", "IDC_SPIN_AUX2", "IDC_SPIN_AUX3"};
const char* const kAuxChecks[] = {"IDC_AUX_CHECK1", "IDC_AUX_CHECK2", "IDC_AUX_CHECK3"};

template <class Kit>
class AuxBarTest : public BarPageTest {
protected:
    using Bar = Counted<typename Kit::Bar>;

    // Three bars, as the Quirel A1 layout has them, set up as the pages do.
    void MakeAuxPage(bool withSpins = true, bool withCheckBoxes = true)
    {
        page = MakePage("DLG_DEVICE_PAGE", [&](BarPage& p) {
            for (int16_t n = 1; n <= 3; ++n)
                bars[n - 1] = new Bar(&p, n);
            for (int n = 0; n < 3; ++n) {
                p.Attach(bars[n], kAuxPlaces[n], withSpins ? kAuxSpins[n] : "");
                if (withCheckBoxes)
                    bars[n]->CreateCheckBox(XRCID(kAuxChecks[n]), XRCID(kAuxSpins[n]));
            }
        });
    }

    wxCheckBox* Check(int n) const
    {
        return wxDynamicCast(bars[n - 1]->FindWindow(XRCID(kAuxChecks[n - 1])), wxCheckBox);
    }
    bool SpinEnabled(int n) const { return Enabled(page, kAuxSpins[n - 1]); }

    // The user clicks the check box: it toggles, then tells its parent.
    void ClickCheck(int n)
    {
        wxCheckBox* box = Check(n);
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(box->GetValue());
        box->ProcessWindowEvent(event);
    }

    BarPage* page = nullptr;
    Bar* bars[3] = {};
};

using AuxKits = ::testing::Types<QuirelAux, ZaritAux, ZaritEAux, NuvekAux, RibexAux>;
TYPED_TEST_SUITE(AuxBarTest, AuxKits);

TYPED_TEST(AuxBarTest, NewBarShowsTheUnavailableStateAndLocksItsSpinButton)
{
    this->MakeAuxPage();
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        auto* bar = this->bars[n - 1];
        EXPECT_EQ(bar->GetId(), XRCID(kAuxPlaces[n - 1]));
        wxCheckBox* box = this->Check(n);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetPosition(), wxPoint(4, 8));
        EXPECT_FALSE(box->GetValue());
        EXPECT_TRUE(box->IsShown());
        EXPECT_FALSE(this->SpinEnabled(n));
        const BarFace face = bar->GetFace();
        EXPECT_EQ(face.large, "");
        EXPECT_EQ(face.textColour, kGrey);
        EXPECT_FALSE(face.lowerRow);
        EXPECT_EQ(face.outline, n != 3);
        EXPECT_FALSE(bar->IsOn());
    }
}

struct StateCase {
    bool on, available, inhibited;
    int channel;
    // what follows
    bool ticked, checkEnabled, spinEnabled, lowerRow, isOn;
    const char* text;
};

const StateCase kStateCases[] = {
    {1, 1, 0, 1, 1, 1, 1, 1, 1, "5.5"},
    {1, 1, 0, 3, 1, 1, 1, 1, 1, "5.5"},
    {0, 1, 0, 2, 0, 1, 0, 0, 0, "off"},
    {1, 0, 0, 1, 0, 0, 0, 0, 0, ""},
    {0, 0, 0, 2, 0, 0, 0, 0, 0, ""},
    // Inhibited: outlets 1 and 2 keep their check box, outlet 3 loses it.
    {1, 1, 1, 1, 1, 1, 0, 0, 1, "on"},
    {1, 1, 1, 2, 1, 1, 0, 0, 1, "on"},
    {1, 1, 1, 3, 1, 0, 0, 0, 1, "off"},
    {0, 1, 1, 3, 0, 0, 0, 0, 0, "off"},
    {1, 0, 1, 1, 0, 0, 0, 0, 0, ""},
};

TYPED_TEST(AuxBarTest, StatesDecideCheckBoxSpinButtonAndTexts)
{
    this->MakeAuxPage();
    for (bool inhibitFirst : {false, true}) {
        for (const StateCase& c : kStateCases) {
            SCOPED_TRACE(testing::Message()
                         << "on " << c.on << " available " << c.available << " inhibited " << c.inhibited << " channel "
                         << c.channel << " inhibit first " << inhibitFirst);
            auto* bar = this->bars[c.channel - 1];
            bar->SetValue(55, false);
            if (inhibitFirst)
                bar->SetInhibit(c.inhibited);
            TypeParam::SetState(*bar, c.on, c.available);
            bar->SetInhibit(c.inhibited);

            wxCheckBox* box = this->Check(c.channel);
            EXPECT_EQ(box->GetValue(), c.ticked);
            EXPECT_EQ(box->IsThisEnabled(), c.checkEnabled);
            EXPECT_EQ(box->IsShown(), !TypeParam::kHidesCheckBox);
            EXPECT_EQ(this->SpinEnabled(c.channel), c.spinEnabled);
            EXPECT_EQ(bar->IsOn(), c.isOn);
            const BarFace face = bar->GetFace();
            EXPECT_EQ(face.large, c.text);
            EXPECT_EQ(face.lowerRow, c.lowerRow);
            EXPECT_EQ(this->page->requests.back(),
                      (TextRequest{55, c.available, c.on, c.inhibited, int16_t(c.channel)}));
        }
    }
}

TYPED_TEST(AuxBarTest, ValueZeroDrawsNoLowerRow)
{
    this->MakeAuxPage();
    auto* bar = this->bars[0];
    TypeParam::SetState(*bar, true, true);
    bar->SetJoules(100);
    bar->SetPercent(50);
    bar->SetValue(0, false);
    EXPECT_FALSE(bar->GetFace().lowerRow);
    bar->SetValue(70, false);
    const BarFace face = bar->GetFace();
    ASSERT_TRUE(face.lowerRow);
    EXPECT_EQ(face.joules, "100J");
    EXPECT_EQ(face.percent, "50%");
    EXPECT_EQ(face.joulesAt.x, TypeParam::kRowLeft);
}

TYPED_TEST(AuxBarTest, ValueIsLimitedAndRepaintsOnValueOrWarning)
{
    this->MakeAuxPage();
    auto* bar = this->bars[1];
    struct Step {
        int16_t value;
        bool warning;
        int16_t stored;
        bool repaints;
    };
    const Step steps[] = {{150, false, 100, true}, {150, false, 100, false}, {100, true, 100, true},
                          {-5, true, 0, true},     {0, true, 0, false},      {0, false, 0, true}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.value << " warning " << s.warning);
        const int before = bar->refreshes;
        bar->SetValue(s.value, s.warning);
        EXPECT_EQ(bar->GetValue(), s.stored);
        EXPECT_EQ(bar->refreshes - before, s.repaints ? 1 : 0);
    }
}

TYPED_TEST(AuxBarTest, TextColourFollowsPowerThenWarning)
{
    this->MakeAuxPage();
    auto* bar = this->bars[0];
    struct Case {
        bool active, warning;
        wxColour colour;
    };
    const Case cases[] = {
        {false, false, kGrey}, {false, true, kGrey}, {true, false, TypeParam::Colour()}, {true, true, kRed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "active " << c.active << " warning " << c.warning);
        bar->SetActive(c.active);
        bar->SetValue(60, c.warning);
        EXPECT_EQ(bar->GetFace().textColour, c.colour);
    }
    const int before = bar->refreshes;
    bar->SetActive(true);
    EXPECT_EQ(bar->refreshes, before);
}

TYPED_TEST(AuxBarTest, JoulesAndPercentAreCappedAndAlwaysRepaint)
{
    this->MakeAuxPage();
    auto* bar = this->bars[0];
    TypeParam::SetState(*bar, true, true);
    bar->SetValue(90, false);
    struct Case {
        int16_t joules;
        int16_t percent;
        const char* joulesText;
        const char* percentText;
    };
    const Case cases[] = {
        {5000, 150, TypeParam::kCap == 3200 ? "3200J" : "5000J", "100%"},
        {7000, 100, TypeParam::kCap == 3200 ? "3200J" : "6100J", "100%"},
        {3200, 99, "3200J", "99%"},
        {-20, -5, "-20J", "-5%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joules);
        for (int twice = 0; twice < 2; ++twice) {
            const int before = bar->refreshes;
            bar->SetJoules(c.joules);
            bar->SetPercent(c.percent);
            EXPECT_EQ(bar->refreshes - before, 2);
        }
        const BarFace face = bar->GetFace();
        EXPECT_EQ(face.joules, c.joulesText);
        EXPECT_EQ(face.percent, c.percentText);
    }
}

TYPED_TEST(AuxBarTest, CheckBoxClickSwitchesTheOutletThenRisesToThePage)
{
    this->MakeAuxPage();
    auto* bar = this->bars[1];
    TypeParam::SetState(*bar, false, true);
    ASSERT_FALSE(this->SpinEnabled(2));

    this->ClickCheck(2);
    EXPECT_EQ(this->page->switches, (std::vector<Switch>{{2, true}}));
    EXPECT_TRUE(bar->IsOn());
    EXPECT_TRUE(this->SpinEnabled(2));

    this->ClickCheck(2);
    EXPECT_EQ(this->page->switches, (std::vector<Switch>{{2, true}, {2, false}}));
    EXPECT_FALSE(bar->IsOn());
    EXPECT_FALSE(this->SpinEnabled(2));

    // While inhibited the click switches the outlet but not its spin button.
    bar->SetInhibit(true);
    this->ClickCheck(2);
    EXPECT_TRUE(bar->IsOn());
    EXPECT_FALSE(this->SpinEnabled(2));
    EXPECT_EQ(this->page->switches.size(), 3u);
}

// A layout without the outlet's spin button, and a bar whose check box was
// never made: the bar still works and touches no missing window.
TYPED_TEST(AuxBarTest, MissingSpinButtonOrCheckBoxIsLeftAlone)
{
    this->MakeAuxPage(false);
    auto* bar = this->bars[0];
    TypeParam::SetState(*bar, true, true);
    bar->SetInhibit(true);
    bar->SetInhibit(false);
    EXPECT_TRUE(bar->IsOn());
    this->ClickCheck(1);
    EXPECT_FALSE(bar->IsOn());
    EXPECT_EQ(this->page->switches, (std::vector<Switch>{{1, false}}));
}

TYPED_TEST(AuxBarTest, StatesBeforeTheCheckBoxExistsAreKept)
{
    this->MakeAuxPage(true, false);
    auto* bar = this->bars[0];
    TypeParam::SetState(*bar, true, true);
    bar->SetInhibit(true);
    EXPECT_TRUE(bar->IsOn());
    EXPECT_EQ(bar->GetFace().large, "on");
}

// A real click through the display on a Quirel A1 bar's check box.
TEST_F(BarPageTest, CheckBoxClickedWithTheMouse)
{
    CVeskAuxCtl* bar = nullptr;
    BarPage* page = MakePage("DLG_DEVICE_PAGE", [&](BarPage& p) {
        bar = new CVeskAuxCtl(&p, 1);
        p.Attach(bar, "IDC_AUX_LIGHT1", "IDC_SPIN_AUX1");
        bar->CreateCheckBox(XRCID("IDC_AUX_CHECK1"), XRCID("IDC_SPIN_AUX1"));
    });
    bar->SetState(false, true);
    wxWindow* box = bar->FindWindow(XRCID("IDC_AUX_CHECK1"));
    ASSERT_TRUE(guitest::WaitFor([&] { return box->IsShownOnScreen(); }));
    const wxRect rect = box->GetScreenRect();
    wxUIActionSimulator sim;
    sim.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 2);
    guitest::Yield();
    sim.MouseClick();
    ASSERT_TRUE(guitest::WaitFor([&] { return !page->switches.empty(); }));
    EXPECT_EQ(page->switches.front(), (Switch{1, true}));
    EXPECT_TRUE(bar->IsOn());
    EXPECT_TRUE(Enabled(page, "IDC_SPIN_AUX1"));
}

// ---------------------------------------------------------------------------
// Ribex: two outlets in one bar

class RibexBarTest : public BarPageTest {
protected:
    void SetUp() override
    {
        BarPageTest::SetUp();
        page = MakePage("DLG_DEVICE_PAGE", [&](BarPage& p) {
            for (int n = 0; n < 2; ++n) {
                bars[n] = new CVeskAuxCtlRibex(&p, int16_t(n + 1));
                p.Attach(bars[n], kAuxPlaces[n], kAuxSpins[n]);
                bars[n]->CreateCheckBox(XRCID(kAuxChecks[n]), XRCID(kAuxSpins[n]));
            }
        });
        for (CVeskAuxCtlRibex* bar : bars)
            bar->SetSize(100, 60);
    }

    BarPage* page = nullptr;
    CVeskAuxCtlRibex* bars[2] = {};
};

TEST_F(RibexBarTest, SecondOutletAloneDrivesTheBarButNotIsOn)
{
    CVeskAuxCtlRibex* bar = bars[1];
    bar->SetValue(55, false);
    bar->SetState1(false, false);
    bar->SetState2(true, true);

    wxCheckBox* box = wxDynamicCast(bar->FindWindow(XRCID("IDC_AUX_CHECK2")), wxCheckBox);
    EXPECT_TRUE(box->GetValue());
    EXPECT_FALSE(box->IsShown());
    EXPECT_TRUE(box->IsThisEnabled());
    EXPECT_TRUE(Enabled(page, "IDC_SPIN_AUX2"));
    EXPECT_FALSE(bar->IsOn());
    const BarFace face = bar->GetFace();
    EXPECT_TRUE(face.lowerRow);
    EXPECT_EQ(face.large, "5.5");
    EXPECT_EQ(page->requests.back(), (TextRequest{55, true, true, false, 2}));

    // The check box speaks for the first outlet.
    box->SetValue(false);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
    EXPECT_FALSE(Enabled(page, "IDC_SPIN_AUX2"));
    EXPECT_EQ(page->switches.back(), (Switch{2, false}));
}

TEST_F(RibexBarTest, OutletIndicatorsOfA100By60Bar)
{
    const wxColour lit(0, 255, 0);
    const wxColour dark(192, 192, 192);
    bars[0]->SetState1(true, true);
    bars[1]->SetState1(true, true);
    bars[1]->SetState2(true, false);

    std::vector<BarIndicator> one = bars[0]->GetFace().indicators;
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].rect, wxRect(4, 20, 4, 20));
    EXPECT_EQ(one[0].colour, dark);  // not powered

    bars[1]->SetActive(true);
    std::vector<BarIndicator> two = bars[1]->GetFace().indicators;
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].rect, wxRect(4, 6, 4, 20));
    EXPECT_EQ(two[0].colour, lit);
    EXPECT_EQ(two[1].rect, wxRect(4, 32, 4, 20));
    EXPECT_EQ(two[1].colour, dark);  // outlet 3 not there

    bars[1]->SetValue(90, false);
    const BarFace face = bars[1]->GetFace();
    EXPECT_EQ(face.joulesAt, wxPoint(11, 42));
    EXPECT_EQ(face.percentAt, wxPoint(58, 42));
}

// ---------------------------------------------------------------------------
// Tiko

class TikoBarTest : public BarPageTest {
protected:
    void SetUp() override
    {
        BarPageTest::SetUp();
        page = MakePage("DLG_DEVICE_TROVALEX_PAGE", [&](BarPage& p) {
            bar = new Counted<CVeskAuxCtlTiko>(&p);
            p.Attach(bar, "IDC_AUX_LIGHT1", "IDC_SPIN_AUX1");
        });
        bar->SetSize(100, 60);
    }

    BarPage* page = nullptr;
    Counted<CVeskAuxCtlTiko>* bar = nullptr;
};

TEST_F(TikoBarTest, SettingStaysWithinTheRangeOfTheEnergyRangeBox)
{
    struct Case {
        bool wideRange;
        int16_t value;
        int16_t stored;
    };
    const Case cases[] = {{true, 40, 50}, {false, 40, 60}, {true, 120, 100}, {false, 120, 100},
                          {true, 55, 55}, {false, 55, 60}, {true, -3, 50},   {false, 75, 75}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wide " << c.wideRange << " value " << c.value);
        bar->SetEnergyRange(c.wideRange);
        bar->SetValue(c.value, false);
        EXPECT_EQ(bar->GetValue(), c.stored);
    }

    // The limit is the one the bar was told last before the call.
    bar->SetEnergyRange(true);
    bar->SetValue(55, false);
    bar->SetEnergyRange(false);
    EXPECT_EQ(bar->GetValue(), 55);
    bar->SetValue(55, false);
    EXPECT_EQ(bar->GetValue(), 60);
}

TEST_F(TikoBarTest, PercentAndJoulesFromTheTablesAtTheirEnds)
{
    bar->SetEnergyRange(true);
    struct Case {
        int16_t value;
        int16_t rating;
        bool lowVoltage;
        const char* percent;
        const char* joules;
    };
    const Case cases[] = {
        {50, 300, false, "3.1%", "9J"},     {50, 300, true, "3.1%", "7J"},     {55, 1200, false, "4.5%", "53J"},
        {66, 600, false, "9.5%", "56J"},    {67, 600, false, "10%", "60J"},    {90, 1200, false, "50%", "600J"},
        {90, 1200, true, "50%", "500J"},    {99, 1200, false, "93%", "1119J"}, {100, 1200, false, "100%", "1200J"},
        {100, 1200, true, "100%", "1000J"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << " rating " << c.rating << " low " << c.lowVoltage);
        bar->SetValue(c.value, false);
        bar->UpdatePercent();
        bar->SetJoules(c.lowVoltage, c.rating);
        const BarFace face = bar->GetFace();
        ASSERT_TRUE(face.lowerRow);
        EXPECT_EQ(face.percent, c.percent);
        EXPECT_EQ(face.joules, c.joules);
    }
}

// A new bar holds 0, which the tables do not cover.
TEST_F(TikoBarTest, NewBarLeavesPercentAndJoulesAlone)
{
    EXPECT_EQ(bar->GetValue(), 0);
    EXPECT_FALSE(bar->GetFace().lowerRow);
    const int before = bar->refreshes;
    bar->UpdatePercent();
    bar->SetJoules(false, 1200);
    EXPECT_EQ(bar->refreshes - before, 2);
    bar->SetValue(60, false);
    const BarFace face = bar->GetFace();
    EXPECT_EQ(face.percent, "0.0%");
    EXPECT_EQ(face.joules, "0J");
}

TEST_F(TikoBarTest, FaceAndRepaints)
{
    bar->SetValue(75, false);
    BarFace face = bar->GetFace();
    EXPECT_EQ(face.large, "7.5");
    EXPECT_EQ(face.largeBox, wxRect(0, 0, 100, 45));
    EXPECT_EQ(face.joulesAt, wxPoint(7, 42));
    EXPECT_EQ(face.percentAt, wxPoint(56, 42));
    EXPECT_FALSE(face.outline);
    EXPECT_TRUE(face.indicators.empty());
    EXPECT_EQ(face.textColour, kGrey);
    EXPECT_EQ(page->requests.back().value, 75);

    struct Step {
        int16_t value;
        bool warning;
        bool repaints;
    };
    for (const Step& s : {Step{75, false, false}, Step{75, true, true}, Step{75, true, false}}) {
        const int before = bar->refreshes;
        bar->SetValue(s.value, s.warning);
        EXPECT_EQ(bar->refreshes - before, s.repaints ? 1 : 0);
    }

    const int before = bar->refreshes;
    bar->SetFlag(true);
    bar->SetFlag(true);
    EXPECT_EQ(bar->refreshes - before, 1);
    EXPECT_EQ(bar->GetFace().textColour, kRed);
    bar->SetValue(75, false);
    EXPECT_EQ(bar->GetFace().textColour, kGreen);
    bar->SetFlag(false);
    EXPECT_EQ(bar->GetFace().textColour, kGrey);
}

}  // namespace

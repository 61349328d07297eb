// A unit that starts suggesting settings hides its page's flash controls and
// LED under the status panel's suggested settings, and shows them again when
// it stops; every control that stays shown keeps its place meanwhile, so
// that a click aimed at it lands on it. For each family whose status panel
// switches, in every language.
#include "FamilyPageFixture.h"

#include <map>
#include <ostream>
#include <string>

#include "units/UnitFamilies.h"

using namespace guitest;

namespace {

// A family's record 2 (aux functions): its length and the byte of its aux
// status flags, and flags that ask for the suggested settings.
struct SuggestingFamily {
    const char* name;
    uint16_t type;
    std::size_t length;
    int flagsByte;
    int flags;
};

const SuggestingFamily kFamilies[] = {
    {"QuirelA1", 16, 23, 20, 0x04 | 0x08},
    {"Zarit", 37, 23, 20, 0x04 | 0x08},
    {"ZaritE", 137, 21, 20, 0x04},
    {"Tiko", 18, 14, 11, 0x08},
};

struct SuggestingCase {
    SuggestingFamily family;
    int language;  // 1 to 4
};

void PrintTo(const SuggestingCase& run, std::ostream* out)
{
    *out << run.family.name << ", language " << run.language;
}

std::vector<SuggestingCase> SuggestingCases()
{
    std::vector<SuggestingCase> cases;
    for (const SuggestingFamily& family : kFamilies) {
        for (int language = 1; language <= 4; ++language)
            cases.push_back({family, language});
    }
    return cases;
}

std::string SuggestingCaseName(const ::testing::TestParamInfo<SuggestingCase>& info)
{
    static const char* const languages[] = {"English", "German", "French", "Spanish"};
    return std::string(info.param.family.name) + "_" + languages[info.param.language - 1];
}

// Where each shown window below the page lies in the page, by its name.
std::map<std::string, wxPoint> PlacesOfShown(wxWindow* page)
{
    std::map<std::string, wxPoint> places;
    std::function<void(wxWindow*, wxPoint)> collect = [&](wxWindow* parent, wxPoint origin) {
        for (wxWindow* child : parent->GetChildren()) {
            if (!child->IsShown())
                continue;
            const wxPoint at = origin + child->GetPosition();
            places[child->GetName().utf8_string() + " \"" + child->GetLabel().utf8_string() + "\""] = at;
            collect(child, at + child->GetClientAreaOrigin());
        }
    };
    collect(page, wxPoint());
    return places;
}

class SuggestedSettingsLayoutTest : public FamilyPageTest<CFlashDevice>,
                                    public ::testing::WithParamInterface<SuggestingCase> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        const SuggestingCase& run = GetParam();
        Open(BuiltFamilies().at(run.family.type), run.family.type, 0, static_cast<uint16_t>(500 * (run.language - 1)));
    }

    void Suggest(int flags)
    {
        const SuggestingFamily& family = GetParam().family;
        Deliver(2, RecordData(family.length, {{family.flagsByte, flags}}));
        ASSERT_TRUE(WaitForSettledLayout(page));
    }

    // Every control shown in both places stands where it stood.
    static void ExpectNothingMoved(const std::map<std::string, wxPoint>& before,
                                   const std::map<std::string, wxPoint>& after)
    {
        for (const auto& [name, place] : after) {
            const auto stood = before.find(name);
            if (stood != before.end()) {
                EXPECT_EQ(place, stood->second) << name << " moved from " << stood->second.x << "," << stood->second.y
                                                << " to " << place.x << "," << place.y;
            }
        }
    }
};

TEST_P(SuggestedSettingsLayoutTest, ControlsThatStayShownKeepTheirPlaces)
{
    Suggest(0);
    const std::map<std::string, wxPoint> own = PlacesOfShown(page);
    ASSERT_TRUE(Shown("IDC_FL_TEST"));

    Suggest(GetParam().family.flags);
    ASSERT_FALSE(Shown("IDC_FL_TEST"));
    ASSERT_TRUE(Shown("IDC_STATUS2"));
    const std::map<std::string, wxPoint> suggesting = PlacesOfShown(page);
    ExpectNothingMoved(own, suggesting);

    Suggest(0);
    ASSERT_TRUE(Shown("IDC_FL_TEST"));
    ExpectNothingMoved(own, PlacesOfShown(page));
}

INSTANTIATE_TEST_SUITE_P(Families, SuggestedSettingsLayoutTest, ::testing::ValuesIn(SuggestingCases()),
                         SuggestingCaseName);

}  // namespace

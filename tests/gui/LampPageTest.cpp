// The lamp pages of the five families in a stand-in device page: the role
// lists and labels in the page's language, the unit's roles shown without
// sending, one command 11 per choice, and each outlet enabled by the unit.
#include "SettingPageStandIn.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <wx/combobox.h>

#include "PageUserActions.h"
#include "pages/lamp/LampPage.h"
#include "pages/lamp/LampPageNuvek.h"
#include "pages/lamp/LampPageRibex.h"
#include "pages/lamp/LampPageZarit.h"
#include "pages/lamp/LampPageZaritE.h"
#include "text/TextTable.h"

using namespace guitest;

namespace {

using Commands = std::vector<std::pair<int16_t, int32_t>>;

struct Family {
    const char* name;
    const char* panel;
    std::function<CLampPageBase*(CFlashDevice*, CSettingPageHost*)> make;
    int outlets;
};

const std::vector<Family>& Families()
{
    static const std::vector<Family> families = {
        {"QuirelA1", "DLG_LAMP_PAGE", [](CFlashDevice* u, CSettingPageHost* h) { return new CLampPage(u, h); }, 3},
        {"Zarit", "DLG_LAMP_PAGE_ZARIT", [](CFlashDevice* u, CSettingPageHost* h) { return new CLampPageZarit(u, h); },
         3},
        {"ZaritE", "DLG_LAMP_PAGE_ZARITE",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CLampPageZaritE(u, h); }, 2},
        {"Nuvek", "DLG_LAMP_PAGE_NUVEK", [](CFlashDevice* u, CSettingPageHost* h) { return new CLampPageNuvek(u, h); },
         2},
        {"Ribex", "DLG_LAMP_PAGE_RIBEX", [](CFlashDevice* u, CSettingPageHost* h) { return new CLampPageRibex(u, h); },
         3},
    };
    return families;
}

wxString Choice(int outlet)
{
    return wxString::Format("IDC_LA_LAMP%d", outlet);
}

class LampPageTest : public SettingPageTest {
protected:
    CLampPageBase* Make(const Family& family)
    {
        CLampPageBase* page = family.make(unit.get(), host);
        EXPECT_STREQ(page->GetPanelName(), family.panel);
        return host->Place(page, family.panel, host->LampMemoryBook(), "lamp");
    }

    std::vector<int> Roles(CLampPageBase* page) { return {page->GetLamp1(), page->GetLamp2(), page->GetLamp3()}; }

    // Whether each outlet's role list can be used.
    std::vector<bool> Enabled(CLampPageBase* page, int outlets)
    {
        std::vector<bool> enabled;
        for (int outlet = 1; outlet <= outlets; ++outlet)
            enabled.push_back(page->FindWindow(XRCID(Choice(outlet)))->IsEnabled());
        return enabled;
    }
};

TEST_F(LampPageTest, RolesAndLabelsInThePagesLanguage)
{
    const struct {
        uint16_t offset;
        const char* lamp;
        const char* mainLight;
        const char* lastRole;
    } languages[] = {
        {0, "lamp", "main light", "rimlight right"},
        {500, "Lampe", "Hauptlicht", "Kantenlicht rechts"},
    };
    for (const auto& language : languages) {
        host->languageOffset = language.offset;
        for (const Family& family : Families()) {
            SCOPED_TRACE(std::string(family.name) + " " + language.lamp);
            CLampPageBase* page = Make(family);
            for (int outlet = 1; outlet <= 3; ++outlet) {
                wxComboBox* box = Find<wxComboBox>(page, Choice(outlet));
                if (outlet > family.outlets) {
                    EXPECT_EQ(box, nullptr);
                    continue;
                }
                ASSERT_NE(box, nullptr);
                ASSERT_EQ(box->GetCount(), 21u);
                EXPECT_EQ(box->GetString(0), "     ---");
                EXPECT_EQ(box->GetString(1), wxString::FromUTF8(language.mainLight));
                EXPECT_EQ(box->GetString(20), wxString::FromUTF8(language.lastRole));
                for (int role = 0; role <= 20; ++role)
                    EXPECT_EQ(box->GetString(role), GetString(2126 + language.offset + role));
                EXPECT_EQ(TextOf(page, wxString::Format("IDC_LA_LA_LAMP%d", outlet)),
                          wxString::Format("%s %d", language.lamp, outlet));
            }
            // The fill selects no role.
            EXPECT_EQ(Roles(page), (std::vector<int>{-1, -1, -1}));
        }
    }
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(LampPageTest, TheUnitsRolesShowWithoutSending)
{
    for (const Family& family : Families()) {
        SCOPED_TRACE(family.name);
        CLampPageBase* page = Make(family);
        page->SetLamp1(1);
        page->SetLamp2(20);
        page->SetLamp3(7);
        Yield();
        const int third = family.outlets == 3 ? 7 : -1;
        EXPECT_EQ(Roles(page), (std::vector<int>{1, 20, third}));
        EXPECT_EQ(TextOf(page, Choice(1)), "main light");
        page->SetLamp1(0);
        EXPECT_EQ(page->GetLamp1(), 0);
        // Nothing the unit could mean: no role shows.
        for (int outside : {21, -1, 255}) {
            page->SetLamp2(outside);
            EXPECT_EQ(page->GetLamp2(), -1) << outside;
        }
        Yield();
    }
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(LampPageTest, EachChoiceSendsCommand11Once)
{
    for (const Family& family : Families()) {
        SCOPED_TRACE(family.name);
        CLampPageBase* page = Make(family);
        for (int outlet = 1; outlet <= family.outlets; ++outlet) {
            host->commands.clear();
            ChooseEntry(page, Choice(outlet), 3 + outlet);
            Yield();
            EXPECT_EQ(host->commands, (Commands{{11, 0}})) << outlet;
        }
        // What command 11 then reads.
        const int third = family.outlets == 3 ? 6 : -1;
        EXPECT_EQ(Roles(page), (std::vector<int>{4, 5, third}));
    }
}

TEST_F(LampPageTest, TheUnitEnablesEachOutletOnItsOwn)
{
    for (const Family& family : Families()) {
        SCOPED_TRACE(family.name);
        CLampPageBase* page = Make(family);
        page->SetLamp2(9);
        const std::vector<bool> all(family.outlets, true);
        EXPECT_EQ(Enabled(page, family.outlets), all);

        page->SetLampChoice(2, false);
        std::vector<bool> expected = all;
        expected[1] = false;
        EXPECT_EQ(Enabled(page, family.outlets), expected);
        // A disabled outlet keeps its role for command 11.
        EXPECT_EQ(page->GetLamp2(), 9);

        page->SetLampChoice(0, false);
        page->SetLampChoice(4, false);
        page->SetLampChoice2(3, false);
        EXPECT_EQ(Enabled(page, family.outlets), expected);

        page->SetLampChoice2(1, false);
        expected[0] = false;
        EXPECT_EQ(Enabled(page, family.outlets), expected);
        page->SetLampChoice2(1, true);
        page->SetLampChoice(2, true);
        EXPECT_EQ(Enabled(page, family.outlets), all);

        if (family.outlets == 3) {
            page->SetLampChoice(3, false);
            EXPECT_EQ(Enabled(page, 3), (std::vector<bool>{true, true, false}));
        }
    }
    EXPECT_TRUE(host->commands.empty());
}

}  // namespace

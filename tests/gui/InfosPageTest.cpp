// The information pages of the six families in a stand-in device page: the
// unit's reports shown, the controls of each service level, the captions,
// and the commit of edited fields: what goes to the unit, once, only while
// the device page is idle, and nothing for a field passed through unchanged
// or a date that cannot be read.
#include "SettingPageStandIn.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "PageUserActions.h"
#include "pages/infos/InfosPage.h"
#include "pages/infos/InfosPageNuvek.h"
#include "pages/infos/InfosPageRibex.h"
#include "pages/infos/InfosPageTiko.h"
#include "pages/infos/InfosPageZarit.h"
#include "pages/infos/InfosPageZaritE.h"

using namespace guitest;

namespace {

using Commands = std::vector<std::pair<int16_t, int32_t>>;

enum class Family { QuirelA1, Tiko, Zarit, ZaritE, Nuvek, Ribex };

struct FamilyRow {
    Family family;
    const char* name;
    const char* panel;
    std::function<CInfosPageBase*(CFlashDevice*, CSettingPageHost*)> make;
};

const FamilyRow& Row(Family family)
{
    static const std::vector<FamilyRow> rows = {
        {Family::QuirelA1, "QuirelA1", "DLG_INFOS_PAGE",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPage(u, h); }},
        {Family::Tiko, "Tiko", "DLG_INFOS_PAGE",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPageTiko(u, h); }},
        {Family::Zarit, "Zarit", "DLG_INFOS_PAGE_ZARIT",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPageZarit(u, h); }},
        {Family::ZaritE, "ZaritE", "DLG_INFOS_PAGE_ZARIT",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPageZaritE(u, h); }},
        {Family::Nuvek, "Nuvek", "DLG_INFOS_PAGE_NUVEK",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPageNuvek(u, h); }},
        {Family::Ribex, "Ribex", "DLG_INFOS_PAGE_RIBEX",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CInfosPageRibex(u, h); }},
    };
    for (const FamilyRow& row : rows) {
        if (row.family == family)
            return row;
    }
    return rows.front();
}

uint16_t TypeCode(Family family)
{
    switch (family) {
    case Family::QuirelA1:
        return 16;
    case Family::Tiko:
        return 18;
    case Family::Zarit:
        return 37;
    case Family::ZaritE:
        return 137;
    case Family::Nuvek:
        return 20;
    case Family::Ribex:
        return 32;
    }
    return 0;
}

const char* const kDelivery = "IDC_IN_DELIVERY";
const char* const kFactory = "IDC_IN_DATE_TOVR";
const char* const kService = "IDC_IN_DATE_SERVICE";
const char* const kOwner = "IDC_IN_OWNER_SERVICE";
const char* const kSerial = "IDC_IN_SER";

class InfosPageTest : public SettingPageTest {
protected:
    // Built as the device pages build it: created, added, then set to the
    // user level.
    CInfosPageBase* Make(Family family, int level = 0, uint16_t typeCode = 0)
    {
        const FamilyRow& row = Row(family);
        unit->SetVersion(typeCode ? typeCode : TypeCode(family));
        CInfosPageBase* page = row.make(unit.get(), host);
        EXPECT_STREQ(page->GetPanelName(), row.panel);
        host->Place(page, row.panel, host->OptionsBook(), "infos");
        page->SetServiceLevel(0);
        if (level != 0)
            page->SetServiceLevel(level);
        return page;
    }

    // The unit's reports of dates, owner and serial number.
    void Report(CInfosPageBase* page)
    {
        page->SetDelivery("6.2003");
        page->SetFactoryDate("2.2001");
        page->SetServiceDate("3.2002");
        page->SetOwner("studio");
        page->SetSerial("4711");
    }
};

TEST_F(InfosPageTest, EnterSendsATypedDateNormalisedAndOnce)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 1);
    Type(page, kDelivery, "06.03");
    PressEnter(page, kDelivery);
    EXPECT_EQ(TextOf(page, kDelivery), "6.2003");
    EXPECT_EQ(host->commands, (Commands{{21, 774}}));
    LeaveField(page, kDelivery);
    PressEnter(page, kDelivery);
    EXPECT_EQ(host->commands.size(), 1u);

    // The same date typed another way is no change.
    Type(page, kDelivery, "0603");
    PressEnter(page, kDelivery);
    EXPECT_EQ(TextOf(page, kDelivery), "6.2003");
    EXPECT_EQ(host->commands.size(), 1u);

    // Once the unit reports another date, typing the old one is a change.
    page->SetDelivery("7.2003");
    Type(page, kDelivery, "6-03");
    LeaveField(page, kDelivery);
    EXPECT_EQ(host->commands, (Commands{{21, 774}, {21, 774}}));
}

TEST_F(InfosPageTest, EachFieldSendsItsCommandAtTheFactoryLevel)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    Report(page);
    Type(page, kService, "5.1998");
    PressEnter(page, kService);
    Type(page, kFactory, "06.03");
    LeaveField(page, kFactory);
    Type(page, kOwner, "Studio B");
    PressEnter(page, kOwner);
    Type(page, kDelivery, "1.95");
    LeaveField(page, kDelivery);
    Type(page, kSerial, "123");
    PressEnter(page, kSerial);
    EXPECT_EQ(host->commands, (Commands{{23, 25093}, {26, 774}, {22, 0}, {21, 24577}, {25, 123}}));
    EXPECT_EQ(host->texts, (std::vector<wxString>{"Studio B"}));
    EXPECT_EQ(TextOf(page, kFactory), "6.2003");
    EXPECT_EQ(TextOf(page, kDelivery), "1.1996");
}

// A commit that happens while the device page applies a record (a record
// that changes the tab takes the focus) is not the user's: the edit waits.
TEST_F(InfosPageTest, ACommitWhileARecordIsAppliedWaitsForTheNextIdleCommit)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    Report(page);
    Type(page, kDelivery, "7.04");
    Type(page, kSerial, "815");
    host->idle = false;
    LeaveField(page, kDelivery);
    PressEnter(page, kSerial);
    EXPECT_TRUE(host->commands.empty());
    EXPECT_EQ(TextOf(page, kDelivery), "7.04");

    host->idle = true;
    PressEnter(page, kDelivery);
    LeaveField(page, kSerial);
    EXPECT_EQ(host->commands, (Commands{{21, 0x0407}, {25, 815}}));
    LeaveField(page, kDelivery);
    PressEnter(page, kSerial);
    EXPECT_EQ(host->commands.size(), 2u);
}

// The unit's own dates need not be in normal form: passing through the
// field must not rewrite them on the unit.
TEST_F(InfosPageTest, PassingThroughAnUnchangedFieldSendsNothing)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    page->SetFactoryDate("0.2000");
    page->SetServiceDate("6.2045");
    page->SetDelivery("0.2000");
    page->SetOwner("studio");
    page->SetSerial("00123");
    EXPECT_EQ(TextOf(page, kDelivery), "1.2000");
    for (const char* field : {kFactory, kService, kDelivery, kOwner, kSerial}) {
        LeaveField(page, field);
        PressEnter(page, field);
    }
    EXPECT_TRUE(host->commands.empty());
    EXPECT_EQ(TextOf(page, kFactory), "0.2000");
    EXPECT_EQ(TextOf(page, kService), "6.2045");

    // Typed again as the unit holds it: nothing either.
    Type(page, kDelivery, "01.00");
    PressEnter(page, kDelivery);
    EXPECT_EQ(TextOf(page, kDelivery), "1.2000");
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(InfosPageTest, AnEmptiedOrUnreadableDateSendsNothingAndTheUnitsDateComesBack)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    Report(page);
    const std::vector<std::pair<const char*, const char*>> dates = {
        {kDelivery, "6.2003"}, {kFactory, "2.2001"}, {kService, "3.2002"}};
    for (const auto& [field, unitsDate] : dates) {
        for (const char* typed : {"", "5", "12-", "6/03", "abc"}) {
            SCOPED_TRACE(std::string(field) + " \"" + typed + "\"");
            Type(page, field, typed);
            PressEnter(page, field);
            EXPECT_EQ(TextOf(page, field), unitsDate);
            Type(page, field, typed);
            LeaveField(page, field);
            EXPECT_EQ(TextOf(page, field), unitsDate);
        }
    }
    EXPECT_TRUE(host->commands.empty());
    // A readable date afterwards goes out as usual.
    Type(page, kFactory, "0603");
    PressEnter(page, kFactory);
    EXPECT_EQ(host->commands, (Commands{{26, 774}}));
}

TEST_F(InfosPageTest, SerialNumbersAsTheFamiliesSendThem)
{
    const struct {
        Family family;
        uint16_t typeCode;
        const char* typed;
        int32_t value;
    } cases[] = {
        {Family::QuirelA1, 16, "123", 123},
        {Family::QuirelA1, 16, "12x", 12},
        {Family::QuirelA1, 16, " -5", -5},
        {Family::QuirelA1, 16, "abc", 0},
        {Family::Tiko, 18, "1234", 1234},
        {Family::Tiko, 25, "1234", 1234},
        // The builder sends the text itself.
        {Family::Zarit, 37, "AB12", 0},
        {Family::Zarit, 37, "123", 0},
        {Family::ZaritE, 137, "AB12", 0},
        {Family::Nuvek, 20, "123", 123},
        {Family::Ribex, 32, "12x", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(Row(c.family).name) + " " + c.typed);
        CInfosPageBase* page = Make(c.family, 2, c.typeCode);
        host->commands.clear();
        Type(page, kSerial, c.typed);
        PressEnter(page, kSerial);
        EXPECT_EQ(host->commands, (Commands{{25, c.value}}));
    }
}

// The units count their serial numbers unsigned: one from 2^31 on goes out
// as the same 32 bits, not as the highest signed number.
TEST_F(InfosPageTest, SerialsFromTwoToThe31OnGoOutAsTheirOwnBits)
{
    CInfosPageBase* page = Make(Family::Tiko, 2, 18);
    page->SetSerial("4294967295");
    const std::pair<const char*, int32_t> cases[] = {
        {"3000000000", static_cast<int32_t>(3000000000u)},
        {"2147483648", INT32_MIN},
        {"4294967294", -2},
        {"9999999999", -1},
    };
    for (const auto& [typed, value] : cases) {
        SCOPED_TRACE(typed);
        host->commands.clear();
        Type(page, kSerial, typed);
        PressEnter(page, kSerial);
        EXPECT_EQ(host->commands, (Commands{{25, value}}));
    }
}

// The toolkit would drop a text longer than the field's limit: the unit's
// serial showed empty and a pass through the field sent serial 0.
TEST_F(InfosPageTest, AUnitsTextLongerThanItsFieldShowsWholeAndIsNotSentBack)
{
    CInfosPageBase* page = Make(Family::Tiko, 2, 18);
    page->SetSerial("123456");
    page->SetOwner("a studio owner of 20");
    EXPECT_EQ(TextOf(page, kSerial), "123456");
    EXPECT_EQ(TextOf(page, "IDC_IN_SER_STAT"), "123456");
    EXPECT_EQ(TextOf(page, kOwner), "a studio owner of 20");
    LeaveField(page, kSerial);
    PressEnter(page, kSerial);
    EXPECT_TRUE(host->commands.empty());

    // The field takes no more than that, and a shorter text goes out.
    auto* field = Find<wxTextCtrl>(page, kSerial);
    field->SetInsertionPointEnd();
    field->WriteText("7");
    EXPECT_EQ(field->GetValue(), "123456");
    field->Remove(4, 6);
    PressEnter(page, kSerial);
    EXPECT_EQ(host->commands, (Commands{{25, 1234}}));

    // A later report that fits brings the family's limit back.
    page->SetSerial("12");
    field->SetInsertionPointEnd();
    for (char c : std::string("3456"))
        field->WriteText(wxString(c));
    EXPECT_EQ(field->GetValue(), "1234");
}

TEST_F(InfosPageTest, OnlyTheFamilysFieldsCommit)
{
    // Nuvek and Ribex: the delivery date and the serial number.
    for (Family family : {Family::Nuvek, Family::Ribex}) {
        SCOPED_TRACE(Row(family).name);
        CInfosPageBase* page = Make(family, 2);
        host->commands.clear();
        for (const char* absent : {kFactory, kService, kOwner})
            EXPECT_EQ(page->FindWindow(XRCID(absent)), nullptr) << absent;
        Type(page, kDelivery, "0603");
        LeaveField(page, kDelivery);
        Type(page, kSerial, "77");
        LeaveField(page, kSerial);
        EXPECT_EQ(host->commands, (Commands{{21, 774}, {25, 77}}));
        page->OnFieldCommit(XRCID(kFactory));
        page->OnFieldCommit(XRCID(kOwner));
        EXPECT_EQ(host->commands.size(), 2u);
    }
    // An Enter from any other control sends nothing.
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    host->commands.clear();
    wxCommandEvent enter(wxEVT_TEXT_ENTER, XRCID("IDC_IN_TYPE"));
    page->FindWindow(XRCID("IDC_IN_TYPE"))->HandleWindowEvent(enter);
    page->OnFieldCommit(XRCID("IDC_IN_VERSION"));
    EXPECT_TRUE(host->commands.empty());
}

// Another window on the display can take the activation away between two
// steps; an attempt that lost it sends nothing, and the next one tries again.
TEST_F(InfosPageTest, ARealFocusChangeCommits)
{
    CInfosPageBase* page = Make(Family::QuirelA1, 1);
    Report(page);
    wxWindow* delivery = page->FindWindow(XRCID(kDelivery));
    wxWindow* service = page->FindWindow(XRCID(kService));
    ASSERT_TRUE(WaitFor([&] { return delivery->IsShownOnScreen(); }));
    for (int attempt = 0; attempt < 3 && host->commands.empty(); ++attempt) {
        // Focus events come only to the active window.
        Frame()->Raise();
        ASSERT_TRUE(WaitFor([&] { return Frame()->IsActive(); }));
        delivery->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == delivery; }));
        Type(page, kDelivery, "7.04");
        service->SetFocus();
        WaitFor([&] { return !host->commands.empty(); }, 1000);
    }
    EXPECT_EQ(host->commands, (Commands{{21, 0x0407}}));
    EXPECT_EQ(TextOf(page, kDelivery), "7.2004");
}

// The toolkit takes the focus from a field as its device page goes: the
// page must not send through the device page then.
TEST_F(InfosPageTest, AFocusedEditGoesWithItsDevicePageUnsent)
{
    Frame()->Raise();
    ASSERT_TRUE(WaitFor([&] { return Frame()->IsActive(); }));
    for (bool destroyed : {true, false}) {
        SCOPED_TRACE(destroyed ? "destroyed" : "deleted");
        StandInUnit other(nullptr, 0, StandInUnit::Build::SettingHost);
        auto* otherHost = static_cast<StandInPage*>(other.CreatePage(Frame()));
        otherHost->SetSize(Frame()->GetClientSize());
        auto* page = otherHost->Place(new CInfosPage(&other, otherHost), "DLG_INFOS_PAGE", otherHost->OptionsBook());
        page->SetServiceLevel(2);
        page->SetSerial("12");
        wxWindow* field = page->FindWindow(XRCID(kSerial));
        ASSERT_TRUE(WaitFor([&] { return field->IsShownOnScreen(); }));
        field->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == field; }));
        Type(page, kSerial, "34");
        PressEnter(page, kSerial);
        ASSERT_EQ(otherHost->commands, (Commands{{25, 34}}));
        // Under the address checks a send now reaches freed memory.
        Type(page, kSerial, "345");
        if (destroyed)
            otherHost->Destroy();
        else
            delete otherHost;
        Yield();
    }
    EXPECT_TRUE(host->commands.empty());
}

// What each level shows, by family: G service group, P positive flash
// voltage, S serial field, s serial text, D delivery field, d delivery text,
// F factory-date field, f factory-date text, V service-date field, O owner
// field, o owner text, A actual voltage.
TEST_F(InfosPageTest, EachServiceLevelShowsItsControls)
{
    const std::vector<std::pair<char, const char*>> letters = {
        {'G', "IDC_IN_SERVICE_GROUP"}, {'P', "IDC_IN_POS_FLASH_V"},    {'S', "IDC_IN_SER"},
        {'s', "IDC_IN_SER_STAT"},      {'D', "IDC_IN_DELIVERY"},       {'d', "IDC_IN_DELIVERY_STAT"},
        {'F', "IDC_IN_DATE_TOVR"},     {'f', "IDC_IN_DATE_TOVR_STAT"}, {'V', "IDC_IN_DATE_SERVICE"},
        {'O', "IDC_IN_OWNER_SERVICE"}, {'o', "IDC_IN_OWNER"},          {'A', "IDC_IN_VNOW"},
    };
    const struct {
        Family family;
        uint16_t typeCode;
        int level;
        const char* shown;
    } cases[] = {
        {Family::QuirelA1, 16, 0, "sdoA"},     {Family::QuirelA1, 16, 1, "GPsDfVOA"},
        {Family::QuirelA1, 16, 2, "GPSDFVOA"}, {Family::QuirelA1, 16, 3, "GPSDFVOA"},
        {Family::Tiko, 18, 0, "sd"},           {Family::Tiko, 18, 1, "GPsD"},
        {Family::Tiko, 18, 2, "GPSD"},         {Family::Tiko, 25, 0, "sd"},
        {Family::Tiko, 25, 1, "GSD"},          {Family::Tiko, 26, 2, "GSD"},
        {Family::Zarit, 37, 0, "sdoA"},        {Family::Zarit, 37, 1, "sdoA"},
        {Family::Zarit, 37, 2, "GPSDfVOA"},    {Family::Zarit, 37, 3, "GPSDFVOA"},
        {Family::ZaritE, 137, 1, "sdoA"},      {Family::ZaritE, 137, 2, "GPSDfVOA"},
        {Family::ZaritE, 137, 3, "GPSDFVOA"},  {Family::Nuvek, 20, 0, "sdo"},
        {Family::Nuvek, 20, 1, "sDo"},         {Family::Nuvek, 20, 2, "SDo"},
        {Family::Ribex, 32, 1, "sDo"},         {Family::Ribex, 32, 3, "SDo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(Row(c.family).name) + " type " + std::to_string(c.typeCode) + " level " +
                     std::to_string(c.level));
        CInfosPageBase* page = Make(c.family, c.level, c.typeCode);
        std::string shown;
        for (const auto& [letter, control] : letters) {
            if (IsShown(page, control))
                shown += letter;
        }
        EXPECT_EQ(shown, c.shown);
        // Back to the user level as the unit leaves service.
        page->SetServiceLevel(0);
        EXPECT_FALSE(IsShown(page, "IDC_IN_SERVICE_GROUP"));
        EXPECT_FALSE(IsShown(page, kSerial));
    }
}

TEST_F(InfosPageTest, TheServiceRowsGoWithTheirGroup)
{
    CInfosPageBase* page = Make(Family::Zarit, 2);
    wxWindow* frequencyLabel = page->FindWindow(XRCID("IDC_IN_LINE_F_LA"));
    ASSERT_TRUE(WaitFor([&] { return frequencyLabel->IsShownOnScreen(); }));
    page->SetServiceLevel(1);
    EXPECT_TRUE(WaitFor([&] { return !frequencyLabel->IsShownOnScreen(); }));
}

TEST_F(InfosPageTest, TheUnitsReportsShow)
{
    using Setter = void (CInfosPageBase::*)(const wxString&);
    const std::vector<std::pair<Setter, std::vector<const char*>>> displays = {
        {&CInfosPageBase::SetType, {"IDC_IN_TYPE"}},
        {&CInfosPageBase::SetProgVersion, {"IDC_IN_VERSION"}},
        {&CInfosPageBase::SetVoltageVersion, {"IDC_IN_VVERSION"}},
        {&CInfosPageBase::SetActualVoltage, {"IDC_IN_VNOW"}},
        {&CInfosPageBase::SetSerial, {"IDC_IN_SER", "IDC_IN_SER_STAT"}},
        {&CInfosPageBase::SetFactoryDate, {"IDC_IN_DATE_TOVR", "IDC_IN_DATE_TOVR_STAT"}},
        {&CInfosPageBase::SetServiceDate, {"IDC_IN_DATE_SERVICE"}},
        {&CInfosPageBase::SetOwner, {"IDC_IN_OWNER", "IDC_IN_OWNER_SERVICE"}},
        {&CInfosPageBase::SetLineVoltage, {"IDC_IN_LINE_V"}},
        {&CInfosPageBase::SetLineFrequency, {"IDC_IN_LINE_F"}},
        {&CInfosPageBase::SetNominalFlashVoltage, {"IDC_IN_SOLL_FLASH_V"}},
        {&CInfosPageBase::SetPosFlashVoltage, {"IDC_IN_POS_FLASH_V"}},
        {&CInfosPageBase::SetNegFlashVoltage, {"IDC_IN_NEG_FLASH_V"}},
    };
    CInfosPageBase* page = Make(Family::QuirelA1, 2);
    int n = 0;
    for (const auto& [setter, controls] : displays) {
        const wxString text = wxString::Format("0.20%02d", n++);
        (page->*setter)(text);
        for (const char* control : controls)
            EXPECT_EQ(TextOf(page, control), text) << control;
    }
    // Only the delivery date is brought into normal form.
    page->SetDelivery("0.2000");
    EXPECT_EQ(TextOf(page, "IDC_IN_DELIVERY"), "1.2000");
    EXPECT_EQ(TextOf(page, "IDC_IN_DELIVERY_STAT"), "1.2000");
    // The owner text alone leaves the owner's field.
    page->SetOwnerText("other");
    EXPECT_EQ(TextOf(page, "IDC_IN_OWNER"), "other");
    EXPECT_EQ(TextOf(page, kOwner), "0.2007");
    EXPECT_TRUE(host->commands.empty());
}

// Every family's owner label reads "owner" in the page's language, the
// Nuvek and Ribex pages' too.
TEST_F(InfosPageTest, OwnerLabelInEachLanguageOnEveryFamilysPage)
{
    const char* const owner[] = {"owner", "Besitzer", "propriétaire", "propietario"};
    for (int language = 0; language < 4; ++language) {
        host->languageOffset = static_cast<uint16_t>(500 * language);
        for (Family family :
             {Family::QuirelA1, Family::Tiko, Family::Zarit, Family::ZaritE, Family::Nuvek, Family::Ribex}) {
            SCOPED_TRACE(std::string(Row(family).name) + " " + owner[language]);
            EXPECT_EQ(TextOf(Make(family), "IDC_IN_OWNER_LA"), wxString::FromUTF8(owner[language]));
        }
    }
}

TEST_F(InfosPageTest, CaptionsInThePagesLanguage)
{
    const std::vector<std::pair<const char*, std::pair<const char*, const char*>>> captions = {
        {"IDC_IN_OWNER_LA", {"owner", "Besitzer"}},
        {"IDC_IN_GROUP", {"device info", "Geräteinfo"}},
        {"IDC_INF_LB_TYPE_1", {"type", "Typ"}},
        {"IDC_INF_LB_VERSION_1", {"prog. version", "Prog. Version"}},
        {"IDC_INF_LB_DELIVERY_1", {"delivery", "Auslieferung"}},
        {"IDC_INF_LB_VVERSION_1", {"voltage version", "Spannungsversion"}},
        {"IDC_INF_LB_ACTUAL_1", {"actual voltage", "aktuelle Spannung"}},
        {"IDC_INF_LB_SERIAL_1", {"serial nr.", "Serien-Nr."}},
    };
    for (uint16_t offset : {0, 500}) {
        host->languageOffset = offset;
        for (Family family :
             {Family::QuirelA1, Family::Tiko, Family::Zarit, Family::ZaritE, Family::Nuvek, Family::Ribex}) {
            SCOPED_TRACE(std::string(Row(family).name) + " " + std::to_string(offset));
            CInfosPageBase* page = Make(family);
            for (const auto& [control, texts] : captions) {
                // The Nuvek and Ribex panels have no actual voltage.
                if ((family == Family::Nuvek || family == Family::Ribex) &&
                    control == std::string("IDC_INF_LB_ACTUAL_1"))
                    continue;
                EXPECT_EQ(TextOf(page, control), wxString::FromUTF8(offset ? texts.second : texts.first)) << control;
            }
            if (family == Family::Tiko) {
                EXPECT_EQ(TextOf(page, "IDC_IN_POS_FLASH_V_LA"), "flash voltage");
                EXPECT_EQ(TextOf(page, "IDC_IN_NEG_FLASH_V_LA"), "total flash voltage");
            }
        }
    }
}

TEST_F(InfosPageTest, FieldsTakeAtMostTheirFamilysLength)
{
    const struct {
        Family family;
        const char* field;
        size_t length;
    } cases[] = {
        {Family::QuirelA1, kDelivery, 7}, {Family::QuirelA1, kFactory, 7}, {Family::QuirelA1, kService, 7},
        {Family::QuirelA1, kSerial, 5},   {Family::QuirelA1, kOwner, 14},  {Family::Tiko, kSerial, 4},
        {Family::Tiko, kOwner, 14},       {Family::Zarit, kSerial, 8},     {Family::Zarit, kOwner, 20},
        {Family::ZaritE, kSerial, 8},     {Family::Nuvek, kDelivery, 7},   {Family::Nuvek, kSerial, 5},
        {Family::Ribex, kSerial, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(Row(c.family).name) + " " + c.field);
        CInfosPageBase* page = Make(c.family, 3);
        auto* field = Find<wxTextCtrl>(page, c.field);
        ASSERT_NE(field, nullptr);
        field->SelectAll();
        for (char c : std::string("1234567890123456789012345"))
            field->WriteText(wxString(c));
        EXPECT_EQ(field->GetValue().length(), c.length);
    }
}

}  // namespace

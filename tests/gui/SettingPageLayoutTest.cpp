// A record that changes what the setting pages show lays out every setting
// page it changed, and the device page around them: a setting page that
// needs more room than its notebook has widens the notebook, and a record
// that changes two setting pages leaves no change on either unlaid. The
// Quirel A1's service status changes two setting pages at once: a new
// service level shows the options page's reset and the information page's
// service group.
#include "FamilyPageFixture.h"

#include <wx/notebook.h>

#include "app/Panel.h"
#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include "units/ribex/RibexDevice.h"

using namespace guitest;

namespace {

// Record 6 with a total count and an owner of fourteen wide letters, more
// than the owner's field was laid out for.
std::vector<uint8_t> CountersWithWideOwner()
{
    std::vector<uint8_t> data = RecordData(24, {{7, 1}, {8, 2}, {9, 3}});
    for (int i = 10; i < 24; ++i)
        data[static_cast<size_t>(i - 5)] = 'W';
    return data;
}

// Record 100 of a ready unit at service level 2.
std::vector<uint8_t> ServiceLevelTwo()
{
    return RecordData(12, {{5, 0x80}, {6, 2}});
}

std::vector<CPanel*> SettingPages(wxWindow* page)
{
    std::vector<CPanel*> pages;
    for (const char* name : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
        if (auto* book = dynamic_cast<wxNotebook*>(page->FindWindow(XRCID(name)))) {
            for (size_t i = 0; i < book->GetPageCount(); ++i)
                pages.push_back(dynamic_cast<CPanel*>(book->GetPage(i)));
        }
    }
    return pages;
}

template <class Unit>
class SettingPageLayoutTest : public FamilyPageTest<Unit> {
protected:
    void SetUp() override
    {
        FamilyPageTest<Unit>::SetUp();
        this->Open(std::is_same_v<Unit, CNuvekDevice> ? 20 : 32);
    }

    wxNotebook* Book() const { return this->template Find<wxNotebook>("IDC_OPTIONSTAB"); }
};

using PowerPacks = ::testing::Types<CNuvekDevice, CRibexDevice>;
TYPED_TEST_SUITE(SettingPageLayoutTest, PowerPacks);

TYPED_TEST(SettingPageLayoutTest, ASettingPageThatGrowsWidensItsNotebook)
{
    wxNotebook* book = this->Book();
    ASSERT_NE(book, nullptr);
    wxWindow* owner = this->page->FindWindow(XRCID("IDC_IN_OWNER"));
    ASSERT_NE(owner, nullptr);
    wxWindow* infos = owner->GetParent();
    while (infos && infos->GetParent() != book)
        infos = infos->GetParent();
    ASSERT_NE(infos, nullptr);
    book->ChangeSelection(static_cast<size_t>(book->FindPage(infos)));
    // The notebook as a layout for a narrower page left it: the page's need
    // has outgrown it.
    const wxSize laidOut = book->GetSize();
    book->SetSize(laidOut.x / 2, laidOut.y);

    this->Deliver(6, CountersWithWideOwner());

    ASSERT_EQ(owner->GetLabel(), "WWWWWWWWWWWWWW");
    EXPECT_GE(book->GetSize().x, laidOut.x) << "the notebook keeps the width it had";
    EXPECT_GE(owner->GetSize().x, owner->GetBestSize().x) << "the owner is cut";
    const wxRect inBook(book->ClientToScreen(wxPoint(0, 0)), book->GetClientSize());
    EXPECT_TRUE(inBook.Contains(wxRect(infos->GetScreenPosition(), infos->GetSize())))
        << "the information page of width " << infos->GetSize().x << " sticks out of its notebook of width "
        << book->GetClientSize().x;
}

using TwoSettingPagesTest = FamilyPageTest<CQuirelA1Device>;

TEST_F(TwoSettingPagesTest, ARecordThatChangesTwoSettingPagesLaysOutBoth)
{
    Open(16);
    Deliver(100, ServiceLevelTwo());

    ASSERT_TRUE(Shown("IDC_OP_RESET_TOTAL"));
    for (CPanel* setting : SettingPages(page)) {
        ASSERT_NE(setting, nullptr);
        EXPECT_FALSE(setting->IsMarkedChanged()) << setting->GetName() << ": a change no one laid out";
    }
}

}  // namespace

// The stand-in host that the setting-page tests build their pages into.
#include "SettingPageStandIn.h"

#include <wx/panel.h>

#include "pages/SettingPage.h"

using namespace guitest;

namespace {

class SendingPage : public CSettingPage {
public:
    using CSettingPage::CSettingPage;
    void Send(int16_t code, int32_t value) { SendCommand(code, value); }
    wxString TextOf(int id) const { return Text(id); }
};

TEST_F(SettingPageTest, APageReachesItsHostAndTheHostsLanguage)
{
    auto* page = host->Place(new SendingPage(unit.get(), host), "DLG_MEMORY_PAGE", host->OptionsBook());
    EXPECT_EQ(host->OptionsBook()->GetPageCount(), 1u);
    EXPECT_EQ(page->GetDevice(), unit.get());
    page->Send(11, 0);
    page->Send(17, 3);
    EXPECT_EQ(host->commands, (std::vector<std::pair<int16_t, int32_t>>{{11, 0}, {17, 3}}));
    EXPECT_EQ(page->TextOf(2016), "memory");
    host->languageOffset = 500;
    EXPECT_NE(page->TextOf(2016), "memory");
    EXPECT_EQ(unit->GetPage(), nullptr);
    unit->SetPageField(true);
    EXPECT_EQ(unit->GetPage(), host);
}

}  // namespace

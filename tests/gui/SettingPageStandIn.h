// The stand-in family's page as the host of setting pages, the way the
// family pages hold them: for tests of the setting pages on their own.
#pragma once

#include <memory>

#include "GuiTestHarness.h"
#include "StandInFamily.h"

namespace guitest {

// "DLG_TEST_SETTING_HOST": the two notebooks of a device page.
inline bool LoadSettingHostLayout()
{
    static const char* const kXrc = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_SETTING_HOST">
    <object class="wxBoxSizer">
      <orient>wxHORIZONTAL</orient>
      <object class="sizeritem">
        <option>1</option>
        <flag>wxEXPAND</flag>
        <object class="wxNotebook" name="IDC_LAMPMEMTAB">
          <size>320,260</size>
        </object>
      </object>
      <object class="sizeritem">
        <option>1</option>
        <flag>wxEXPAND</flag>
        <object class="wxNotebook" name="IDC_OPTIONSTAB">
          <size>420,300</size>
        </object>
      </object>
    </object>
  </object>
</resource>)";
    return LoadLayoutText("test-setting-host", kXrc);
}

// Fixture: a stand-in unit whose page fills the test frame.
class SettingPageTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(LoadSettingHostLayout());
        unit.reset(new StandInUnit(nullptr, 0, StandInUnit::Build::SettingHost));
        host = static_cast<StandInPage*>(unit->CreatePage(Frame()));
        Frame()->SetClientSize(800, 400);
        host->SetSize(Frame()->GetClientSize());
        host->Layout();
    }

    void TearDown() override
    {
        host->Destroy();
        Yield();
        unit.reset();
        GuiTest::TearDown();
    }

    std::unique_ptr<StandInUnit> unit;
    StandInPage* host = nullptr;
};

}  // namespace guitest

#include "pages/options/OptionsPageZaritE.h"

#include <wx/xrc/xmlres.h>

#include "pages/CommandCodes.h"

namespace {

const char* const kBuzzerVolume = "ID_OP_BUZZER_VOL";

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE_ZARITE",
    // Captions: the panel's "IDC_OP_BUZZER" keeps the label it has.
    {{"ID_OP_BUZZER_VOL", 2210},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_BUZZER_VOL", 2213},
     {"IDC_OP_SLOW", 2047},
     {"IDC_OP_RESET", 2029},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_COUNTER_LB", 2049},
     {"IDC_OP_TOTALCOUNTER_LB", 2050},
     {"IDC_OP_POWERDISPLAY_LA", 2051}},
    // Option boxes.
    {"IDC_OP_SLOW"},
    // Inert boxes.
    {},
    // Power-display list.
    {},
    // Infrared-address list.
    false,
    // Photocell box.
    "IDC_OP_CELL",
    // Hidden always.
    {"IDC_FLASH_TITEL", "IDC_OP_RESET", "IDC_OP_RESET_TOTAL", "IDC_OP_COUNTER_LB", "IDC_OP_TOTALCOUNTER_LB",
     "IDC_OP_COUNTER", "IDC_OP_TOTALCOUNTER", "IDC_OP_CELL"},
    // Hidden with radio release.
    {},
    // Lists only for type.
    0,
    // No photocell for type.
    0,
    // Total reset follows the service level.
    false,
};

}  // namespace

COptionsPageZaritE::COptionsPageZaritE(CFlashDevice* unit, CSettingPageHost* host)
    : COptionsPageBase(unit, host, kTraits)
{
    // The buzzer command carries the volume box as it stands; the buzzer
    // box's own state goes nowhere.
    Bind(wxEVT_CHECKBOX, &COptionsPageZaritE::OnBuzzerOption, this, XRCID("IDC_OP_BUZZER"));
    Bind(wxEVT_CHECKBOX, &COptionsPageZaritE::OnBuzzerOption, this, XRCID(kBuzzerVolume));
}

int COptionsPageZaritE::IsBuzzerVolumeChecked() const
{
    return IsBoxChecked(kBuzzerVolume) ? 2 : 0;
}

void COptionsPageZaritE::SetBuzzerVolume(int volume)
{
    SetBox(kBuzzerVolume, volume > 0);
}

void COptionsPageZaritE::OnBuzzerOption(wxCommandEvent&)
{
    SendCommand(CommandCode::kBuzzerAndDisplay, 0);
}

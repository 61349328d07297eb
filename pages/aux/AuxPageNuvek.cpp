#include "pages/aux/AuxPageNuvek.h"

#include "pages/CommandCodes.h"

namespace {

using Base = CAuxPageBase;

// One field: the unit's selection report and a click leave it selected, so
// the page never reports a selection.
const Base::Table kTable = {
    {{"IDC_AU_SEQUENCE", "IDC_AU_LA_SEQUENCE", 0, Base::Editor::SpinOnRelease, CommandCode::kSequence,
      Base::Word::Sequence}},
    {{0, Base::When::Always, 0, 0, 2030, 2031}},
    {{"IDC_AU_RESET", 2029}, {"IDC_AU_LA_SEQUENCE", 2017}},
    {{"IDC_AU_RESET", 2083}},
    5000,
    100,
    2,
    8,
    true,
    0,
};

}  // namespace

CAuxPageNuvek::CAuxPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : CAuxPageBase(unit, host, kTable) {}

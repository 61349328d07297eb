// The Tiko compact unit's "auxiliary flash functions" page: the flash
// sequence and, on type 18 only, the delay in tenths of a second, with reset
// and (type 18) store. The layout's interval and alternate fields stay
// hidden and at 0: these units have neither.
#pragma once

#include <cstdint>

#include "pages/aux/AuxPageBase.h"

class CAuxPageTiko : public CAuxPageBase {
public:
    // The fields, in the order the mouse tests them.
    enum { SEQUENCE, INTERVAL, DELAY, ALTERNATE };

    CAuxPageTiko(CFlashDevice* unit, CSettingPageHost* host);

    // Interval, suggested interval and alternate are kept at 0 whatever
    // the unit reports; the alternate report still passes its echo queue.
    void SetInterval(int value, bool moveThumb) override;
    void SetIntervalAlt(uint16_t value) override;
    void SetAlternate(int value, bool fromUser);

protected:
    void StepField(int field, int delta) override;
    // Only the delay of a type 18 unit besides the sequence.
    int FieldForIndex(int16_t index) const override;
    void InitFamilyControls() override;
};

// The device page of the Nuvek and Ribex power packs: a main light and two
// aux bars fed by an aux-outlet feed, the five setting pages, and the records
// both families send in the same layout (status, aux functions, selections,
// counters, alarms, delivery date, test flash done, service status,
// memories), read by the family's row of the codec (PowerPackCodec). A
// family adds its row of data, that row, the two records whose fields the
// page shows its own way (unit information, options), its status rows and
// its command builder.
#pragma once

#include <string>

#include "units/AuxOutletFeed.h"
#include "units/FamilyDevicePage.h"
#include "units/core/PowerPackCodec.h"

class CPowerPackPage : public CFamilyDevicePage {
public:
    // The decoders of records 1 to 8, 98, 100 and 101 to 104.
    static std::vector<RecordRoute> Records();

protected:
    CPowerPackPage(CFlashDevice* unit, const Traits& traits, const PowerPackCodec::Family& family);

    // The records whose fields differ between the families.
    virtual void DecodeUnitInfo(const RecordView& record) = 0;
    virtual void DecodeOptions(const RecordView& record) = 0;
    virtual StatusRows BuildStatusRows() = 0;

    void UpdateAuxStatusTexts() override;

    // Record 5: the flash boxes, the modelling lamp and the options both
    // families have.
    void ShowOptions(const PowerPackCodec::Options& options);

    // Command 1: whether aux bars 1 and 2 are on.
    std::array<bool, 2> AuxOn() const;
    int AuxPageSequence() const;

private:
    void OnStatusRecord(const RecordView& record);
    void OnAuxFunctionsRecord(const RecordView& record);
    void OnSelectionsRecord(const RecordView& record);
    void OnUnitInfoRecord(const RecordView& record);
    void OnOptionsRecord(const RecordView& record);
    void OnTestDoneRecord(const RecordView& record);
    void OnMemoryRecord(const RecordView& record);

    // What sets the family apart in the records both send.
    const PowerPackCodec::Family& m_family;
    CAuxOutletFeed m_auxOutlets;
};

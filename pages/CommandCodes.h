// The commands the program sends a unit, by their codes, and the records
// that a record request asks for. The setting pages and the device pages
// send them; each family's codec (units/core/) lays their data. Where the
// families give one code different meanings, each meaning has its name.
// The header is a layer of its own (cmake/Layers.cmake), so that the
// toolkit-free codecs include it as well as the pages.
#pragma once

#include <cstdint>

namespace CommandCode {

enum : int16_t {
    kLight = 1,           // a light's energy, with the aux outlets switched on
    kRequestRecord = 2,   // the unit sends the record of the value (RequestedRecord)
    kModellingLight = 3,  // the modelling lamp on or off, or its mode
    kFlashControl = 4,    // photocell, infrared or radio release on or off
    kSequence = 5,
    kStepT01 = 6,  // one step of the T0.1 value up or down; the page waits for record 2
    kInterval = 7,
    kDelay = 8,
    kPreset = 9,         // the preset sequence
    kSpeed = 9,          // the Zarit packs' speed toggle
    kAlternate = 10,     // the alternate order; the Zarit packs': their number x 256 + this unit's place
    kSelections = 11,    // the notebooks' pages, the aux page's field, the memory and the lamp roles
    kStoreMemory = 12,   // the present settings into memory value (0 to 3)
    kRecallMemory = 13,  // memory value (0 to 3)
    kRequestAll = 14,    // every record; a new page's first command
    kResetAux = 15,      // the aux functions back to the unit's defaults
    kStoreFlag = 16,     // the aux page's store box
    kOptions = 17,       // the options page's boxes, as the family packs them
    kResetCounter = 18,
    kPowerDisplay = 19,
    kBuzzerAndDisplay = 19,  // the Zarit packs' buzzer and display
    kInfraredAddress = 20,
    kStepColour = 20,  // the Zarit packs' colour step; the page waits for record 2
    kDeliveryDate = 21,
    kOwner = 22,
    kServiceDate = 23,
    kResetTotalCounter = 24,
    kSerial = 25,
    kFactoryDate = 26,
    kPowerOff = 27,
    kPowerOn = 28,
    kEnergyRange = 29,  // the Tiko units' energy-range box
    kStrobe = 29,       // the Zarit packs' strobe toggle
    kUser = 30,         // the Zarit packs' user toggle
    kTestFlash = 102,   // the units do not answer it
};

}  // namespace CommandCode

namespace RequestedRecord {

enum : int16_t {
    kOptions = 5,
    kFirstMemory = 101,  // memories 1 to 4 are records 101 to 104
};

}  // namespace RequestedRecord

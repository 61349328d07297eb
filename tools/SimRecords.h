// The record layouts the simulated families share, and the command effects
// that change them alike on every family: the simulated units spell these
// out on their own, so the program's decoders are tested against a second
// reading of the layouts.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/SimUnitFamily.h"

namespace SimRecords {

using Records = SimUnitFamily::Records;
using Changed = std::vector<uint16_t>;

// Record byte n is data byte n - 5.
const int kFirstData = 5;
const uint16_t kFirstMemory = 101;
const int kMemories = 4;
const uint8_t kEmpty = 0xFF;
const int kTopEnergy = 100;

// Status (1) of the power packs and the Quirel A1: main light 5, aux outlets
// 9-12, 13-16 and (Quirel A1) 17-20 (energy, percent, joules), switches 21
// (power, then on and available of each outlet), modelling-light mode 22,
// warnings 24.
enum StatusByte { kMain = 5, kAux1 = 9, kAux2 = 13, kAux3 = 17, kSwitches = 21, kMode = 22 };
// Options (5): modelling lamp 0, infrared 1, cell 2, buzzer 3, slow or fast
// 4, reduced 5, store flag 6, radio 7.
enum OptionBit {
    kLamp = 0,
    kInfrared = 1,
    kCell = 2,
    kBuzzer = 3,
    kRecycling = 4,
    kReduced = 5,
    kStoreBit = 6,
    kRadio = 7
};

// The byte at record position index; the record grows to hold it.
uint8_t& At(Records& records, uint16_t number, int index);
void SetBit(uint8_t& byte, int bit, bool on);
bool Bit(unsigned byte, int bit);
uint16_t Be16At(Records& records, uint16_t number, int index);
void SetBe16(Records& records, uint16_t number, int index, int value);

std::vector<uint8_t> Bytes(std::initializer_list<int> values);
// The owner's name as the unit holds it: 14 bytes, padded with zeros.
std::vector<uint8_t> Owner(const std::string& text);
// Memories 2 to 4 empty, each of size bytes, until a page stores into them.
void AddEmptyMemories(Records& records, std::size_t size);

// The memory a store or recall command names.
uint16_t MemoryOf(const std::vector<uint8_t>& data);
// Whether the memory holds settings; an empty one leaves a recall without
// effect.
bool HoldsSettings(Records& records, uint16_t memory);

// 1: [energy, light, outlets on] for the main light and outlets aux
// outlets; the unit keeps the energy within 0..100.
Changed LightOf(Records& records, const std::vector<uint8_t>& data, int outlets);
// 3: a modelling-light mode (0x40 to 0x47) into status byte modeIndex, or
// the lamp (0x80, 0x81).
Changed ModellingLightAt(Records& records, const std::vector<uint8_t>& data, int modeIndex);
// 4: photocell (0x40), infrared (0x80) or radio release (0x20), bit 0 on.
Changed FlashControl(Records& records, const std::vector<uint8_t>& data);
Changed Sequence(Records& records, const std::vector<uint8_t>& data);
// 11: the unit keeps the selections as it reports them in record 3.
Changed Selections(Records& records, const std::vector<uint8_t>& data);
// 14: the unit reports everything.
Changed ReportAll(Records& records, const std::vector<uint8_t>& data);
// 16: the store flag of the options.
Changed StoreFlag(Records& records, const std::vector<uint8_t>& data);
Changed PowerOff(Records& records, const std::vector<uint8_t>& data);
Changed PowerOn(Records& records, const std::vector<uint8_t>& data);
// 102: the test flash; the unit reports its end.
Changed TestFlash(Records& records, const std::vector<uint8_t>& data);

// Buzzer, slow or fast, and reduced from bits 0 to 2 of an options command.
void StoreOptionBits(Records& records, uint8_t bits);

// The byte of record at index takes the command's one byte; the bytes of a
// BE16 value take its two.
template <uint16_t Record, int Index>
Changed TakeByte(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, Record, Index) = data[0];
    return {Record};
}

template <uint16_t Record, int Index>
Changed TakeTwoBytes(Records& records, const std::vector<uint8_t>& data)
{
    if (data.size() < 2)
        return {};
    At(records, Record, Index) = data[0];
    At(records, Record, Index + 1) = data[1];
    return {Record};
}

}  // namespace SimRecords

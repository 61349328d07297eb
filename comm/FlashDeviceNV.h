// The library's record of one unit found on the bus: what its identity
// answer said. Records are passive: the GUI decodes the unit's records.
#pragma once

#include <cstdint>
#include <string>

class CFlashDeviceNV {
public:
    CFlashDeviceNV() = default;
    CFlashDeviceNV(const CFlashDeviceNV&) = delete;
    CFlashDeviceNV& operator=(const CFlashDeviceNV&) = delete;
    virtual ~CFlashDeviceNV() = default;

    // Routes a record by its number (record bytes 3 and 4) to its hook.
    virtual void Dispatch(const uint8_t* record, uint8_t count);

    void SetAdresse(uint8_t address) { m_address = address; }
    uint8_t GetAdresse() const { return m_address; }
    void SetEnergietyp(uint8_t energyClass) { m_energyClass = energyClass; }
    uint8_t GetEnergietyp() const { return m_energyClass; }
    void SetVersion(uint16_t typeCode) { m_typeCode = typeCode; }
    uint16_t GetVersion() const { return m_typeCode; }
    void SetRF_Stat(uint8_t radio) { m_radio = radio; }
    uint8_t GetRF_Stat() const { return m_radio; }
    int16_t GetPCKennwort() const { return m_pcPassword; }
    void SetGeraetetyp(std::string longName, std::string shortCode);
    std::string GetGeraetetyp() const { return m_longName; }
    std::string GetGeraetetypKurz() const { return m_shortCode; }
    void SetGuiDevice(void* guiDevice) { m_guiDevice = guiDevice; }
    void* GetGuiDevice() const { return m_guiDevice; }

protected:
    // Hooks of the families; empty in every family.
    virtual void OnNumberedRecord(int /*number 1 to 9*/, const uint8_t*, uint8_t) {}
    virtual void OnMemoryRecord(const uint8_t*, uint8_t) {}  // records 101 to 104
    virtual void OnRecord98(int) {}
    virtual void OnStatusRecord(const uint8_t*, uint8_t) {}  // record 100

private:
    uint8_t m_address = 0;
    uint8_t m_energyClass = 0;
    uint16_t m_typeCode = 0;
    uint8_t m_radio = 0;
    int16_t m_pcPassword = 0;
    std::string m_longName;
    std::string m_shortCode;
    void* m_guiDevice = nullptr;
};

// One record class per family, chosen by the device-type table.
class CQuirelA1DeviceNV final : public CFlashDeviceNV {};
class CTikoDeviceNV final : public CFlashDeviceNV {};
class CNuvekDeviceNV final : public CFlashDeviceNV {};
class CRibexDeviceNV final : public CFlashDeviceNV {};
class CZaritDeviceNV final : public CFlashDeviceNV {};

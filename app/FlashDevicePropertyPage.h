// The base of the family device pages: the unit's port and the one route by
// which a page sends a command to its unit.
#pragma once

#include <cstdint>

#include "app/Panel.h"
#include "comm/VeskComm.h"

class CFlashDevice;

class CFlashDevicePropertyPage : public CPanel {
public:
    // Keeps the unit's port; the family pages keep the unit themselves.
    CFlashDevicePropertyPage(const wxString& name, CFlashDevice* unit, wxWindow* parent);

    // The caller lays length data bytes into buffer from byte 6 on; the
    // library writes header and checksum around them (length + 7 bytes).
    void Transmit(uint8_t* buffer, uint8_t length, uint8_t address, uint16_t command);

    virtual void SetFullView(bool full) = 0;
    virtual void SetLanguageOffset(uint16_t offset) = 0;
    // Families with a busy state keep it; the base has none.
    virtual void SetBusy(uint8_t busy);
    virtual bool IsBusy() const;

private:
    VESKCOMM_PORT m_port;
};

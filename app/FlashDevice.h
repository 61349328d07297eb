// The GUI side of a unit found on the bus: its identity, its port and its
// device page. Each family derives from it, keeps a typed pointer to its own
// page and answers it from its own GetPropertyPage.
#pragma once

#include <cstdint>

#include <wx/object.h>
#include <wx/string.h>
#include <wx/weakref.h>

#include "app/FlashDevicePropertyPage.h"
#include "comm/VeskComm.h"

class wxWindow;

class CFlashDevice : public wxObject {
public:
    CFlashDevice(VESKCOMM_PORT port, uint16_t languageOffset);
    CFlashDevice(const CFlashDevice&) = delete;
    CFlashDevice& operator=(const CFlashDevice&) = delete;
    // Leaves the page to the notebook and the unit handle to the library.
    ~CFlashDevice() override;

    // A record for this unit: count + 1 bytes, byte 0 the length.
    virtual void OnRecord(const uint8_t* bytes, uint8_t count) = 0;
    // Builds the unit's device page under parent; never null.
    virtual CFlashDevicePropertyPage* CreatePage(wxWindow* parent) = 0;
    // Deletes the page while it exists and forgets it.
    virtual void DestroyPage();

    uint8_t GetAddress() const { return m_address; }
    void SetAddress(uint8_t address) { m_address = address; }
    uint8_t GetEnergyType() const { return m_energyType; }
    void SetEnergyType(uint8_t energyType) { m_energyType = energyType; }
    // The type code: 16, 18, 20, 25, 26, 32, 37 or 137.
    uint16_t GetVersion() const { return m_version; }
    void SetVersion(uint16_t version) { m_version = version; }
    // Non-zero when the unit has a radio release.
    uint8_t GetRFStat() const { return m_rfStat; }
    void SetRFStat(uint8_t rfStat) { m_rfStat = rfStat; }
    uint16_t GetLanguageOffset() const { return m_languageOffset; }
    uint16_t GetStatusValue() const { return m_statusValue; }
    void SetStatusValue(uint16_t value) { m_statusValue = value; }
    // The long model name first, the short model code second.
    void SetTypeNames(const wxString& first, const wxString& second);
    wxString GetTypeName() const { return m_firstTypeName; }
    const wxString& GetCaption() const { return m_caption; }
    void SetCaption(const wxString& caption) { m_caption = caption; }
    VESKCOMM_PORT GetPort() const { return m_port; }
    VESKCOMM_DEVICE GetUnitHandle() const { return m_unitHandle; }
    void SetUnitHandle(VESKCOMM_DEVICE handle) { m_unitHandle = handle; }
    // The device page once CreatePage has built it; null before, and again
    // once the page is gone.
    CFlashDevicePropertyPage* GetPage() const { return m_page.get(); }

protected:
    // CreatePage stores the page here after CPanel::Create has returned.
    void SetPage(CFlashDevicePropertyPage* page) { m_page = page; }

private:
    wxString m_caption;
    uint16_t m_languageOffset;
    uint8_t m_address = 0;
    uint8_t m_energyType = 0;
    uint16_t m_version = 0;
    uint8_t m_rfStat = 0;
    // The notebook owns the page; the reference clears itself when it dies.
    wxWeakRef<CFlashDevicePropertyPage> m_page;
    VESKCOMM_PORT m_port;
    uint16_t m_statusValue = 0;
    wxString m_firstTypeName;
    wxString m_secondTypeName;
    VESKCOMM_DEVICE m_unitHandle = nullptr;
};

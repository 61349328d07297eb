// What a setting page needs of the device page that holds it. Every family
// page derives from this and passes `this` when it creates its setting
// pages: the unit's typed page pointer is still null while the device page
// builds them, and each family types it differently.
#pragma once

#include <cstdint>

#include <wx/string.h>

class CSettingPageHost {
public:
    // The family's command builder: it lays the command of code (a
    // CommandCode, pages/CommandCodes.h) with what its pages show and sends
    // it to the unit.
    virtual void SendCommand(int16_t code, int32_t value) = 0;
    // A command that carries a field's text (the owner, a serial number the
    // unit keeps as text): the builder lays the text it is given.
    virtual void SendCommand(int16_t code, int32_t value, const wxString& text) = 0;
    // Added to the ids of the texts a page fetches.
    virtual uint16_t GetLanguageOffset() = 0;
    // False while the device page dispatches a record from the unit: edits
    // that commit then are the program's own, not the user's.
    virtual bool IsIdle() = 0;
    // The unit's minor program version (record 4), 0 until it arrived.
    virtual uint16_t GetProgramVersion() = 0;
    // The memory the device page shows (0..3), for the record it asks for.
    virtual int GetSelectedMemory() = 0;

    // A step command (6) is under way: the unit has not reported since.
    virtual bool IsStepPending() { return false; }
    // The second step command (20) is under way.
    virtual bool IsSecondStepPending() { return false; }
    // The unit's model code where the family keeps one; 0 elsewhere.
    virtual uint16_t GetModelCode() { return 0; }
    // A preset sequence locks the light bars while it runs.
    virtual void SetLightsInhibited(bool) {}
    // Whether the auxiliary light of outlet (1..3) is switched on.
    virtual bool IsAuxLightOn(int) { return false; }
    // The power display scale chosen on the options page.
    virtual void SetPowerDisplay(int) {}
    // The power display state of the families that only switch it on or off.
    virtual void SetPowerDisplayMode(uint16_t) {}

protected:
    ~CSettingPageHost() = default;
};

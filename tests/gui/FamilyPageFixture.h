// A family's device page on a simulated bus, as the main window builds it:
// the unit object of the family on an open port, its page in the test frame.
// Records reach the page as the library hands them over; what the page sends
// is read back from the line, command by command.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "GuiTestHarness.h"
#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "app/UnitFamilies.h"
#include "comm/TestClock.h"
#include "comm/VeskComm.h"
#include "controls/AuxLightBar.h"
#include "controls/MainLightBar.h"
#include "tools/SimBus.h"
#include "units/FamilyDevicePage.h"

// Texts in failure messages as text (ProgramFixture.cpp).
void PrintTo(const wxString& text, std::ostream* out);

namespace guitest {

// A command as the unit read it: code and data bytes.
struct Sent {
    uint16_t code;
    std::vector<uint8_t> data;
    bool operator==(const Sent& other) const { return code == other.code && data == other.data; }
};

inline void PrintTo(const Sent& sent, std::ostream* out)
{
    *out << "{" << sent.code << ":";
    for (uint8_t byte : sent.data)
        *out << " " << static_cast<int>(byte);
    *out << "}";
}

// The data bytes of a record from byte 5 on, 0 where not given: {index, value}
// pairs count from the record's byte 0, as the decoders do.
inline std::vector<uint8_t> RecordData(std::size_t length, std::initializer_list<std::pair<int, int>> bytes)
{
    std::vector<uint8_t> data(length > 5 ? length - 5 : 0, 0);
    for (const auto& [index, value] : bytes) {
        if (index >= 5 && static_cast<std::size_t>(index) < length)
            data[index - 5] = static_cast<uint8_t>(value);
    }
    return data;
}

template <class Unit>
class FamilyPageTest : public GuiTest {
protected:
    static constexpr uint8_t kAddress = 3;
    static constexpr uint8_t kStudio = 1;
    // The library's own requests.
    static constexpr uint16_t kStatusPoll = 100;
    static constexpr uint16_t kIdentify = 101;

    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(bus.IsOpen());
        setenv("VESKCOMM_PORTS", bus.DevicePath().c_str(), 1);
        TestClockSet(now);
        VeskCommInitialize(nullptr, &callbacks);
    }

    void TearDown() override
    {
        if (page)
            page->Destroy();
        Yield();
        unit.reset();
        if (port)
            VeskCommPortClose(port);
        VeskCommInitialize(nullptr, nullptr);
        TestClockRelease();
        unsetenv("VESKCOMM_PORTS");
        GuiTest::TearDown();
    }

    // The unit on the bus and its page; the page's first request is read
    // off the line and kept in firstCommands.
    void Open(uint16_t typeCode, uint8_t radio = 0, uint16_t languageOffset = 0)
    {
        Open(&CreateUnitOf<Unit>, typeCode, radio, languageOffset);
    }
    // The same with the unit object made by the given row of the unit
    // factory.
    void Open(UnitCreator create, uint16_t typeCode, uint8_t radio = 0, uint16_t languageOffset = 0)
    {
        SimBus::Unit& onBus = bus.AddUnit(kAddress, kStudio, typeCode);
        onBus.radio = radio;
        port = VeskCommPortOpen(bus.PortName().c_str(), kStudio, kAddress, kAddress);
        ASSERT_TRUE(VeskCommPortIsOpen(port));
        unit.reset(static_cast<Unit*>(create(port, languageOffset)));
        unit->SetAddress(kAddress);
        unit->SetVersion(typeCode);
        unit->SetRFStat(radio);
        page = static_cast<CFamilyDevicePage*>(unit->CreatePage(Frame()));
        page->Show();
        Frame()->SetClientSize(760, 640);
        page->SetSize(Frame()->GetClientSize());
        page->Layout();
        firstCommands = Commands();
    }

    // What the page sent since the last call, as the unit read it; the
    // library's own identify requests and status polls left out.
    std::vector<Sent> Commands()
    {
        // The library keeps polling the bus, and waits out the answers of
        // addresses where no unit is: the page is done when a few rounds of
        // the line, 50 ms each, bring nothing more from it.
        std::vector<Sent> sent;
        SimBus::Unit* onBus = bus.FindUnit(kAddress, kStudio);
        for (int round = 0, quiet = 0; round < 400 && quiet < 4; ++round) {
            now += 50;
            TestClockSet(now);
            VeskCommPortIdle(port);
            bus.Pump(2);
            const std::size_t before = sent.size();
            for (const SimBus::Unit::Command& command : onBus->commands) {
                if (command.code != kStatusPoll && command.code != kIdentify)
                    sent.push_back({command.code, command.data});
            }
            onBus->commands.clear();
            quiet = sent.size() == before ? quiet + 1 : 0;
        }
        return sent;
    }

    // A record as the library hands it to the unit object.
    void Deliver(uint16_t number, const std::vector<uint8_t>& data)
    {
        std::vector<uint8_t> record{static_cast<uint8_t>(data.size() + 5), kStudio, kAddress,
                                    static_cast<uint8_t>(number >> 8), static_cast<uint8_t>(number)};
        record.insert(record.end(), data.begin(), data.end());
        unit->OnRecord(record.data(), record[0]);
    }

    template <class Control>
    Control* Find(const char* name) const
    {
        return dynamic_cast<Control*>(page->FindWindow(XRCID(name)));
    }
    // A label's text, or a text field's value.
    wxString Label(const char* name) const
    {
        wxString text("(missing)");
        GetCtrlText(page, XRCID(name), text);
        return text;
    }
    bool Shown(const char* name) const
    {
        wxWindow* window = page->FindWindow(XRCID(name));
        return window && window->IsShown();
    }
    bool Checked(const char* name) const
    {
        if (auto* box = Find<wxCheckBox>(name))
            return box->GetValue();
        auto* radio = Find<wxRadioButton>(name);
        return radio && radio->GetValue();
    }

    // What a user does.
    void Click(const char* name)
    {
        wxWindow* button = page->FindWindow(XRCID(name));
        ASSERT_NE(button, nullptr) << name;
        wxCommandEvent event(wxEVT_BUTTON, button->GetId());
        event.SetEventObject(button);
        button->ProcessWindowEvent(event);
    }
    void Tick(const char* name, bool checked)
    {
        auto* box = Find<wxCheckBox>(name);
        ASSERT_NE(box, nullptr) << name;
        box->SetValue(checked);
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(checked);
        box->ProcessWindowEvent(event);
    }
    // The radio's event; selected false is the report of one that was cleared.
    void PickRadio(const char* name, bool selected = true)
    {
        auto* radio = Find<wxRadioButton>(name);
        ASSERT_NE(radio, nullptr) << name;
        if (selected)
            radio->SetValue(true);
        wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
        event.SetEventObject(radio);
        event.SetInt(selected);
        radio->ProcessWindowEvent(event);
    }
    // One line event of a spin button, as a press or a repeat sends it.
    void SpinLine(const char* name, bool up)
    {
        wxWindow* spin = page->FindWindow(XRCID(name));
        const int id = spin ? spin->GetId() : XRCID(name);
        wxSpinEvent event(up ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, id);
        event.SetEventObject(spin ? spin : page);
        (spin ? spin : page)->ProcessWindowEvent(event);
    }
    void SpinRelease(const char* name)
    {
        wxWindow* spin = page->FindWindow(XRCID(name));
        const int id = spin ? spin->GetId() : XRCID(name);
        wxScrollEvent event(wxEVT_SCROLL_THUMBRELEASE, id, 0, 0);
        event.SetEventObject(spin ? spin : page);
        (spin ? spin : page)->ProcessWindowEvent(event);
    }
    void SelectTab(const char* book, int index)
    {
        auto* notebook = Find<wxNotebook>(book);
        ASSERT_NE(notebook, nullptr) << book;
        notebook->SetSelection(static_cast<size_t>(index));
    }

    wxString MainText() const { return page->LightBars().Main()->GetFace().large; }
    wxString AuxText(int outlet) const { return page->LightBars().Aux(outlet)->GetFace().large; }

    SimBus bus;
    uint32_t now = 1000;
    CommCallbacks callbacks{};
    VESKCOMM_PORT port = nullptr;
    std::unique_ptr<Unit> unit;
    CFamilyDevicePage* page = nullptr;
    std::vector<Sent> firstCommands;
};

}  // namespace guitest

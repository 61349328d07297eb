// A port of the library on the slave side of a simulated bus, driven tick by
// tick: each tick advances the library's clock by 100 ms, runs one
// VeskCommPortIdle and lets the bus answer. Callbacks are recorded as text.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "comm/BigEndian.h"
#include "comm/TestClock.h"
#include "comm/VeskComm.h"
#include "tools/SimBus.h"

class BusFixture : public testing::Test {
protected:
    struct Sent {
        int tick;
        std::string text;
        bool operator==(const Sent& other) const { return tick == other.tick && text == other.text; }
        friend void PrintTo(const Sent& s, std::ostream* os) { *os << s.tick << ":" << s.text; }
    };

    void SetUp() override
    {
        ASSERT_TRUE(bus.IsOpen());
        setenv("VESKCOMM_PORTS", bus.DevicePath().c_str(), 1);
        TestClockSet(now);
        callbacks.pfnDeviceLost = &OnLost;
        callbacks.pfnDeviceFound = &OnFound;
        callbacks.pfnGetFocusedDevice = &OnGetFocus;
        callbacks.pfnDataReceived = &OnData;
        callbacks.pContext = this;
        VeskCommInitialize(nullptr, &callbacks);
    }

    void TearDown() override
    {
        Close();
        VeskCommInitialize(nullptr, nullptr);
        TestClockRelease();
        unsetenv("VESKCOMM_PORTS");
    }

    void Open(uint8_t studio, uint8_t lowest, uint8_t highest)
    {
        port = VeskCommPortOpen(bus.PortName().c_str(), studio, lowest, highest);
        ASSERT_TRUE(VeskCommPortIsOpen(port));
    }

    void Close()
    {
        if (port)
            VeskCommPortClose(port);
        port = nullptr;
    }

    // One timer tick: returns the frames the port sent during it.
    std::vector<std::string> Tick()
    {
        ++tick;
        now += 100;
        TestClockSet(now);
        VeskCommPortIdle(port);
        std::vector<std::string> frames = bus.Pump();
        for (const std::string& frame : frames)
            sent.push_back({tick, frame});
        return frames;
    }

    void Run(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            Tick();
    }

    // Ticks until the condition holds; false after maxTicks.
    bool RunUntil(const std::function<bool()>& condition, int maxTicks = 200)
    {
        for (int i = 0; i < maxTicks; ++i) {
            if (condition())
                return true;
            Tick();
        }
        return condition();
    }

    bool Has(const std::string& event) const
    {
        for (const std::string& e : events) {
            if (e == event)
                return true;
        }
        return false;
    }

    // The device handle of the unit at an address, as the found callback saw it.
    VESKCOMM_DEVICE Device(uint8_t address) const
    {
        const auto it = devices.find(address);
        return it == devices.end() ? nullptr : it->second;
    }

    std::vector<std::string> SentTexts() const
    {
        std::vector<std::string> texts;
        for (const Sent& s : sent)
            texts.push_back(s.text);
        return texts;
    }

    SimBus bus;
    CommCallbacks callbacks{};
    VESKCOMM_PORT port = nullptr;
    uint32_t now = 1000;
    int tick = 0;
    std::vector<Sent> sent;
    std::vector<std::string> events;
    std::map<uint8_t, VESKCOMM_DEVICE> devices;
    // What the focused-unit callback answers.
    VESKCOMM_DEVICE focus = nullptr;
    // Extra work a test does inside the callbacks.
    std::function<void(VESKCOMM_DEVICE)> onFound;
    std::function<void(VESKCOMM_DEVICE)> onLost;
    std::function<void(VESKCOMM_DEVICE, const unsigned char*, int)> onData;

private:
    static BusFixture* Self(void* context) { return static_cast<BusFixture*>(context); }

    // The GUI partner handed back by the library: a tag made of the address.
    static void* Partner(uint8_t address) { return reinterpret_cast<void*>(static_cast<uintptr_t>(0x1000 + address)); }

    static void* OnFound(void* context, VESKCOMM_DEVICE device)
    {
        BusFixture* self = Self(context);
        const uint8_t address = VeskCommDeviceGetAdresse(device);
        char name[256];
        VeskCommDeviceGetGeraetetyp(device, name, sizeof name);
        self->events.push_back("found " + std::to_string(address) + " " + name);
        self->devices[address] = device;
        if (self->onFound)
            self->onFound(device);
        return Partner(address);
    }

    static void OnLost(void* context, VESKCOMM_DEVICE device, void* partner)
    {
        BusFixture* self = Self(context);
        const uint8_t address = VeskCommDeviceGetAdresse(device);
        EXPECT_EQ(partner, Partner(address));
        self->events.push_back("lost " + std::to_string(address));
        if (self->onLost)
            self->onLost(device);
        self->devices.erase(address);
        if (self->focus == device)
            self->focus = nullptr;
    }

    static VESKCOMM_DEVICE OnGetFocus(void* context)
    {
        Self(context)->events.push_back("focus?");
        return Self(context)->focus;
    }

    static void OnData(void* context, VESKCOMM_DEVICE device, void* partner, const unsigned char* record, int count)
    {
        BusFixture* self = Self(context);
        const uint8_t address = VeskCommDeviceGetAdresse(device);
        EXPECT_EQ(partner, Partner(address));
        EXPECT_EQ(record[0], count);
        self->events.push_back("data " + std::to_string(address) + " " + std::to_string(ReadBe16(record + 3)));
        if (self->onData)
            self->onData(device, record, count);
    }
};

// The bus master of one adapter: a queue of frames with one on the bus at a
// time, answer time-outs and repeats, the search over an address range, the
// focused unit's polls, and the unit records of the units found.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"
#include "comm/VeskComm.h"

class CDemoDevice;
class CFlashDeviceNV;
class CUsbPort;

// The block given to VeskCommInitialize; every port calls through it.
extern CommCallbacks* g_pCallbacks;

class CComm {
public:
    CComm(const std::string& portName, uint8_t studio, uint8_t lowest, uint8_t highest);
    CComm(const CComm&) = delete;
    CComm& operator=(const CComm&) = delete;
    ~CComm();

    void Transmit(uint8_t* buffer, uint8_t length, uint8_t address, uint16_t command);
    // One service step: received bytes, the answer time-out, and the next
    // automatic request when the queue is empty.
    void Idle();
    bool IsOpen() const;
    void SetDemo(uint8_t flag) { m_demo = flag; }
    void SetAddressFrom(uint8_t address);
    void SetAddressTo(uint8_t address);
    // Only one of this port's records (or null) becomes the focus.
    void SetFocusedDevice(CFlashDeviceNV* device);

    // A port is busy while it runs callbacks (in Idle or while closing). A
    // close asked for meanwhile is carried out by the outermost call.
    bool IsBusy() const { return m_busy; }
    void RequestClose() { m_closeRequested = true; }
    bool IsCloseRequested() const { return m_closeRequested; }

private:
    // Answer time-outs. A search step, the start-up burst and a frame the
    // units do not answer wait briefly; a known unit gets time to answer; a
    // demo unit answers at the next idle step.
    static constexpr uint32_t kShortTimeoutMs = 150;
    static constexpr uint32_t kKnownUnitTimeoutMs = 1000;
    static constexpr uint32_t kDemoKnownTimeoutMs = 10;
    static constexpr uint32_t kDemoUnknownTimeoutMs = 0;
    // The head of a kCommandNoAnswer frame.
    static constexpr std::string_view kNoAnswerHead = "S0";
    // The one data byte of an identify request.
    static constexpr uint8_t kIdentifyData = 0;

    struct QueuedFrame {
        uint8_t address;
        std::string text;  // carriage return included
        bool IsNoAnswer() const { return text.compare(0, kNoAnswerHead.size(), kNoAnswerHead) == 0; }
    };

    void SendNext();
    void OnByte(uint8_t c);
    void ProcessFrame(std::string_view text);
    void OnTimeout();
    // Takes the first frame off the queue.
    QueuedFrame PopFirst();
    // Drops the first frame as unanswered for good: its unit, if known, is lost.
    void GiveUpFirst();
    void RemoveDevice(uint8_t address, bool forNoAnswerFrame);
    void Poll();
    bool IdentifyDevice();
    void TransmitIdentify(uint8_t address);

    void Deliver(CFlashDeviceNV* device);
    void Refocus();
    CFlashDeviceNV* FindDevice(uint8_t address) const;
    CFlashDeviceNV* OwnRecordOrNull(CFlashDeviceNV* device) const;
    bool IsAccepted(uint8_t address) const;

    std::deque<QueuedFrame> m_queue;                         // the first is on the bus while waiting
    std::vector<std::unique_ptr<CFlashDeviceNV>> m_devices;  // in the order found
    CFlashDeviceNV* m_pFlashFocus = nullptr;
    uint8_t m_studio;
    std::unique_ptr<CUsbPort> m_port;
    uint8_t m_demo = 0;
    int16_t m_lowest;
    int16_t m_highest;
    bool m_rangeChanged = true;  // the next identify frame carries head "P"
    uint32_t m_answerTimeout = kKnownUnitTimeoutMs;
    uint32_t m_sendTime = 0;
    bool m_timeoutArmed = false;
    bool m_waiting = false;
    uint8_t m_searchPosition = 0;
    int16_t m_retryCount = 0;
    int16_t m_strayAnswers = 0;  // answers in a row from another address to the first frame
    bool m_focusTurn = false;
    bool m_firstPoll = true;
    int16_t m_sweepCounter;                                     // sends left in the start-up burst
    uint8_t m_record[kRecordSize] = {};                         // also the automatic requests' command buffer
    std::array<std::unique_ptr<CDemoDevice>, 4> m_demoDevices;  // addresses 100 to 103
    FrameAssembler m_received;
    std::string m_demoAnswer;

    bool m_busy = false;
    bool m_closing = false;
    bool m_closeRequested = false;
};

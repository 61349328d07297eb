#include "comm/Comm.h"

#include <algorithm>
#include <new>

#include "comm/BigEndian.h"
#include "comm/Clock.h"
#include "comm/DemoDevice.h"
#include "comm/DeviceTypeTable.h"
#include "comm/FlashDeviceNV.h"
#include "comm/UsbPort.h"

CommCallbacks* g_pCallbacks = nullptr;

namespace {

constexpr uint8_t kLastDemoAddress = 103;
// Frames to these addresses never go to the line: the demo units live here.
constexpr uint8_t kFirstReservedAddress = 0x60;
constexpr uint8_t kLastReservedAddress = 0x6F;
constexpr int16_t kMaxRepeats = 3;
// Answers from other addresses in a row, each sending the frame on the bus
// again, after which that frame is given up: a unit answering for another
// address must not hold the queue for ever.
constexpr int16_t kMaxStrayAnswers = 3;
constexpr int kMaxBytesPerIdle = 1002;
// Characters of a frame text that name head, length, studio, unit and command.
constexpr std::size_t kFrameKeyLength = 12;

bool IsDemoAddress(int address)
{
    return address >= kFirstDemoAddress && address <= kLastDemoAddress;
}

VESKCOMM_DEVICE Handle(CFlashDeviceNV* device)
{
    return reinterpret_cast<VESKCOMM_DEVICE>(device);
}

// Marks the port busy for the length of a call that may run callbacks.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }

private:
    bool& m_busy;
};

}  // namespace

CComm::CComm(const std::string& portName, uint8_t studio, uint8_t lowest, uint8_t highest)
    : m_studio(studio),
      m_port(std::make_unique<CUsbPort>(portName)),
      m_lowest(lowest),
      m_highest(highest),
      m_sweepCounter(static_cast<int16_t>(highest - lowest + 1))
{
    m_port->Open();
    // A Zarit of energy class 0 and a ZaritE of class 1.
    m_demoDevices[0] = std::make_unique<CDemoDevice>(kFirstDemoAddress, 0);
    m_demoDevices[1] = std::make_unique<CDemoDevice>(kFirstDemoAddress + 1, 1);
}

CComm::~CComm()
{
    m_busy = true;
    m_closing = true;
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        if (g_pCallbacks && g_pCallbacks->pfnDeviceLost)
            g_pCallbacks->pfnDeviceLost(g_pCallbacks->pContext, Handle(m_devices[i].get()),
                                        m_devices[i]->GetGuiDevice());
    }
    m_pFlashFocus = nullptr;
    m_devices.clear();
}

bool CComm::IsOpen() const
{
    return m_port && m_port->IsOpen();
}

void CComm::SetAddressFrom(uint8_t address)
{
    m_lowest = address;
    m_rangeChanged = true;
}

void CComm::SetAddressTo(uint8_t address)
{
    m_highest = address;
    m_rangeChanged = true;
}

void CComm::SetFocusedDevice(CFlashDeviceNV* device)
{
    m_pFlashFocus = OwnRecordOrNull(device);
}

void CComm::Transmit(uint8_t* buffer, uint8_t length, uint8_t address, uint16_t command)
{
    const bool rangeMark = m_rangeChanged;
    std::string text = EncodeCommand(buffer, length, m_studio, address, command, rangeMark);
    if (text.empty())
        return;
    if (!IsOpen() || m_closing || m_closeRequested)
        return;

    // A newer setting of the same kind replaces one still waiting; the first
    // frame may be on the bus and is left alone.
    bool replaced = false;
    if (command == kCommandInterval || command == kCommandDelay) {
        for (std::size_t i = 1; i < m_queue.size(); ++i) {
            QueuedFrame& frame = m_queue[i];
            if (frame.address == address && frame.text.compare(0, kFrameKeyLength, text, 0, kFrameKeyLength) == 0) {
                frame.text = std::move(text);
                replaced = true;
                break;
            }
        }
    }
    if (!replaced)
        m_queue.push_back({address, std::move(text)});
    // Only a queued identify frame carries the mark away; a port that sends
    // nothing never needs it again.
    if (command == kCommandIdentify)
        m_rangeChanged = false;
    SendNext();
}

void CComm::SendNext()
{
    if (m_waiting || m_queue.empty())
        return;
    const QueuedFrame& frame = m_queue.front();
    const bool known = FindDevice(frame.address) != nullptr;
    if (m_sweepCounter > 0)
        --m_sweepCounter;

    // The wait is armed before the frame goes out: a frame that fails on
    // its way ends in a time-out like one lost on the line, instead of
    // leaving the queue stuck behind a frame that nobody waits for.
    m_waiting = true;
    m_sendTime = ClockMs();
    m_timeoutArmed = true;
    if (m_sweepCounter != 0)
        m_answerTimeout = kShortTimeoutMs;
    else if (m_demo)
        m_answerTimeout = known ? kDemoKnownTimeoutMs : kDemoUnknownTimeoutMs;
    else if (frame.IsNoAnswer())
        m_answerTimeout = kShortTimeoutMs;
    else if (known)
        m_answerTimeout = kKnownUnitTimeoutMs;
    else
        m_answerTimeout = kShortTimeoutMs;

    if (frame.address >= kFirstReservedAddress && frame.address <= kLastReservedAddress) {
        if (m_demo && IsDemoAddress(frame.address)) {
            if (CDemoDevice* demo = m_demoDevices[frame.address - kFirstDemoAddress].get()) {
                try {
                    demo->Receive(frame.text, m_demoAnswer);
                } catch (const std::bad_alloc&) {
                    // No answer: the time-out repeats or drops the frame, and
                    // the caller's step (an answer being delivered) goes on.
                }
            }
        }
    } else {
        m_port->Write(frame.text);  // a failed write ends in a time-out
    }
}

void CComm::Idle()
{
    const uint32_t now = ClockMs();
    if (!IsOpen())
        return;
    BusyScope busy(m_busy);

    uint8_t byte;
    if (!m_port->ReadByte(&byte)) {
        if (m_demo && !m_demoAnswer.empty()) {
            const std::string answer = std::move(m_demoAnswer);
            m_demoAnswer.clear();
            m_received.Clear();
            ProcessFrame(answer);
        } else if (m_timeoutArmed && static_cast<int32_t>(now - m_sendTime) > static_cast<int32_t>(m_answerTimeout)) {
            m_timeoutArmed = false;
            OnTimeout();
        }
    } else if (!m_demo) {
        // Bytes that keep coming postpone the time-out check.
        OnByte(byte);
        for (int handled = 1; handled < kMaxBytesPerIdle && !m_closeRequested && m_port->ReadByte(&byte); ++handled)
            OnByte(byte);
    }

    if (m_queue.empty() && !m_closeRequested)
        Poll();
}

void CComm::OnByte(uint8_t c)
{
    if (m_received.Feed(static_cast<char>(c)))
        ProcessFrame(m_received.Text());
}

bool CComm::IsAccepted(uint8_t address) const
{
    const int a = address;
    return a == std::max<int>(m_lowest, std::min<int>(a, m_highest)) || IsDemoAddress(a);
}

void CComm::ProcessFrame(std::string_view text)
{
    const FrameHead head = DecodeFrame(text, m_record);
    const uint8_t studio = m_record[1];
    const uint8_t address = m_record[2];

    if (head == FrameHead::Answer) {
        if (!IsAccepted(address))
            return;
        m_retryCount = 0;
        if (!m_queue.empty()) {
            if (m_queue.front().address == address || m_queue.front().IsNoAnswer())
                PopFirst();
            else if (++m_strayAnswers >= kMaxStrayAnswers)
                GiveUpFirst();
        }
        // Any answer ends the wait; a frame still first goes out again.
        m_waiting = false;
        m_timeoutArmed = false;
        SendNext();
        if (studio != m_studio)
            return;
        if (CFlashDeviceNV* device = FindDevice(address))
            Deliver(device);
        else if (IdentifyDevice())
            Deliver(m_devices.back().get());
    } else if (head == FrameHead::Broadcast) {
        if (studio != m_studio)
            return;
        for (std::size_t i = 0; i < m_devices.size(); ++i)
            Deliver(m_devices[i].get());
    }
}

void CComm::Deliver(CFlashDeviceNV* device)
{
    const uint8_t count = m_record[0];
    device->Dispatch(m_record, count);
    if (g_pCallbacks && g_pCallbacks->pfnDataReceived)
        g_pCallbacks->pfnDataReceived(g_pCallbacks->pContext, Handle(device), device->GetGuiDevice(), m_record, count);
}

void CComm::OnTimeout()
{
    m_waiting = false;
    if (m_queue.empty())
        return;
    const bool known = FindDevice(m_queue.front().address) != nullptr;
    if (m_retryCount < kMaxRepeats && m_sweepCounter <= 0 && known) {
        if (m_queue.front().IsNoAnswer())
            PopFirst();
        else
            ++m_retryCount;
    } else {
        GiveUpFirst();
    }
    SendNext();
}

CComm::QueuedFrame CComm::PopFirst()
{
    QueuedFrame first = std::move(m_queue.front());
    m_queue.pop_front();
    m_strayAnswers = 0;
    return first;
}

void CComm::GiveUpFirst()
{
    // The frame leaves the queue before the callbacks run, so that a frame
    // queued from inside them is not sent behind a dead one.
    const QueuedFrame lost = PopFirst();
    m_retryCount = 0;
    RemoveDevice(lost.address, lost.IsNoAnswer());
}

void CComm::RemoveDevice(uint8_t address, bool forNoAnswerFrame)
{
    // A frame the units do not answer never costs a unit.
    if (forNoAnswerFrame)
        return;
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
                                 [address](const auto& device) { return device->GetAdresse() == address; });
    if (it == m_devices.end())
        return;
    std::unique_ptr<CFlashDeviceNV> device = std::move(*it);
    m_devices.erase(it);
    if (m_pFlashFocus == device.get())
        m_pFlashFocus = nullptr;
    if (g_pCallbacks && g_pCallbacks->pfnDeviceLost)
        g_pCallbacks->pfnDeviceLost(g_pCallbacks->pContext, Handle(device.get()), device->GetGuiDevice());
    device.reset();
    if (m_devices.empty())
        m_pFlashFocus = nullptr;
    else
        Refocus();
}

void CComm::Refocus()
{
    if (g_pCallbacks && g_pCallbacks->pfnGetFocusedDevice)
        m_pFlashFocus = OwnRecordOrNull(
            reinterpret_cast<CFlashDeviceNV*>(g_pCallbacks->pfnGetFocusedDevice(g_pCallbacks->pContext)));
}

void CComm::Poll()
{
    if (m_firstPoll) {
        // The start-up burst: every send counts the sweep counter down,
        // which keeps the time-outs short and suppresses repeats.
        m_firstPoll = false;
        m_searchPosition = static_cast<uint8_t>(m_lowest - 1);
        const int frames = m_sweepCounter + 1;
        for (int i = 0; i < frames; ++i)
            TransmitIdentify(m_searchPosition);
        return;
    }
    if (!m_devices.empty() && m_focusTurn && m_pFlashFocus) {
        m_focusTurn = false;
        Transmit(m_record, 0, m_pFlashFocus->GetAdresse(), kCommandStatusPoll);
        return;
    }

    if (m_searchPosition < m_highest)
        ++m_searchPosition;
    else if (!m_demo)
        m_searchPosition = static_cast<uint8_t>(m_lowest);
    else if (m_searchPosition == m_highest)
        m_searchPosition = kFirstDemoAddress;
    else if (m_searchPosition >= kFirstDemoAddress && m_searchPosition < kLastDemoAddress)
        ++m_searchPosition;
    else
        m_searchPosition = static_cast<uint8_t>(m_lowest);
    m_focusTurn = true;
    if (FindDevice(m_searchPosition))
        Transmit(m_record, 0, m_searchPosition, kCommandStatusPoll);
    else
        TransmitIdentify(m_searchPosition);
}

void CComm::TransmitIdentify(uint8_t address)
{
    m_record[6] = kIdentifyData;
    Transmit(m_record, 1, address, kCommandIdentify);
}

bool CComm::IdentifyDevice()
{
    if (ReadBe16(m_record + 3) != kRecordIdentity)
        return false;
    std::unique_ptr<CFlashDeviceNV> created = CreateDeviceFromIdentity(m_record);
    if (!created)
        return false;
    CFlashDeviceNV* device = created.get();
    m_devices.push_back(std::move(created));
    if (g_pCallbacks && g_pCallbacks->pfnDeviceFound)
        device->SetGuiDevice(g_pCallbacks->pfnDeviceFound(g_pCallbacks->pContext, Handle(device)));
    Refocus();
    return true;
}

CFlashDeviceNV* CComm::FindDevice(uint8_t address) const
{
    for (const auto& device : m_devices) {
        if (device->GetAdresse() == address)
            return device.get();
    }
    return nullptr;
}

CFlashDeviceNV* CComm::OwnRecordOrNull(CFlashDeviceNV* device) const
{
    for (const auto& own : m_devices) {
        if (own.get() == device)
            return device;
    }
    return nullptr;
}

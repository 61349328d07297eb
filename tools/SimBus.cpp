#include "tools/SimBus.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "comm/BigEndian.h"
#include "comm/DemoDevice.h"
#include "comm/FrameCodec.h"
#include "tools/SimFamilyTable.h"
#include "tools/SimUnitFamily.h"

namespace {

bool IsZaritType(uint16_t typeCode)
{
    return typeCode == 37 || typeCode == 137;
}

}  // namespace

SimBus::SimBus(Reader reader) : m_reader(reader)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
        return;
    }
    m_path = ::ptsname(m_master);
    m_slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios settings{};
    if (m_slave >= 0 && ::tcgetattr(m_slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(m_slave, TCSANOW, &settings);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

SimBus::~SimBus()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

std::vector<uint16_t> SimBus::KnownTypes()
{
    std::vector<uint16_t> types = SimFamilyTable::TypeCodes();
    types.push_back(37);
    types.push_back(137);
    std::sort(types.begin(), types.end());
    return types;
}

bool SimBus::IsKnownType(uint16_t typeCode)
{
    return IsZaritType(typeCode) || SimFamilyTable::Find(typeCode) != nullptr;
}

uint8_t SimBus::DefaultVariant(uint16_t typeCode)
{
    const SimUnitFamily* family = SimFamilyTable::Find(typeCode);
    return family ? family->Variant() : 0;
}

SimBus::Unit& SimBus::AddUnit(uint8_t address, uint8_t studio, uint16_t typeCode, uint8_t variant)
{
    Unit unit;
    unit.address = address;
    unit.studio = studio;
    unit.typeCode = typeCode;
    unit.variant = variant;
    unit.family = SimFamilyTable::Find(typeCode);
    if (unit.family)
        unit.records = unit.family->Defaults();
    m_units.push_back(unit);
    return m_units.back();
}

SimBus::Unit& SimBus::AddModelUnit(uint8_t address, uint8_t studio, uint16_t typeCode)
{
    Unit& unit = AddUnit(address, studio, typeCode);
    // The model is a Zarit at 100 and a ZaritE at 101 of studio 1; frames
    // are translated to and from its place.
    const bool zaritE = typeCode == 137;
    unit.model = std::make_shared<CDemoDevice>(zaritE ? 101 : 100, zaritE ? 1 : 0);
    return unit;
}

SimBus::Unit* SimBus::FindUnit(uint8_t address, uint8_t studio)
{
    for (Unit& unit : m_units) {
        if (unit.address == address && unit.studio == studio)
            return &unit;
    }
    return nullptr;
}

void SimBus::RemoveUnit(uint8_t address, uint8_t studio)
{
    m_units.remove_if([&](const Unit& u) { return u.address == address && u.studio == studio; });
}

std::vector<std::string> SimBus::Pump(int waitMs)
{
    std::vector<std::string> frames;
    ++m_pumps;
    int timeout = waitMs;
    char chunk[512];
    for (;;) {
        pollfd fd{m_master, POLLIN, 0};
        if (::poll(&fd, 1, timeout) <= 0 || !(fd.revents & POLLIN))
            break;
        const ssize_t got = ::read(m_master, chunk, sizeof chunk);
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got; ++i) {
            if (m_received.Feed(chunk[i])) {
                frames.push_back(m_received.Text());
                OnFrame(m_received.Text());
            }
        }
        // The rest of a frame follows at once; wait briefly for it.
        timeout = 5;
    }

    std::vector<Scheduled> due;
    for (auto it = m_scheduled.begin(); it != m_scheduled.end();) {
        if (it->due <= m_pumps) {
            due.push_back(*it);
            it = m_scheduled.erase(it);
        } else {
            ++it;
        }
    }
    for (const Scheduled& answer : due) {
        Write(answer.noise);
        Write(answer.text);
    }
    return frames;
}

void SimBus::Discard()
{
    char chunk[512];
    while (m_master >= 0 && ::read(m_master, chunk, sizeof chunk) > 0) {
    }
}

void SimBus::OnFrame(const std::string& text)
{
    CommandFrame frame;
    if (!DecodeCommand(text, frame)) {
        m_log.Unreadable(text);
        return;
    }
    Unit* unit = FindUnit(frame.address, frame.studio);
    if (!unit) {
        m_log.Command(frame, false, {});
        return;
    }
    unit->commands.push_back({frame.command, frame.data});
    std::vector<uint16_t> changed;
    if (unit->family && !unit->model)
        changed = unit->family->Apply(unit->records, frame.command, frame.data);
    m_log.Command(frame, true, changed);
    for (uint16_t number : changed) {
        if (std::find(unit->pending.begin(), unit->pending.end(), number) == unit->pending.end())
            unit->pending.push_back(number);
    }
    if (unit->model && !unit->silent)
        AnswerFromModel(*unit, frame);
    else if (!unit->silent && frame.answerWanted)
        Answer(*unit, frame.command, frame.data);
}

void SimBus::AnswerFromModel(Unit& unit, const CommandFrame& frame)
{
    // The frame again, as the model's place on studio 1 would receive it.
    std::vector<uint8_t> buffer(frame.data.size() + 7);
    std::copy(frame.data.begin(), frame.data.end(), buffer.begin() + 6);
    const uint8_t place = unit.typeCode == 137 ? 101 : 100;
    const std::string text =
        EncodeCommand(buffer.data(), static_cast<int>(frame.data.size()), 1, place, frame.command, false);
    std::string answer;
    unit.model->Receive(text, answer);
    uint8_t record[kRecordSize];
    if (answer.empty() || DecodeFrame(answer, record) != FrameHead::Answer)
        return;
    const uint8_t length = record[0];
    const std::vector<uint8_t> data(record + 5, record + length);
    Send(unit, RecordText(FrameHead::Answer, unit.studio, unit.address, ReadBe16(record + 3), data));
}

void SimBus::Answer(Unit& unit, uint16_t command, const std::vector<uint8_t>& data)
{
    uint16_t record = kRecordStatus;
    if (command == kCommandIdentify) {
        record = kRecordIdentity;
    } else if (command == kCommandRequestRecord && data.size() >= 2) {
        record = ReadBe16(data.data());
    } else if (command == kCommandStatusPoll && !unit.pending.empty()) {
        record = unit.pending.front();
        unit.pending.pop_front();
    }

    std::vector<uint8_t> payload;
    if (record == kRecordIdentity)
        payload = IdentityData(unit);
    else if (const auto it = unit.records.find(record); it != unit.records.end())
        payload = it->second;
    else if (record == kRecordStatus)
        payload = {static_cast<uint8_t>(unit.status | 0x80), 0};

    Send(unit, RecordText(FrameHead::Answer, unit.studio, unit.address, record, payload));
}

void SimBus::Send(const Unit& unit, const std::string& text)
{
    if (unit.answerDelay > 0) {
        m_scheduled.push_back({m_pumps + unit.answerDelay, unit.noise, text});
    } else {
        Write(unit.noise);
        Write(text);
    }
}

std::vector<uint8_t> SimBus::IdentityData(const Unit& unit) const
{
    const uint8_t type = static_cast<uint8_t>(unit.typeCode);
    // Variant and radio byte sit where the units of each kind put them.
    if (IsZaritType(unit.typeCode))
        return {type, 16, 216, unit.variant, 0, 'C', '1', '2', '3', '4', '5', '6', 0, unit.radio};
    return {type, 7, unit.variant, 0, 0, 1, 0x38, 0x81, unit.radio};
}

std::string SimBus::RecordText(FrameHead head, uint8_t studio, uint8_t address, uint16_t record,
                               const std::vector<uint8_t>& data)
{
    return EncodeRecord(head, studio, address, record, data.data(), data.size()) + "\r";
}

void SimBus::SendBroadcast(uint8_t studio, uint8_t address, uint16_t record, const std::vector<uint8_t>& data)
{
    Write(RecordText(FrameHead::Broadcast, studio, address, record, data));
}

void SimBus::SendRecord(uint8_t studio, uint8_t address, uint16_t record, const std::vector<uint8_t>& data)
{
    Write(RecordText(FrameHead::Answer, studio, address, record, data));
}

void SimBus::SendRaw(const std::string& text)
{
    Write(text);
}

void SimBus::Write(const std::string& text)
{
    if (m_master < 0 || text.empty())
        return;
    m_log.Sent(text);
    int before = 0;
    const bool await = m_reader == Reader::SameThread && ::ioctl(m_slave, FIONREAD, &before) == 0;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(m_master, text.data() + done, text.size() - done);
        if (put > 0)
            done += static_cast<std::size_t>(put);
        else if (put < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    // A full terminal means the program does not read: the rest is lost, as
    // on a line whose receiver is not listening.
    if (done < text.size())
        m_log.Lost(text.size() - done);
    if (!await)
        return;
    // The terminal hands bytes over asynchronously. Nothing reads the slave
    // side while this thread is here, so its unread count grows by exactly
    // what was written once the handover is complete.
    const std::size_t target = static_cast<std::size_t>(before) + done;
    int waiting = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (::ioctl(m_slave, FIONREAD, &waiting) == 0 && static_cast<std::size_t>(waiting) < target &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

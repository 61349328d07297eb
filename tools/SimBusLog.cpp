#include "tools/SimBusLog.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "comm/BigEndian.h"

namespace {

std::string Now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const long millis =
        static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03ld", local.tm_hour, local.tm_min, local.tm_sec, millis);
    return text;
}

std::string Unit(uint8_t address, uint8_t studio)
{
    return "address " + std::to_string(address) + " studio " + std::to_string(studio);
}

std::string Data(const uint8_t* bytes, std::size_t count)
{
    if (count == 0)
        return {};
    std::string text = " data";
    for (std::size_t i = 0; i < count; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, " %02X", bytes[i]);
        text += pair;
    }
    return text;
}

// The text in quotes, control and other non-ASCII characters escaped.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

void SimBusLog::Command(const CommandFrame& frame, bool unit, const std::vector<uint16_t>& changed)
{
    if (!m_out)
        return;
    std::string line = "<- " + Unit(frame.address, frame.studio) + " command " + std::to_string(frame.command) +
                       Data(frame.data.data(), frame.data.size());
    if (!frame.answerWanted)
        line += ", no answer wanted";
    if (!unit)
        line += ", no unit there";
    for (std::size_t i = 0; i < changed.size(); ++i) {
        if (i == 0)
            line += changed.size() == 1 ? ", changes record " : ", changes records ";
        else
            line += ", ";
        line += std::to_string(changed[i]);
    }
    Line(line);
}

void SimBusLog::Unreadable(const std::string& text)
{
    if (m_out)
        Line("<- unreadable " + Quoted(text));
}

void SimBusLog::Sent(const std::string& text)
{
    if (!m_out)
        return;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\r', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        const std::string piece = text.substr(start, next - start);
        uint8_t record[kRecordSize];
        const FrameHead head =
            end == std::string::npos ? FrameHead::Rejected : DecodeFrame(text.substr(start, end - start), record);
        if (head == FrameHead::Rejected) {
            Line("-> text " + Quoted(piece));
        } else {
            const uint8_t length = record[0];
            Line("-> " + Unit(record[2], record[1]) + (head == FrameHead::Broadcast ? " broadcast" : "") + " record " +
                 std::to_string(ReadBe16(record + 3)) + Data(record + 5, length - 5u));
        }
        start = next;
    }
}

void SimBusLog::Lost(std::size_t count)
{
    if (m_out)
        Line("-> " + std::to_string(count) + " characters lost: the program does not read the line");
}

void SimBusLog::Line(const std::string& text)
{
    *m_out << Now() << ' ' << text << std::endl;
}

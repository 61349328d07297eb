// A simulated bus of flash units on a pseudo-terminal, for the tests and for
// trying the program without hardware. The program opens the terminal's
// slave side as its adapter; the bus answers on the master side as units
// would: identify requests with an identity record, status polls with a
// pending record or the status record, record requests (command 2) with the
// record asked for, and every other command but 102 with the status record.
// A unit of a family the bus knows (SimUnitFamily) starts with that family's
// records, and its commands change them as the unit would; the changed
// records go out on the next status polls.
//
// Writing never waits for the reader: a program that reads the line from
// another process takes the answers whenever it reads. A reader in the bus's
// own thread (the tests) cannot read while the bus writes, so for it the bus
// waits until the terminal has handed over what it wrote.
#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"
#include "tools/SimBusLog.h"

class CDemoDevice;
class SimUnitFamily;

class SimBus {
public:
    struct Unit {
        uint8_t address = 1;
        uint8_t studio = 1;
        uint16_t typeCode = 37;
        // Identity: the variant byte (energy class and model) and radio flag.
        uint8_t variant = 0;
        uint8_t radio = 0;
        uint8_t status = 0;  // data byte 0 of the status record, bit 7 set on the wire
        bool silent = false;
        // Answers go out this many Pump calls after the request.
        int answerDelay = 0;
        // Characters written to the line before each answer.
        std::string noise;
        // Data bytes of the unit's records by number, for record requests.
        std::map<uint16_t, std::vector<uint8_t>> records;
        // Records that status polls deliver first, oldest first.
        std::deque<uint16_t> pending;
        // Every frame addressed to the unit, decoded: command and data bytes.
        struct Command {
            uint16_t code;
            std::vector<uint8_t> data;
        };
        std::vector<Command> commands;
        // A unit that answers through the demo generator model instead.
        std::shared_ptr<CDemoDevice> model;
        // The family whose records the unit holds and changes; null for one
        // the bus knows none of.
        const SimUnitFamily* family = nullptr;
    };

    // Who reads the slave side: this thread between the bus's calls, or
    // another process.
    enum class Reader { SameThread, OtherProcess };

    explicit SimBus(Reader reader = Reader::SameThread);
    SimBus(const SimBus&) = delete;
    SimBus& operator=(const SimBus&) = delete;
    ~SimBus();

    bool IsOpen() const { return m_master >= 0; }
    const std::string& DevicePath() const { return m_path; }
    // The name under which the library lists the bus (VESKCOMM_PORTS entry).
    std::string PortName() const { return " " + m_path; }

    // Type codes of the units the bus simulates: the families it knows the
    // records of, and the Zarit packs (plain or through the demo model).
    static std::vector<uint16_t> KnownTypes();
    static bool IsKnownType(uint16_t typeCode);
    // The variant byte for a unit of a known type given without one: its
    // family's (SimUnitFamily::Variant), 0 for the Zarit packs, whose
    // variant 0 is a Zarit 1600S or 1600E.
    static uint8_t DefaultVariant(uint16_t typeCode);

    // Every frame in both directions goes to out (SimBusLog); null for none.
    void SetLog(std::ostream* out) { m_log.SetStream(out); }

    Unit& AddUnit(uint8_t address, uint8_t studio, uint16_t typeCode, uint8_t variant = 0);
    // A Zarit (37) or ZaritE (137) pack computed by the demo generator model,
    // at any address and studio.
    Unit& AddModelUnit(uint8_t address, uint8_t studio, uint16_t typeCode);
    Unit* FindUnit(uint8_t address, uint8_t studio = 1);
    void RemoveUnit(uint8_t address, uint8_t studio = 1);

    // Takes what the program wrote (waiting up to waitMs for a first byte),
    // answers it, and sends answers that are due. Returns the frame texts
    // received, without carriage returns. Everything sent is readable on the
    // slave side when Pump returns.
    std::vector<std::string> Pump(int waitMs = 30);
    // Drops what the program wrote, without waiting or answering: for timing
    // loops that send the answers themselves.
    void Discard();

    // A report that reaches every unit record of the studio's port.
    void SendBroadcast(uint8_t studio, uint8_t address, uint16_t record, const std::vector<uint8_t>& data);
    // A record frame from a unit, unasked.
    void SendRecord(uint8_t studio, uint8_t address, uint16_t record, const std::vector<uint8_t>& data);
    // Any text, as it is.
    void SendRaw(const std::string& text);

    // Frame text of a record from a unit (an answer or a broadcast),
    // carriage return included.
    static std::string RecordText(FrameHead head, uint8_t studio, uint8_t address, uint16_t record,
                                  const std::vector<uint8_t>& data);

private:
    struct Scheduled {
        int due;  // in Pump calls
        std::string noise;
        std::string text;
    };

    void OnFrame(const std::string& text);
    void Answer(Unit& unit, uint16_t command, const std::vector<uint8_t>& data);
    void AnswerFromModel(Unit& unit, const CommandFrame& frame);
    void Send(const Unit& unit, const std::string& text);
    std::vector<uint8_t> IdentityData(const Unit& unit) const;
    void Write(const std::string& text);

    Reader m_reader;
    int m_master = -1;
    int m_slave = -1;  // held open so the terminal outlives the program's open and close
    std::string m_path;
    std::list<Unit> m_units;  // references stay valid as units come and go
    std::vector<Scheduled> m_scheduled;
    FrameAssembler m_received;
    int m_pumps = 0;
    SimBusLog m_log;
};

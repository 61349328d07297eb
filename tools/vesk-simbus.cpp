// vesk-simbus: a simulated bus of flash units on a pseudo-terminal.
//
//   vesk-simbus [--link PATH] [--log FILE|-] ADDRESS:STUDIO:TYPE[:VARIANT|:model] ...
//
// A unit of type 37 or 137 given with "model" answers through the demo
// generator model: its energies, times and memories follow its settings. A
// unit given without a variant identifies with one that units of its type
// really have (SimBus::DefaultVariant), so the library knows it.
// Prints the terminal's path, then answers until a signal asks it to end
// (SIGINT, SIGTERM, SIGHUP and the like); an output whose reader has gone
// does not end it. Give the
// path to the program through VESKCOMM_PORTS; --link also makes PATH a
// symbolic link to it, replacing only such a link that an earlier bus left.
// --log writes every frame in both directions to FILE, a regular file that
// is emptied only once the bus starts, or with "-" to standard error. Bad
// arguments end it with status 2, a bus that cannot start with status 1.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "tools/SimBus.h"
#include "tools/SimBusLogFile.h"

namespace {

const char kUsage[] = "usage: vesk-simbus [--link PATH] [--log FILE|-] ADDRESS:STUDIO:TYPE[:VARIANT|:model] ...\n";
const int kBadArguments = 2;
const int kCannotStart = 1;

volatile std::sig_atomic_t g_stop = 0;

// Signals that ask the bus to end: it ends as on Ctrl-C, taking its link
// along.
const int kStopSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGALRM, SIGUSR1, SIGUSR2};

struct UnitArgument {
    std::string text;
    uint8_t address = 0;
    uint8_t studio = 0;
    uint8_t type = 0;
    uint8_t variant = 0;
    bool model = false;
};

struct Arguments {
    std::string link;
    std::string log;
    std::vector<UnitArgument> units;
};

struct Option {
    const char* name;
    std::string Arguments::*value;
    const char* needs;
};

const Option kOptions[] = {
    {"--link", &Arguments::link, "a path"},
    {"--log", &Arguments::log, "a file, or - for standard error"},
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

// A decimal number from 0 to 255, digits only.
bool ParseByte(const std::string& field, uint8_t& value)
{
    if (field.empty() || field.size() > 3 || field.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int number = std::stoi(field);
    if (number > 255)
        return false;
    value = static_cast<uint8_t>(number);
    return true;
}

// A word that begins as an option does: with a dash, and more than the
// dash alone, which --log takes for standard error.
bool LooksLikeOption(const std::string& word)
{
    return word.size() > 1 && word[0] == '-';
}

std::string KnownTypeList()
{
    std::string list;
    for (const uint16_t type : SimBus::KnownTypes())
        list += (list.empty() ? "" : ", ") + std::to_string(type);
    return list;
}

// Reads a unit argument; returns why it is no unit, or nothing.
std::string ParseUnit(const std::string& text, UnitArgument& unit)
{
    const std::vector<std::string> fields = Split(text, ':');
    if (fields.size() < 3 || fields.size() > 4)
        return "a unit is ADDRESS:STUDIO:TYPE, followed by :VARIANT or :model";
    const std::pair<const char*, uint8_t*> numbers[] = {
        {"address", &unit.address}, {"studio", &unit.studio}, {"type", &unit.type}};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!ParseByte(fields[i], *numbers[i].second))
            return std::string("the ") + numbers[i].first + " \"" + fields[i] + "\" is not a number from 0 to 255";
    }
    if (!SimBus::IsKnownType(unit.type))
        return "type " + std::to_string(unit.type) + " is none the bus simulates (" + KnownTypeList() + ")";
    unit.variant = SimBus::DefaultVariant(unit.type);
    if (fields.size() == 4) {
        if (fields[3] == "model") {
            if (unit.type != 37 && unit.type != 137)
                return "only types 37 and 137 answer through the model";
            unit.model = true;
        } else if (!ParseByte(fields[3], unit.variant)) {
            return "the variant \"" + fields[3] + "\" is neither a number from 0 to 255 nor \"model\"";
        }
    }
    unit.text = text;
    return {};
}

// Reads the command line into arguments; returns what is wrong with it, or
// nothing.
std::string ParseArguments(int argc, char** argv, Arguments& arguments)
{
    std::map<std::pair<uint8_t, uint8_t>, std::string> taken;  // studio and address: the argument
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const Option* option = nullptr;
        for (const Option& candidate : kOptions) {
            if (arg == candidate.name)
                option = &candidate;
        }
        if (option) {
            std::string& value = arguments.*option->value;
            if (!value.empty())
                return "\"" + arg + "\": given twice";
            if (i + 1 >= argc || argv[i + 1][0] == '\0')
                return "\"" + arg + "\": needs " + option->needs;
            // An option in the value's place means the value was left out.
            if (LooksLikeOption(argv[i + 1]))
                return "\"" + arg + "\": needs " + option->needs + ", not \"" + argv[i + 1] + "\"";
            value = argv[++i];
            continue;
        }
        if (LooksLikeOption(arg))
            return "\"" + arg + "\": no such option";
        UnitArgument unit;
        const std::string wrong = ParseUnit(arg, unit);
        if (!wrong.empty())
            return "\"" + arg + "\": " + wrong;
        const auto [place, added] = taken.emplace(std::make_pair(unit.studio, unit.address), arg);
        if (!added)
            return "\"" + arg + "\": address " + std::to_string(unit.address) + " of studio " +
                   std::to_string(unit.studio) + " already holds \"" + place->second + "\"";
        arguments.units.push_back(unit);
    }
    return {};
}

std::string LinkTarget(const std::string& path)
{
    char target[4096];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    return length > 0 && static_cast<std::size_t>(length) < sizeof target ? std::string(target, length) : std::string();
}

// A pseudo-terminal's slave side, as an earlier bus linked it.
bool IsTerminalPath(const std::string& path)
{
    const std::string prefix = "/dev/pts/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
           path.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// Makes path a symbolic link to the bus. Only nothing or a link to a
// pseudo-terminal may be there: that is what an earlier bus left; anything
// else is the user's and stays. Returns why it failed, or nothing.
std::string MakeLink(const std::string& path, const std::string& terminal)
{
    struct stat there {};
    if (::lstat(path.c_str(), &there) == 0) {
        if (!S_ISLNK(there.st_mode))
            return std::string(S_ISDIR(there.st_mode) ? "a folder" : "a file") +
                   " is there; only a link to a pseudo-terminal is replaced";
        const std::string target = LinkTarget(path);
        if (!IsTerminalPath(target))
            return "a link to \"" + target + "\" is there; only a link to a pseudo-terminal is replaced";
        if (::unlink(path.c_str()) != 0)
            return std::strerror(errno);
    } else if (errno != ENOENT) {
        return std::strerror(errno);
    }
    if (::symlink(terminal.c_str(), path.c_str()) != 0)
        return std::strerror(errno);
    return {};
}

// The link goes with the bus, unless someone has put something else there.
void RemoveLink(const std::string& path, const std::string& terminal)
{
    if (!path.empty() && LinkTarget(path) == terminal)
        ::unlink(path.c_str());
}

int Fail(int status, const std::string& message)
{
    std::cerr << "vesk-simbus: " << message << "\n";
    if (status == kBadArguments)
        std::cerr << kUsage;
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    // Before anything is made, so that whatever the bus makes goes again
    // on every end it can catch. A reader of the output or of the log that
    // has gone is no reason to end: writing to it then fails quietly.
    struct sigaction stop {};
    stop.sa_handler = [](int) { g_stop = 1; };
    sigemptyset(&stop.sa_mask);
    for (const int signal : kStopSignals)
        ::sigaction(signal, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Arguments arguments;
    const std::string wrong = ParseArguments(argc, argv, arguments);
    if (!wrong.empty())
        return Fail(kBadArguments, wrong);

    SimBus bus(SimBus::Reader::OtherProcess);
    if (!bus.IsOpen())
        return Fail(kCannotStart, std::string("cannot open a pseudo-terminal: ") + std::strerror(errno));
    SimBusLogFile logFile;
    if (arguments.log == "-") {
        bus.SetLog(&std::cerr);
    } else if (!arguments.log.empty()) {
        const std::string failed = logFile.Open(arguments.log);
        if (!failed.empty())
            return Fail(kCannotStart, "--log " + arguments.log + ": " + failed);
        bus.SetLog(&logFile.Stream());
    }
    for (const UnitArgument& unit : arguments.units) {
        if (unit.model)
            bus.AddModelUnit(unit.address, unit.studio, unit.type);
        else
            bus.AddUnit(unit.address, unit.studio, unit.type, unit.variant);
    }
    if (!arguments.link.empty()) {
        const std::string failed = MakeLink(arguments.link, bus.DevicePath());
        if (!failed.empty()) {
            logFile.Abandon();
            return Fail(kCannotStart, "--link " + arguments.link + ": " + failed);
        }
    }
    const std::string emptied = logFile.Start();
    if (!emptied.empty()) {
        RemoveLink(arguments.link, bus.DevicePath());
        logFile.Abandon();
        return Fail(kCannotStart, "--log " + arguments.log + ": " + emptied);
    }

    std::cout << bus.DevicePath() << std::endl;
    while (!g_stop)
        bus.Pump(100);
    RemoveLink(arguments.link, bus.DevicePath());
    return 0;
}

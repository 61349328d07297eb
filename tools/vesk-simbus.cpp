// vesk-simbus: a simulated bus of flash units on a pseudo-terminal.
//
//   vesk-simbus [--link PATH] ADDRESS:STUDIO:TYPE[:VARIANT|:model] ...
//
// A unit of type 37 or 137 given with "model" answers through the demo
// generator model: its energies, times and memories follow its settings.
// Prints the terminal's path, then answers until it is stopped. Give the
// path to the program through VESKCOMM_PORTS; --link also makes PATH a
// symbolic link to it.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "tools/SimBus.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

bool ParseUnit(const std::string& text, SimBus& bus)
{
    unsigned address = 0, studio = 0, type = 0, variant = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%u:%u:%u%n", &address, &studio, &type, &used) != 3 || address > 255 ||
        studio > 255 || type > 255)
        return false;
    const std::string rest = text.substr(static_cast<std::size_t>(used));
    if (rest == ":model" && (type == 37 || type == 137)) {
        bus.AddModelUnit(static_cast<uint8_t>(address), static_cast<uint8_t>(studio), static_cast<uint16_t>(type));
        return true;
    }
    if (!rest.empty() && (std::sscanf(rest.c_str(), ":%u%n", &variant, &used) != 1 ||
                          static_cast<std::size_t>(used) != rest.size() || variant > 255))
        return false;
    bus.AddUnit(static_cast<uint8_t>(address), static_cast<uint8_t>(studio), static_cast<uint16_t>(type),
                static_cast<uint8_t>(variant));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    SimBus bus;
    if (!bus.IsOpen()) {
        std::perror("vesk-simbus: cannot open a pseudo-terminal");
        return 1;
    }
    std::string link;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--link" && i + 1 < argc) {
            link = argv[++i];
        } else if (!ParseUnit(arg, bus)) {
            std::fprintf(stderr, "usage: vesk-simbus [--link PATH] ADDRESS:STUDIO:TYPE[:VARIANT|:model] ...\n");
            return 2;
        }
    }
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(bus.DevicePath().c_str(), link.c_str()) != 0) {
            std::perror("vesk-simbus: cannot create the link");
            return 1;
        }
    }
    std::signal(SIGINT, [](int) { g_stop = 1; });
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    std::printf("%s\n", bus.DevicePath().c_str());
    std::fflush(stdout);
    while (!g_stop)
        bus.Pump(100);
    if (!link.empty())
        ::unlink(link.c_str());
    return 0;
}

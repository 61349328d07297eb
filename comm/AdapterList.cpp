#include "comm/AdapterList.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <tuple>

// Plain POSIX calls rather than std::filesystem: its directory iteration
// allocates inside functions that may not throw, so running out of memory
// there would end the caller's program instead of failing the call.
namespace {

const char* const kAdapterPrefixes[] = {"ttyUSB", "ttyACM"};

struct TtyName {
    int prefix;
    unsigned long number;
    std::string name;
};

bool ParseTtyName(const std::string& name, TtyName& out)
{
    for (int i = 0; i < 2; ++i) {
        const std::string prefix = kAdapterPrefixes[i];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        out = {i, std::strtoul(digits.c_str(), nullptr, 10), name};
        return true;
    }
    return false;
}

// The names in a directory; none when it cannot be read.
std::vector<std::string> DirectoryNames(const std::string& dir)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> stream(::opendir(dir.c_str()), &::closedir);
    if (!stream)
        return names;
    while (const dirent* entry = ::readdir(stream.get()))
        names.emplace_back(entry->d_name);
    return names;
}

// The USB device's product string: the first ancestor of the tty's device
// (the interface) that has one.
std::string ProductString(const std::string& ttyEntry)
{
    const std::unique_ptr<char, void (*)(void*)> device(::realpath((ttyEntry + "/device").c_str(), nullptr),
                                                        &std::free);
    if (!device)
        return {};
    for (std::string dir = device.get(); dir.size() > 1;) {
        std::ifstream product(dir + "/product");
        std::string line;
        if (product && std::getline(product, line)) {
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            if (!line.empty())
                return line;
        }
        // Up to the parent; the root itself is not read.
        const std::size_t slash = dir.find_last_of('/');
        dir.erase(slash == std::string::npos ? 0 : std::max<std::size_t>(slash, 1));
    }
    return {};
}

}  // namespace

std::vector<AdapterInfo> ListAdapters(const std::string& ttyClassDir, const std::string& deviceDir)
{
    std::vector<TtyName> ttys;
    for (const std::string& name : DirectoryNames(ttyClassDir)) {
        TtyName tty;
        if (ParseTtyName(name, tty))
            ttys.push_back(tty);
    }
    std::sort(ttys.begin(), ttys.end(), [](const TtyName& a, const TtyName& b) {
        return std::tie(a.prefix, a.number) < std::tie(b.prefix, b.number);
    });

    std::vector<AdapterInfo> adapters;
    for (const TtyName& tty : ttys) {
        std::string description = ProductString(ttyClassDir + "/" + tty.name);
        if (description.empty())
            description = tty.name;
        adapters.push_back({description, deviceDir + "/" + tty.name});
    }

    if (const char* extra = std::getenv("VESKCOMM_PORTS")) {
        const std::string list = extra;
        for (std::size_t begin = 0; begin <= list.size();) {
            std::size_t end = list.find(':', begin);
            if (end == std::string::npos)
                end = list.size();
            if (end > begin)
                adapters.push_back({list.substr(begin, end - begin), list.substr(begin, end - begin)});
            begin = end + 1;
        }
    }
    return adapters;
}

#include "comm/AdapterList.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace fs = std::filesystem;

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

// The USB device's product string: the first ancestor of the tty's device
// (the interface) that has one.
std::string ProductString(const fs::path& ttyEntry)
{
    std::error_code ec;
    fs::path dir = fs::canonical(ttyEntry / "device", ec);
    if (ec)
        return {};
    for (; !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
        std::ifstream product(dir / "product");
        std::string line;
        if (product && std::getline(product, line)) {
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            if (!line.empty())
                return line;
        }
    }
    return {};
}

}  // namespace

std::vector<AdapterInfo> ListAdapters(const std::string& ttyClassDir, const std::string& deviceDir)
{
    std::vector<TtyName> ttys;
    std::error_code ec;
    for (fs::directory_iterator it(ttyClassDir, ec), end; !ec && it != end; it.increment(ec)) {
        TtyName tty;
        if (ParseTtyName(it->path().filename().string(), tty))
            ttys.push_back(tty);
    }
    std::sort(ttys.begin(), ttys.end(), [](const TtyName& a, const TtyName& b) {
        return std::tie(a.prefix, a.number) < std::tie(b.prefix, b.number);
    });

    std::vector<AdapterInfo> adapters;
    for (const TtyName& tty : ttys) {
        std::string description = ProductString(fs::path(ttyClassDir) / tty.name);
        if (description.empty())
            description = tty.name;
        adapters.push_back({description, (fs::path(deviceDir) / tty.name).string()});
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

#include "app/StudioSettings.h"

#include <cstddef>

#include <wx/config.h>

namespace {

const char* const kGroup = "VeskStudio/";

struct ByteKey {
    const char* key;
    long def;
    uint8_t CStudioSettings::*value;
};

const ByteKey kAddressKeys[] = {{"Start", 1, &CStudioSettings::first}, {"End", 4, &CStudioSettings::last}};

const ByteKey kConnectionKeys[] = {{"Port", 1, &CStudioSettings::port},
                                   {"Studio", 1, &CStudioSettings::studio},
                                   {"Language", 1, &CStudioSettings::language}};

long ReadLong(const wxConfigBase& config, const char* key, long def)
{
    long value = def;
    config.Read(wxString(kGroup) + key, &value, def);
    return value;
}

void WriteLong(wxConfigBase& config, const char* key, long value)
{
    config.Write(wxString(kGroup) + key, value);
}

template <size_t N>
void ReadBytes(const wxConfigBase& config, const ByteKey (&keys)[N], CStudioSettings& settings)
{
    for (const ByteKey& entry : keys)
        settings.*entry.value = static_cast<uint8_t>(ReadLong(config, entry.key, entry.def));
}

template <size_t N>
void WriteBytes(wxConfigBase& config, const ByteKey (&keys)[N], const CStudioSettings& settings)
{
    for (const ByteKey& entry : keys)
        WriteLong(config, entry.key, settings.*entry.value);
}

}  // namespace

CStudioSettings CStudioSettings::Load(const wxConfigBase& config)
{
    CStudioSettings settings;
    ReadBytes(config, kConnectionKeys, settings);
    ReadBytes(config, kAddressKeys, settings);
    settings.fullView = ReadLong(config, "FULL", 1) != 0;
    settings.x = ReadLong(config, "X", -1);
    settings.y = ReadLong(config, "Y", -1);
    return settings;
}

void CStudioSettings::SaveAddresses(wxConfigBase& config) const
{
    WriteBytes(config, kAddressKeys, *this);
}

void CStudioSettings::SaveConnection(wxConfigBase& config) const
{
    WriteBytes(config, kConnectionKeys, *this);
}

void CStudioSettings::SavePlacement(wxConfigBase& config) const
{
    WriteLong(config, "X", x);
    WriteLong(config, "Y", y);
    WriteLong(config, "FULL", fullView ? 1 : 0);
}

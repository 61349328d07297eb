// The main window's settings in the configuration: what is saved reads back
// the same, in the keys and layout the program has always written, and a
// file of the program loads with defaults for what it lacks or cannot give.
#include <gtest/gtest.h>

#include <string>

#include <wx/fileconf.h>
#include <wx/sstream.h>

#include "app/StudioSettings.h"

namespace {

wxFileConfig ConfigOf(const std::string& text)
{
    wxStringInputStream input(wxString::FromUTF8(text));
    return wxFileConfig(input);
}

std::string TextOf(wxFileConfig& config)
{
    wxString text;
    wxStringOutputStream output(&text);
    EXPECT_TRUE(config.Save(output));
    return text.utf8_string();
}

void ExpectSame(const CStudioSettings& actual, const CStudioSettings& expected)
{
    EXPECT_EQ(actual.port, expected.port);
    EXPECT_EQ(actual.studio, expected.studio);
    EXPECT_EQ(actual.first, expected.first);
    EXPECT_EQ(actual.last, expected.last);
    EXPECT_EQ(actual.language, expected.language);
    EXPECT_EQ(actual.fullView, expected.fullView);
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
}

CStudioSettings Settings(uint8_t port, uint8_t studio, uint8_t first, uint8_t last, uint8_t language, bool fullView,
                         long x, long y)
{
    CStudioSettings settings;
    settings.port = port;
    settings.studio = studio;
    settings.first = first;
    settings.last = last;
    settings.language = language;
    settings.fullView = fullView;
    settings.x = x;
    settings.y = y;
    return settings;
}

TEST(StudioSettingsTest, SavedSettingsReadBackTheSame)
{
    const CStudioSettings saved = Settings(3, 17, 2, 19, 4, false, 150, 60);
    wxFileConfig config = ConfigOf("");
    saved.SaveAddresses(config);
    saved.SaveConnection(config);
    saved.SavePlacement(config);

    wxFileConfig reread = ConfigOf(TextOf(config));
    ExpectSame(CStudioSettings::Load(reread), saved);
}

TEST(StudioSettingsTest, ANewFileHasTheProgramsKeysInTheOrderItWritesThem)
{
    const CStudioSettings saved = Settings(3, 1, 2, 7, 3, true, 150, 60);
    wxFileConfig config = ConfigOf("");
    saved.SaveAddresses(config);
    saved.SaveConnection(config);
    saved.SavePlacement(config);
    EXPECT_EQ(TextOf(config), "[VeskStudio]\nStart=2\nEnd=7\nPort=3\nStudio=1\nLanguage=3\nX=150\nY=60\nFULL=1\n");
}

TEST(StudioSettingsTest, EachPartWritesOnlyItsOwnKeys)
{
    const CStudioSettings saved = Settings(3, 1, 2, 7, 3, false, 150, 60);
    const struct {
        void (CStudioSettings::*save)(wxConfigBase&) const;
        const char* text;
    } parts[] = {{&CStudioSettings::SaveAddresses, "[VeskStudio]\nStart=2\nEnd=7\n"},
                 {&CStudioSettings::SaveConnection, "[VeskStudio]\nPort=3\nStudio=1\nLanguage=3\n"},
                 {&CStudioSettings::SavePlacement, "[VeskStudio]\nX=150\nY=60\nFULL=0\n"}};
    for (const auto& part : parts) {
        wxFileConfig config = ConfigOf("");
        (saved.*part.save)(config);
        EXPECT_EQ(TextOf(config), part.text);
    }
}

TEST(StudioSettingsTest, AWrittenPartKeepsTheOtherEntriesAndTheirPlaces)
{
    wxFileConfig config = ConfigOf("[VeskStudio]\nX=5\nPort=2\nStart=3\nOther=x\n");
    Settings(4, 6, 1, 9, 2, true, -1, -1).SaveConnection(config);
    EXPECT_EQ(TextOf(config), "[VeskStudio]\nX=5\nPort=4\nStart=3\nOther=x\nStudio=6\nLanguage=2\n");
}

TEST(StudioSettingsTest, AFileOfTheProgramLoads)
{
    wxFileConfig config =
        ConfigOf("[VeskStudio]\nStart=2\nEnd=7\nPort=5\nStudio=12\nLanguage=3\nX=150\nY=60\nFULL=0\n");
    ExpectSame(CStudioSettings::Load(config), Settings(5, 12, 2, 7, 3, false, 150, 60));
}

TEST(StudioSettingsTest, MissingOrDamagedEntriesTakeTheirDefaults)
{
    const CStudioSettings defaults = Settings(1, 1, 1, 4, 1, true, -1, -1);
    for (const char* text : {"", "[Other]\nPort=5\n",
                             "[VeskStudio]\nPort=abc\nStudio=\nStart=x7\nEnd=9x\n"
                             "Language=two\nX=left\nY=\nFULL=yes\n"}) {
        SCOPED_TRACE(text);
        wxFileConfig config = ConfigOf(text);
        ExpectSame(CStudioSettings::Load(config), defaults);
    }
}

TEST(StudioSettingsTest, StoredBytesKeepTheirLowBits)
{
    wxFileConfig config =
        ConfigOf("[VeskStudio]\nPort=257\nStudio=259\nStart=258\nEnd=-1\nLanguage=7\nX=-20\nY=70000\nFULL=2\n");
    ExpectSame(CStudioSettings::Load(config), Settings(1, 3, 2, 255, 7, true, -20, 70000));
}

}  // namespace

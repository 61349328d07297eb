// The texts the light bars draw: the families' energy texts, the percent
// text, the text colours, and where the auxiliary bars place their texts,
// in every language and also where the number format has a decimal comma.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include <wx/filename.h>
#include <wx/utils.h>

#include "GuiTestHarness.h"
#include "controls/BarFace.h"
#include "units/EnergyText.h"

namespace {

const int kEnglish = 0;
const int kGerman = 500;

// Quirel A1 (and Nuvek and Ribex) rule.
struct QuirelCase {
    int mode;
    short value;
    bool available, on, inhibited;
    short channel;
    int offset;
    const char* text;
};

const QuirelCase kQuirelCases[] = {
    {0, 100, 1, 1, 0, 0, kEnglish, "10"},
    {0, 75, 1, 1, 0, 0, kEnglish, "7.5"},
    {0, 55, 1, 1, 0, 1, kEnglish, "5.5"},
    {0, 0, 1, 1, 0, 0, kEnglish, "0"},
    {1, 100, 1, 1, 0, 0, kEnglish, "9.0"},
    {1, 0, 1, 1, 0, 0, kEnglish, "0"},
    {1, 5, 1, 1, 0, 0, kEnglish, "-0.5"},
    {2, 55, 1, 1, 0, 0, kEnglish, "3.5"},
    {3, 55, 1, 1, 0, 0, kEnglish, "2.5"},
    {4, 100, 1, 1, 0, 0, kEnglish, "9"},
    {4, 55, 1, 1, 0, 0, kEnglish, "-4"},
    {4, 70, 1, 1, 0, 0, kEnglish, "0"},
    {4, 0, 1, 1, 0, 0, kEnglish, "0"},
    // The light's state goes before its energy.
    {0, 55, 0, 1, 0, 1, kEnglish, ""},
    {0, 55, 0, 0, 1, 3, kEnglish, ""},
    {0, 55, 1, 0, 0, 1, kEnglish, "off"},
    {0, 55, 1, 0, 1, 1, kEnglish, "off"},
    {0, 55, 1, 1, 1, 0, kEnglish, "on"},
    {0, 55, 1, 1, 1, 2, kEnglish, "on"},
    {0, 55, 1, 1, 1, 3, kEnglish, "off"},
    {0, 55, 1, 0, 0, 1, kGerman, "aus"},
    {0, 55, 1, 1, 1, 1, kGerman, "ein"},
    {0, 55, 1, 1, 1, 3, kGerman, "aus"},
};

TEST(EnergyText, QuirelA1Rule)
{
    for (const QuirelCase& c : kQuirelCases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " value " << c.value << " available " << c.available
                                        << " on " << c.on << " inhibited " << c.inhibited << " channel " << c.channel
                                        << " offset " << c.offset);
        EXPECT_EQ(FormatEnergyTextQuirelA1(c.value, c.available, c.on, c.inhibited, c.channel, c.mode, c.offset),
                  c.text);
    }
}

TEST(EnergyText, TikoRule)
{
    struct Case {
        int mode;
        short value;
        const char* text;
    };
    const Case cases[] = {
        {0, 100, "10"}, {0, 55, "5.5"}, {0, 0, "0"}, {1, 100, "9.6"}, {1, 55, "5.1"},
        {2, 55, "4.1"}, {3, 57, "3.3"}, {3, 0, "0"}, {4, 100, "10"},  {4, 55, "5.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " value " << c.value);
        EXPECT_EQ(FormatEnergyTextTiko(c.value, c.mode), c.text);
    }
}

// Zarit and ZaritE: flags bit 0 inhibited, bit 1 the speed offset.
struct ZaritCase {
    short value;
    bool available, on;
    int flags;
    short channel;
    int mode;
    bool speed;
    int offset;
    const char* zarit;
    const char* zaritE;
};

// clang-format off
const ZaritCase kZaritCases[] = {
    {75, 1, 1, 0, 0, 0, 0, kEnglish, "7.5", "7.5"},
    {75, 1, 1, 0, 0, 1, 0, kEnglish, "6.5", "7.5"},
    {75, 1, 1, 2, 0, 0, 1, kEnglish, "7.9", "7.5"},
    {75, 1, 1, 2, 0, 0, 0, kEnglish, "7.5", "7.5"},
    {75, 1, 1, 0, 0, 0, 1, kEnglish, "7.5", "7.5"},
    {75, 1, 1, 2, 0, 1, 1, kEnglish, "6.9", "7.5"},
    {98, 1, 1, 2, 0, 0, 1, kEnglish, "10", "9.8"},
    {100, 1, 1, 0, 0, 0, 0, kEnglish, "10", "10"},
    {100, 1, 1, 0, 0, 1, 0, kEnglish, "9.0", "10"},
    {5, 1, 1, 0, 1, 1, 0, kEnglish, "0", "0.5"},
    {0, 1, 1, 0, 1, 0, 0, kEnglish, "0", "0"},
    {50, 1, 1, 1, 3, 0, 0, kEnglish, "off", "off"},
    {50, 1, 1, 1, 2, 0, 0, kEnglish, "on", "on"},
    {50, 1, 1, 3, 0, 0, 1, kEnglish, "on", "on"},
    {50, 0, 1, 0, 1, 0, 0, kEnglish, "", ""},
    {50, 1, 0, 0, 1, 0, 0, kEnglish, "off", "off"},
    {50, 1, 0, 0, 1, 0, 0, kGerman, "aus", "aus"},
    {50, 1, 1, 1, 1, 0, 0, kGerman, "ein", "ein"},
};
// clang-format on

TEST(EnergyText, ZaritAndZaritERules)
{
    for (const ZaritCase& c : kZaritCases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << " available " << c.available << " on " << c.on
                                        << " flags " << c.flags << " channel " << c.channel << " mode " << c.mode
                                        << " speed " << c.speed << " offset " << c.offset);
        EXPECT_EQ(FormatEnergyTextZarit(c.value, c.available, c.on, c.flags, c.channel, c.mode, c.speed, c.offset),
                  c.zarit);
        EXPECT_EQ(FormatEnergyTextZaritE(c.value, c.available, c.on, c.flags, c.channel, c.offset), c.zaritE);
    }
}

TEST(BarText, PercentIsWholeAbove66AndTenthsBelow)
{
    struct Case {
        short value;
        short percent;
        const char* text;
    };
    const Case cases[] = {
        {66, 95, "9.5%"},   {67, 10, "10%"}, {62, 62, "6.2%"}, {50, 31, "3.1%"},
        {100, 100, "100%"}, {90, 25, "25%"}, {90, -5, "-5%"},  {0, 0, "0.0%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << " percent " << c.percent);
        EXPECT_EQ(BarPercentText(c.value, c.percent), c.text);
    }
}

TEST(BarText, TextColourFollowsActiveThenWarning)
{
    const wxColour blue(83, 197, 255);
    const wxColour grey(180, 180, 180);
    EXPECT_EQ(BarTextColour(true, false, blue), blue);
    EXPECT_EQ(BarTextColour(true, true, blue), wxColour(255, 0, 0));
    EXPECT_EQ(BarTextColour(false, false, blue), grey);
    EXPECT_EQ(BarTextColour(false, true, blue), grey);
}

// The worked example of a 100 x 60 bar.
TEST(BarText, AuxiliaryLayoutOfA100By60Bar)
{
    const wxRect client(0, 0, 100, 60);
    struct Case {
        int inset;
        int rowLeft;
        wxRect box;
        int percentX;
    };
    const Case cases[] = {
        {23, 7, wxRect(23, 0, 77, 45), 56},   // the check-box bars
        {23, 11, wxRect(23, 0, 77, 45), 58},  // Ribex: indicators left of the row
        {0, 7, wxRect(0, 0, 100, 45), 56},    // Tiko: no check box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "inset " << c.inset << " row " << c.rowLeft);
        BarFace face;
        LayoutAuxFace(face, client, c.inset, c.rowLeft, true, 600, 50, 90);
        EXPECT_EQ(face.largeBox, c.box);
        EXPECT_EQ(face.largePoints, 24);
        EXPECT_TRUE(face.lowerRow);
        EXPECT_EQ(face.joules, "600J");
        EXPECT_EQ(face.percent, "50%");
        EXPECT_EQ(face.joulesAt, wxPoint(c.rowLeft, 42));
        EXPECT_EQ(face.percentAt, wxPoint(c.percentX, 42));
    }

    BarFace face;
    LayoutAuxFace(face, client, 23, 7, false, 600, 50, 90);
    EXPECT_FALSE(face.lowerRow);
    EXPECT_TRUE(face.joules.empty());
    EXPECT_TRUE(face.percent.empty());
}

// A German number format for the numbers that printf writes; built from the
// system's locale sources into the run's home when it is not installed.
class DecimalCommaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = std::setlocale(LC_NUMERIC, nullptr);
        if (!Switch()) {
            const wxString dir = wxFileName(guitest::HomeDir(), "locale").GetFullPath();
            wxFileName::Mkdir(dir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
            const std::string command =
                "localedef -i de_DE -f UTF-8 '" + dir.utf8_string() + "/de_DE.UTF-8' >/dev/null 2>&1";
            if (std::system(command.c_str()) == 0) {
                setenv("LOCPATH", dir.utf8_str(), 1);
                m_ownPath = true;
                Switch();
            }
        }
        if (wxString::Format("%1.1f", 5.5) != "5,5")
            GTEST_SKIP() << "no German number format here (localedef missing?)";
    }

    void TearDown() override
    {
        if (m_ownPath)
            unsetenv("LOCPATH");
        std::setlocale(LC_NUMERIC, m_old.c_str());
    }

private:
    static bool Switch() { return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr; }

    std::string m_old;
    bool m_ownPath = false;
};

TEST_F(DecimalCommaTest, EnergyAndPercentTextsKeepThePoint)
{
    EXPECT_EQ(FormatEnergyTextQuirelA1(55, 1, 1, 0, 1, 0, kEnglish), "5.5");
    EXPECT_EQ(FormatEnergyTextQuirelA1(55, 1, 1, 0, 1, 2, kEnglish), "3.5");
    EXPECT_EQ(FormatEnergyTextTiko(55, 0), "5.5");
    EXPECT_EQ(FormatEnergyTextTiko(100, 1), "9.6");
    EXPECT_EQ(FormatEnergyTextZarit(75, 1, 1, 2, 0, 0, true, kEnglish), "7.9");
    EXPECT_EQ(FormatEnergyTextZaritE(75, 1, 1, 0, 0, kEnglish), "7.5");
    EXPECT_EQ(BarPercentText(66, 95), "9.5%");
    EXPECT_EQ(BarPercentText(62, 62), "6.2%");
}

}  // namespace

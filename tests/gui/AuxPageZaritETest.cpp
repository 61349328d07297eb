// The ZaritE auxiliary-function page: sequence and t0.1, the shortened
// t0.1 help, and a scroll bar that edits nothing.
#include "AuxPageDriver.h"

#include "pages/aux/AuxPageZaritE.h"

using namespace guitest;

namespace {

using Page = CAuxPageZaritE;

class ZaritEAuxPageTest : public AuxPageTest {
protected:
    void SetUp() override
    {
        AuxPageTest::SetUp();
        Remake();
    }

    Page* Remake()
    {
        page = Make<Page>("DLG_AUX_PAGE_ZARITE");
        return page;
    }

    bool SpinShown() const { return page->FindWindow("IDC_AU_SPIN_container")->IsShown(); }

    Page* page = nullptr;
};

TEST_F(ZaritEAuxPageTest, StartsOnTheSequenceWithItsHelpAndCaptions)
{
    EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
    EXPECT_EQ(Control(page, "IDC_AU_T01")->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_SEQUENCE"), "sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_RESET"), "reset");
    EXPECT_EQ(Control(page, "IDC_AU_RESET")->GetToolTipText(), "switches off all auxiliary functions");
    EXPECT_TRUE(SpinShown());
    EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
    EXPECT_EQ(ScrollBar(page)->GetRange(), 5000);
    EXPECT_TRUE(Sent().empty());
}

// The t0.1 help here stops before its closing sentence, in every language.
TEST_F(ZaritEAuxPageTest, T01HelpEndsBeforeItsClosingSentence)
{
    struct Case {
        uint16_t language;
        const char* title;
        const char* ending;
        const char* dropped;
    };
    const Case cases[] = {
        {0, "Help flash duration t0.1", "for the selected power setting.", "Intermediate value possible."},
        {500, "Hilfe Blitzdauer t0.1", "für die gewählte Leistung automatisch gewählt.", "Zwischenwerte möglich."},
        {1000, "Aide durée d'éclair t0.1", "pour la puissance réglée.", "Valeur intermédiaire possible."},
        {1500, "Ayuda duración del destello t0.1", "para la potencia ajustada.", "Valor intermedio posible."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        host->languageOffset = c.language;
        Remake();
        page->SelectFieldByIndex(1);
        EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), wxString::FromUTF8(c.title));
        const wxString help = TextOf(page, "IDC_AU_HELPTEXT");
        EXPECT_TRUE(help.EndsWith(wxString::FromUTF8(c.ending))) << help;
        EXPECT_EQ(help.Find(wxString::FromUTF8(c.dropped)), wxNOT_FOUND) << help;
        EXPECT_GT(help.length(), 100u);
    }
}

// Made-up texts: the shipped ones all have a full stop before the last
// sentence, but a text without one must not vanish.
TEST(ZaritEHelpCut, KeepsTheTextUpToTheLastFullStopBeforeTheEnd)
{
    struct Case {
        const char* text;
        const char* kept;
    };
    const Case cases[] = {
        {"First sentence. Second sentence.", "First sentence."},
        {"One. Two. Three", "One. Two."},
        {"a.b.c.", "a.b."},
        {"One sentence only.", "One sentence only."},
        {"no full stop at all", "no full stop at all"},
        {".", "."},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CAuxPageZaritE::WithoutClosingSentence(c.text), c.kept) << c.text;
}

TEST_F(ZaritEAuxPageTest, SelectionReportPicksSequenceOrT01WithoutSwappingEditors)
{
    struct Case {
        int16_t index;
        int field;
        Commands sent;
    };
    const Case cases[] = {
        {5, Page::T01, {{11, 0}}},       {1, Page::T01, {}},
        {0, Page::SEQUENCE, {{11, 0}}},  {7, Page::T01, {{11, 0}}},
        {-3, Page::SEQUENCE, {{11, 0}}}, {0, Page::SEQUENCE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        page->SelectFieldByIndex(c.index);
        EXPECT_EQ(page->GetSelectedField(), c.field);
        EXPECT_EQ(page->GetSelectedFieldIndex(), c.field == Page::T01 ? 1 : 0);
        EXPECT_TRUE(IsHighlighted(page, c.field == Page::T01 ? "IDC_AU_T01" : "IDC_AU_SEQUENCE"));
        EXPECT_EQ(Sent(), c.sent);
        EXPECT_TRUE(SpinShown());
        EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
        EXPECT_TRUE(Control(page, "IDC_AU_SEQUENCE")->IsEnabled());
        EXPECT_TRUE(Control(page, "IDC_AU_T01")->IsEnabled());
    }
}

TEST_F(ZaritEAuxPageTest, ClicksPickTheFields)
{
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_T01")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), Page::T01);
    EXPECT_FALSE(ReleaseMouseAt(page, wxPoint(1, 1)));
    EXPECT_TRUE(Sent().empty());

    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_SEQUENCE")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);
}

// No scroll event changes or sends anything, whichever field is picked.
TEST_F(ZaritEAuxPageTest, ScrollBarEditsNothing)
{
    page->SetSequence(5, false);
    page->SetT01Value(125);
    page->SetT01(0x81);
    for (int16_t index : {0, 1}) {
        page->SelectFieldByIndex(index);
        Sent();
        for (wxEventType type :
             {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
              wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM})
            ScrollEvent(page, type, 1200);
        EXPECT_TRUE(Sent().empty()) << index;
        EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "5");
        EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/125");
        EXPECT_EQ(page->GetSequence(), 5);
    }
}

TEST_F(ZaritEAuxPageTest, T01StepsGoToTheUnitAndItsReleaseSendsNothing)
{
    page->SelectFieldByIndex(1);
    Sent();
    ClickArrow(page, 0);
    ClickArrow(page, 1);
    EXPECT_EQ(Sent(), (Commands{{6, 1}, {6, 0}}));
    SpinPress(page, 1, 3);
    EXPECT_EQ(Sent(), (Commands{{6, 1}, {6, 1}, {6, 1}}));
    host->stepPending = true;
    ClickArrow(page, 0);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(ZaritEAuxPageTest, SequenceStepsReleaseAndEcho)
{
    host->programVersion = 3;
    page->SetSequence(0, false);
    ClickArrow(page, 0);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "2");
    EXPECT_EQ(Sent(), (Commands{{5, 2}}));
    SpinPress(page, 1, 60);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
    EXPECT_EQ(Sent(), (Commands{{5, 50}}));
    EXPECT_EQ(Queue(page, Page::SEQUENCE), (std::vector<int>{2, 50}));
    page->SetSequence(2, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
    page->SetSequence(9, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "9");
    EXPECT_TRUE(Queue(page, Page::SEQUENCE).empty());
}

// The device page reads the t0.1 words in the places of delay and preset.
TEST_F(ZaritEAuxPageTest, T01WordsAndTheirGetters)
{
    page->SetT01Value(250);
    page->SetT01(0xF3);
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_T01"), "flash duration t0.1");
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/250");
    EXPECT_EQ(page->GetT01Mode(), 0x83);
    EXPECT_EQ(page->GetT01Value(), 250);
    EXPECT_EQ(page->GetDelay(), 0x83);
    EXPECT_EQ(page->GetPreset(), 250);

    // A mode without a new value keeps the value last stored.
    page->SetT01(0x00);
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_T01"), "flash duration t0.1 opt.");
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/250");
    EXPECT_EQ(page->GetDelay(), 0);
    page->SetT01Value(0);
    page->SetT01(0x80);
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_T01"), "flash duration t0.1 min.");
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "");
    EXPECT_EQ(page->GetPreset(), 0);

    ClickButton(page, "IDC_AU_RESET");
    EXPECT_EQ(Sent(), (Commands{{15, 0}}));
}

}  // namespace

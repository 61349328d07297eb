// The keyboard in the running program, keys pressed on the display: the
// language box keeps the focus while the user steps through the languages;
// Tab stops on a device page only at controls that are shown and enabled and
// that show the focus; a spin button with the focus steps its light with the
// arrow keys; a picture button wears a plain mark while it has the focus.
#include "RunningProgram.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "KeyReleases.h"
#include "controls/MainLightBar.h"
#include "units/FamilyDevicePage.h"

using namespace programtest;

namespace {

// The pixels of a stretch of the screen, as the display shows them.
class Snapshot {
public:
    explicit Snapshot(const wxRect& rect) : m_rect(rect)
    {
        GdkPixbuf* pixbuf =
            gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y, rect.width, rect.height);
        if (!pixbuf)
            return;
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        const int channels = gdk_pixbuf_get_n_channels(pixbuf);
        const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
        for (int y = 0; y < rect.height; ++y) {
            for (int x = 0; x < rect.width; ++x) {
                const guchar* pixel = data + y * stride + x * channels;
                m_pixels.push_back(pixel[0] << 16 | pixel[1] << 8 | pixel[2]);
            }
        }
        g_object_unref(pixbuf);
    }

    const wxRect& Rect() const { return m_rect; }

    // Pixels of this stretch that differ from other's, which was taken of
    // the same stretch, in some colour channel by at least contrast.
    size_t Differences(const Snapshot& other, int contrast = 1) const
    {
        if (other.m_pixels.size() != m_pixels.size() || m_pixels.empty())
            return 0;
        size_t count = 0;
        for (size_t i = 0; i < m_pixels.size(); ++i) {
            int most = 0;
            for (int shift : {0, 8, 16}) {
                const int mine = static_cast<int>(m_pixels[i] >> shift & 0xff);
                const int theirs = static_cast<int>(other.m_pixels[i] >> shift & 0xff);
                most = std::max(most, std::abs(mine - theirs));
            }
            count += most >= contrast ? 1 : 0;
        }
        return count;
    }

private:
    wxRect m_rect;
    std::vector<unsigned> m_pixels;
};

class KeyboardTest : public RunningProgramTest {
protected:
    // Keys go to the window under the pointer while no window manager gives
    // the focus.
    void PointAtWindow()
    {
        wxUIActionSimulator().MouseMove(Window()->GetScreenRect().GetLeftTop() + wxPoint(20, 60));
        guitest::Yield();
    }

    // A key pressed and let go on the keyboard, once the program has handled
    // its release.
    void Press(int key, int modifiers = wxMOD_NONE)
    {
        guitest::KeyReleases releases;
        wxUIActionSimulator().Char(key, modifiers);
        ASSERT_TRUE(guitest::WaitFor([&] { return releases.Saw(key); })) << "key " << key << " never arrived";
    }

    // The native widget that holds the keyboard's focus: a control of the
    // program, or a part of one (a list's drop-down button, a tool).
    GtkWidget* FocusWidget() const { return gtk_window_get_focus(GTK_WINDOW(Window()->GetHandle())); }

    // Where widget lies on the screen: the toolkit draws its focus marks
    // inside a control.
    wxRect ScreenRectOf(GtkWidget* widget) const
    {
        GtkWidget* top = gtk_widget_get_toplevel(widget);
        int x = 0;
        int y = 0;
        gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
        int originX = 0;
        int originY = 0;
        gdk_window_get_origin(gtk_widget_get_window(top), &originX, &originY);
        const wxRect rect(originX + x, originY + y, gtk_widget_get_allocated_width(widget),
                          gtk_widget_get_allocated_height(widget));
        return rect.Intersect(wxRect(wxGetDisplaySize()));
    }

    CFamilyDevicePage* UnitPage(size_t index) const { return dynamic_cast<CFamilyDevicePage*>(DevicePage(index)); }

    // Starts the program with unit alone, once the unit has said all its
    // page asked for and the window has settled.
    void StartWith(const std::string& unit, int address, int language = 1)
    {
        ASSERT_TRUE(StartRunning({unit}, language, true, address, address));
        ASSERT_TRUE(guitest::WaitFor([&] { return HasSaidAll(address); }, 90000)) << "the unit never said all";
        Settle();
        PointAtWindow();
    }

    // Gives the focus to window with the toolkit, as a click would.
    void FocusOn(wxWindow* window)
    {
        window->SetFocus();
        ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == window; }));
    }
};

TEST_F(KeyboardTest, LanguageBoxKeepsTheFocusWhileTheUserStepsThroughTheLanguages)
{
    StartWith("5:1:16:65", 5);
    wxComboBox* list = LanguageList();
    ASSERT_NE(list, nullptr);
    FocusOn(list);
    ASSERT_EQ(list->GetSelection(), 0);
    // Each Down switches to the next language, which reopens the port and
    // makes the pages anew; the box keeps the focus for the next Down.
    for (int language = 1; language <= 3; ++language) {
        SCOPED_TRACE("language " + std::to_string(language + 1));
        Press(WXK_DOWN);
        ASSERT_TRUE(guitest::WaitFor([&] { return list->GetSelection() == language; }));
        ASSERT_TRUE(guitest::WaitFor([&] { return Notebook()->GetPageCount() == 1; }, 90000));
        Settle();
        EXPECT_EQ(wxWindow::FindFocus(), list);
    }
}

struct FamilyUnit {
    const char* name;
    const char* unit;
    int address;
};

void PrintTo(const FamilyUnit& family, std::ostream* out)
{
    *out << family.name;
}

const FamilyUnit kFamilies[] = {
    {"Zarit", "1:1:37:model", 1}, {"ZaritE", "2:1:137:model", 2}, {"Nuvek", "3:1:20:1", 3},
    {"Ribex", "4:1:32:1", 4},     {"QuirelA1", "5:1:16:65", 5},   {"Tiko", "6:1:18:8", 6},
};

class TabStopTest : public KeyboardTest, public ::testing::WithParamInterface<FamilyUnit> {};

TEST_P(TabStopTest, EveryStopOnThePageIsAShownEnabledControlThatShowsTheFocus)
{
    StartWith(GetParam().unit, GetParam().address);
    FocusOn(Notebook());
    GtkWidget* page = DevicePage(0)->GetHandle();
    // From the unit tab through the page, until the focus leaves it. Each
    // stop is looked at while it has the focus and again once the focus has
    // moved on: the two must differ.
    int stops = 0;
    GtkWidget* focus = FocusWidget();
    std::optional<Snapshot> focused;
    std::string name;
    for (;;) {
        Press(WXK_TAB);
        ASSERT_TRUE(guitest::WaitFor([&] { return FocusWidget() != focus; })) << "Tab did not move the focus";
        if (focused) {
            EXPECT_TRUE(guitest::WaitFor([&] { return Snapshot(focused->Rect()).Differences(*focused) > 0; }))
                << "stop " << stops << " (" << name << "): nothing on the screen shows its focus";
        }
        focus = FocusWidget();
        if (!focus || !gtk_widget_is_ancestor(focus, page))
            break;
        ASSERT_LT(++stops, 60) << "the focus goes round inside the page";
        wxWindow* control = wxWindow::FindFocus();
        name = control ? wxXmlResource::FindXRCIDById(control->GetId()).utf8_string() : G_OBJECT_TYPE_NAME(focus);
        SCOPED_TRACE("stop " + std::to_string(stops) + ": " + name);
        EXPECT_TRUE(gtk_widget_is_visible(focus) && gtk_widget_get_mapped(focus));
        EXPECT_TRUE(gtk_widget_is_sensitive(focus));
        if (control) {
            EXPECT_TRUE(control->IsShownOnScreen());
            EXPECT_TRUE(control->IsEnabled());
        }
        Settle();
        focused.emplace(ScreenRectOf(focus));
    }
    EXPECT_GT(stops, 5);
}

INSTANTIATE_TEST_SUITE_P(Families, TabStopTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, SpinButtonWithTheFocusStepsItsLightWithTheArrowKeys)
{
    StartWith("5:1:16:65", 5);
    CFamilyDevicePage* page = UnitPage(0);
    ASSERT_NE(page, nullptr);
    wxWindow* spin = page->FindWindow(XRCID("IDC_SPIN_MAIN"));
    ASSERT_NE(spin, nullptr);
    const int start = page->LightBars().Main()->GetValue();
    FocusOn(spin);
    // Each press is one step, sent when the key is let go; the bar shows
    // what the unit then reports.
    const auto step = [&](int key, int value) {
        ASSERT_TRUE(guitest::WaitFor([&] { return !page->IsBusy(); }));
        Press(key);
        EXPECT_TRUE(guitest::WaitFor([&] { return page->LightBars().Main()->GetValue() == value; }))
            << "the light stands at " << page->LightBars().Main()->GetValue() << ", not " << value;
    };
    step(WXK_UP, start + 1);
    step(WXK_DOWN, start);
    step(WXK_DOWN, start - 1);
    EXPECT_TRUE(guitest::WaitFor([&] { return HasSaidAll(5); }, 90000));
    EXPECT_EQ(page->LightBars().Main()->GetValue(), start - 1);
    // Other keys leave the light alone.
    Press(WXK_SPACE);
    Press(WXK_RIGHT);
    Settle();
    EXPECT_EQ(page->LightBars().Main()->GetValue(), start - 1);
}

TEST_F(KeyboardTest, PictureButtonWearsAPlainMarkWhileItHasTheFocus)
{
    StartWith("5:1:16:65", 5);
    wxWindow* power = DevicePage(0)->FindWindow(XRCID("IDC_POWER"));
    ASSERT_NE(power, nullptr);
    FocusOn(Notebook());
    Settle();
    const Snapshot unfocused(power->GetScreenRect());
    // Reached with the keyboard, where the toolkit draws its focus marks.
    for (int i = 0; i < 60 && wxWindow::FindFocus() != power; ++i)
        Press(WXK_TAB);
    ASSERT_EQ(wxWindow::FindFocus(), power);
    // A frame all round the picture, not a faint dotted line: at least as
    // many pixels as the button's outline has change plainly.
    const size_t outline = 2 * (power->GetSize().x + power->GetSize().y);
    const int plain = 96;
    EXPECT_TRUE(guitest::WaitFor([&] { return Snapshot(unfocused.Rect()).Differences(unfocused, plain) >= outline; }))
        << Snapshot(unfocused.Rect()).Differences(unfocused, plain) << " pixels changed plainly, " << outline
        << " wanted";
}

}  // namespace

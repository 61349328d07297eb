// Drives an auxiliary-function page as the user and the unit do: the spin
// button's steps and releases as it raises them, the scroll bar's events,
// clicks on the page, and reads back the texts and states the page shows.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include <wx/checkbox.h>
#include <wx/scrolbar.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "GuiTestHarness.h"
#include "PageUserActions.h"
#include "SettingPageStandIn.h"
#include "app/CtrlHelpers.h"
#include "pages/aux/AuxPageBase.h"

namespace guitest {

using Commands = std::vector<std::pair<int16_t, int32_t>>;

inline wxWindow* Control(wxWindow* page, const char* name)
{
    return page->FindWindow(wxXmlResource::GetXRCID(name));
}

inline wxWindow* Spin(wxWindow* page)
{
    return Control(page, "IDC_AU_SPIN");
}

// One step of the held spin button: what its arrows raise on a press and at
// every repeat.
inline void SpinStep(wxWindow* page, int delta)
{
    wxWindow* spin = Spin(page);
    wxSpinEvent event(delta > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, spin->GetId());
    event.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(event);
}

// The end of a press.
inline void SpinRelease(wxWindow* page)
{
    wxWindow* spin = Spin(page);
    wxScrollEvent event(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    event.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(event);
}

// Holds an arrow for steps steps (each |delta|) and lets it go.
inline void SpinPress(wxWindow* page, int delta, int steps = 1)
{
    for (int n = 0; n < steps; ++n)
        SpinStep(page, delta);
    SpinRelease(page);
}

// A press and release of an arrow under the mouse (0 upper, 1 lower).
inline void ClickArrow(wxWindow* page, int arrow)
{
    wxWindow* half = Spin(page)->GetChildren()[arrow];
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetEventObject(half);
        event.SetPosition(wxPoint(3, 3));
        half->GetEventHandler()->ProcessEvent(event);
    }
}

inline wxScrollBar* ScrollBar(wxWindow* page)
{
    return wxDynamicCast(Control(page, "IDC_AU_SCROLL"), wxScrollBar);
}

// An event of the scroll bar as GTK raises it, with the thumb position it
// carries.
inline void ScrollEvent(wxWindow* page, wxEventType type, int position = 0)
{
    wxScrollBar* bar = ScrollBar(page);
    wxScrollEvent event(type, bar->GetId(), position, wxVERTICAL);
    event.SetEventObject(bar);
    bar->GetEventHandler()->ProcessEvent(event);
}

// A mouse button let go at point of the page; false when the page passed
// the event on.
inline bool ReleaseMouseAt(wxWindow* page, const wxPoint& point)
{
    wxMouseEvent event(wxEVT_LEFT_UP);
    event.SetEventObject(page);
    event.SetPosition(point);
    return page->GetEventHandler()->ProcessEvent(event);
}

inline wxPoint CentreOf(wxWindow* page, const char* name)
{
    const wxRect rect = Control(page, name)->GetRect();
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

// Whether GTK has put a page made in a notebook in its place below the
// tabs: until then the page's screen position is the notebook's, and a
// click aimed at the page lands on the tabs.
inline bool IsPlaced(wxWindow* page)
{
    return page->IsShownOnScreen() && page->GetScreenPosition().y > page->GetParent()->GetScreenPosition().y;
}

// A click of the real pointer through the X server at point of the page.
// Tests running beside this one share the display and map their windows on
// top of this one at any time: the page is raised until the pointer moving
// over it reaches it, and a press that lands elsewhere is made again. False
// when the page never got the press.
inline bool RealClickAt(wxWindow* page, const wxPoint& point)
{
    wxUIActionSimulator mouse;
    wxWindow* top = wxGetTopLevelParent(page);
    // Aimed where the page stays, not where a layout still under way has it.
    EXPECT_TRUE(WaitForSettledLayout(page));
    const wxPoint onScreen = page->ClientToScreen(point);
    bool moved = false;
    bool pressed = false;
    bool released = false;
    const auto onMove = [&](wxMouseEvent& event) {
        moved = true;
        event.Skip();
    };
    const auto onPress = [&](wxMouseEvent& event) {
        pressed = true;
        event.Skip();
    };
    const auto onRelease = [&](wxMouseEvent& event) {
        released = true;
        event.Skip();
    };
    std::vector<wxWindow*> watched{page};
    for (wxWindow* child : page->GetChildren()) {
        if (child->GetRect().Contains(point))
            watched.push_back(child);
    }
    for (wxWindow* window : watched) {
        window->Bind(wxEVT_MOTION, onMove);
        window->Bind(wxEVT_LEFT_DOWN, onPress);
        window->Bind(wxEVT_LEFT_UP, onRelease);
    }
    for (int attempt = 0; attempt < 20 && !pressed; ++attempt) {
        moved = false;
        top->Raise();
        Yield();
        mouse.MouseMove(onScreen.x + attempt % 2, onScreen.y);
        if (!WaitFor([&] { return moved; }, 100))
            continue;
        mouse.MouseMove(onScreen);
        mouse.MouseDown();
        WaitFor([&] { return pressed; }, 200);
        mouse.MouseUp();
    }
    // The click is whole once its release has been handled.
    if (pressed)
        WaitFor([&] { return released; });
    Yield();
    for (wxWindow* window : watched) {
        window->Unbind(wxEVT_MOTION, onMove);
        window->Unbind(wxEVT_LEFT_DOWN, onPress);
        window->Unbind(wxEVT_LEFT_UP, onRelease);
    }
    return pressed;
}

inline void Tick(wxWindow* page, const char* name, bool ticked)
{
    auto* box = wxDynamicCast(Control(page, name), wxCheckBox);
    box->SetValue(ticked);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetInt(ticked);
    event.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(event);
}

inline bool IsHighlighted(wxWindow* page, const char* name)
{
    wxWindow* field = Control(page, name);
    return field->GetBackgroundColour() == wxColour(0, 0, 255) && field->GetForegroundColour() == *wxWHITE;
}

inline std::vector<int> Queue(const CAuxPageBase* page, int field)
{
    return page->GetEchoQueue(field).Entries();
}

// Fixture: one aux page of the kind the test asks for, in the stand-in's
// options notebook, shown.
class AuxPageTest : public SettingPageTest {
protected:
    template <class Page>
    Page* Make(const char* panel)
    {
        Drop();
        auto* page = host->Place(new Page(unit.get(), host), panel, host->OptionsBook());
        current = page;
        host->OptionsBook()->Layout();
        Yield();
        return page;
    }

    // Removes the page made before, with what it sent.
    void Drop()
    {
        if (current) {
            host->OptionsBook()->DeletePage(host->OptionsBook()->FindPage(current));
            current = nullptr;
            Yield();
        }
        host->commands.clear();
        host->journal.clear();
    }

    // The commands sent since the last call.
    Commands Sent()
    {
        Commands sent;
        sent.swap(host->commands);
        return sent;
    }

    wxWindow* current = nullptr;
};

}  // namespace guitest

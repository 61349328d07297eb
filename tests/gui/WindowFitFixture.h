// The running program's window with units of the real families, as the fit
// tests take it: started in a language and a view with one family's unit
// alone or a unit of every family, its records shown, each device page and
// each tab of its setting notebooks visited in turn; and the checks of what
// the user sees there.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

#include "ProgramFixture.h"

class wxFrame;
class wxNotebook;
class wxScrolledWindow;
class wxWindow;

namespace programtest {

// A family's unit on the bus.
struct FitUnit {
    const char* family;
    int address;
    uint16_t typeCode;
    uint8_t variant;
    bool model;  // answered by the demo generator model
};
const std::vector<FitUnit>& FitUnits();
// In place of an index into FitUnits(): a unit of every family at once.
constexpr int kEveryFamily = -1;

// A run of the program: the units on the bus, its view and its language (1
// to 4), on a screen of the given size (any screen where it is empty).
struct FitCase {
    int unit;
    bool full;
    int language;
    wxSize screen;
};
void PrintTo(const FitCase& fit, std::ostream* out);
// Each language in one view, with one family or every family on the bus.
std::vector<FitCase> FitCases(int unit, bool full, wxSize screen = wxSize());
// A case's test name: its language.
std::string FitCaseName(const ::testing::TestParamInfo<FitCase>& info);

// Shown, and on the screen: a notebook shows its current page only.
bool IsSeen(wxWindow* window);
// A window's rectangle on the screen, as its parent places it.
wxRect ScreenRect(wxWindow* window);
wxRect ClientOnScreen(wxWindow* window);
std::string Describe(wxWindow* window);
// Every window the user sees below parent.
std::vector<wxWindow*> CollectSeen(wxWindow* parent);
// The setting notebooks of a device page, where it shows them.
std::vector<wxNotebook*> ShownSettingBooks(wxWindow* page);

// Everything the user sees in the window lies inside the client area
// (toolbar included) and inside its parent, whole, and apart from its
// siblings; the page area shows all of itself without scrolling.
void ExpectEverythingFits(wxFrame* frame);
// Every tab of the shown setting notebooks of the page lies whole inside
// its notebook: the notebook shows no scroll arrows.
void ExpectEveryTabShows(wxWindow* page);
// Everything the user sees lies inside the client area, or inside the
// scrolled page area where scrolling brings it into view.
void ExpectEverythingReachable(wxFrame* frame);

class WindowFitFixture : public ProgramTest {
protected:
    // The program started with the case's units, language and view, shown,
    // with a page for each unit.
    void StartWith(const FitCase& fit);
    // The records every page asked for, shown; the window as the toolkit
    // placed it after that.
    void LetRecordsArrive();
    void Settle();
    // Each device page selected in turn, and each tab of its setting
    // notebooks, then check; stops at the first failure.
    void ForEveryPageAndTab(const std::string& when, const std::function<void(wxWindow* page)>& check);
    // The scrolled area of the device page the notebook shows.
    wxScrolledWindow* PageArea() const;

    size_t m_unitCount = 0;
};

}  // namespace programtest

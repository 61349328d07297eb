// The program as it runs for its user: its own application object and main
// window in the test's process, but driven by its own 100 ms timer on the
// real clock against the vesk-simbus program on a pseudo-terminal, with no
// tick made by the test. Every frame on the line goes to the bus's log, from
// which the test learns when a unit has said all it had to say.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "SimBusProgram.h"

class wxWindow;

namespace programtest {

class RunningProgramTest : public ProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the bus with the units (vesk-simbus's ADDRESS:STUDIO:TYPE...
    // words), then the program in the language (1 to 4) and view, searching
    // addresses first to last; true once it shows a page for each unit.
    bool StartRunning(const std::vector<std::string>& units, int language, bool full, int first, int last);
    // Selects each device page in turn, as a user clicking its tab, waits
    // until its unit has answered every request its page made and the
    // window's layout has settled, then runs check on it; stops at the
    // first failure.
    void ForEveryPage(const std::function<void(wxWindow* page)>& check);
    // Whether the unit at address has answered the page's request for its
    // records and then its status polls with nothing more to tell.
    bool HasSaidAll(int address);
    void Settle();

    std::unique_ptr<SimBusProgram> m_bus;
    std::string m_log;
    size_t m_unitCount = 0;
};

}  // namespace programtest

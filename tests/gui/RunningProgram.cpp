#include "RunningProgram.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/notebook.h>

#include "app/FlashDevice.h"
#include "comm/TestClock.h"
#include "units/FamilyDevicePage.h"
#include "units/UnitFamilies.h"

namespace programtest {

namespace {

// Real seconds: a unit on the line answers at its own pace.
const int kPatienceMs = 90000;
// Status polls answered with nothing more to tell, in a row: the demo
// model answers one now and then between the records it has still to send.
const int kQuietAnswers = 3;
const int kRecordStatus = 100;
const int kCommandRequestAll = 14;

}  // namespace

void RunningProgramTest::SetUp()
{
    ProgramTest::SetUp();
    // The library reads the real clock, and the program's own timer drives it.
    TestClockRelease();
    char folder[] = "/tmp/vesk-running-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    m_log = std::string(folder) + "/bus.log";
}

void RunningProgramTest::TearDown()
{
    ProgramTest::TearDown();
    m_bus.reset();
    if (!m_log.empty()) {
        wxRemoveFile(m_log);
        wxRmdir(wxFileName(m_log).GetPath());
    }
}

bool RunningProgramTest::StartRunning(const std::vector<std::string>& units, int language, bool full, int first,
                                      int last)
{
    std::vector<std::string> arguments{"--log", m_log};
    arguments.insert(arguments.end(), units.begin(), units.end());
    m_bus = std::make_unique<SimBusProgram>(arguments);
    // The terminal's own short name, as a real adapter's.
    const std::string path = m_bus->DevicePath();
    if (path.empty()) {
        ADD_FAILURE() << "the bus did not start: " << m_bus->Errors();
        return false;
    }
    setenv("VESKCOMM_PORTS", path.c_str(), 1);
    m_unitCount = units.size();
    families = BuiltFamilies();
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=" + std::to_string(first) +
                "\nEnd=" + std::to_string(last) + "\nLanguage=" + std::to_string(language) +
                "\nFULL=" + (full ? "1" : "0") + "\n");
    if (!Start())
        return false;
    Window()->Show();
    return guitest::WaitFor([&] { return Notebook()->GetPageCount() == m_unitCount; }, kPatienceMs);
}

bool RunningProgramTest::HasSaidAll(int address)
{
    std::ifstream log(m_log);
    std::string line;
    bool asked = false;
    int quiet = 0;
    while (std::getline(log, line)) {
        // "<time> <- address 3 studio 1 command 14 ..." or
        // "<time> -> address 3 studio 1 record 100 ...".
        std::istringstream words(line);
        std::string time, direction, addressWord, studioWord, kind;
        int unit = 0;
        int studio = 0;
        int number = 0;
        if (!(words >> time >> direction >> addressWord >> unit >> studioWord >> studio >> kind >> number) ||
            unit != address)
            continue;
        if (direction == "<-" && kind == "command" && number == kCommandRequestAll) {
            asked = true;
            quiet = 0;
        } else if (direction == "->" && kind == "record" && asked) {
            quiet = number == kRecordStatus ? quiet + 1 : 0;
        }
    }
    return asked && quiet >= kQuietAnswers;
}

void RunningProgramTest::Settle()
{
    EXPECT_TRUE(guitest::WaitForSettledLayout(Window())) << "the window's layout never settled";
}

void RunningProgramTest::ForEveryPage(const std::function<void(wxWindow* page)>& check)
{
    for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
        SelectPage(static_cast<int>(i));
        auto* page = dynamic_cast<CFamilyDevicePage*>(DevicePage(i));
        ASSERT_NE(page, nullptr);
        const int address = page->GetDevice()->GetAddress();
        ASSERT_TRUE(guitest::WaitFor([&] { return HasSaidAll(address); }, kPatienceMs))
            << "unit " << address << " never said all";
        Settle();
        SCOPED_TRACE("page " + Notebook()->GetPageText(i).utf8_string());
        check(page);
        if (::testing::Test::HasFailure())
            return;
    }
}

}  // namespace programtest

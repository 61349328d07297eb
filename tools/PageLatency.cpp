// vesk-pagelatency: how soon a record from the line shows on its device page.
//
// Runs the program in-process against a simulated bus of 16 Nuvek and Ribex
// units (addresses 1 to 16), waits until every page shows its unit's
// records, then has the units report new main-light energies at moments
// spread over the program's 100 ms service tick, and measures for each the
// time from the record's last character on the line to the page's bar
// holding the new value, and how many ticks of the main window's service
// timer that took. Prints the times in milliseconds. Needs the
// resource file in the working directory and an X display; HOME is pointed
// at a temporary folder for the run's configuration.
//
//   vesk-pagelatency [TRIALS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/notebook.h>
#include <wx/timer.h>
#include <wx/xrc/xmlres.h>

#include "app/FlashDevice.h"
#include "app/StrahlkonStudioApp.h"
#include "controls/MainLightBar.h"
#include "tools/SimBus.h"
#include "units/FamilyDevicePage.h"
#include "units/UnitFamilies.h"

namespace {

using Clock = std::chrono::steady_clock;

const int kUnits = 16;
const int kPumpMs = 1;
// Main-light energy (record 1 byte 5) as the bus's units start with it.
const int kStartEnergy = 50;
const int kSettleLimitSeconds = 300;

// The USB serial adapters that the library lists before the bus.
int AdapterCount()
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/tty", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0)
            ++count;
    }
    return count;
}

class LatencyApp : public CStrahlkonStudioApp {
public:
    explicit LatencyApp(int trials)
        : CStrahlkonStudioApp(BuiltFamilies()), m_trials(trials), m_pump(this, wxWindow::NewControlId())
    {
    }

    bool OnInit() override
    {
        for (int address = 1; address <= kUnits; ++address)
            m_bus.AddUnit(static_cast<uint8_t>(address), 1, address % 2 ? 20 : 32, 1);
        setenv("VESKCOMM_PORTS", m_bus.DevicePath().c_str(), 1);
        std::ofstream(std::string(std::getenv("HOME")) + "/.VeskStudio")
            << "[VeskStudio]\nPort=" << AdapterCount() + 1 << "\nStudio=1\nStart=1\nEnd=" << kUnits << "\n";
        if (!CStrahlkonStudioApp::OnInit())
            return false;
        m_started = Clock::now();
        // The main window's service ticks, counted before it handles them.
        GetTopWindow()->Bind(wxEVT_TIMER, [this](wxTimerEvent& event) {
            ++m_ticks;
            event.Skip();
        });
        Bind(wxEVT_TIMER, &LatencyApp::OnPump, this, m_pump.GetId());
        m_pump.Start(kPumpMs);
        return true;
    }

private:
    CFamilyDevicePage* PageOf(int address)
    {
        wxWindow* frame = GetTopWindow();
        auto* book = frame ? XRCCTRL(*frame, "IDC_DEVICETAB", wxNotebook) : nullptr;
        for (size_t i = 0; book && i < book->GetPageCount(); ++i) {
            auto* page = dynamic_cast<CFamilyDevicePage*>(book->GetPage(i));
            if (page && page->GetDevice()->GetAddress() == address)
                return page;
        }
        return nullptr;
    }

    bool Settled()
    {
        for (int address = 1; address <= kUnits; ++address) {
            CFamilyDevicePage* page = PageOf(address);
            if (!page || !page->LightBars().Main() || page->LightBars().Main()->GetValue() != kStartEnergy)
                return false;
        }
        return true;
    }

    // A unit reports a new energy on its own, as after a change at the unit.
    void StartTrial()
    {
        m_address = 1 + m_done % kUnits;
        m_value = 60 + m_done % 40;
        SimBus::Unit* unit = m_bus.FindUnit(static_cast<uint8_t>(m_address));
        unit->records[1][0] = static_cast<uint8_t>(m_value);
        m_bus.SendRecord(1, static_cast<uint8_t>(m_address), 1, unit->records[1]);
        m_sent = Clock::now();
        m_ticksAtSend = m_ticks;
        m_waiting = true;
    }

    void OnPump(wxTimerEvent&)
    {
        m_bus.Pump(0);
        const auto now = Clock::now();
        if (!m_settled) {
            m_settled = Settled();
            if (m_settled) {
                std::printf("pages settled after %.1f s\n", std::chrono::duration<double>(now - m_started).count());
                m_nextTrial = now;
            } else if (now - m_started > std::chrono::seconds(kSettleLimitSeconds)) {
                std::printf("pages did not settle\n");
                Finish(1);
            }
            return;
        }
        if (m_waiting) {
            CFamilyDevicePage* page = PageOf(m_address);
            if (page && page->LightBars().Main()->GetValue() == m_value) {
                m_latencies.push_back(std::chrono::duration<double, std::milli>(now - m_sent).count());
                m_mostTicks = std::max(m_mostTicks, m_ticks - m_ticksAtSend);
                m_waiting = false;
                ++m_done;
                // The next report comes at another moment of the tick.
                m_nextTrial = now + std::chrono::milliseconds(137 + 29 * (m_done % 7));
            } else if (now - m_sent > std::chrono::seconds(5)) {
                std::printf("unit %d: the record did not reach its page\n", m_address);
                Finish(1);
            }
            return;
        }
        if (m_done == m_trials) {
            Report();
            Finish(0);
            return;
        }
        if (now >= m_nextTrial)
            StartTrial();
    }

    void Report()
    {
        std::vector<double> sorted = m_latencies;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (double latency : sorted)
            sum += latency;
        std::printf("records %zu  min %.1f ms  mean %.1f ms  median %.1f ms  max %.1f ms\n", sorted.size(),
                    sorted.front(), sum / sorted.size(), sorted[sorted.size() / 2], sorted.back());
        std::printf("service ticks from the line to the page: at most %d\n", m_mostTicks);
    }

    void Finish(int status)
    {
        m_pump.Stop();
        m_status = status;
        if (wxWindow* frame = GetTopWindow())
            frame->Destroy();
        ExitMainLoop();
    }

    int OnRun() override
    {
        CStrahlkonStudioApp::OnRun();
        return m_status;
    }

    const int m_trials;
    SimBus m_bus;
    wxTimer m_pump;
    Clock::time_point m_started;
    Clock::time_point m_sent;
    Clock::time_point m_nextTrial;
    bool m_settled = false;
    bool m_waiting = false;
    int m_done = 0;
    int m_address = 0;
    int m_value = 0;
    int m_status = 0;
    int m_ticks = 0;
    int m_ticksAtSend = 0;
    int m_mostTicks = 0;
    std::vector<double> m_latencies;
};

}  // namespace

int main(int argc, char** argv)
{
    const int trials = argc > 1 ? std::max(1, std::atoi(argv[1])) : 48;
    char home[] = "/tmp/vesk-pagelatency-XXXXXX";
    if (!mkdtemp(home))
        return 1;
    setenv("HOME", home, 1);
    wxApp::SetInstance(new LatencyApp(trials));
    const int status = wxEntry(argc, argv);
    std::filesystem::remove_all(home);
    return status;
}

#include "units/BusyCursor.h"

#include <wx/utils.h>

namespace {

const int kBusyTimerId = 471;
const int kBusyMilliseconds = 1000;

}  // namespace

CBusyCursor::CBusyCursor()
{
    m_timer.SetOwner(&m_timer, kBusyTimerId);
    m_timer.Bind(wxEVT_TIMER, &CBusyCursor::OnTimer, this, kBusyTimerId);
}

CBusyCursor::~CBusyCursor()
{
    End();
}

void CBusyCursor::Begin()
{
    m_timer.Start(kBusyMilliseconds);
    // The toolkit counts its busy cursors: one for the page however many
    // steps go out.
    if (m_busy)
        return;
    wxBeginBusyCursor();
    m_busy = true;
}

void CBusyCursor::End()
{
    if (!m_busy)
        return;
    m_timer.Stop();
    wxEndBusyCursor();
    m_busy = false;
}

void CBusyCursor::OnTimer(wxTimerEvent&)
{
    End();
}

#include "units/LightBars.h"

#include <utility>

#include <wx/checkbox.h>
#include <wx/spinbutt.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "controls/AuxLightBar.h"
#include "controls/MainLightBar.h"
#include "controls/SpinButton.h"
#include "pages/CommandCodes.h"
#include "units/PageLanguage.h"

CLightBars::CLightBars(wxWindow& page, CLightBarPage& barPage, const std::vector<Row>& rows,
                       const CPageLanguage& language, std::function<SpinStepper::Landing()> landing,
                       std::function<void(const Command&)> send)
    : m_page(page),
      m_barPage(barPage),
      m_rows(rows),
      m_language(language),
      m_landing(std::move(landing)),
      m_send(std::move(send))
{
    for (const Row& row : m_rows) {
        m_page.Bind(wxEVT_SPIN_UP, &CLightBars::OnSpin, this, XRCID(row.spin));
        m_page.Bind(wxEVT_SPIN_DOWN, &CLightBars::OnSpin, this, XRCID(row.spin));
    }
    m_page.Bind(wxEVT_SCROLL_THUMBRELEASE, &CLightBars::OnSpinRelease, this);
}

void CLightBars::Build()
{
    BuildBars();
    SetToolTips();
}

void CLightBars::BuildBars()
{
    for (const Row& row : m_rows) {
        CLightBar* bar = row.create(&m_barPage, row.outlet);
        if (!AttachControl(row.name, bar, &m_page)) {
            delete bar;
            continue;
        }
        m_bars[row.outlet] = bar;
        auto* spin = new CSpinButton(&m_page, XRCID(row.spin));
        if (!AttachControl(row.spin, spin, &m_page))
            spin->Destroy();
        if (auto* aux = dynamic_cast<CAuxLightBar*>(bar)) {
            aux->CreateCheckBox(XRCID(row.check), XRCID(row.spin));
            // The box's click, which the bar has taken, rises to the bar.
            const int outlet = row.outlet;
            aux->Bind(wxEVT_CHECKBOX, [this, outlet](wxCommandEvent&) { SendLight(outlet, 0); });
        }
    }
}

void CLightBars::SetToolTips()
{
    for (const Row& row : m_rows) {
        wxString tip = m_language.Text(row.tipId) + row.tipSuffix;
        if (row.tipExtraId)
            tip += m_language.Text(row.tipExtraId);
        wxWindow* bar = m_page.FindWindow(XRCID(row.name));
        wxWindow* check = row.check ? m_page.FindWindow(XRCID(row.check)) : nullptr;
        if (wxWindow* target = row.check ? check : bar)
            target->SetToolTip(tip);
        if (wxWindow* spin = m_page.FindWindow(XRCID(row.spin)))
            spin->SetToolTip(tip);
    }
}

CLightBar* CLightBars::Bar(int outlet) const
{
    return outlet >= 0 && outlet <= 3 ? m_bars[outlet] : nullptr;
}

CMainLightBar* CLightBars::Main() const
{
    return As<CMainLightBar>(0);
}

CAuxLightBar* CLightBars::Aux(int outlet) const
{
    return outlet >= 1 ? As<CAuxLightBar>(outlet) : nullptr;
}

int CLightBars::ValueOf(int outlet) const
{
    const CLightBar* bar = Bar(outlet);
    return bar ? bar->GetValue() : 0;
}

bool CLightBars::IsAuxOn(int outlet) const
{
    const CAuxLightBar* bar = Aux(outlet);
    return bar && bar->IsOn();
}

std::array<bool, 3> CLightBars::AuxOn() const
{
    return {IsAuxOn(1), IsAuxOn(2), IsAuxOn(3)};
}

void CLightBars::Refresh()
{
    for (CLightBar* bar : m_bars) {
        if (bar)
            bar->Refresh();
    }
}

void CLightBars::SetInhibited(bool inhibited)
{
    if (CMainLightBar* main = Main())
        main->SetPresetMode(inhibited);
    for (int outlet = 1; outlet <= 3; ++outlet) {
        if (CAuxLightBar* bar = Aux(outlet))
            bar->SetInhibit(inhibited);
    }
}

void CLightBars::SetActive(bool active)
{
    for (CLightBar* bar : m_bars) {
        if (bar)
            bar->SetActive(active);
    }
}

const CLightBars::Row* CLightBars::RowOfSpin(int spinId) const
{
    for (const Row& row : m_rows) {
        if (XRCID(row.spin) == spinId)
            return &row;
    }
    return nullptr;
}

void CLightBars::OnSpin(wxSpinEvent& event)
{
    const Row* row = RowOfSpin(event.GetId());
    if (!row)
        return;
    const bool up = event.GetEventType() == wxEVT_SPIN_UP;
    if (const std::optional<int> step = m_stepper.Line(up, ValueOf(row->outlet), row->downLimit))
        SendLight(row->outlet, *step);
}

void CLightBars::OnSpinRelease(wxScrollEvent& event)
{
    const Row* row = RowOfSpin(event.GetId());
    const std::optional<int> step = m_stepper.Release(row != nullptr, row ? ValueOf(row->outlet) : 0, m_landing());
    if (step)
        SendLight(row->outlet, *step);
}

void CLightBars::SendLight(int outlet, int step)
{
    m_send(Command{CommandCode::kLight, ValueOf(outlet), outlet, step});
}

#include "units/LightBars.h"

#include <utility>

#include <wx/spinbutt.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "controls/AuxLightBar.h"
#include "controls/MainLightBar.h"
#include "controls/SpinButton.h"
#include "units/PageLanguage.h"

CLightBars::CLightBars(wxWindow& page, CLightBarPage& barPage, const std::vector<Row>& rows,
                       const CPageLanguage& language, Spins spins)
    : m_page(page), m_barPage(barPage), m_rows(rows), m_language(language), m_spins(std::move(spins))
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
        wxWindow* bar = row.create(&m_barPage, row.outlet);
        if (!AttachControl(row.name, bar, &m_page)) {
            delete bar;
            continue;
        }
        m_bars.push_back(bar);
        auto* spin = new CSpinButton(&m_page, XRCID(row.spin));
        if (!AttachControl(row.spin, spin, &m_page))
            spin->Destroy();
        if (auto* aux = dynamic_cast<CAuxLightBar*>(bar)) {
            m_aux[row.outlet - 1] = aux;
            aux->CreateCheckBox(XRCID(row.check), XRCID(row.spin));
        } else if (auto* main = dynamic_cast<CMainLightBar*>(bar)) {
            m_main = main;
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

CAuxLightBar* CLightBars::Aux(int outlet) const
{
    return outlet >= 1 && outlet <= 3 ? m_aux[outlet - 1] : nullptr;
}

std::optional<int> CLightBars::OutletOfBar(int id) const
{
    if (m_main && m_main->GetId() == id)
        return 0;
    for (int outlet = 1; outlet <= 3; ++outlet) {
        if (m_aux[outlet - 1] && m_aux[outlet - 1]->GetId() == id)
            return outlet;
    }
    return std::nullopt;
}

int CLightBars::ValueOf(int outlet) const
{
    if (outlet == 0)
        return m_main ? m_main->GetValue() : 0;
    const CAuxLightBar* bar = Aux(outlet);
    return bar ? bar->GetValue() : 0;
}

bool CLightBars::IsAuxOn(int outlet) const
{
    const CAuxLightBar* bar = Aux(outlet);
    return bar && bar->IsOn();
}

void CLightBars::Refresh()
{
    for (wxWindow* bar : m_bars)
        bar->Refresh();
}

void CLightBars::SetInhibited(bool inhibited)
{
    if (m_main)
        m_main->SetPresetMode(inhibited);
    for (CAuxLightBar* bar : m_aux) {
        if (bar)
            bar->SetInhibit(inhibited);
    }
}

void CLightBars::SetActive(bool active)
{
    if (m_main)
        m_main->SetActive(active);
    for (CAuxLightBar* bar : m_aux) {
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
    const std::optional<int> step = m_stepper.Line(up, m_spins.valueOf(row->outlet), row->downLimit);
    if (step)
        m_spins.send(*row, *step);
}

void CLightBars::OnSpinRelease(wxScrollEvent& event)
{
    const Row* row = RowOfSpin(event.GetId());
    const std::optional<int> step =
        m_stepper.Release(row != nullptr, row ? m_spins.valueOf(row->outlet) : 0, m_spins.landing());
    if (step)
        m_spins.send(*row, *step);
}

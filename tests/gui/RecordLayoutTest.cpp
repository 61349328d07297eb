// A record lays a page out only where it changed a text or what is shown:
// the same status or service status again, as the library's polls bring
// them, leaves every layout of the device page and its setting pages
// unmeasured, while a record that changes a text, or shows the alarm lines,
// lays out the pages it changed with everything in its place.
#include "FamilyPageFixture.h"

#include <map>

#include <wx/sizer.h>

#include "app/Panel.h"
#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include "units/ribex/RibexDevice.h"
#include "units/tiko/TikoDevice.h"
#include "units/zarit/ZaritDevice.h"
#include "units/zarite/ZaritEDevice.h"

using namespace guitest;

namespace {

// A family as the test needs it: its unit, type code and status length.
template <class UnitClass, uint16_t type, std::size_t statusLength>
struct FamilyRow {
    using Unit = UnitClass;
    static constexpr uint16_t kType = type;
    static constexpr std::size_t kStatusLength = statusLength;
};

// Stands in for a page's layout, which it holds, and counts how often the
// page measures it: every layout does, and so does every check of whether a
// layout is due that measures the layout's need.
class MeasuredLayout : public wxBoxSizer {
public:
    MeasuredLayout() : wxBoxSizer(wxVERTICAL) {}
    wxSize CalcMin() override
    {
        ++measures;
        return wxBoxSizer::CalcMin();
    }
    int measures = 0;
};

// Record 1 with power on, both aux outlets on and available and values on
// every light (the Tiko's bar at its energy byte).
std::vector<uint8_t> Status(std::size_t length)
{
    return RecordData(length, {{5, 70}, {6, 1}, {9, 55}, {13, 60}, {17, 65}, {21, 0x3D}, {22, 0x01}});
}

// Record 100 of a ready unit at service level 3, which shows the voltages.
std::vector<uint8_t> Service()
{
    return RecordData(12, {{5, 0x80}, {6, 3}, {7, 100}, {8, 50}, {9, 220}, {10, 50}, {11, 200}});
}

template <class Family>
class RecordLayoutTest : public FamilyPageTest<typename Family::Unit> {
protected:
    using Base = FamilyPageTest<typename Family::Unit>;

    void SetUp() override
    {
        Base::SetUp();
        this->Open(Family::kType);
        Measure(this->page);
        for (const char* name : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
            if (auto* book = this->template Find<wxBookCtrlBase>(name)) {
                for (size_t i = 0; i < book->GetPageCount(); ++i)
                    Measure(book->GetPage(i));
            }
        }
    }

    // The page's layout goes into a measured one that holds it whole.
    void Measure(wxWindow* page)
    {
        wxSizer* layout = page->GetSizer();
        ASSERT_NE(layout, nullptr) << page->GetName();
        auto* measured = new MeasuredLayout;
        page->SetSizer(measured, false);
        measured->Add(layout, 1, wxEXPAND);
        layouts[page] = measured;
    }

    // Delivers the record and gives how often each page measured its layout
    // meanwhile, by the page's name.
    std::map<wxString, int> MeasuresOf(uint16_t number, const std::vector<uint8_t>& data)
    {
        for (auto& [page, layout] : layouts)
            layout->measures = 0;
        this->Deliver(number, data);
        std::map<wxString, int> measures;
        for (const auto& [page, layout] : layouts)
            measures[page->GetName()] = layout->measures;
        return measures;
    }

    // The name of the page below the device page that holds the control.
    wxString PageOf(const char* name) const
    {
        wxWindow* window = this->page->FindWindow(XRCID(name));
        while (window && !layouts.count(window))
            window = window->GetParent();
        return window ? window->GetName() : wxString("(none)");
    }

    std::map<wxWindow*, MeasuredLayout*> layouts;
};

using Families = ::testing::Types<FamilyRow<CNuvekDevice, 20, 25>, FamilyRow<CRibexDevice, 32, 25>,
                                  FamilyRow<CQuirelA1Device, 16, 25>, FamilyRow<CZaritDevice, 37, 25>,
                                  FamilyRow<CZaritEDevice, 137, 25>, FamilyRow<CTikoDevice, 18, 10>>;
class FamilyNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::to_string(T::kType);
    }
};
TYPED_TEST_SUITE(RecordLayoutTest, Families, FamilyNames);

TYPED_TEST(RecordLayoutTest, TheSameRecordAgainLaysNothingOut)
{
    const std::pair<uint16_t, std::vector<uint8_t>> records[] = {
        {1, Status(TypeParam::kStatusLength)}, {2, RecordData(25, {{5, 3}, {7, 1}})},  {3, RecordData(25, {{5, 1}})},
        {4, RecordData(25, {{5, 2}, {6, 7}})}, {5, RecordData(25, {{5, 0x05}})},       {6, RecordData(25, {{7, 1}})},
        {7, RecordData(25, {{5, 1}})},         {8, RecordData(25, {{6, 12}, {7, 3}})}, {100, Service()},
    };
    for (const auto& [number, data] : records) {
        SCOPED_TRACE(number);
        this->Deliver(number, data);
        for (const auto& [page, measures] : this->MeasuresOf(number, data))
            EXPECT_EQ(measures, 0) << page;
    }
}

TYPED_TEST(RecordLayoutTest, ATextTheRecordChangesIsLaidOutInItsPlace)
{
    // Record 8 with the delivery date 3.2012, then 11.2013.
    this->Deliver(8, RecordData(12, {{6, 12}, {7, 3}}));
    ASSERT_EQ(this->Label("IDC_IN_DELIVERY_STAT"), "3.2012");
    const std::map<wxString, int> measures = this->MeasuresOf(8, RecordData(12, {{6, 13}, {7, 11}}));

    wxWindow* shown = this->page->FindWindow(XRCID("IDC_IN_DELIVERY_STAT"));
    ASSERT_EQ(shown->GetLabel(), "11.2013");
    EXPECT_GT(measures.at(this->PageOf("IDC_IN_DELIVERY_STAT")), 0);
    EXPECT_GT(measures.at(this->page->GetName()), 0);
    EXPECT_GE(shown->GetSize().x, shown->GetBestSize().x);
}

TYPED_TEST(RecordLayoutTest, AlarmLinesTheRecordShowsAreLaidOutInTheirPlace)
{
    this->Deliver(7, RecordData(9, {}));
    ASSERT_FALSE(this->Shown("IDC_ST_ALARM1"));
    const std::map<wxString, int> measures = this->MeasuresOf(7, RecordData(9, {{5, 1}, {6, 1}}));

    ASSERT_TRUE(this->Shown("IDC_ST_ALARM1"));
    EXPECT_GT(measures.at(this->page->GetName()), 0);
    wxWindow* line = this->page->FindWindow(XRCID("IDC_ST_ALARM1"));
    EXPECT_GE(line->GetSize().x, line->GetBestSize().x);
    EXPECT_GT(line->GetSize().y, 0);
}

}  // namespace

#include "pages/aux/AuxPageZaritE.h"

#include "pages/CommandCodes.h"

namespace {

using Base = CAuxPageBase;
using Page = CAuxPageZaritE;

const int kT01Help = 2033;

const Base::Table kTable = {
    {
        {"IDC_AU_SEQUENCE", "IDC_AU_LA_SEQUENCE", 0, Base::Editor::SpinOnRelease, CommandCode::kSequence,
         Base::Word::Sequence},
        {"IDC_AU_T01", "IDC_AU_LA_T01", 1, Base::Editor::SpinAtOnce, CommandCode::kStepT01, Base::Word::T01Value},
    },
    {
        {Page::SEQUENCE, Base::When::Always, Base::Bit(Page::T01), 0, 2030, 2031},
        {Page::T01, Base::When::Always, Base::Bit(Page::SEQUENCE), 0, 2032, kT01Help},
    },
    {{"IDC_AU_RESET", 2029}, {"IDC_AU_LA_SEQUENCE", 2017}},
    {{"IDC_AU_RESET", 2083}},
    5000,
    100,
    2,
    50,
    true,
    70,
};

}  // namespace

CAuxPageZaritE::CAuxPageZaritE(CFlashDevice* unit, CSettingPageHost* host) : CAuxPageBase(unit, host, kTable) {}

wxString CAuxPageZaritE::WithoutClosingSentence(const wxString& text)
{
    if (text.length() < 2)
        return text;
    const size_t stop = text.rfind('.', text.length() - 2);
    return stop == wxString::npos ? text : text.substr(0, stop + 1);
}

// The T0.1 help of these units stops before its closing sentence.
wxString CAuxPageZaritE::HelpText(int text) const
{
    return text == kT01Help ? WithoutClosingSentence(Text(text)) : Text(text);
}

#include "ProgramFixture.h"
#include <cstdio>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include "app/CtrlHelpers.h"
#include <wx/xrc/xmlres.h>
using namespace programtest;
namespace {
class ScratchProbe : public ProgramTest {};
void Dump(wxWindow* w, int depth, int maxDepth)
{
    InvalidateBestSizes(w);
    wxSize b = w->GetBestSize();
    if (b.x > 200)
        printf("%*s%s %s best %dx%d size %dx%d min %dx%d\n", depth * 2, "", wxString(w->GetClassInfo()->GetClassName()).utf8_str().data(),
               w->GetName().utf8_str().data(), b.x, b.y, w->GetSize().x, w->GetSize().y, w->GetMinSize().x, w->GetMinSize().y);
    if (depth < maxDepth)
        for (wxWindow* c : w->GetChildren()) Dump(c, depth + 1, maxDepth);
}
void DumpSizer(wxSizer* s, int depth)
{
    wxSize m = s->GetMinSize();
    printf("%*ssizer %s min %dx%d\n", depth*2, "", wxString(s->GetClassInfo()->GetClassName()).utf8_str().data(), m.x, m.y);
    for (wxSizerItem* it : s->GetChildren()) {
        if (it->GetSizer()) DumpSizer(it->GetSizer(), depth+1);
        else if (it->GetWindow() && it->IsShown()) printf("%*s%s %dx%d\n", depth*2+2, "", it->GetWindow()->GetName().utf8_str().data(), it->GetMinSizeWithBorder().x, it->GetMinSizeWithBorder().y);
    }
}
TEST_F(ScratchProbe, Sizes)
{
    families = BuiltFamilies();
    bus.AddModelUnit(1, 1, 37);
    bus.AddModelUnit(2, 1, 137);
    bus.AddUnit(3, 1, 20, 1);
    bus.AddUnit(4, 1, 32, 1);
    bus.AddUnit(5, 1, 16, 0x41);
    bus.AddUnit(6, 1, 18, 8);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=6\n");
    ASSERT_TRUE(Start());
    Window()->Show();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 6; }));
    printf("frame %dx%d\n", Window()->GetSize().x, Window()->GetSize().y);
    for (int i = 0; i < 60; ++i) Tick();
    for (int i = 0; i < 5; ++i) { guitest::Yield(); guitest::Pump(20); }
    printf("frame %dx%d\n", Window()->GetSize().x, Window()->GetSize().y);
    wxWindow* aux = Notebook()->GetPage(0)->FindWindow("DLG_AUX_PAGE_ZARIT");
    wxWindow* dev = Notebook()->GetPage(0);
    printf("dev size %dx%d min %dx%d\n", dev->GetSize().x, dev->GetSize().y, dev->GetSizer()->GetMinSize().x, dev->GetSizer()->GetMinSize().y);
    printf("aux size %dx%d min %dx%d best %dx%d\n", aux->GetSize().x, aux->GetSize().y, aux->GetSizer()->GetMinSize().x, aux->GetSizer()->GetMinSize().y, aux->GetBestSize().x, aux->GetBestSize().y);
    wxWindow* hg = aux->FindWindow(XRCID("IDC_AU_HELPGROUP"));
    printf("help %d,%d %dx%d strobo %d\n", hg->GetPosition().x, hg->GetPosition().y, hg->GetSize().x, hg->GetSize().y, aux->FindWindow(XRCID("IDC_AU_STROBO"))->GetPosition().y);
    DumpSizer(aux->GetSizer(), 0);
    for (wxWindow* c : aux->GetChildren()) printf("  %s %d,%d %dx%d shown %d\n", c->GetName().utf8_str().data(), c->GetPosition().x, c->GetPosition().y, c->GetSize().x, c->GetSize().y, c->IsShown());
}
}

#include "HtmlTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <wx/dcmemory.h>
#include <wx/panel.h>

#include "html/HtmlWindowXmlHandler.h"

void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_string() << '"';
}

namespace htmltest {

namespace fs = std::filesystem;

wxImage Viewer::Render(const wxSize& size)
{
    wxBitmap bitmap(size);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
        DrawPage(dc, 0, size.y);
    }
    return bitmap.ConvertToImage();
}

void Viewer::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    messages.push_back({text, caption, style});
}

namespace {

void CollectWords(const wxHtmlCell* cell, const wxHtmlCell* root, std::vector<Word>& words)
{
    for (; cell; cell = cell->GetNext()) {
        if (const auto* word = wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlWordCell)) {
            const wxPoint at = cell->GetAbsPos(const_cast<wxHtmlCell*>(root));
            words.push_back({word->ConvertToText(nullptr), wxRect(at, wxSize(cell->GetWidth(), cell->GetHeight()))});
        }
        CollectWords(cell->GetFirstChild(), root, words);
    }
}

}  // namespace

std::vector<Word> WordsOf(const wxHtmlCell* root)
{
    std::vector<Word> words;
    if (root)
        CollectWords(root, root, words);
    return words;
}

Word WordNamed(const wxHtmlCell* root, const wxString& text)
{
    for (const Word& word : WordsOf(root)) {
        wxString bare = word.text;
        bare.Trim();
        if (bare == text)
            return word;
    }
    ADD_FAILURE() << "no word " << text.utf8_string();
    return Word{};
}

const wxHtmlCell* FindCell(const wxHtmlCell* root, const std::function<bool(const wxHtmlCell&)>& test)
{
    for (const wxHtmlCell* cell = root; cell; cell = cell->GetNext()) {
        if (test(*cell))
            return cell;
        if (const wxHtmlCell* found = FindCell(cell->GetFirstChild(), test))
            return found;
    }
    return nullptr;
}

bool HasPixel(const wxImage& image, const wxColour& colour)
{
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
                image.GetBlue(x, y) == colour.Blue())
                return true;
        }
    }
    return false;
}

int TextHeight(int points, bool fixed)
{
    wxBitmap bitmap(8, 8);
    wxMemoryDC dc(bitmap);
    dc.SetFont(wxFont(points, fixed ? wxFONTFAMILY_MODERN : wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL,
                      wxFONTWEIGHT_NORMAL));
    return dc.GetTextExtent("H").y;
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (fs::temp_directory_path() / "vesk-html-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "no temporary folder";
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

wxString TemporaryFolder::Path(const std::string& name) const
{
    return wxString::FromUTF8(m_path + "/" + name);
}

wxString TemporaryFolder::Write(const std::string& name, const std::string& bytes) const
{
    const fs::path file = fs::path(m_path) / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return Path(name);
}

void HtmlTest::SetUp()
{
    GuiTest::SetUp();
    vhtml::InstallXrcHandler();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
}

Viewer* HtmlTest::MakeViewer(const wxSize& clientSize, long style)
{
    if (!m_panel)
        m_panel = new wxPanel(Frame());
    auto* viewer = new Viewer(m_panel, wxID_ANY, wxPoint(0, 0), wxDefaultSize, style | wxBORDER_NONE);
    viewer->SetClientSize(clientSize);
    Frame()->Layout();
    guitest::Yield();
    EXPECT_EQ(viewer->GetClientSize(), clientSize);
    return viewer;
}

Viewer* HtmlTest::ShowPage(const wxString& source, const wxSize& clientSize)
{
    Viewer* viewer = MakeViewer(clientSize);
    viewer->SetPage(source);
    return viewer;
}

}  // namespace htmltest

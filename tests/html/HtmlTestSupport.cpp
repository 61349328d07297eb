#include "HtmlTestSupport.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <wx/dcmemory.h>
#include <wx/panel.h>

#include "html/HtmlWindowXmlHandler.h"

void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_string() << '"';
}

void PrintTo(const wxRect& rect, std::ostream* out)
{
    *out << "(" << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height << ")";
}

void PrintTo(const wxSize& size, std::ostream* out)
{
    *out << size.x << "x" << size.y;
}

void PrintTo(const wxPoint& point, std::ostream* out)
{
    *out << "(" << point.x << "," << point.y << ")";
}

namespace htmltest {

namespace {

long ProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

ProcessorWatch::ProcessorWatch() : m_start(ProcessorMs()) {}

long ProcessorWatch::Time() const
{
    return ProcessorMs() - m_start;
}

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

void Viewer::OpenPopup(const wxString& href, int x, int y, int width, int height)
{
    if (recordPopups)
        popups.push_back({href, x, y, width, height});
    else
        vhtml::HtmlWindow::OpenPopup(href, x, y, width, height);
}

bool Viewer::LoadPage(const wxString& location)
{
    if (!recordLoads)
        return vhtml::HtmlWindow::LoadPage(location);
    loads.push_back(location);
    return true;
}

vhtml::HtmlWindow* Viewer::CreateChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                             bool scrollBars)
{
    return new Viewer(parent, wxID_ANY, pos, size, style, "htmlWindow", scrollBars);
}

void Viewer::PutOnClipboard(const wxString& text)
{
    if (useClipboard)
        vhtml::HtmlWindow::PutOnClipboard(text);
    else
        copies.push_back(text);
}

void PrintTo(const Viewer::Popup& popup, std::ostream* out)
{
    *out << "pop-up " << popup.href.utf8_string() << " at " << popup.x << "," << popup.y << " size " << popup.width
         << "x" << popup.height;
}

void PrintTo(const RecordingLauncher::Launched& launch, std::ostream* out)
{
    *out << "launch \"" << launch.verb.utf8_string() << "\" \"" << launch.target.utf8_string() << '"';
}

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point, bool leftIsDown)
{
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetId(window->GetId());
    event.SetPosition(point);
    event.m_leftDown = leftIsDown;
    window->HandleWindowEvent(event);
}

void Drag(wxWindow* window, const wxPoint& from, const wxPoint& to)
{
    SendMouse(window, wxEVT_LEFT_DOWN, from, true);
    SendMouse(window, wxEVT_MOTION, wxPoint((from.x + to.x) / 2, (from.y + to.y) / 2), true);
    SendMouse(window, wxEVT_MOTION, to, true);
    SendMouse(window, wxEVT_LEFT_UP, to);
}

void Click(wxWindow* window, const wxPoint& point)
{
    SendMouse(window, wxEVT_LEFT_DOWN, point, true);
    SendMouse(window, wxEVT_LEFT_UP, point);
}

wxPoint ClientPoint(const vhtml::HtmlWindow* viewer, const wxPoint& pagePoint)
{
    return viewer->CalcScrolledPosition(pagePoint);
}

wxPoint CentreOf(const vhtml::HtmlWindow* viewer, const wxString& word)
{
    const wxRect box = WordNamed(viewer->GetInternalRepresentation(), word).box;
    return ClientPoint(viewer, wxPoint(box.x + box.width / 2, box.y + box.height / 2));
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
    dc.SetFont(
        wxFont(points, fixed ? wxFONTFAMILY_MODERN : wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
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

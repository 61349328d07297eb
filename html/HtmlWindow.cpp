#include "html/HtmlWindow.h"

#include <algorithm>
#include <memory>

#include <wx/config.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "html/HtmlFrameset.h"
#include "html/HtmlFramesetParser.h"
#include "html/HtmlPageFilter.h"
#include "html/HtmlWinParser.h"
#include "html/PageKey.h"
#include "html/SourceGuard.h"

wxIMPLEMENT_DYNAMIC_CLASS(vhtml::HtmlWindow, wxHtmlWindow);

namespace vhtml {
namespace {

constexpr int kScrollUnit = 16;
const char* const kEmptyPage = "<html><body></body></html>";
// Frames inside frames, at most: deeper ones stay empty.
constexpr int kMaxFrameLevels = 4;

// The filters that read an opened file, tried in this order: the viewer's
// HTML filter, the toolkit's, which shows an image file as its image, then
// those that AddFilter appended.
std::vector<std::unique_ptr<wxHtmlFilter>>& PageFilters()
{
    static std::vector<std::unique_ptr<wxHtmlFilter>> filters = [] {
        std::vector<std::unique_ptr<wxHtmlFilter>> list;
        list.emplace_back(new HtmlPageFilter);
        wxObject* image = wxCreateDynamicObject("wxHtmlFilterImage");
        if (wxHtmlFilter* filter = wxDynamicCast(image, wxHtmlFilter))
            list.emplace_back(filter);
        else
            delete image;
        return list;
    }();
    return filters;
}

}  // namespace

wxBEGIN_EVENT_TABLE(HtmlWindow, ::wxHtmlWindow)
    EVT_SIZE(HtmlWindow::OnSize)
    EVT_PAINT(HtmlWindow::OnPaint)
    EVT_KEY_DOWN(HtmlWindow::OnKeyDown)
    EVT_MOUSE_EVENTS(HtmlWindow::OnMouseEvent)
    EVT_MOUSE_CAPTURE_LOST(HtmlWindow::OnCaptureLost)
    EVT_KILL_FOCUS(HtmlWindow::OnKillFocus)
    EVT_MENU(wxID_CUT, HtmlWindow::OnCopyCommand)
    EVT_MENU(wxID_COPY, HtmlWindow::OnCopyCommand)
    EVT_MENU(wxID_PASTE, HtmlWindow::OnIgnoredCommand)
    EVT_MENU(wxID_UNDO, HtmlWindow::OnIgnoredCommand)
    EVT_MENU(wxID_REDO, HtmlWindow::OnIgnoredCommand)
    EVT_UPDATE_UI(wxID_CUT, HtmlWindow::OnUpdateCopy)
    EVT_UPDATE_UI(wxID_COPY, HtmlWindow::OnUpdateCopy)
    EVT_UPDATE_UI(wxID_PASTE, HtmlWindow::OnUpdateDisabled)
    EVT_UPDATE_UI(wxID_UNDO, HtmlWindow::OnUpdateDisabled)
    EVT_UPDATE_UI(wxID_REDO, HtmlWindow::OnUpdateDisabled)
wxEND_EVENT_TABLE()

HtmlWindow::HtmlWindow()
{
    InitViewer();
}

HtmlWindow::HtmlWindow(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                       const wxString& name, bool scrollBars)
{
    InitViewer();
    Create(parent, id, pos, size, style, name, scrollBars);
}

HtmlWindow::~HtmlWindow()
{
    if (HasCapture())
        ReleaseMouse();
    // The frame windows are children: they go before the window does.
    m_frameset.reset();
}

void HtmlWindow::InitViewer()
{
    // The viewer's parser takes the toolkit's place before the first page.
    delete m_Parser;
    m_Parser = new HtmlWinParser(this);
    m_Parser->SetFS(m_FS);
    // The margins go on the page's top and left only (SetPage).
    m_Borders = 0;
}

void HtmlWindow::AddFilter(wxHtmlFilter* filter)
{
    if (filter)
        PageFilters().emplace_back(filter);
}

bool HtmlWindow::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                        const wxString& name, bool scrollBars)
{
    m_scrollStyle = (style & wxHW_SCROLLBAR_NEVER) ? wxHW_SCROLLBAR_NEVER : wxHW_SCROLLBAR_AUTO;
    // With NEVER in the window's style the toolkit leaves the scroll bars to
    // the viewer; selection is not offered.
    if (!::wxHtmlWindow::Create(parent, id, pos, size, style | wxHW_SCROLLBAR_NEVER | wxHW_NO_SELECTION, name))
        return false;
    if (!scrollBars)
        m_scrollStyle = wxHW_SCROLLBAR_NEVER;
    m_constructedScrollStyle = m_scrollStyle;
    return true;
}

bool HtmlWindow::SetPage(const wxString& source)
{
    // The selection names cells of the page that goes.
    m_band.Forget();
    if (source.Upper().Contains("<FRAMESET")) {
        ShowFrameset(source);
        return true;
    }
    if (m_framesetMode) {
        m_frameset.reset();
        m_framesetMode = false;
        m_scrollStyle = m_constructedScrollStyle;
    }
    const wxString page = GuardSource(source);
    m_pageBackground = wxColour();
    {
        // An image that does not load would log an error; it just shows none.
        wxLogNull quiet;
        // The toolkit's SetPage also forgets its pointers into the old page.
        ::wxHtmlWindow::SetPage(page);
    }
    SetBackgroundColour(m_pageBackground.IsOk() ? m_pageBackground : *wxWHITE);
    m_Cell->SetIndent(m_topMargin, wxHTML_INDENT_TOP);
    m_Cell->SetIndent(m_leftMargin, wxHTML_INDENT_LEFT);
    m_Cell->SetAlignHor(wxHTML_ALIGN_CENTER);
    CreateLayout();
    if (IsShown())
        Refresh();
    return true;
}

void HtmlWindow::ShowFrameset(const wxString& source)
{
    if (!m_framesetMode) {
        ForgetCells();
        m_framesetMode = true;
        m_scrollStyle = wxHW_SCROLLBAR_NEVER;
        SetScrollbars(0, 0, 0, 0, 0, 0);
    } else {
        m_frameset.reset();
    }
    m_OpenedAnchor.clear();
    m_OpenedPage.clear();
    HtmlFramesetParser parser(this);
    parser.SetFS(m_FS);
    m_frameset.reset(static_cast<HtmlFrameset*>(parser.Parse(GuardSource(source))));
    SetLabel(m_frameset ? m_frameset->GetTitle() : wxString());
    if (IsShown())
        Refresh();
    if (m_frameset)
        m_frameset->LayoutFrames();
}

// Deletes the page's cells, and the toolkit's pointers into them with them.
void HtmlWindow::ForgetCells()
{
    delete m_selection;
    m_selection = nullptr;
    m_tmpLastCell = nullptr;
    m_tmpLastLink = nullptr;
    delete m_Cell;
    m_Cell = nullptr;
}

void HtmlWindow::SetPageBackground(const wxColour& colour)
{
    m_pageBackground = colour;
    SetBackgroundColour(colour);
}

void HtmlWindow::SetBorders(int border)
{
    m_leftMargin = border;
    m_topMargin = border;
}

void HtmlWindow::CreateLayout()
{
    if (!m_Cell) {
        if (m_frameset)
            m_frameset->LayoutFrames();
        return;
    }
    // Setting the scroll bars may resize the window, which lays out again.
    if (m_inLayout)
        return;
    m_inLayout = true;
    if (m_scrollStyle == wxHW_SCROLLBAR_NEVER) {
        SetScrollbars(1, 1, 0, 0, 0, 0);
        m_Cell->Layout(GetClientSize().x);
    } else {
        m_Cell->Layout(GetClientSize().x);
        if (GetClientSize().y < m_Cell->GetHeight()) {
            // The vertical bar takes part of the width: the page is laid out
            // to what is left, so that it needs no horizontal bar as well.
            SetScrollbars(kScrollUnit, kScrollUnit, 0, m_Cell->GetHeight() / kScrollUnit, 0, 0);
            m_Cell->Layout(GetClientSize().x);
            SetScrollbars(kScrollUnit, kScrollUnit, m_Cell->GetWidth() / kScrollUnit, m_Cell->GetHeight() / kScrollUnit,
                          0, 0);
        } else {
            SetScrollbars(1, 1, 0, 0, 0, 0);
            m_Cell->Layout(GetClientSize().x);
        }
    }
    m_inLayout = false;
}

bool HtmlWindow::LoadPage(const wxString& location)
{
    wxBeginBusyCursor();
    wxString where = location;
    where.Replace("\\", "/");
    where.Replace("%20", " ");
    m_canDraw = false;
    const bool keepsHistory = !ParentIsViewer();
    if (keepsHistory && m_historyPosition != -1)
        m_history[m_historyPosition].scrollPosition = GetViewStart().y;

    const wxString key = PageKeyOf(where);
    if (key == PageKeyOf(m_pageKey)) {
        const wxString anchor = AnchorOf(where);
        where = anchor.empty() ? key : "#" + anchor;
    }

    bool result = false;
    if (where.StartsWith("#")) {
        m_canDraw = true;
        result = ScrollToAnchor(where.Mid(1));
    } else if (!OpenPage(where, &result)) {
        return false;
    }
    // Only a location that opened counts: after a failure the same page is
    // opened again, whatever anchor comes with it.
    m_pageKey = key;

    if (keepsHistory) {
        m_history.erase(m_history.begin() + (m_historyPosition + 1), m_history.end());
        ++m_historyPosition;
        m_history.push_back({m_OpenedPage, m_OpenedAnchor, 0});
    }
    wxEndBusyCursor();
    m_canDraw = true;
    if (IsShown())
        Refresh();
    return result;
}

// Opens the location and shows it, *result being SetPage's answer; false,
// after the message box, when it cannot be opened.
bool HtmlWindow::OpenPage(const wxString& location, bool* result)
{
    if (m_RelatedStatusBarIndex != -1) {
        SetStatus(_("Connecting..."));
        if (IsShown())
            Refresh();
    }
    std::unique_ptr<wxFSFile> file(m_FS->OpenFile(location));
    if (!file) {
        const wxString message =
            wxString::Format(_("The browser is unable to open requested location :\n\n%s"), location);
        m_canDraw = true;
        if (IsShown())
            Refresh();
        wxEndBusyCursor();
        ShowMessage(message, "Error", wxOK | wxCENTRE);
        return false;
    }
    if (m_RelatedStatusBarIndex != -1) {
        SetStatus(_("Loading : ") + location);
        if (IsShown())
            Refresh();
    }

    // The file system's location of the file carries the anchor as well.
    wxString opened = file->GetLocation();
    if (!file->GetAnchor().empty())
        opened.EndsWith("#" + file->GetAnchor(), &opened);
    if (ParentIsViewer() && !MayShowInFrame(opened)) {
        // A page that frames itself, on and on.
        *result = SetPage(kEmptyPage);
        return true;
    }

    wxString source;
    {
        wxLogNull quiet;
        for (const auto& filter : PageFilters()) {
            if (filter->CanRead(*file)) {
                source = filter->ReadFile(*file);
                break;
            }
        }
        if (source.empty()) {
            static std::unique_ptr<wxHtmlFilter> defaultFilter;
            if (!defaultFilter)
                defaultFilter.reset(GetDefaultFilter());
            wxInputStream* stream = file->GetStream();
            if (stream && stream->IsSeekable())
                stream->SeekI(0);
            source = defaultFilter->ReadFile(*file);
        }
    }

    m_FS->ChangePathTo(opened, false);
    m_pageInProgress = opened;
    *result = SetPage(source);
    m_pageInProgress.clear();
    m_OpenedPage = opened;
    if (!file->GetAnchor().empty()) {
        m_canDraw = true;
        ScrollToAnchor(file->GetAnchor());
        m_canDraw = false;
    }
    if (m_RelatedStatusBarIndex != -1)
        SetStatus(_("Done"));
    return true;
}

bool HtmlWindow::ScrollToAnchor(const wxString& anchor)
{
    if (!m_Cell)
        return false;
    const wxHtmlCell* cell = m_Cell->Find(wxHTML_COND_ISANCHOR, &anchor);
    if (!cell)
        return false;
    int y = 0;
    for (; cell; cell = cell->GetParent())
        y += cell->GetPosY();
    Scroll(-1, std::max(0, y / kScrollUnit - 1));
    m_OpenedAnchor = anchor;
    return true;
}

void HtmlWindow::SetFonts(const wxString& normalFace, int normalItalic, const wxString& fixedFace, int fixedItalic,
                          const int* sizes)
{
    const wxString page = m_OpenedPage;
    static_cast<HtmlWinParser*>(m_Parser)->SetFonts(normalFace, normalItalic, fixedFace, fixedItalic, sizes);
    SetPage(kEmptyPage);
    if (!page.empty())
        LoadPage(page);
}

void HtmlWindow::ReadCustomization(wxConfigBase* config, wxString path)
{
    const wxString oldPath = config->GetPath();
    if (!path.empty())
        config->SetPath(path);
    const HtmlWinParser& parser = *static_cast<HtmlWinParser*>(m_Parser);
    const wxString fixedFace = config->Read("wxHtmlWindow/FontFaceFixed", parser.GetFixedFace());
    const wxString normalFace = config->Read("wxHtmlWindow/FontFaceNormal", parser.GetNormalFace());
    const long fixedItalic = config->ReadLong("wxHtmlWindow/ItalicModeFixed", parser.GetFixedItalic());
    const long normalItalic = config->ReadLong("wxHtmlWindow/ItalicModeNormal", parser.GetNormalItalic());
    int sizes[7];
    for (int i = 0; i < 7; ++i) {
        const long size = config->ReadLong(wxString::Format("wxHtmlWindow/FontsSize%i", i), parser.GetFontPointSize(i));
        // A font needs a point size; a damaged entry must not make a huge one.
        sizes[i] = static_cast<int>(std::clamp(size, 1L, 1000L));
    }
    if (!path.empty())
        config->SetPath(oldPath);
    SetFonts(normalFace, static_cast<int>(normalItalic), fixedFace, static_cast<int>(fixedItalic), sizes);
}

void HtmlWindow::WriteCustomization(wxConfigBase* config, wxString path)
{
    const wxString oldPath = config->GetPath();
    if (!path.empty())
        config->SetPath(path);
    const HtmlWinParser& parser = *static_cast<HtmlWinParser*>(m_Parser);
    config->Write("wxHtmlWindow/FontFaceFixed", parser.GetFixedFace());
    config->Write("wxHtmlWindow/FontFaceNormal", parser.GetNormalFace());
    config->Write("wxHtmlWindow/ItalicModeFixed", static_cast<long>(parser.GetFixedItalic()));
    config->Write("wxHtmlWindow/ItalicModeNormal", static_cast<long>(parser.GetNormalItalic()));
    for (int i = 0; i < 7; ++i)
        config->Write(wxString::Format("wxHtmlWindow/FontsSize%i", i), static_cast<long>(parser.GetFontPointSize(i)));
    if (!path.empty())
        config->SetPath(oldPath);
}

void HtmlWindow::OnSetTitle(const wxString& title)
{
    // The parser has decoded the title's references already.
    if (m_RelatedFrame && !ParentIsViewer())
        m_RelatedFrame->SetTitle(title.empty() ? wxString() : wxString::Format(m_TitleFormat, title));
    m_OpenedPageTitle = title;
}

bool HtmlWindow::MayShowInFrame(const wxString& location) const
{
    const wxString key = PageKeyOf(location);
    int level = 0;
    for (const wxWindow* window = GetParent(); const auto* viewer = dynamic_cast<const HtmlWindow*>(window);
         window = window->GetParent()) {
        ++level;
        if (PageKeyOf(viewer->m_OpenedPage) == key || PageKeyOf(viewer->m_pageInProgress) == key)
            return false;
    }
    return level <= kMaxFrameLevels;
}

void HtmlWindow::OnLinkClicked(const wxHtmlLinkInfo& link)
{
    DispatchLink(link.GetHref(), link.GetTarget());
}

void HtmlWindow::DispatchLink(const wxString& href, const wxString& target)
{
    m_links.Dispatch(href, target);
}

void HtmlWindow::OpenPopup(const wxString& href, int x, int y, int width, int height)
{
    m_links.OpenPopup(href, x, y, width, height);
}

void HtmlWindow::SetLauncher(std::shared_ptr<Launcher> launcher)
{
    m_links.SetLauncher(std::move(launcher));
}

Launcher& HtmlWindow::GetLauncher() const
{
    return m_links.GetLauncher();
}

HtmlWindow* HtmlWindow::GetOutermostViewer()
{
    HtmlWindow* outermost = this;
    while (auto* parent = dynamic_cast<HtmlWindow*>(outermost->GetParent()))
        outermost = parent;
    return outermost;
}

int HtmlWindow::CountFrameWindows() const
{
    return m_frameset ? m_frameset->CountFrameWindows() : 0;
}

HtmlWindow* HtmlWindow::NewChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                       bool scrollBars)
{
    HtmlWindow* viewer = CreateChildViewer(parent, pos, size, style, scrollBars);
    viewer->SetLauncher(m_links.GetOwnLauncher());
    return viewer;
}

HtmlWindow* HtmlWindow::CreateChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                          bool scrollBars)
{
    return new HtmlWindow(parent, wxID_ANY, pos, size, style, "htmlWindow", scrollBars);
}

wxCursor HtmlWindow::GetHTMLCursor(HTMLCursor type) const
{
    return GetDefaultHTMLCursor(type == HTMLCursor_Link ? HTMLCursor_Link : HTMLCursor_Default);
}

wxString HtmlWindow::GetCellText(bool selectedOnly) const
{
    return m_band.TextOf(m_Cell, selectedOnly);
}

wxString HtmlWindow::GetTextToCopy() const
{
    std::vector<const HtmlWindow*> windows;
    if (!m_framesetMode) {
        windows.push_back(this);
    } else if (m_frameset) {
        for (const HtmlWindow* frame : m_frameset->WindowsByColumn())
            windows.push_back(frame);
    }
    return SelectionBand::TextToCopy(windows);
}

void HtmlWindow::CopyTextToClipboard()
{
    PutOnClipboard(GetTextToCopy());
}

void HtmlWindow::CutSelection()
{
    CopyTextToClipboard();
}

void HtmlWindow::PutOnClipboard(const wxString& text)
{
    SelectionBand::PutOnClipboard(text);
}

bool HtmlWindow::HasSelectedText() const
{
    return m_band.HasSelectedText();
}

void HtmlWindow::ClearSelection()
{
    m_band.Clear();
}

void HtmlWindow::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    wxMessageBox(text, caption, style);
}

void HtmlWindow::DrawPage(wxDC& dc, int top, int bottom)
{
    dc.SetMapMode(wxMM_TEXT);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (m_Cell) {
        wxHtmlRenderingInfo info;
        wxDefaultHtmlRenderingStyle style(this);
        info.SetStyle(&style);
        m_Cell->Draw(dc, 0, 0, top, bottom, info);
    }
    m_band.Draw(dc, m_Cell, top, bottom);
}

bool HtmlWindow::ParentIsViewer() const
{
    return dynamic_cast<HtmlWindow*>(GetParent()) != nullptr;
}

void HtmlWindow::SetStatus(const wxString& text)
{
    SetHTMLStatusText(text);
}

void HtmlWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!m_canDraw)
        return;
    PrepareDC(dc);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    for (wxRegionIterator rectangle(GetUpdateRegion()); rectangle; ++rectangle) {
        const wxRect band = rectangle.GetRect();
        const int top = CalcUnscrolledPosition(wxPoint(0, band.y)).y;
        DrawPage(dc, top, top + band.height);
    }
}

void HtmlWindow::OnSize(wxSizeEvent&)
{
    if (GetAutoLayout())
        Layout();
    CreateLayout();
    if (IsShown())
        Refresh();
}

void HtmlWindow::OnKeyDown(wxKeyEvent& event)
{
    // A dialog moves the focus on with Tab before its controls see the key;
    // here the toolkit's navigation comes after the window, so Tab goes on.
    if (event.GetKeyCode() == WXK_TAB) {
        event.Skip();
        return;
    }
    if (event.GetModifiers() == wxMOD_CONTROL && (event.GetKeyCode() == 'C' || event.GetKeyCode() == WXK_INSERT)) {
        CopyTextToClipboard();
        return;
    }
    const int view = GetViewStart().y;
    const int page = GetClientSize().y / kScrollUnit;
    int target = 0;
    switch (event.GetKeyCode()) {
    case WXK_UP:
        target = view - 1;
        break;
    case WXK_DOWN:
        target = view + 1;
        break;
    case WXK_PAGEUP:
        target = view - page;
        break;
    case WXK_PAGEDOWN:
        target = view + page;
        break;
    case WXK_HOME:
        target = 0;
        break;
    case WXK_END:
        target = GetVirtualSize().y / kScrollUnit - page;
        break;
    default:
        // Every other key ends here.
        return;
    }
    Scroll(-1, std::max(0, target));
}

void HtmlWindow::OnMouseEvent(wxMouseEvent& event)
{
    // The toolkit shows the link under the pointer at idle time.
    HandleMouseMoved();
    if (event.GetEventType() == wxEVT_MOUSEWHEEL) {
        event.Skip();
        return;
    }
    const wxPoint point = CalcUnscrolledPosition(event.GetPosition());
    if (m_band.OnMouse(event, point, m_Cell))
        HandleMouseClick(m_Cell, point, event);
}

void HtmlWindow::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_band.OnCaptureLost();
}

void HtmlWindow::OnKillFocus(wxFocusEvent& event)
{
    ClearSelection();
    event.Skip();
}

void HtmlWindow::OnCopyCommand(wxCommandEvent& event)
{
    if (event.GetId() == wxID_CUT)
        CutSelection();
    else
        CopyTextToClipboard();
}

void HtmlWindow::OnIgnoredCommand(wxCommandEvent&) {}

void HtmlWindow::OnUpdateCopy(wxUpdateUIEvent& event)
{
    event.Enable(HasSelectedText());
}

void HtmlWindow::OnUpdateDisabled(wxUpdateUIEvent& event)
{
    event.Enable(false);
}

}  // namespace vhtml

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

#include "html/CellText.h"
#include "html/HtmlPageFilter.h"
#include "html/HtmlWinParser.h"
#include "html/PageKey.h"
#include "html/SourceGuard.h"

wxIMPLEMENT_DYNAMIC_CLASS(vhtml::HtmlWindow, wxHtmlWindow);

namespace vhtml {
namespace {

constexpr int kScrollUnit = 16;
const char* const kEmptyPage = "<html><body></body></html>";

// The filters that read an opened file, tried in this order: the viewer's
// HTML filter, then the toolkit's, which shows an image file as its image.
const std::vector<std::unique_ptr<wxHtmlFilter>>& PageFilters()
{
    static const std::vector<std::unique_ptr<wxHtmlFilter>> filters = [] {
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

void HtmlWindow::InitViewer()
{
    // The viewer's parser takes the toolkit's place before the first page.
    delete m_Parser;
    m_Parser = new HtmlWinParser(this);
    m_Parser->SetFS(m_FS);
    // The margins go on the page's top and left only (SetPage).
    m_Borders = 0;
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
    return true;
}

bool HtmlWindow::SetPage(const wxString& source)
{
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
    // Setting the scroll bars may resize the window, which lays out again.
    if (!m_Cell || m_inLayout)
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
            SetScrollbars(kScrollUnit, kScrollUnit, m_Cell->GetWidth() / kScrollUnit,
                          m_Cell->GetHeight() / kScrollUnit, 0, 0);
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

    // The file system's location of the file carries the anchor as well.
    wxString opened = file->GetLocation();
    if (!file->GetAnchor().empty())
        opened.EndsWith("#" + file->GetAnchor(), &opened);
    m_FS->ChangePathTo(opened, false);
    *result = SetPage(source);
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

void HtmlWindow::OnLinkClicked(const wxHtmlLinkInfo& link)
{
    // A link opens in this window.
    const wxMouseEvent* event = link.GetEvent();
    if (!event || event->LeftUp())
        LoadPage(link.GetHref());
}

wxCursor HtmlWindow::GetHTMLCursor(HTMLCursor type) const
{
    return GetDefaultHTMLCursor(type == HTMLCursor_Link ? HTMLCursor_Link : HTMLCursor_Default);
}

wxString HtmlWindow::GetCellText() const
{
    return m_Cell ? vhtml::ToText(*m_Cell) : wxString();
}

void HtmlWindow::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    wxMessageBox(text, caption, style);
}

void HtmlWindow::DrawPage(wxDC& dc, int top, int bottom)
{
    dc.SetMapMode(wxMM_TEXT);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    wxHtmlRenderingInfo info;
    wxDefaultHtmlRenderingStyle style(this);
    info.SetStyle(&style);
    m_Cell->Draw(dc, 0, 0, top, bottom, info);
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
    if (!m_canDraw || !m_Cell)
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

}  // namespace vhtml

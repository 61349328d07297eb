// The viewer's window parser: the toolkit's, with the viewer's font sizes,
// black text and blue links whatever the theme, a font face that an element
// sets for its content, its own P, BR, BODY, BASE, FONT and PRE handlers, no
// removal of the page's outer spacing, and nesting and text pieces bounded.
#pragma once

#include <wx/html/winpars.h>

namespace vhtml {

class HtmlWindow;

class HtmlWinParser : public wxHtmlWinParser {
public:
    // HTML sizes 1 to 7 in points.
    static const int kDefaultSizes[7];
    // The HTML size that relative FONT sizes count from.
    static constexpr int kBaseFontSize = 3;

    explicit HtmlWinParser(HtmlWindow* window);

    void InitParser(const wxString& source) override;
    void DoneParser() override;
    wxObject* GetProduct() override;
    wxFont* CreateCurrentFont() override;

    HtmlWindow* GetHtmlWindow() const { return m_window; }
    // The root container of the page being parsed.
    const wxHtmlContainerCell* GetPageRoot() const { return m_pageRoot; }

    // A face for the text that follows, "" for the normal faces.
    const wxString& GetFaceOverride() const { return m_faceOverride; }
    void SetFaceOverride(const wxString& face) { m_faceOverride = face; }

    // Faces ("" for the system's), italic modes (kept for the window's
    // customization; italics are the toolkit's) and the seven point sizes.
    void SetFonts(const wxString& normalFace, int normalItalic, const wxString& fixedFace, int fixedItalic,
                  const int* sizes);
    const wxString& GetNormalFace() const { return m_normalFace; }
    const wxString& GetFixedFace() const { return m_fixedFace; }
    int GetNormalItalic() const { return m_normalItalic; }
    int GetFixedItalic() const { return m_fixedItalic; }
    int GetFontPointSize(int index) const { return m_sizes[index]; }

protected:
    // Hands text on in pieces of at most 1023 characters, so a word runs to
    // at most that many.
    void AddText(const wxString& text) override;
    // Tags nested deeper than the guard allows are dropped with their
    // content: elements without an ending tag nest their followers too.
    void AddTag(const wxHtmlTag& tag) override;

private:
    HtmlWindow* m_window;
    wxString m_faceOverride;
    wxFont m_overrideFont;
    wxString m_normalFace;
    wxString m_fixedFace;
    int m_normalItalic;
    int m_fixedItalic;
    int m_sizes[7];
    int m_tagDepth = 0;
    wxHtmlContainerCell* m_pageRoot = nullptr;
    wxHtmlContainerCell* m_spareTop = nullptr;
    wxHtmlContainerCell* m_spareBottom = nullptr;
};

}  // namespace vhtml

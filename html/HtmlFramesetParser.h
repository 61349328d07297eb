// Reads a frameset page: the FRAMESET whose start tag comes last, with the
// FRAME tags of its own element, and the TITLE before it. Text between tags
// is dropped.
#pragma once

#include <memory>
#include <vector>

#include <wx/html/htmlpars.h>

#include "html/HtmlFrameset.h"

namespace vhtml {

class HtmlWindow;

class HtmlFramesetParser : public ::wxHtmlParser {
public:
    // owner: the window the frames will be shown in.
    explicit HtmlFramesetParser(HtmlWindow* owner);
    ~HtmlFramesetParser() override;

    void InitParser(const wxString& source) override;
    void DoneParser() override;
    // The frameset read, for the caller to own; none when the page holds no
    // FRAMESET.
    wxObject* GetProduct() override;

    HtmlWindow* GetOwner() const { return m_owner; }
    const wxString& GetTitle() const { return m_title; }
    void SetTitle(const wxString& title) { m_title = title; }
    // Keeps a frameset made while reading; the last one kept is the product.
    HtmlFrameset* AddFrameset(std::unique_ptr<HtmlFrameset> frameset);

protected:
    void AddText(const wxString&) override {}

private:
    HtmlWindow* m_owner;
    wxString m_title;
    // Every frameset of the page: the last is the product, the others,
    // never shown, go with the parse.
    std::vector<std::unique_ptr<HtmlFrameset>> m_framesets;
};

}  // namespace vhtml

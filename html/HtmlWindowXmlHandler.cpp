#include "html/HtmlWindowXmlHandler.h"

#include <memory>

#include <wx/filesys.h>

#include "html/HtmlWindow.h"

namespace vhtml {

HtmlWindowXmlHandler::HtmlWindowXmlHandler()
{
    XRC_ADD_STYLE(wxHW_SCROLLBAR_NEVER);
    XRC_ADD_STYLE(wxHW_SCROLLBAR_AUTO);
    AddWindowStyles();
}

wxObject* HtmlWindowXmlHandler::DoCreateResource()
{
    HtmlWindow* window = m_instance ? wxDynamicCast(m_instance, HtmlWindow) : nullptr;
    if (!window)
        window = new HtmlWindow;
    window->Create(m_parentAsWindow, GetID(), GetPosition(), GetSize(), GetStyle("style", wxHW_SCROLLBAR_AUTO),
                   GetName(), true);
    if (HasParam("borders"))
        window->SetBorders(GetDimension("borders"));
    if (HasParam("url")) {
        const wxString url = GetParamValue("url");
        const std::unique_ptr<wxFSFile> file(GetCurFileSystem().OpenFile(url));
        window->LoadPage(file ? file->GetLocation() : url);
    } else if (HasParam("htmlcode")) {
        window->SetPage(GetText("htmlcode"));
    }
    SetupWindow(window);
    return window;
}

bool HtmlWindowXmlHandler::CanHandle(wxXmlNode* node)
{
    return IsOfClass(node, "wxHtmlWindow");
}

void InstallXrcHandler()
{
    static wxXmlResource* installedIn = nullptr;
    wxXmlResource* resources = wxXmlResource::Get();
    if (installedIn == resources)
        return;
    resources->InsertHandler(new HtmlWindowXmlHandler);
    installedIn = resources;
}

}  // namespace vhtml

#include "controls/TabRowNotebook.h"

#include <algorithm>
#include <memory>

#include <glib-object.h>

wxIMPLEMENT_DYNAMIC_CLASS(CTabRowNotebook, wxNotebook);

namespace {

// A toolkit property of a widget, set for the life of the guard.
class ScopedProperty {
public:
    ScopedProperty(GtkWidget* widget, const char* name, int value) : m_object(G_OBJECT(widget)), m_name(name)
    {
        g_object_get(m_object, m_name, &m_saved, nullptr);
        g_object_set(m_object, m_name, value, nullptr);
    }
    ScopedProperty(const ScopedProperty&) = delete;
    ScopedProperty& operator=(const ScopedProperty&) = delete;
    ~ScopedProperty() { g_object_set(m_object, m_name, m_saved, nullptr); }

private:
    GObject* m_object;
    const char* m_name;
    int m_saved = 0;
};

}  // namespace

int CTabRowNotebook::TabRowWidth() const
{
    std::vector<wxString> labels;
    for (size_t i = 0; i < GetPageCount(); ++i)
        labels.push_back(GetPageText(i));
    if (labels == m_measuredLabels)
        return m_tabRowWidth;
    // Measured by the toolkit itself, which knows the frames of its tabs:
    // without scroll arrows the notebook asks for its whole row of tabs, and
    // with pages that ask for no width that row is all it asks for.
    std::vector<std::unique_ptr<ScopedProperty>> narrowPages;
    for (size_t i = 0; i < GetPageCount(); ++i)
        narrowPages.push_back(std::make_unique<ScopedProperty>(GetPage(i)->GetHandle(), "width-request", 0));
    ScopedProperty noArrows(m_widget, "scrollable", FALSE);
    m_tabRowWidth = labels.empty() ? 0 : GTKGetPreferredSize(m_widget).x;
    m_measuredLabels = labels;
    return m_tabRowWidth;
}

wxSize CTabRowNotebook::DoGetBestSize() const
{
    wxSize best = wxNotebook::DoGetBestSize();
    best.x = std::max(best.x, TabRowWidth());
    return best;
}

// The GUI unit object of a family whose device page is Page: it hands the
// unit's records to the page and builds the page in the order the page
// relies on.
#pragma once

#include <cstdint>

#include <wx/weakref.h>

#include "app/FlashDevice.h"

template <class Page>
class TFamilyDevice : public CFlashDevice {
public:
    using CFlashDevice::CFlashDevice;

    void OnRecord(const uint8_t* bytes, uint8_t count) override
    {
        if (Page* page = m_page.get())
            page->OnRecord(bytes, count);
    }

    // The typed pointer is set before the layout is loaded, so that the
    // setting pages built meanwhile reach the page; the base's page pointer
    // only afterwards, so that the notebook pages added meanwhile send no
    // selection report.
    CFlashDevicePropertyPage* CreatePage(wxWindow* parent) override
    {
        Page* page = new Page(this);
        m_page = page;
        page->Create(page->GetPanelName(), parent);
        SetPage(page);
        return page;
    }

    // Null before CreatePage and once the notebook has deleted the page.
    Page* GetPropertyPage() const { return m_page.get(); }

private:
    wxWeakRef<Page> m_page;
};

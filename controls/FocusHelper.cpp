#include "controls/FocusHelper.h"

#include <wx/statbox.h>
#include <wx/window.h>

wxBEGIN_EVENT_TABLE(CFocusHelper, wxEvtHandler)
    EVT_KILL_FOCUS(CFocusHelper::OnKillFocus)
wxEND_EVENT_TABLE()

void CFocusHelper::ReleaseFrom(wxWindow* window)
{
    wxEvtHandler* handler = window->GetEventHandler();
    while (handler && handler != window) {
        wxEvtHandler* next = handler->GetNextHandler();
        if (dynamic_cast<CFocusHelper*>(handler)) {
            window->RemoveEventHandler(handler);
            delete handler;
        }
        handler = next;
    }
}

void CFocusHelper::OnKillFocus(wxFocusEvent& event)
{
    // The page is the control's parent; a static box between them (the
    // toolkit parents a box's controls to the box) is passed over.
    wxWindow* source = wxDynamicCast(event.GetEventObject(), wxWindow);
    wxWindow* target = source ? source->GetParent() : nullptr;
    while (target && wxDynamicCast(target, wxStaticBox))
        target = target->GetParent();
    if (target)
        target->GetEventHandler()->ProcessEvent(event);
    // The control and the native focus handling still see the event.
    event.Skip();
}

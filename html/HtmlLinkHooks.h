// The link hooks of every viewer, asked in the order they were added. The
// program adds none; the list deletes the hooks it holds at exit.
#pragma once

#include <memory>

#include "html/HtmlLinkHook.h"

namespace vhtml {

class HtmlLinkHooks {
public:
    static void Add(std::unique_ptr<HtmlLinkHook> hook);
    // Removes and deletes the hook; nothing when it is not in the list.
    static void Remove(const HtmlLinkHook* hook);
    // Asks each hook in turn until one handles the link; whether one did.
    static bool Handle(const wxString& href, const wxString& target, HtmlWindow* window);
};

}  // namespace vhtml

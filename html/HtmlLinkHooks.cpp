#include "html/HtmlLinkHooks.h"

#include <algorithm>
#include <vector>

namespace vhtml {
namespace {

std::vector<std::unique_ptr<HtmlLinkHook>>& Hooks()
{
    static std::vector<std::unique_ptr<HtmlLinkHook>> hooks;
    return hooks;
}

}  // namespace

void HtmlLinkHooks::Add(std::unique_ptr<HtmlLinkHook> hook)
{
    if (hook)
        Hooks().push_back(std::move(hook));
}

void HtmlLinkHooks::Remove(const HtmlLinkHook* hook)
{
    auto& hooks = Hooks();
    hooks.erase(std::remove_if(hooks.begin(), hooks.end(), [hook](const auto& held) { return held.get() == hook; }),
                hooks.end());
}

bool HtmlLinkHooks::Handle(const wxString& href, const wxString& target, HtmlWindow* window)
{
    // By index: a hook may add another.
    auto& hooks = Hooks();
    for (size_t i = 0; i < hooks.size(); ++i) {
        if (hooks[i]->OnLink(href, target, window))
            return true;
    }
    return false;
}

}  // namespace vhtml

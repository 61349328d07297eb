// The desktop's programs, found by name on PATH: xdg-open opens addresses
// and files, lp prints files. Each runs without a shell, the target one
// argument of its own, and nothing is waited for; a program that is missing
// or fails is not reported.
#pragma once

#include <vector>

#include "html/Launcher.h"

namespace vhtml {

class DesktopLauncher : public Launcher {
public:
    // The program and its arguments for a verb and a target; empty when
    // nothing is run: other verbs, addresses with a verb, files that are not
    // absolute local paths.
    static std::vector<wxString> CommandFor(const wxString& verb, const wxString& target);

    void Launch(const wxString& verb, const wxString& target) override;
};

}  // namespace vhtml

// A German number format for the numbers that printf writes, for as long as
// an object of this class lives; built from the system's locale sources into
// the run's home when the locale is not installed.
#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

#include <wx/filename.h>
#include <wx/string.h>

#include "GuiTestHarness.h"

namespace guitest {

class DecimalCommaLocale {
public:
    DecimalCommaLocale() : m_old(std::setlocale(LC_NUMERIC, nullptr))
    {
        if (!Switch()) {
            const wxString dir = wxFileName(HomeDir(), "locale").GetFullPath();
            wxFileName::Mkdir(dir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
            const std::string command =
                "localedef -i de_DE -f UTF-8 '" + dir.utf8_string() + "/de_DE.UTF-8' >/dev/null 2>&1";
            if (std::system(command.c_str()) == 0) {
                setenv("LOCPATH", dir.utf8_str(), 1);
                m_ownPath = true;
                Switch();
            }
        }
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
    ~DecimalCommaLocale()
    {
        if (m_ownPath)
            unsetenv("LOCPATH");
        std::setlocale(LC_NUMERIC, m_old.c_str());
    }

    // Whether printf now writes a decimal comma.
    bool Active() const { return wxString::Format("%1.2f", 0.5) == "0,50"; }

private:
    static bool Switch() { return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr; }

    std::string m_old;
    bool m_ownPath = false;
};

}  // namespace guitest

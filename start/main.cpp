// The program's start: the application is made with the table of the unit
// families this program builds, so that the application and its main window
// know the families only through that table.
#include "app/StrahlkonStudioApp.h"
#include "units/UnitFamilies.h"

namespace {

wxAppConsole* CreateApplication()
{
    return new CStrahlkonStudioApp(BuiltFamilies());
}

// What the toolkit's start calls to make the application object.
const wxAppInitializer g_initializer(CreateApplication);

}  // namespace

wxIMPLEMENT_WXWIN_MAIN

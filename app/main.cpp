// The toolkit's entry point creates the application object.
#include "app/StrahlkonStudioApp.h"

wxIMPLEMENT_APP(CStrahlkonStudioApp);

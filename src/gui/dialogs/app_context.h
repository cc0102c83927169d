#pragma once

#include "app/app_state.h"
#include "app/program_folders.h"
#include "dialogs/file_chooser.h"
#include "dialogs/print_dialogs.h"
#include "update/url_opener.h"

class QWidget;

namespace ordavex {

// What every window is handed: the one application state, the platform seams and the places of
// the program's folders.
struct AppContext {
    AppState& state;
    FileChooser& files;
    UrlOpener& urls;
    PrintDialogs& prints;
    FolderPlaces folders;
};

}  // namespace ordavex

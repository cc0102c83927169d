#pragma once

#include "app/app_state.h"
#include "dialogs/file_chooser.h"
#include "update/url_opener.h"

class QWidget;

namespace ordavex {

// What every window is handed: the one application state and the platform seams.
struct AppContext {
    AppState& state;
    FileChooser& files;
    UrlOpener& urls;
};

}  // namespace ordavex

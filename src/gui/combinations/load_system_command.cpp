#include "combinations/file_commands.h"

#include "app/main_window.h"

namespace ordavex {

void LoadSystemCommand(AppContext&, MainWindow&) {}

}  // namespace ordavex

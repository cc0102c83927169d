#pragma once

#include <string>

#include "checking/draw_archive.h"

class QWidget;

namespace ordavex {

// Reads an archive of draws away from the window's thread, in a table of open files of its own,
// with the progress shown over `window` when it lasts; a reading the user cancelled comes back
// with `cancelled` and no draws.
ArchiveReading ReadArchiveAwayFromWindow(QWidget* window, const std::string& path);

}  // namespace ordavex

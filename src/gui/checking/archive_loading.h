#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checking/draw_archive.h"

class QWidget;

namespace ordavex {

struct AppContext;

// What a window of archives shows before one is loaded.
inline constexpr const char* kNoArchiveText = "Nessun archivio caricato";

// Reads an archive of draws away from the window's thread, in a table of open files of its own,
// with the progress shown over `window` when it lasts; a reading the user cancelled comes back
// with `cancelled` and no draws.
ArchiveReading ReadArchiveAwayFromWindow(QWidget* window, const std::string& path);

struct ChosenArchive {
    std::string name;  // the file's name, without its folder
    std::vector<ArchiveDraw> draws;
};

// Asks for an archive in the folder of archives and reads it as above. A refused archive reaches
// the user as its message over `window`; then, as when the user chose none or cancelled the
// reading, nothing comes back and the state is as it was. Once an archive is read, its folder
// is the folder of archives.
std::optional<ChosenArchive> ChooseAndReadArchive(AppContext& context, QWidget* window);

}  // namespace ordavex

#pragma once

#include <string>
#include <vector>

namespace ordavex {

enum class FileDialogMode { Open = 1, Save = 2 };

// What a file command asks of the file chooser.
struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    std::string title;             // "Open" or "Save"
    std::string filterName;        // "Sistemi" or "Matrici"
    std::string pattern;           // "*.txt"
    std::string initialLocation;   // a folder, or the full path of a file chosen earlier
    std::string defaultExtension;  // "txt", added to a name typed without an extension
    // Folders offered in the dialog's side bar besides the places it always shows.
    std::vector<std::string> sidebarFolders;
};

FileDialogRequest OpenSystemRequest(const std::string& systemsFolder);
// Starts where matrices were last opened (at first the shipped ones) and offers the player's
// own matrices folder in the side bar; an empty folder is not offered.
FileDialogRequest OpenMatrixRequest(const std::string& matricesFolder, const std::string& userMatricesFolder);
FileDialogRequest SaveSystemRequest(const std::string& systemsFolder);
FileDialogRequest OpenArchiveRequest(const std::string& archivesFolder);
// Save dialogs of what the viewer and the draw check hand out, starting in the systems folder:
// a spreadsheet ("*.csv"), a combination file ("*.txt") and a PDF document ("*.pdf").
FileDialogRequest ExportCsvRequest(const std::string& systemsFolder);
FileDialogRequest ExportTextRequest(const std::string& systemsFolder);
FileDialogRequest SavePdfRequest(const std::string& systemsFolder);
// The save dialog of a chart's picture ("*.png"), starting in the systems folder.
FileDialogRequest SaveImageRequest(const std::string& systemsFolder);

// The folder and the file name to start a dialog with. A location that ends in a separator
// or names an existing folder is a folder; otherwise it is a file's full path, split at its
// last "/" or "\".
struct StartLocation {
    std::string folder;
    std::string fileName;
};
StartLocation SplitStartLocation(const std::string& location);

// The path with "." + extension added when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace ordavex

#include "checking/archive_loading.h"

#include "widgets/progress_window.h"

namespace ordavex {

namespace {
constexpr const char* kLoadingText = "Caricamento dell'archivio";
}  // namespace

ArchiveReading ReadArchiveAwayFromWindow(QWidget* window, const std::string& path) {
    WorkProgress progress;
    ArchiveReading reading;
    ProgressWindow::RunOnFile(window, kLoadingText, path, progress,
                              [&path, &progress, &reading] { reading = ReadDrawArchiveFile(path, {}, &progress); });
    return reading;
}

}  // namespace ordavex

#include "checking/archive_loading.h"

#include <QFileInfo>
#include <QString>

#include "widgets/progress_window.h"

namespace ordavex {

namespace {
constexpr const char* kLoadingText = "Caricamento dell'archivio ";
}  // namespace

ArchiveReading ReadArchiveAwayFromWindow(QWidget* window, const std::string& path) {
    WorkProgress progress;
    ArchiveReading reading;
    ProgressWindow::Run(window, kLoadingText + QFileInfo(QString::fromStdString(path)).fileName() + " ...", progress,
                        [&path, &progress, &reading] { reading = ReadDrawArchiveFile(path, {}, &progress); });
    return reading;
}

}  // namespace ordavex

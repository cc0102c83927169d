#include "checking/archive_loading.h"

#include <utility>

#include "combinations/matrix_name.h"
#include "dialogs/app_context.h"
#include "dialogs/file_dialog_request.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "widgets/progress_window.h"

namespace ordavex {

namespace {
constexpr const char* kLoadingText = "Caricamento dell'archivio";
constexpr const char* kInvalidArchive = "Archivio non valido ..!|";
}  // namespace

ArchiveReading ReadArchiveAwayFromWindow(QWidget* window, const std::string& path) {
    WorkProgress progress;
    ArchiveReading reading;
    ProgressWindow::RunOnFile(window, kLoadingText, path, progress,
                              [&path, &progress, &reading] { reading = ReadDrawArchiveFile(path, {}, &progress); });
    return reading;
}

std::optional<ChosenArchive> ChooseAndReadArchive(AppContext& context, QWidget* window) {
    AppState& state = context.state;
    const std::string path = context.files.FileDialog(window, OpenArchiveRequest(state.ArchivesFolder));
    if (path.empty()) return std::nullopt;
    ArchiveReading reading = ReadArchiveAwayFromWindow(window, path);
    if (reading.cancelled) return std::nullopt;
    if (reading.errorNumber != 0) {
        ReportError(state, window, reading.errorNumber);
        return std::nullopt;
    }
    if (!reading.Ok()) {
        ShowMessage(state, window, kInvalidArchive + reading.error);
        return std::nullopt;
    }
    state.ArchivesFolder = path;
    return ChosenArchive{FileNameOfPath(path), std::move(reading.draws)};
}

}  // namespace ordavex

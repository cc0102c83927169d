#include <utility>

#include "app/main_window.h"
#include "dialogs/report_error.h"
#include "combinations/file_commands.h"
#include "combinations/system_file.h"
#include "dialogs/message_dialog.h"

namespace ordavex {

namespace {

constexpr const char* kIncompatibleFile = "Il file è incompatibile ..!";
constexpr const char* kTooManyCombinations = "Ammesse max. 200 combinazioni ..!";

}  // namespace

void LoadSystemCommand(AppContext& context, MainWindow& window) {
    AppState& state = context.state;
    const std::string path = context.files.FileDialog(&window, OpenSystemRequest(state.SystemsFolder));
    if (path.empty()) return;

    SystemLoadResult result = LoadSystemFile(state.Files, path);
    switch (result.outcome) {
        case SystemLoadOutcome::Rejected:
            ReportError(state, &window, result.error);
            ShowMessage(state, &window, kIncompatibleFile);
            return;
        case SystemLoadOutcome::TooManyLines:
            ShowMessage(state, &window, kTooManyCombinations);
            return;
        case SystemLoadOutcome::Failed:
            ReportError(state, &window, result.error);
            return;
        case SystemLoadOutcome::Loaded:
            break;
    }
    state.SystemsFolder = path;
    state.ReplaceSystem(std::move(result.lines));
    window.RefreshCounter();
}

}  // namespace ordavex

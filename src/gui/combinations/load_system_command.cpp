#include <utility>

#include "combinations/file_commands.h"
#include "combinations/load_refusal.h"
#include "combinations/system_file.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"

namespace ordavex {

namespace {

constexpr const char* kIncompatibleFile = "Il file è incompatibile ..!";
constexpr const char* kTooManyCombinations = "Ammesse max. 200 combinazioni ..!";

LoadRefusal RefusalOf(const SystemLoadResult& result) {
    switch (result.outcome) {
        case SystemLoadOutcome::Rejected:
            return {result.error, kIncompatibleFile};
        case SystemLoadOutcome::TooManyLines:
            return {0, kTooManyCombinations};
        case SystemLoadOutcome::Failed:
        case SystemLoadOutcome::Loaded:
            break;
    }
    return {result.error, nullptr};
}

}  // namespace

void LoadSystemCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    QWidget& window = host.DialogParent();
    const std::string path = context.files.FileDialog(&window, OpenSystemRequest(state.SystemsFolder));
    if (path.empty()) return;

    SystemLoadResult result = LoadSystemFile(state.Files, path);
    if (result.outcome != SystemLoadOutcome::Loaded) {
        ShowLoadRefusal(state, &window, RefusalOf(result));
        return;
    }
    state.SystemsFolder = path;
    state.ReplaceSystem(std::move(result.lines));
    host.RefreshCounter();
}

}  // namespace ordavex

#include <optional>
#include <string>
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

std::optional<LoadRefusal> RefusalOf(const SystemLoadResult& result) {
    switch (result.outcome) {
        case SystemLoadOutcome::Rejected:
            return LoadRefusal{result.error, kIncompatibleFile};
        case SystemLoadOutcome::TooManyLines:
            return LoadRefusal{0, kTooManyCombinations};
        case SystemLoadOutcome::Loaded:
            return std::nullopt;
        case SystemLoadOutcome::Failed:
            break;
    }
    return LoadRefusal{result.error, nullptr};
}

}  // namespace

void LoadSystemCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    auto chosen = ChooseAndLoad(
        context, host, OpenSystemRequest(state.SystemsFolder),
        [&state](const std::string& path) { return LoadSystemFile(state.Files, path); }, RefusalOf);
    if (!chosen) return;
    state.SystemsFolder = chosen->path;
    state.ReplaceSystem(std::move(chosen->loaded.lines));
    host.RefreshCounter();
}

}  // namespace ordavex

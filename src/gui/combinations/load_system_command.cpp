#include <string>
#include <utility>

#include "combinations/file_commands.h"
#include "combinations/load_refusal.h"
#include "combinations/system_file.h"

namespace ordavex {

namespace {

constexpr RefusalMessage<SystemLoadOutcome> kRefusalMessages[] = {
    {SystemLoadOutcome::Rejected, "Il file è incompatibile ..!"},
    {SystemLoadOutcome::TooManyLines, "Ammesse max. 200 combinazioni ..!"},
};

// The loaded file's name as the dialog gave it, without its folders.
std::string FileNameOf(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

void LoadSystemCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    if (auto loaded =
            ChooseAndLoad(context, host, state.SystemsFolder, OpenSystemRequest, LoadSystemFile, kRefusalMessages)) {
        state.ReplaceSystem(std::move(loaded->lines));
        // The loaded file's path is where the next dialog starts.
        state.Source = {SystemSource::Kind::kLoaded, FileNameOf(state.SystemsFolder), {}};
        host.RefreshCounter();
    }
}

}  // namespace ordavex

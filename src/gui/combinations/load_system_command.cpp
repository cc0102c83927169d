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

}  // namespace

void LoadSystemCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    if (auto loaded =
            ChooseAndLoad(context, host, state.SystemsFolder, OpenSystemRequest, LoadSystemFile, kRefusalMessages)) {
        state.ReplaceSystem(std::move(loaded->lines));
        host.RefreshCounter();
    }
}

}  // namespace ordavex

#include <utility>

#include "combinations/duplicate_removal.h"
#include "combinations/file_commands.h"
#include "dialogs/message_dialog.h"

namespace ordavex {

// The main window has checked that a system is in memory.
void RemoveDuplicatesCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    QWidget& window = host.DialogParent();
    LineList lines = std::move(state.SystemCombinations);
    const std::int32_t removed = RemoveDuplicates(lines);
    state.ReplaceSystem(std::move(lines));
    ShowMessage(state, &window, DuplicatesMessage(removed));
}

}  // namespace ordavex

#include <new>
#include <optional>

#include "app/error_number.h"
#include "combinations/file_commands.h"
#include "combinations/system_save.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"

namespace ordavex {

namespace {

constexpr const char* kExistingFile = "File esistente ..!";
// Nothing for "Rinuncia": the file stays as it is.
constexpr MessageAnswer<std::optional<SaveMode>> kExistingFileChoices[] = {
    {SaveMode::Append, "Appendi"}, {SaveMode::Overwrite, "Sovrascrivi"}, {std::nullopt, "Rinuncia"}};

// The file the system will be written to: the dialog's choice with the default extension, under
// its name in capitals unless only the name as chosen exists.
std::string TargetPath(const std::string& chosen, const FileDialogRequest& request) {
    return SaveTargetPath(WithDefaultExtension(chosen, request.defaultExtension));
}

}  // namespace

// The main window has checked that a system is in memory.
void SaveSystemCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    QWidget& window = host.DialogParent();
    const FileDialogRequest request = SaveSystemRequest(state.SystemsFolder);
    const std::string chosen = context.files.FileDialog(&window, request);
    if (chosen.empty()) return;
    const std::string path = TargetPath(chosen, request);

    try {
        std::optional<SaveMode> chosenMode = SaveMode::Overwrite;
        if (ReplaceableFileLength(path) > 0) {
            chosenMode = Ask(state, &window, kExistingFile, kExistingFileChoices).value_or(std::nullopt);
        }
        if (!chosenMode) return;
        const SaveMode mode = *chosenMode;
        WriteSystemFile(path, state.SystemCombinations, mode);
        ShowMessage(state, &window, SavedMessage(mode, state.SystemCount));
    } catch (const OrdavexError& error) {
        ReportError(state, &window, error.Number());
    } catch (const std::bad_alloc&) {
        ReportError(state, &window, kErrOutOfMemory);
    }
}

}  // namespace ordavex

#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "combinations/file_command_host.h"
#include "dialogs/app_context.h"

class QWidget;

namespace ordavex {

// The message a load command gives for one way a file is refused.
template <class Outcome>
struct RefusalMessage {
    Outcome outcome;
    const char* message;
};

// A load command's messages, for the outcomes of its kind of load result.
template <class Result>
using RefusalMessages = std::span<const RefusalMessage<decltype(Result::outcome)>>;

// How a load command answers a file it did not load: the failure's error number through
// ReportError (none when 0), then the command's own message (none when null).
void ShowLoadRefusal(AppState& state, QWidget* window, int error, const char* message);

// What a load function gives for a file.
template <class Load>
using LoadResultOf = std::invoke_result_t<Load, const std::string&>;

// Reads a chosen file with `load`. A file whose outcome is not Loaded is answered with its error
// and the message `messages` give for its outcome (an outcome without a message, such as a load
// the user cancelled, shows none); a loaded file's path becomes `lastPath`, where the next dialog
// starts. Nothing when the file was refused.
template <class Load, class Result = LoadResultOf<Load>>
std::optional<Result> LoadChosenFile(AppContext& context, FileCommandHost& host, std::string& lastPath,
                                     const std::string& path, const Load& load, RefusalMessages<Result> messages) {
    Result loaded = load(path);
    if (loaded.outcome != decltype(loaded.outcome)::Loaded) {
        const char* message = nullptr;
        for (const auto& row : messages) {
            if (row.outcome == loaded.outcome) message = row.message;
        }
        ShowLoadRefusal(context.state, &host.DialogParent(), loaded.error, message);
        return std::nullopt;
    }
    lastPath = path;
    return loaded;
}

// The opening every load command shares: the user picks a file in the dialog that `request` asks
// for, starting at `lastPath`, and `load` reads it. A file whose outcome is not Loaded is answered
// with its error and the message `messages` give for its outcome. A loaded file's path becomes
// `lastPath`, where the next dialog starts. Nothing when the user cancelled or the file was refused.
template <class Result>
std::optional<Result> ChooseAndLoad(AppContext& context, FileCommandHost& host, std::string& lastPath,
                                    const std::function<FileDialogRequest(const std::string&)>& request,
                                    Result (*load)(const std::string&), RefusalMessages<Result> messages) {
    QWidget& window = host.DialogParent();
    const std::string path = context.files.FileDialog(&window, request(lastPath));
    if (path.empty()) return std::nullopt;
    return LoadChosenFile(context, host, lastPath, path, load, messages);
}

}  // namespace ordavex

#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "combinations/file_command_host.h"
#include "dialogs/app_context.h"

class QWidget;

namespace ordavex {

// How a load command answers a file it did not load: the failure's error number through
// ReportError (0 when there is none), then the command's own message (none when null).
struct LoadRefusal {
    int error = 0;
    const char* message = nullptr;
};

void ShowLoadRefusal(AppState& state, QWidget* window, const LoadRefusal& refusal);

template <class Result>
struct ChosenFile {
    std::string path;
    Result loaded;
};

// The opening every load command shares: the user picks a file, `load` reads it, and a file that
// `refusalOf` refuses (nullopt: loaded) is answered there. Nothing when the user cancelled or the
// file was refused.
template <class Load, class RefusalOf>
auto ChooseAndLoad(AppContext& context, FileCommandHost& host, const FileDialogRequest& request, Load load,
                   RefusalOf refusalOf) -> std::optional<ChosenFile<std::invoke_result_t<Load, const std::string&>>> {
    QWidget& window = host.DialogParent();
    std::string path = context.files.FileDialog(&window, request);
    if (path.empty()) return std::nullopt;
    auto loaded = load(path);
    if (const std::optional<LoadRefusal> refusal = refusalOf(loaded)) {
        ShowLoadRefusal(context.state, &window, *refusal);
        return std::nullopt;
    }
    return ChosenFile<decltype(loaded)>{std::move(path), std::move(loaded)};
}

}  // namespace ordavex

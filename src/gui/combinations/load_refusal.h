#pragma once

class QWidget;

namespace ordavex {

struct AppState;

// How a load command answers a file it did not load: the failure's error number through
// ReportError (0 when there is none), then the command's own message (none when null).
struct LoadRefusal {
    int error = 0;
    const char* message = nullptr;
};

void ShowLoadRefusal(AppState& state, QWidget* window, const LoadRefusal& refusal);

}  // namespace ordavex

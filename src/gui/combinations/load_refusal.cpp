#include "combinations/load_refusal.h"

#include "app/app_state.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"

namespace ordavex {

void ShowLoadRefusal(AppState& state, QWidget* window, int error, const char* message) {
    if (error != 0) ReportError(state, window, error);
    if (message != nullptr) ShowMessage(state, window, message);
}

}  // namespace ordavex

#include "combinations/load_refusal.h"

#include "app/app_state.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"

namespace ordavex {

void ShowLoadRefusal(AppState& state, QWidget* window, const LoadRefusal& refusal) {
    if (refusal.error != 0) ReportError(state, window, refusal.error);
    if (refusal.message != nullptr) ShowMessage(state, window, refusal.message);
}

}  // namespace ordavex

#include "dialogs/report_error.h"

#include "app/error_number.h"
#include "dialogs/message_dialog.h"

namespace ordavex {

void ReportError(AppState& state, QWidget* owner, int number) {
    state.Files.CloseAll();
    ShowMessage(state, owner, ErrorMessage(number));
}

}  // namespace ordavex

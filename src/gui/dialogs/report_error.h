#pragma once

#include "app/app_state.h"

class QWidget;

namespace ordavex {

// Closes every open file and shows the message of the error number with "OK".
void ReportError(AppState& state, QWidget* owner, int number);

}  // namespace ordavex

#pragma once

#include <string>

#include "app/app_state.h"

class QWidget;

namespace ordavex {

// Puts the text into InfoText and shows frmInfo modally over the owner until it is closed.
void ShowInfo(AppState& state, QWidget* owner, const std::string& text);

}  // namespace ordavex

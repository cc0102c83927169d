#pragma once

#include <QDialog>
#include <string>

#include "app/app_state.h"
#include "dialogs/text_box_frame.h"

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace ordavex {

// frmInfo: shows InfoText under the information sign, with one "OK" button, in a window of
// fixed width whose height follows the number of lines.
class InfoWindow : public QDialog {
    Q_OBJECT
public:
    InfoWindow(AppState& state, QWidget* owner);

    // Lays the window out afresh for the current InfoText.
    void Load();

private:
    AppState& state_;
    TextBoxFrame box_;
    QPushButton* button_ = nullptr;
};

// Puts the text into InfoText and shows frmInfo modally over the owner until it is closed.
void ShowInfo(AppState& state, QWidget* owner, const std::string& text);

}  // namespace ordavex

#pragma once

#include <QDialog>
#include <QList>

#include "app/app_state.h"
#include "dialogs/text_box_frame.h"

class QFrame;
class QLabel;
class QPushButton;

namespace ordavex {

// frmMessage: shows MessageText with the captions of MessageButtons and records the
// 1-based choice in MessageChoice. Only a button or the end of the program closes it.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(AppState& state, QWidget* owner);

    // Lays the dialog out afresh for the current MessageText and MessageButtons.
    void Load();
    QList<QPushButton*> Buttons() const { return buttons_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Press(int index);
    QPushButton* CreateButton(int index);

    AppState& state_;
    TextBoxFrame box_;
    QList<QPushButton*> buttons_;
    bool programEnding_ = false;
};

// The message protocol in one call: sets MessageText and MessageButtons, shows frmMessage
// modally over the owner and returns MessageChoice.
int ShowMessage(AppState& state, QWidget* owner, const std::string& text, const std::string& buttons = "OK");

}  // namespace ordavex

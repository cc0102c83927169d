#pragma once

#include <QDialog>
#include <QList>
#include <cstddef>
#include <optional>
#include <string>

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

// The message protocol in one call: sets MessageText and MessageButtons (captions separated by
// commas), shows frmMessage modally over the owner and returns MessageChoice, 1-based, 0 when the
// end of the program closed it. Windows call ShowMessage or Ask below instead.
int ShowMessageWithButtons(AppState& state, QWidget* owner, const std::string& text, const std::string& buttons);

// Tells the user something; the dialog's only button is "OK".
void ShowMessage(AppState& state, QWidget* owner, const std::string& text);

// One answer to a question: the caller's name for it and the caption of its button.
template <class Answer>
struct MessageAnswer {
    Answer answer;
    const char* caption;
};

// Asks `text` with a button for each answer, in their order, and returns the answer pressed;
// nothing when the end of the program closed the dialog before any button was pressed.
template <class Answer, std::size_t Count>
std::optional<Answer> Ask(AppState& state, QWidget* owner, const std::string& text,
                          const MessageAnswer<Answer> (&answers)[Count]) {
    std::string captions;
    for (std::size_t index = 0; index < Count; ++index) {
        if (index > 0) captions += ',';
        captions += answers[index].caption;
    }
    const int choice = ShowMessageWithButtons(state, owner, text, captions);
    if (choice < 1 || choice > static_cast<int>(Count)) return std::nullopt;
    return answers[choice - 1].answer;
}

}  // namespace ordavex

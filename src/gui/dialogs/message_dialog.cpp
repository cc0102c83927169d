#include "dialogs/message_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/message_layout.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr const char* kOkCaption = "OK";
constexpr const char* kMessageTitleSuffix = " - MESSAGE";
constexpr const char* kLogoResource = ":/icons/logo.svg";

TextBoxDesign MessageDesign() {
    return {"frmMessage",
            "Messaggio",
            "fraMessage",
            kLogoResource,
            "Logo Ordavex",
            "lblMessage",
            Qt::AlignHCenter | Qt::AlignTop,
            DesignFont(kTrebuchet, kMediumPoints),
            kMessageGeometry};
}

}  // namespace

MessageDialog::MessageDialog(AppState& state, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), state_(state), box_(this, MessageDesign()) {
    // A text worth keeping (an address, a file's name in an error) can be selected and copied.
    box_.Label()->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Ending the program may close the dialog; nothing else may.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { programEnding_ = true; });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { programEnding_ = true; });
}

QPushButton* MessageDialog::CreateButton(int index) {
    auto* button = new QPushButton(box_.Frame());
    button->setObjectName(QString("cmdPulsante(%1)").arg(index));
    button->setFont(DesignFont(kTrebuchet, kRegularPoints));
    // Enter presses the button that has the focus, as Space does; none is the default at opening.
    button->setAutoDefault(true);
    button->setDefault(false);
    connect(button, &QPushButton::clicked, this, [this, index] { Press(index); });
    buttons_.append(button);
    return button;
}

void MessageDialog::Load() {
    // Every opening starts from the design: one blank button at its design place.
    qDeleteAll(buttons_);
    buttons_.clear();
    const auto layout = LayOutMessage(state_.MessageText, state_.MessageButtons);

    setWindowTitle(ProductName() + kMessageTitleSuffix);
    state_.MessageChoice = 0;
    box_.Place(layout);

    auto* first = CreateButton(1);
    first->setGeometry(box_.ButtonPlace(kMessageGeometry.button.left, layout));
    for (std::size_t i = 0; i < layout.buttonLefts.size(); ++i) {
        auto* button = i == 0 ? first : CreateButton(static_cast<int>(i) + 1);
        button->setGeometry(box_.ButtonPlace(layout.buttonLefts[i], layout));
        button->setText(QString::fromStdString(layout.captions[i]));
        button->setAccessibleName(button->text());
        button->show();
    }
    for (int i = 1; i < buttons_.size(); ++i) setTabOrder(buttons_[i - 1], buttons_[i]);
    first->setFocus(Qt::OtherFocusReason);
}

void MessageDialog::Press(int index) {
    state_.MessageChoice = static_cast<std::int16_t>(index);
    accept();
}

void MessageDialog::closeEvent(QCloseEvent* event) {
    if (programEnding_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MessageDialog::reject() {
    // Escape and the close box give no answer: the dialog waits for a button.
    if (programEnding_) QDialog::reject();
}

int ShowMessageWithButtons(AppState& state, QWidget* owner, const std::string& text, const std::string& buttons) {
    state.MessageText = text;
    state.MessageButtons = buttons;
    MessageDialog dialog(state, owner);
    dialog.Load();
    dialog.exec();
    return state.MessageChoice;
}

void ShowMessage(AppState& state, QWidget* owner, const std::string& text) {
    ShowMessageWithButtons(state, owner, text, kOkCaption);
}

}  // namespace ordavex

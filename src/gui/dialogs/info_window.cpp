#include "dialogs/info_window.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/text_box_layout.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {
constexpr const char* kInfoTitleSuffix = " - Informazione";
constexpr const char* kInfoPictureResource = ":/icons/info.svg";
constexpr const char* kInfoDesignText = "Messaggio informativo";
constexpr const char* kInfoButtonCaption = "OK";

TextBoxDesign InfoDesign() {
    return {"frmInfo", "Informazione", "fraInfo", kInfoPictureResource, "Simbolo di informazione", "lblInfo",
            Qt::AlignLeft | Qt::AlignTop,
            // A fixed-pitch font, so that lines indented with blanks line up.
            DesignFont(kCourierNew, kRegularPoints), kInfoGeometry};
}

}  // namespace

InfoWindow::InfoWindow(AppState& state, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), state_(state), box_(this, InfoDesign()) {
    SetBackground(box_.Label(), Qt::white);
    box_.Label()->setText(kInfoDesignText);

    button_ = new QPushButton(kInfoButtonCaption, box_.Frame());
    button_->setObjectName("cmdInfo");
    button_->setFont(DesignFont(kTrebuchet, kRegularPoints));
    button_->setAccessibleName(kInfoButtonCaption);
    button_->setAutoDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::accept);
}

void InfoWindow::Load() {
    const auto layout = LayOutTextBox(state_.InfoText, kInfoGeometry);
    setWindowTitle(ProductName() + kInfoTitleSuffix);
    box_.Place(layout);
    button_->setGeometry(box_.ButtonPlace(kInfoGeometry.button.left, layout));
    // Long texts make the label reach below the button's top edge: the button stays on top.
    button_->raise();
    button_->setFocus(Qt::OtherFocusReason);
}

void ShowInfo(AppState& state, QWidget* owner, const std::string& text) {
    state.InfoText = text;
    InfoWindow window(state, owner);
    window.Load();
    window.exec();
}

}  // namespace ordavex

#include "dialogs/info_window.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/twips.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"
#include "dialogs/info_layout.h"

namespace ordavex {

namespace {
constexpr const char* kInfoTitleSuffix = " - Informazione";
constexpr const char* kInfoPictureResource = ":/icons/info.svg";
constexpr const char* kInfoDesignText = "Messaggio informativo";
constexpr const char* kInfoButtonCaption = "OK";
constexpr double kInfoTextPoints = 9;
constexpr double kInfoButtonPoints = 9;
}  // namespace

InfoWindow::InfoWindow(AppState& state, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags),
      state_(state) {
    setObjectName("frmInfo");
    setModal(true);
    setAccessibleName("Informazione");

    frame_ = new QFrame(this);
    frame_->setObjectName("fraInfo");
    frame_->setFrameShape(QFrame::Box);
    frame_->setFrameShadow(QFrame::Sunken);

    picture_ = new QLabel(frame_);
    picture_->setObjectName("Image1");
    picture_->setScaledContents(true);
    picture_->setPixmap(QPixmap(kInfoPictureResource));
    picture_->setGeometry(TwipsRect(kInfoPictureLeft, kInfoPictureTop, kInfoPictureSize, kInfoPictureSize));
    picture_->setAccessibleName("Simbolo di informazione");

    label_ = new QLabel(frame_);
    label_->setObjectName("lblInfo");
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed-pitch font, so that lines indented with blanks line up.
    label_->setFont(DesignFont(kCourierNew, kInfoTextPoints));
    SetBackground(label_, Qt::white);
    label_->setText(kInfoDesignText);

    button_ = new QPushButton(kInfoButtonCaption, frame_);
    button_->setObjectName("cmdInfo");
    button_->setFont(DesignFont(kTrebuchet, kInfoButtonPoints));
    button_->setAccessibleName(kInfoButtonCaption);
    button_->setAutoDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::accept);
}

void InfoWindow::Load() {
    const auto layout = LayOutInfo(state_.InfoText);
    setWindowTitle(ProductName() + kInfoTitleSuffix);
    setFixedSize(Px(kInfoClientWidth), Px(layout.outerHeight - kWindowNonClientTwips));
    frame_->setGeometry(TwipsRect(kInfoFrameLeft, kInfoFrameTop, kInfoFrameWidth, layout.frameHeight));
    label_->setGeometry(TwipsRect(kInfoLabelLeft, kInfoLabelTop, kInfoLabelWidth, layout.labelHeight));
    label_->setText(QString::fromStdString(layout.labelText));
    label_->setAccessibleName(label_->text());
    button_->setGeometry(TwipsRect(kInfoButtonLeft, layout.buttonTop, kInfoButtonWidth, kInfoButtonHeight));
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

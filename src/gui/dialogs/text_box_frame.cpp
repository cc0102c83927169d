#include "dialogs/text_box_frame.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include "app/twips.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

// The heights of the frame and the label follow the text.
QRect PlaceWithHeight(const TwipsPlace& place, int height) {
    return TwipsRect(place.left, place.top, place.width, height);
}

}  // namespace

TextBoxFrame::TextBoxFrame(QDialog* dialog, const TextBoxDesign& design) : geometry_(design.geometry), dialog_(dialog) {
    dialog->setObjectName(design.windowName);
    dialog->setModal(true);
    dialog->setAccessibleName(design.windowAccessibleName);

    frame_ = NewFrame(dialog, design.frameName, QRect());

    auto* picture = new QLabel(frame_);
    picture->setObjectName("Image1");
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(design.pictureResource));
    picture->setGeometry(PlaceWithHeight(geometry_.picture, geometry_.picture.height));
    picture->setAccessibleName(design.pictureAccessibleName);

    label_ = new QLabel(frame_);
    label_->setObjectName(design.labelName);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(design.labelAlignment);
    label_->setFont(design.labelFont);
}

void TextBoxFrame::Place(const TextBoxLayout& layout) {
    dialog_->setFixedSize(Px(geometry_.clientWidth), Px(layout.outerHeight - kWindowNonClientTwips));
    frame_->setGeometry(PlaceWithHeight(geometry_.frame, layout.frameHeight));
    label_->setGeometry(PlaceWithHeight(geometry_.label, layout.labelHeight));
    label_->setText(QString::fromStdString(layout.labelText));
    label_->setAccessibleName(label_->text());
}

QRect TextBoxFrame::ButtonPlace(int left, const TextBoxLayout& layout) const {
    return TwipsRect(left, layout.buttonTop, geometry_.button.width, geometry_.button.height);
}

}  // namespace ordavex

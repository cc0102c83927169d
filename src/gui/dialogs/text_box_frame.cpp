#include "dialogs/text_box_frame.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include "app/twips.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

TextBoxFrame::TextBoxFrame(QDialog* dialog, const TextBoxDesign& design) : dialog_(dialog) {
    dialog->setObjectName(design.windowName);
    dialog->setModal(true);
    dialog->setAccessibleName(design.windowAccessibleName);

    frame_ = NewFrame(dialog, design.frameName, QRect());

    auto* picture = new QLabel(frame_);
    picture->setObjectName("Image1");
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(design.pictureResource));
    picture->setGeometry(design.picturePlace);
    picture->setAccessibleName(design.pictureAccessibleName);

    label_ = new QLabel(frame_);
    label_->setObjectName(design.labelName);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(design.labelAlignment);
    label_->setFont(design.labelFont);
}

void TextBoxFrame::Place(const TextBoxLayout& layout, int clientWidth, const QRect& frameAcross,
                         const QRect& labelAcross) {
    // The rectangles give left, top and width; the heights follow the text.
    dialog_->setFixedSize(Px(clientWidth), Px(layout.outerHeight - kWindowNonClientTwips));
    frame_->setGeometry(TwipsRect(frameAcross.left(), frameAcross.top(), frameAcross.width(), layout.frameHeight));
    label_->setGeometry(TwipsRect(labelAcross.left(), labelAcross.top(), labelAcross.width(), layout.labelHeight));
    label_->setText(QString::fromStdString(layout.labelText));
    label_->setAccessibleName(label_->text());
}

}  // namespace ordavex

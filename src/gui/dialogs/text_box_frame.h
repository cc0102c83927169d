#pragma once

#include <QFont>
#include <QRect>
#include <Qt>

#include "dialogs/text_box_layout.h"

class QDialog;
class QFrame;
class QLabel;

namespace ordavex {

// The design of a message-like window: a sunken frame holding a picture and a text label.
struct TextBoxDesign {
    const char* windowName;
    const char* windowAccessibleName;
    const char* frameName;
    const char* pictureResource;
    const char* pictureAccessibleName;
    const char* labelName;
    Qt::Alignment labelAlignment;
    QFont labelFont;
    TextBoxGeometry geometry;
};

// The frame, picture and label of a message-like window, made once and placed at each opening.
class TextBoxFrame {
public:
    TextBoxFrame(QDialog* dialog, const TextBoxDesign& design);

    QFrame* Frame() const { return frame_; }
    QLabel* Label() const { return label_; }
    // Sizes the window and frame to the layout and shows its text in the label.
    void Place(const TextBoxLayout& layout);
    // Where a button of the design's size goes at `left` (twips) on the layout's button row.
    QRect ButtonPlace(int left, const TextBoxLayout& layout) const;

private:
    TextBoxGeometry geometry_;
    QDialog* dialog_;
    QFrame* frame_;
    QLabel* label_;
};

}  // namespace ordavex

#include "widgets/window_parts.h"

#include <QFrame>

namespace ordavex {

QFrame* NewFrame(QWidget* parent, const char* name, const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

}  // namespace ordavex

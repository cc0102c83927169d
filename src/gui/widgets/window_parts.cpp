#include "widgets/window_parts.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>

#include "widgets/ui_style.h"

namespace ordavex {

QFrame* NewFrame(QWidget* parent, const char* name, const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

void SetUpFixedDialog(QDialog* dialog, const FixedDialogDesign& design) {
    dialog->setObjectName(design.name);
    dialog->setModal(true);
    dialog->setAccessibleName(design.accessibleName);
    dialog->setFont(DesignFont(kSegoeUi, kSmallPoints));
    dialog->setFixedSize(Px(design.clientWidth), Px(design.clientHeight));
}

QLabel* NewCounter(QWidget* parent, const char* name, const QRect& place, const QColor& textColour,
                   const char* accessibleDescription) {
    auto* label = new QLabel("0", parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(DesignFont(kSegoeUi, kMediumPoints, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(accessibleDescription);
    SetBackground(label, Qt::white);
    SetTextColour(label, textColour);
    return label;
}

QPushButton* NewCommandButton(QWidget* parent, const char* name, const char* caption, const char* toolTip,
                              const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(DesignFont(kSegoeUi, kRegularPoints, true));
    button->setToolTip(toolTip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(toolTip);
    button->setAutoDefault(false);
    return button;
}

QListView* NewReadOnlyList(QWidget* parent, const char* name, const QRect& place, const char* accessibleName,
                           QAbstractItemModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    list->setAccessibleName(accessibleName);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setModel(model);
    return list;
}

QSpinBox* NewSpin(QWidget* parent, const char* name, const char* accessibleName, const QRect& place) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setGeometry(place);
    spin->setRange(1, 1);
    spin->setAccessibleName(accessibleName);
    return spin;
}

}  // namespace ordavex

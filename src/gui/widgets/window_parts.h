#pragma once

#include <QColor>
#include <QRect>
#include <Qt>

class QAbstractItemModel;
class QDialog;
class QFrame;
class QLabel;
class QListView;
class QPushButton;
class QSpinBox;
class QWidget;

namespace ordavex {

// The program's windows have a fixed border with a close box and no minimise or maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint;

// A frame without caption, as the windows group their controls.
QFrame* NewFrame(QWidget* parent, const char* name, const QRect& place);

// What sets a modal window of fixed size apart from the others.
struct FixedDialogDesign {
    const char* name;  // objectName
    const char* accessibleName;
    int clientWidth;  // twips
    int clientHeight;
};

// Names a modal window, fixes its size and gives it the design's default font.
void SetUpFixedDialog(QDialog* dialog, const FixedDialogDesign& design);

// A count shown in bold on white, right-aligned, starting at 0.
QLabel* NewCounter(QWidget* parent, const char* name, const QRect& place, const QColor& textColour,
                   const char* accessibleDescription);

// A command button with its caption in bold. Its tooltip also describes it to screen readers, and
// Enter presses it only when it has the focus.
QPushButton* NewCommandButton(QWidget* parent, const char* name, const char* caption, const char* toolTip,
                              const QRect& place);

// A list of lines shown from the model, none editable. Every line has the same height, so that a
// list of any size is laid out at once.
QListView* NewReadOnlyList(QWidget* parent, const char* name, const QRect& place, const char* accessibleName,
                           QAbstractItemModel* model);

// A spin box of whole numbers, 1 to 1 until its range is set.
QSpinBox* NewSpin(QWidget* parent, const char* name, const char* accessibleName, const QRect& place);

}  // namespace ordavex

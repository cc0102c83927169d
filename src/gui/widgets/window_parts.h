#pragma once

#include <QRect>
#include <Qt>

class QFrame;
class QWidget;

namespace ordavex {

// The program's windows have a fixed border with a close box and no minimise or maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint;

// A frame without caption, as the windows group their controls.
QFrame* NewFrame(QWidget* parent, const char* name, const QRect& place);

}  // namespace ordavex

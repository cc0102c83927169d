#include "checking/draw_check_window.h"

namespace ordavex {

DrawCheckWindow::DrawCheckWindow(AppContext& context, QWidget* owner) : QDialog(owner), context_(context) { setObjectName("frmSpoglio"); }

void DrawCheckWindow::Open() { exec(); }

}  // namespace ordavex

#include "checking/system_viewer.h"

namespace ordavex {

SystemViewer::SystemViewer(AppContext& context, QWidget* owner) : QDialog(owner), context_(context) { setObjectName("frmVisualizza"); }

void SystemViewer::Open() { exec(); }

}  // namespace ordavex

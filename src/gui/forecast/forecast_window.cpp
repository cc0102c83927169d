#include "forecast/forecast_window.h"

namespace ordavex {

ForecastWindow::ForecastWindow(AppContext& context, QWidget* owner) : QDialog(owner), context_(context) { setObjectName("frmTastierino"); }

void ForecastWindow::Open() { exec(); }

}  // namespace ordavex

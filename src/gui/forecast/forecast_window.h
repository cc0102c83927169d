#pragma once

#include <QDialog>

#include "app/app_context.h"

namespace ordavex {

// frmTastierino
class ForecastWindow : public QDialog {
    Q_OBJECT
public:
    ForecastWindow(AppContext& context, QWidget* owner);
    // Runs the loading steps and shows the window modally until it is closed.
    void Open();

private:
    AppContext& context_;
};

}  // namespace ordavex

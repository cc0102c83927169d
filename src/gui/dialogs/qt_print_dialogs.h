#pragma once

#include "dialogs/print_dialogs.h"

namespace ordavex {

// Qt's preview of the pages, whose print button opens Qt's print dialog.
class QtPrintDialogs : public PrintDialogs {
public:
    bool Print(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace ordavex

#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace ordavex {

// Shows the print dialogs for a printer set up by the caller. `paint` draws every page on the
// printer it is given, for the preview as for the print. Returns true when the user printed,
// false when the user gave up.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    virtual bool Print(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

}  // namespace ordavex

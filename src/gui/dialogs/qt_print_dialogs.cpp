#include "dialogs/qt_print_dialogs.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ordavex {

namespace {
constexpr const char* kPreviewName = "dlgAnteprimaStampa";
}  // namespace

bool QtPrintDialogs::Print(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog preview(&printer, owner);
    preview.setObjectName(kPreviewName);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    // The preview accepts once its own print dialog has printed.
    return preview.exec() == QDialog::Accepted;
}

}  // namespace ordavex

#pragma once

#include <QString>

#include "guarantee/guarantee_tooltip_text.h"

class QWidget;

namespace ordavex {

// What the matrix panel shows after a matrix has loaded.
struct MatrixPanel {
    QString numbers;
    QString combinations;
    QString length;
    QString fixed;
    QString description;
};

// The window the file commands run from: where their dialogs open and where their results show.
// The commands know only this, not the window that implements it.
class FileCommandHost {
public:
    // The parent of the commands' dialogs and the owner of the guarantee check.
    virtual QWidget& DialogParent() = 0;
    // Shows how many combinations are in memory.
    virtual void RefreshCounter() = 0;
    virtual void ShowMatrixPanel(const MatrixPanel& panel) = 0;
    // Tells whether the guarantee in the matrix's name holds.
    virtual void ShowGuaranteeCheck(const GuaranteeVerdict& verdict) = 0;

protected:
    ~FileCommandHost() = default;
};

}  // namespace ordavex

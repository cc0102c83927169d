#pragma once

#include <QObject>
#include <array>

#include "checking/draw_range.h"

class QRadioButton;
class QSpinBox;
class QWidget;

namespace ordavex {

// The choice of the draws a window works on, as the archive and the statistics windows both show
// it: all of them, the last N, or from one to another, each spin box choosing its option when
// it changes.
class DrawRangeControls : public QObject {
public:
    // Builds the controls inside `frame`, at the same places in every window.
    explicit DrawRangeControls(QWidget* frame);

    DrawRangeChoice Choice() const;
    // Shows the choice for an archive of `count` draws, quietly: a value of 0 in the choice
    // stands for its default (the last 100, from the first, to the last), and values are kept
    // within the archive.
    void Show(const DrawRangeChoice& range, int count);

private:
    std::array<QRadioButton*, 3> opIntervallo_{};
    QSpinBox* spnUltime_ = nullptr;
    QSpinBox* spnDa_ = nullptr;
    QSpinBox* spnA_ = nullptr;
};

}  // namespace ordavex

#include "checking/draw_range_controls.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr const char* kRangeCaptions[] = {"Tutte", "Ultime", "Da"};
constexpr const char* kToCaption = "a";
constexpr int kLastDrawsByDefault = 100;

}  // namespace

DrawRangeControls::DrawRangeControls(QWidget* frame) : QObject(frame) {
    for (std::size_t i = 0; i < opIntervallo_.size(); ++i) {
        auto* option = new QRadioButton(kRangeCaptions[i], frame);
        option->setObjectName(QString("opIntervallo(%1)").arg(i));
        option->setGeometry(TwipsRect(120, 150 + 420 * static_cast<int>(i), 1300, 330));
        option->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
        option->setAccessibleName(QString("Estrazioni: ") + kRangeCaptions[i]);
        opIntervallo_[i] = option;
    }
    opIntervallo_[0]->setChecked(true);
    spnUltime_ = NewSpin(frame, "spnUltime", "Numero delle ultime estrazioni", TwipsRect(1450, 570, 1200, 330));
    spnDa_ = NewSpin(frame, "spnDa", "Prima estrazione dell'intervallo", TwipsRect(1450, 990, 1200, 330));
    auto* to = new QLabel(kToCaption, frame);
    to->setObjectName("lblA");
    to->setGeometry(TwipsRect(2730, 990, 200, 330));
    spnA_ = NewSpin(frame, "spnA", "Ultima estrazione dell'intervallo", TwipsRect(2910, 990, 1200, 330));
    connect(spnUltime_, &QSpinBox::valueChanged, this, [this] { opIntervallo_[1]->setChecked(true); });
    for (auto* spin : {spnDa_, spnA_}) {
        connect(spin, &QSpinBox::valueChanged, this, [this] { opIntervallo_[2]->setChecked(true); });
    }
}

DrawRangeChoice DrawRangeControls::Choice() const {
    DrawRangeChoice choice;
    choice.kind = opIntervallo_[1]->isChecked()   ? DrawRangeChoice::Kind::kLatest
                  : opIntervallo_[2]->isChecked() ? DrawRangeChoice::Kind::kFromTo
                                                  : DrawRangeChoice::Kind::kAll;
    choice.latest = static_cast<std::size_t>(spnUltime_->value());
    choice.from = static_cast<std::size_t>(spnDa_->value());
    choice.to = static_cast<std::size_t>(spnA_->value());
    return choice;
}

void DrawRangeControls::Show(const DrawRangeChoice& range, int count) {
    const QSignalBlocker quietLast(spnUltime_), quietFrom(spnDa_), quietTo(spnA_);
    for (auto* spin : {spnUltime_, spnDa_, spnA_}) spin->setRange(1, std::max(count, 1));
    const auto within = [count](std::size_t value, int otherwise) {
        return value == 0 ? otherwise : static_cast<int>(std::min<std::size_t>(value, static_cast<std::size_t>(count)));
    };
    spnUltime_->setValue(within(range.latest, std::min(count, kLastDrawsByDefault)));
    spnDa_->setValue(within(range.from, 1));
    spnA_->setValue(within(range.to, count));
    opIntervallo_[static_cast<std::size_t>(range.kind)]->setChecked(true);
}

}  // namespace ordavex

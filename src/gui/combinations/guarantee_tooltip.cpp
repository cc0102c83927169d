#include "combinations/guarantee_tooltip.h"

#include "checking/draw_probability.h"
#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

QString GuaranteeToolTip(const LineList& matrixLines, int matrixNumbers, const NameFields& nameFields) {
    std::string text = GuaranteeToolTipText(matrixLines, matrixNumbers, nameFields);
    const std::string probability = ClaimProbabilityText(matrixNumbers, nameFields);
    if (!probability.empty()) text += "\n" + probability;
    return QString::fromStdString(text);
}

}  // namespace ordavex

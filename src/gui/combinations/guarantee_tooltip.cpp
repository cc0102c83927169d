#include "combinations/guarantee_tooltip.h"

#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

QString GuaranteeToolTip(const LineList& matrixLines, int matrixNumbers, const NameFields& nameFields) {
    return QString::fromStdString(GuaranteeToolTipText(matrixLines, matrixNumbers, nameFields));
}

}  // namespace ordavex

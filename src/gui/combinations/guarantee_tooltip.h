#pragma once

#include <QString>

#include "app/app_state.h"
#include "combinations/matrix_name.h"

namespace ordavex {

// The tooltip of lblDesc after a matrix has loaded: whether the guarantee in its name holds
// ("Garanzia verificata"), a warning with the guarantee that really holds, or a note that the
// check did not finish in the short time the window allows it; then, on a line of its own, how
// likely the name's condition (p of the N numbers drawn) is in one draw.
QString GuaranteeToolTip(const LineList& matrixLines, int matrixNumbers, const NameFields& nameFields);

}  // namespace ordavex

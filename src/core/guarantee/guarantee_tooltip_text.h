#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "combinations/matrix_name.h"
#include "guarantee/guarantee_matrix.h"

namespace ordavex {

// The time a loaded matrix's guarantee may take to check before the window moves on.
constexpr std::chrono::milliseconds kGuaranteeCheckBudget{400};

extern const char* const kGuaranteeCheckingText;      // the check is running
extern const char* const kGuaranteeVerifiedText;      // "Garanzia verificata"
extern const char* const kGuaranteeNotCompletedText;  // the check ran out of time
extern const char* const kGuaranteeNotStatedText;     // the name states no guarantee
extern const char* const kGuaranteeFalseText;         // disproved, the real value not found in time
extern const char* const kGuaranteeUnreadableText;    // lines that are not numbers 1..N
extern const char* const kGuaranteeFailedText;        // the check could not run (no memory, no thread)

// How the check of a matrix's guarantee is shown at a glance: a proof that the name holds, a proof
// that the name promises more than the lines give, or neither (no claim, or no proof in time).
enum class GuaranteeSign { kNone, kVerified, kFalse };

struct GuaranteeVerdict {
    GuaranteeSign sign = GuaranteeSign::kNone;
    std::string text;  // the text of GuaranteeToolTipText
    // With the sign kFalse, what is wrong in a few words, for a label beside the matrix:
    // "Garanzia non valida: vale 5/10 con 8"; empty otherwise.
    std::string failure{};
};

// The verdict on the claim of the name's fields (V, A, B and the fixed numbers of F); the fields
// carry no marks of a budget matrix.
GuaranteeVerdict CheckNamedGuarantee(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                     const NameFields& nameFields,
                                     std::chrono::milliseconds budget = kGuaranteeCheckBudget);
// As CheckNamedGuarantee, for the claim of a whole file name: its fields and the marks of a
// matrix made within a budget of lines (MATRIX10_08_V5_N20_B40_T6.TXT).
GuaranteeVerdict CheckGuaranteeOfMatrixName(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                            std::string_view matrixName,
                                            std::chrono::milliseconds budget = kGuaranteeCheckBudget);

// The text that tells whether the guarantee in a matrix's name holds for its lines: "Garanzia
// verificata", a warning with the guarantee that really holds for the name's drawn numbers, or a
// note that the check did not finish within `budget`, reading the lines included. `matrixNumbers`
// is N. A name with fixed numbers (F) promises its guarantee for the draws that hold them, and
// the text says so ("... se escono le 2 fisse"). Below a guarantee that does not fully hold, and
// below that of a budget matrix, a line tells in how many of the draws the points named (or aimed
// at, the T mark) are reached: "6 punti garantiti nel 97,3% dei casi con 8 estratti".
std::string GuaranteeToolTipText(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                 const NameFields& nameFields,
                                 std::chrono::milliseconds budget = kGuaranteeCheckBudget);

// The verdict for the lines of a loaded matrix, already in the checker's form (made where the
// matrix was loaded, so that the verdict describes the very lines in memory whatever happens to
// the file afterwards). The marks of a budget matrix are read from `fileName`.
GuaranteeVerdict CheckNamedGuaranteeOfLoaded(const GuaranteeMatrix& matrix, int matrixNumbers,
                                             const NameFields& nameFields, std::string_view fileName,
                                             std::chrono::milliseconds budget = kGuaranteeCheckBudget);

}  // namespace ordavex

#include "guarantee/guarantee_tooltip_text.h"

#include <new>
#include <stdexcept>

#include "app/error_number.h"
#include "app/file_table.h"

#include "guarantee/guarantee_checker.h"
#include "guarantee/guarantee_claim.h"
#include "guarantee/guarantee_matrix.h"

namespace ordavex {

const char* const kGuaranteeCheckingText = "Verifica della garanzia in corso ..";
const char* const kGuaranteeVerifiedText = "Garanzia verificata";
const char* const kGuaranteeNotCompletedText = "Garanzia non verificata: controllo non completato nel tempo previsto";
const char* const kGuaranteeNotStatedText = "Garanzia non verificabile: il nome della matrice non la indica";
const char* const kGuaranteeFalseText = "Attenzione: la garanzia indicata nel nome non vale per queste righe";
const char* const kGuaranteeUnreadableText = "Garanzia non verificabile: righe della matrice non valide";
const char* const kGuaranteeFailedText = "Garanzia non verificata: controllo non riuscito";

namespace {

// Written as the caption writes a guarantee, so the two read alike.
std::string RealGuaranteeWarning(int points, const GuaranteeClaim& claim) {
    return "Attenzione: la garanzia reale è di  " + std::to_string(points) + "/" + std::to_string(claim.length) +
           "  con  " + std::to_string(claim.drawn) + " estratti";
}

std::string TooManyDrawnWarning(int matrixNumbers) {
    return "Attenzione: la matrice ha solo " + std::to_string(matrixNumbers) +
           " numeri, meno degli estratti indicati nel nome";
}

// The verdict on the matrix that `read` gives within the deadline.
template <typename Read>
GuaranteeVerdict VerdictOf(Read read, int matrixNumbers, const NameFields& nameFields,
                           std::chrono::milliseconds budget) {
    const auto claim = ClaimOfNameFields(nameFields);
    if (!claim || claim->drawn < 1) {
        return {GuaranteeSign::kNone, kGuaranteeNotStatedText};
    }
    if (claim->drawn > matrixNumbers) {
        return {GuaranteeSign::kFalse, TooManyDrawnWarning(matrixNumbers)};
    }
    const CheckDeadline deadline = std::chrono::steady_clock::now() + budget;
    try {
        const GuaranteeMatrix matrix = read(deadline);
        const GuaranteeChecker checker(matrix.lines, matrixNumbers);
        const ClaimResult result = checker.CheckClaim(claim->points, claim->drawn, deadline);
        if (result.status == ClaimStatus::kHolds) {
            return {GuaranteeSign::kVerified, kGuaranteeVerifiedText};
        }
        if (result.status == ClaimStatus::kNotCompleted) {
            return {GuaranteeSign::kNone, kGuaranteeNotCompletedText};
        }
        // The claim is disproved; only the real value may still be unknown when the time runs out.
        const int real = checker.GuaranteedPoints(claim->drawn, claim->points - 1, deadline);
        if (real == kPointsUnknown) {
            return {GuaranteeSign::kFalse, kGuaranteeFalseText};
        }
        return {GuaranteeSign::kFalse, RealGuaranteeWarning(real, *claim)};
    } catch (const std::invalid_argument&) {
        return {GuaranteeSign::kNone, kGuaranteeUnreadableText};
    } catch (const OrdavexError&) {
        return {GuaranteeSign::kNone, kGuaranteeUnreadableText};
    } catch (const ReadingTimedOut&) {
        return {GuaranteeSign::kNone, kGuaranteeNotCompletedText};
    } catch (const std::bad_alloc&) {
        return {GuaranteeSign::kNone, kGuaranteeFailedText};
    }
}

}  // namespace

GuaranteeVerdict CheckNamedGuarantee(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                     const NameFields& nameFields, std::chrono::milliseconds budget) {
    return VerdictOf([&](CheckDeadline deadline) { return ReadGuaranteeMatrix(matrixLines, deadline); }, matrixNumbers,
                     nameFields, budget);
}

GuaranteeVerdict CheckNamedGuaranteeOfFile(const std::string& path, std::size_t loadedLines, int matrixNumbers,
                                           const NameFields& nameFields, std::chrono::milliseconds budget) {
    const auto read = [&](CheckDeadline deadline) {
        FileTable files;
        GuaranteeMatrix matrix = ReadGuaranteeMatrixFile(files, path, deadline);
        // The file changed after it was loaded: what it holds now is not the loaded matrix.
        if (matrix.lines.size() != loadedLines) throw std::invalid_argument("the file changed");
        return matrix;
    };
    return VerdictOf(read, matrixNumbers, nameFields, budget);
}

std::string GuaranteeToolTipText(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                 const NameFields& nameFields, std::chrono::milliseconds budget) {
    return CheckNamedGuarantee(matrixLines, matrixNumbers, nameFields, budget).text;
}

std::string GuaranteeToolTipTextOfFile(const std::string& path, std::size_t loadedLines, int matrixNumbers,
                                       const NameFields& nameFields, std::chrono::milliseconds budget) {
    return CheckNamedGuaranteeOfFile(path, loadedLines, matrixNumbers, nameFields, budget).text;
}

}  // namespace ordavex

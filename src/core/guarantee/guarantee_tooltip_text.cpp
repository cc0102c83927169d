#include "guarantee/guarantee_tooltip_text.h"

#include <new>
#include <stdexcept>

#include "app/error_number.h"

#include "guarantee/coverage_percent.h"
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

constexpr const char* kOneFixedCondition = " se esce la fissa";
constexpr const char* kFixedConditionOpening = " se escono le ";
constexpr const char* kFixedConditionClosing = " fisse";

constexpr const char* kRealGuaranteeOpening = "Attenzione: la garanzia reale è di  ";
constexpr const char* kCaptionWith = "  con  ";

constexpr const char* kOnePoint = " punto";
constexpr const char* kPoints = " punti";
constexpr const char* kGuaranteedOne = " garantito ";
constexpr const char* kGuaranteedMany = " garantiti ";
constexpr const char* kInEveryCaseWith = "% dei casi con ";
constexpr const char* kWith = " con ";
constexpr const char* kOneDrawn = " estratto";
constexpr const char* kDrawn = " estratti";
constexpr char kDecimalComma = ',';
constexpr const char* kCoverageNotCountedOpening = "Copertura di ";
constexpr const char* kCoverageNotCountedInTime = " non calcolata nel tempo previsto";
constexpr const char* kCoverageTooManyDraws = " non calcolata: troppi casi da contare";

// The short texts of a guarantee that fails: kInvalidLabel, then after a colon why.
constexpr const char* kInvalidLabel = "Garanzia non valida";
constexpr const char* kInvalidBecause = ": ";
constexpr const char* kHoldsInstead = "vale ";
constexpr const char* kFewNumbersOpening = "la matrice ha solo ";
constexpr const char* kFewNumbersClosing = " numeri";
constexpr const char* kMoreFixed = "più fisse che estratti";
constexpr const char* kOneFixedMissing = "non tutte le righe hanno la fissa";
constexpr const char* kFixedMissing = "non tutte le righe hanno le fisse";

constexpr const char* kMoreFixedThanDrawnWarning = "Attenzione: il nome indica più fisse che estratti";
constexpr const char* kOneFixedMissingWarning =
    "Attenzione: il nome indica una fissa, ma non tutte le righe la contengono";
constexpr const char* kFixedMissingOpening = "Attenzione: il nome indica ";
constexpr const char* kFixedMissingClosing = " fisse, ma non tutte le righe le contengono";

// The draws the guarantee of a matrix with fixed numbers is promised for; nothing without any.
std::string FixedCondition(int fixed) {
    if (fixed == 0) return {};
    if (fixed == 1) return kOneFixedCondition;
    return kFixedConditionOpening + std::to_string(fixed) + kFixedConditionClosing;
}

// Written as the caption writes a guarantee, so the two read alike.
std::string RealGuaranteeWarning(int points, const GuaranteeClaim& claim) {
    return kRealGuaranteeOpening + std::to_string(points) + "/" + std::to_string(claim.length) + kCaptionWith +
           std::to_string(claim.drawn) + kDrawn + FixedCondition(claim.fixed);
}

std::string TooManyDrawnWarning(int matrixNumbers) {
    return "Attenzione: la matrice ha solo " + std::to_string(matrixNumbers) +
           " numeri, meno degli estratti indicati nel nome";
}

std::string FixedMissingWarning(int fixed) {
    if (fixed == 1) return kOneFixedMissingWarning;
    return kFixedMissingOpening + std::to_string(fixed) + kFixedMissingClosing;
}

// "nel 97,3%", "nell'80,5%", "nello 0,2%": the article goes by how the number is spoken.
std::string InThePercent(const std::string& percent) {
    const std::string whole = percent.substr(0, percent.find(kDecimalComma));
    const bool vowel = whole == "1" || whole == "8" || whole == "11" || (whole.size() == 2 && whole[0] == '8');
    const char* article = whole == "0" ? "nello " : vowel ? "nell'" : "nel ";
    return article + percent;
}

std::string Points(int points) { return std::to_string(points) + (points == 1 ? kOnePoint : kPoints); }

std::string PointsGuaranteed(int points) { return Points(points) + (points == 1 ? kGuaranteedOne : kGuaranteedMany); }

std::string WithDrawn(int drawn) { return std::to_string(drawn) + (drawn == 1 ? kOneDrawn : kDrawn); }

// "6 punti garantiti nel 97,3% dei casi con 8 estratti", under the claim's condition.
std::string CoverageLine(const GuaranteeChecker& checker, int points, int drawn, CheckDeadline deadline) {
    const CoverageCount count = checker.CountCoverage(points, drawn, deadline);
    const std::string condition = FixedCondition(checker.Fixed());
    if (!count.completed) {
        return kCoverageNotCountedOpening + Points(points) + kWith + WithDrawn(drawn) +
               (count.draws == 0 ? kCoverageTooManyDraws : kCoverageNotCountedInTime);
    }
    return PointsGuaranteed(points) + InThePercent(CoveragePercentText(count.Covered(), count.draws, kDecimalComma)) +
           kInEveryCaseWith + WithDrawn(drawn) + condition;
}

std::string InvalidBecause(const std::string& reason) { return kInvalidLabel + (kInvalidBecause + reason); }

std::string HoldingLabel(int points, const GuaranteeClaim& claim) {
    return InvalidBecause(kHoldsInstead + std::to_string(points) + "/" + std::to_string(claim.length) + kWith +
                          std::to_string(claim.drawn) + FixedCondition(claim.fixed));
}

// The verdict on lines that the checker holds: verified, or disproved with what really holds.
GuaranteeVerdict VerdictOfLines(const GuaranteeChecker& checker, const GuaranteeClaim& claim, CheckDeadline deadline) {
    if (!checker.LinesHoldTheFixedNumbers()) {
        return {GuaranteeSign::kFalse, FixedMissingWarning(claim.fixed),
                InvalidBecause(claim.fixed == 1 ? kOneFixedMissing : kFixedMissing)};
    }
    const ClaimResult result = checker.CheckClaim(claim.points, claim.drawn, deadline);
    if (result.status == ClaimStatus::kNotCompleted) {
        return {GuaranteeSign::kNone, kGuaranteeNotCompletedText};
    }
    GuaranteeVerdict verdict;
    const bool holds = result.status == ClaimStatus::kHolds;
    if (holds) {
        verdict = {GuaranteeSign::kVerified, kGuaranteeVerifiedText + FixedCondition(claim.fixed)};
    } else {
        // The claim is disproved; only the real value may still be unknown when the time runs out.
        const int real = checker.GuaranteedPoints(claim.drawn, claim.points - 1, deadline);
        if (real == kPointsUnknown) {
            verdict = {GuaranteeSign::kFalse, kGuaranteeFalseText, kInvalidLabel};
        } else {
            verdict = {GuaranteeSign::kFalse, RealGuaranteeWarning(real, claim), HoldingLabel(real, claim)};
        }
        verdict.text += "\n" + CoverageLine(checker, claim.points, claim.drawn, deadline);
    }
    if (claim.aimedPoints > 0 && (holds || claim.aimedPoints != claim.points)) {
        verdict.text += "\n" + CoverageLine(checker, claim.aimedPoints, claim.drawn, deadline);
    }
    return verdict;
}

// The verdict on the matrix that `read` gives within the deadline.
template <typename Read>
GuaranteeVerdict VerdictOf(Read read, int matrixNumbers, const std::optional<GuaranteeClaim>& claim,
                           std::chrono::milliseconds budget) {
    if (!claim || claim->drawn < 1) {
        return {GuaranteeSign::kNone, kGuaranteeNotStatedText};
    }
    if (claim->drawn > matrixNumbers) {
        return {GuaranteeSign::kFalse, TooManyDrawnWarning(matrixNumbers),
                InvalidBecause(kFewNumbersOpening + std::to_string(matrixNumbers) + kFewNumbersClosing)};
    }
    if (claim->fixed > claim->drawn) {
        return {GuaranteeSign::kFalse, kMoreFixedThanDrawnWarning, InvalidBecause(kMoreFixed)};
    }
    const CheckDeadline deadline = std::chrono::steady_clock::now() + budget;
    try {
        const GuaranteeMatrix& matrix = read(deadline);
        return VerdictOfLines(GuaranteeChecker(matrix.lines, matrixNumbers, claim->fixed), *claim, deadline);
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
                     ClaimOfNameFields(nameFields), budget);
}

GuaranteeVerdict CheckGuaranteeOfMatrixName(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                            std::string_view matrixName, std::chrono::milliseconds budget) {
    return VerdictOf([&](CheckDeadline deadline) { return ReadGuaranteeMatrix(matrixLines, deadline); }, matrixNumbers,
                     ClaimOfMatrixName(matrixName), budget);
}

GuaranteeVerdict CheckNamedGuaranteeOfLoaded(const GuaranteeMatrix& matrix, int matrixNumbers,
                                             const NameFields& nameFields, std::string_view fileName,
                                             std::chrono::milliseconds budget) {
    const auto loaded = [&matrix](CheckDeadline) -> const GuaranteeMatrix& { return matrix; };
    auto claim = ClaimOfNameFields(nameFields);
    if (claim) claim = WithBudgetMarks(*claim, fileName);
    return VerdictOf(loaded, matrixNumbers, claim, budget);
}

std::string GuaranteeToolTipText(const std::vector<std::string>& matrixLines, int matrixNumbers,
                                 const NameFields& nameFields, std::chrono::milliseconds budget) {
    return CheckNamedGuarantee(matrixLines, matrixNumbers, nameFields, budget).text;
}

}  // namespace ordavex

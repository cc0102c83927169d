#include "guarantee/matrix_play.h"

#include <algorithm>

#include "guarantee/binomial.h"
#include "guarantee/matrix_generator_coverage.h"
#include "guarantee/matrix_lower_bound.h"
#include "lottery/draw_chance.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The file name carries the points as one character.
constexpr int kMostNamedPoints = 9;
// About 18 bytes per set for each search (MatrixGeneratorCoverage).
constexpr std::uint64_t kBytesPerSet = 18;
constexpr std::uint64_t kMegabyte = 1'000'000;

template <class Number>
std::string Text(Number value) {
    return std::to_string(value);
}

// 32000000 as "32.000.000".
std::string Grouped(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

std::uint64_t CeilDivide(std::uint64_t numerator, std::uint64_t denominator) {
    return (numerator + denominator - 1) / denominator;
}

// Lines that use every number once the fixed ones are in each.
std::uint64_t LinesUsingEveryNumber(const MatrixPlay& play) {
    return CeilDivide(static_cast<std::uint64_t>(play.numbers - play.fixed),
                      static_cast<std::uint64_t>(play.length - play.fixed));
}

// A play whose guarantee the fixed numbers alone give: any lines using every number keep it.
bool FixedNumbersGiveThePoints(const MatrixPlay& play) { return play.points <= play.fixed; }

}  // namespace

std::string PlayRefusal(const MatrixPlay& play, std::uint64_t budget) {
    const int n = play.numbers;
    const int k = play.length;
    const int f = play.fixed;
    const int p = play.drawn;
    const int t = play.points;
    if (n < 1 || n > kHighestNumber) {
        return "I numeri in gioco vanno da 1 a 90 (indicati " + Text(n) + ").";
    }
    if (k < 1 || k > n) {
        return "Combinazioni di " + Text(k) + " numeri richiedono almeno " + Text(k) +
               " numeri in gioco: aumentare i numeri in gioco o ridurre la lunghezza (al massimo " +
               Text(std::min(n, 10)) + ").";
    }
    if (p < 1 || p > kNumbersPerDraw) {
        return "Si estraggono 20 numeri: gli estratti della garanzia vanno da 1 a 20 (indicati " + Text(p) + ").";
    }
    if (p > n) {
        return "Gli estratti (" + Text(p) + ") non possono superare i numeri in gioco (" + Text(n) + "): al massimo " +
               Text(n) + ".";
    }
    if (t < 1 || t > std::min(k, p)) {
        return "I punti garantiti non possono superare la lunghezza (" + Text(k) + ") né gli estratti (" + Text(p) +
               "): da 1 a " + Text(std::min(k, p)) + ".";
    }
    if (t > kMostNamedPoints) {
        return "I punti garantiti vanno da 1 a 9: il nome della matrice li scrive con una cifra.";
    }
    if (f < 0 || f >= k) {
        return "Le fisse devono essere meno dei numeri per combinazione: da 0 a " + Text(k - 1) + ".";
    }
    if (f > p) {
        return "Le fisse (" + Text(f) + ") non possono superare gli estratti (" + Text(p) + "): al massimo " + Text(p) +
               ".";
    }
    const std::uint64_t sets = PlaySetCount(play);
    if (!FixedNumbersGiveThePoints(play) && sets > MatrixGeneratorCoverage::kMostSets) {
        return "La ricerca dovrebbe esaminare " + Grouped(sets) + " estrazioni possibili: il limite è " +
               Grouped(MatrixGeneratorCoverage::kMostSets) + " (circa " +
               Text(MatrixGeneratorCoverage::kMostSets * kBytesPerSet / kMegabyte) +
               " MB di memoria per ricerca). Ridurre i numeri in gioco o gli estratti, o aggiungere fisse.";
    }
    if (budget != 0 && budget < LinesUsingEveryNumber(play)) {
        return "Con " + Text(budget) + " combinazioni non si usano tutti i " + Text(n) +
               " numeri: il budget minimo è " + Text(LinesUsingEveryNumber(play)) + ".";
    }
    return {};
}

std::uint64_t PlaySetCount(const MatrixPlay& play) {
    return Binomial(play.numbers - play.fixed, play.drawn - play.fixed);
}

std::uint64_t PlayLowerBound(const MatrixPlay& play) {
    if (FixedNumbersGiveThePoints(play)) return LinesUsingEveryNumber(play);
    return MatrixLowerBound(play.numbers - play.fixed, play.length - play.fixed, play.drawn - play.fixed,
                            play.points - play.fixed);
}

long double PlayChance(const MatrixPlay& play) { return ProbabilityWithFixed(play.numbers, play.fixed, play.drawn); }

std::string PlayGuaranteeText(const MatrixPlay& play) {
    std::string text = Text(play.points) + " se " + Text(play.drawn);
    if (play.fixed == 1) text += " (1 fissa)";
    if (play.fixed > 1) text += " (" + Text(play.fixed) + " fisse)";
    return text;
}

}  // namespace ordavex

#include "guarantee/galois_field.h"

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace ordavex {

namespace {

bool IsPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

// The prime p and degree m of q = p^m, or {0, 0} when q is no prime power.
std::pair<int, int> PrimeAndDegree(int q) {
    for (int p = 2; p <= q; ++p) {
        if (q % p != 0) continue;
        if (!IsPrime(p)) return {0, 0};
        int degree = 0;
        for (int rest = q; rest > 1; rest /= p, ++degree) {
            if (rest % p != 0) return {0, 0};
        }
        return {p, degree};
    }
    return {0, 0};
}

// Polynomials over GF(p) of degree below `degree`, as their base-p coefficients.
std::vector<int> Digits(int value, int prime, int degree) {
    std::vector<int> digits(static_cast<std::size_t>(degree));
    for (auto& digit : digits) {
        digit = value % prime;
        value /= prime;
    }
    return digits;
}

int ValueOf(const std::vector<int>& digits, int prime) {
    int value = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) value = value * prime + *it;
    return value;
}

// x times the element, reduced by the monic polynomial x^m + lower (lower's base-p digits).
int TimesX(int element, int lower, int prime, int degree) {
    std::vector<int> digits = Digits(element, prime, degree);
    const int carried = digits.back();
    for (int i = degree - 1; i > 0; --i) digits[static_cast<std::size_t>(i)] = digits[static_cast<std::size_t>(i - 1)];
    digits[0] = 0;
    // x^m = -lower.
    const std::vector<int> low = Digits(lower, prime, degree);
    for (int i = 0; i < degree; ++i) {
        auto& digit = digits[static_cast<std::size_t>(i)];
        digit = ((digit - carried * low[static_cast<std::size_t>(i)]) % prime + prime) % prime;
    }
    return ValueOf(digits, prime);
}

}  // namespace

bool GaloisField::IsOrder(int q) { return q >= 2 && q <= kLargestOrder && PrimeAndDegree(q).first != 0; }

GaloisField::GaloisField(int q) : order_(q) {
    if (!IsOrder(q)) {
        throw std::invalid_argument(std::to_string(q) + " is not the order of a small finite field");
    }
    std::tie(prime_, degree_) = PrimeAndDegree(q);
    exp_.assign(static_cast<std::size_t>(2 * (q - 1)), 0);
    log_.assign(static_cast<std::size_t>(q), 0);
    // The first x^m + lower whose root x has order q - 1: it is then irreducible too (for m = 1,
    // x is the residue -lower, a primitive root mod p).
    for (int lower = 0; lower < q; ++lower) {
        int power = 1;
        int period = 0;
        do {
            power = TimesX(power, lower, prime_, degree_);
            ++period;
        } while (power != 1 && power != 0 && period < q);
        if (power == 1 && period == q - 1) {
            for (int i = 0, value = 1; i < 2 * (q - 1); ++i, value = TimesX(value, lower, prime_, degree_)) {
                exp_[static_cast<std::size_t>(i)] = value;
            }
            break;
        }
    }
    for (int i = 0; i < q - 1; ++i) log_[static_cast<std::size_t>(exp_[static_cast<std::size_t>(i)])] = i;
}

int GaloisField::Add(int a, int b) const {
    int sum = 0;
    for (int place = 1; a > 0 || b > 0; place *= prime_, a /= prime_, b /= prime_) {
        sum += (a % prime_ + b % prime_) % prime_ * place;
    }
    return sum;
}

int GaloisField::Negative(int a) const {
    int negative = 0;
    for (int place = 1; a > 0; place *= prime_, a /= prime_) {
        negative += (prime_ - a % prime_) % prime_ * place;
    }
    return negative;
}

int GaloisField::Multiply(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return exp_[static_cast<std::size_t>(log_[static_cast<std::size_t>(a)] + log_[static_cast<std::size_t>(b)])];
}

int GaloisField::Inverse(int a) const {
    if (a == 0) throw std::invalid_argument("0 has no inverse");
    return exp_[static_cast<std::size_t>((order_ - 1 - log_[static_cast<std::size_t>(a)]) % (order_ - 1))];
}

std::vector<int> GaloisField::Subfield(int s) const {
    const auto [prime, degree] = PrimeAndDegree(s);
    if (prime != prime_ || degree_ % degree != 0) {
        throw std::invalid_argument("GF(" + std::to_string(order_) + ") has no subfield of order " + std::to_string(s));
    }
    std::vector<int> elements{0};
    for (int a = 1; a < order_; ++a) {
        const auto logarithm = static_cast<std::size_t>(log_[static_cast<std::size_t>(a)]);
        if (exp_[logarithm * static_cast<std::size_t>(s) % static_cast<std::size_t>(order_ - 1)] == a) {
            elements.push_back(a);
        }
    }
    return elements;
}

}  // namespace ordavex

#pragma once

#include <vector>

namespace ordavex {

// The finite field GF(q) of q = p^m elements (p prime), for the small orders the designs of
// finite geometry are built over. An element is 0..q-1: the coefficients, in base p, of a
// polynomial over GF(p) of degree below m, reduced by an irreducible polynomial of degree m whose
// root generates the nonzero elements; 0 and 1 are the field's zero and one, and for m = 1 the
// elements are the numbers mod p.
class GaloisField {
public:
    // The largest order a field is built for.
    static constexpr int kLargestOrder = 256;

    // Whether q is a power of a prime within kLargestOrder.
    static bool IsOrder(int q);

    // Throws std::invalid_argument when q is no order of a field within kLargestOrder.
    explicit GaloisField(int q);

    int Order() const { return order_; }
    int Characteristic() const { return prime_; }
    int Add(int a, int b) const;
    int Negative(int a) const;
    int Multiply(int a, int b) const;
    // Throws std::invalid_argument for 0.
    int Inverse(int a) const;
    // An element whose powers are every nonzero element.
    int Generator() const { return exp_[1]; }
    // The elements of the subfield GF(s), for an order s = p^d with d dividing m: those a with
    // a^s = a.
    std::vector<int> Subfield(int s) const;

private:
    int order_;
    int prime_;
    int degree_;
    // exp_[i] is the generator to the power i, for i in 0..2(q-2); log_[a] undoes it for a != 0.
    std::vector<int> exp_;
    std::vector<int> log_;
};

}  // namespace ordavex

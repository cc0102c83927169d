#include "guarantee/known_designs.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace ordavex {

namespace {

constexpr int kGolayLength = 24;
constexpr int kResidueModulus = 23;
constexpr int kOctadWeight = 8;

// Bit i is coordinate i+1 of a word of length 24.
using GolayWord = std::uint32_t;

// The quadratic residues mod 23 mark a word of weight 11; its 23 cyclic shifts, each extended by
// a parity coordinate, span the extended Golay code.
std::vector<GolayWord> GolayGenerators() {
    GolayWord residues = 0;
    for (int i = 1; i < kResidueModulus; ++i) {
        residues |= GolayWord{1} << (i * i % kResidueModulus);
    }
    std::vector<GolayWord> generators;
    for (int shift = 0; shift < kResidueModulus; ++shift) {
        GolayWord word = 0;
        for (int i = 0; i < kResidueModulus; ++i) {
            if (((residues >> i) & 1U) != 0) {
                word |= GolayWord{1} << ((i + shift) % kResidueModulus);
            }
        }
        if (std::popcount(word) % 2 != 0) {
            word |= GolayWord{1} << kResidueModulus;
        }
        generators.push_back(word);
    }
    return generators;
}

// A basis of the span, by elimination over GF(2).
std::vector<GolayWord> Basis(const std::vector<GolayWord>& words) {
    std::vector<GolayWord> basis;
    for (GolayWord word : words) {
        for (GolayWord vector : basis) {
            word = std::min(word, word ^ vector);
        }
        if (word != 0) {
            basis.push_back(word);
        }
    }
    return basis;
}

NumberMask MaskOf(GolayWord word) {
    NumberMask mask;
    for (int i = 0; i < kGolayLength; ++i) {
        if (((word >> i) & 1U) != 0) {
            mask.Set(i + 1);
        }
    }
    return mask;
}

// The numbers of the mask above `fixed`, moved down by `fixed`.
NumberMask ShiftedDown(NumberMask mask, int fixed) {
    NumberMask shifted;
    for (const int number : mask) {
        if (number > fixed) {
            shifted.Set(number - fixed);
        }
    }
    return shifted;
}

}  // namespace

std::vector<NumberMask> GolayCodeWords() {
    const std::vector<GolayWord> basis = Basis(GolayGenerators());
    std::vector<NumberMask> words;
    for (std::uint32_t choice = 0; choice < (std::uint32_t{1} << basis.size()); ++choice) {
        GolayWord word = 0;
        for (std::size_t i = 0; i < basis.size(); ++i) {
            if (((choice >> i) & 1U) != 0) {
                word ^= basis[i];
            }
        }
        words.push_back(MaskOf(word));
    }
    return words;
}

SteinerSystem GolayOctads() {
    SteinerSystem system{kGolayLength, kOctadWeight, 5, {}};
    for (const NumberMask& word : GolayCodeWords()) {
        if (word.Count() == kOctadWeight) {
            system.blocks.push_back(word);
        }
    }
    return system;
}

SteinerSystem DerivedSystem(const SteinerSystem& system, int fixed) {
    const NumberMask through = NumberMask::FirstNumbers(fixed);
    SteinerSystem derived{system.numbers - fixed, system.length - fixed, system.strength - fixed, {}};
    for (const NumberMask& block : system.blocks) {
        if ((block & through) == through) {
            derived.blocks.push_back(ShiftedDown(block, fixed));
        }
    }
    return derived;
}

std::vector<SteinerSystem> KnownSteinerSystems() {
    const SteinerSystem octads = GolayOctads();
    return {octads, DerivedSystem(octads, 1), DerivedSystem(octads, 2)};
}

std::optional<std::vector<NumberMask>> KnownDesignStart(int numbers, int length, int drawn, int points) {
    for (const SteinerSystem& system : KnownSteinerSystems()) {
        if (system.numbers == numbers && system.length == length && system.strength >= points &&
            system.strength <= drawn) {
            return system.blocks;
        }
    }
    return std::nullopt;
}

}  // namespace ordavex

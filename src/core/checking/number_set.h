#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

namespace ordavex {

// A set of numbers 1..90 as the bits of two words. The size of the common part of two sets is
// two popcounts, with no branch per number, and a number added twice is in the set once.
class NumberSet {
public:
    void Add(int n) { (n < kWordBits ? low_ : high_) |= Bit(n); }
    bool Contains(int n) const { return ((n < kWordBits ? low_ : high_) & Bit(n)) != 0; }
    int Size() const { return std::popcount(low_) + std::popcount(high_); }
    int CountCommon(const NumberSet& other) const {
        return std::popcount(low_ & other.low_) + std::popcount(high_ & other.high_);
    }
    void AddAll(const NumberSet& other) {
        low_ |= other.low_;
        high_ |= other.high_;
    }
    std::uint64_t Low() const { return low_; }
    std::uint64_t High() const { return high_; }

    friend bool operator==(const NumberSet&, const NumberSet&) = default;

private:
    static constexpr int kWordBits = 64;
    static std::uint64_t Bit(int n) { return std::uint64_t{1} << (n % kWordBits); }

    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

// The numbers 1..90 among the pieces of a combination line (split at single blanks). A piece
// counts when it is an optionally "+"-signed run of digits worth 1..90; anything else can match
// no drawn number and is left out.
NumberSet NumberSetOfLine(std::string_view line);

}  // namespace ordavex

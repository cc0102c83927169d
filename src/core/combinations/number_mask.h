#pragma once

#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace ordavex {

class NumberMaskIterator;

// A set of lottery numbers 1..90 as a 128-bit mask: number n is bit n-1. A range of its numbers,
// ascending: for (int number : mask).
struct NumberMask {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    static NumberMask Of(int number) {
        NumberMask mask;
        mask.Set(number);
        return mask;
    }
    // Numbers 1..count.
    static NumberMask FirstNumbers(int count) {
        NumberMask mask;
        mask.low = count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
        if (count > 64) {
            mask.high = (std::uint64_t{1} << (count - 64)) - 1;
        }
        return mask;
    }

    void Set(int number) {
        const int bit = number - 1;
        if (bit < 64) {
            low |= std::uint64_t{1} << bit;
        } else {
            high |= std::uint64_t{1} << (bit - 64);
        }
    }
    void Clear(int number) {
        const int bit = number - 1;
        if (bit < 64) {
            low &= ~(std::uint64_t{1} << bit);
        } else {
            high &= ~(std::uint64_t{1} << (bit - 64));
        }
    }
    bool Has(int number) const {
        const int bit = number - 1;
        return bit < 64 ? ((low >> bit) & 1U) != 0 : ((high >> (bit - 64)) & 1U) != 0;
    }
    int Count() const {
#if defined(__x86_64__) && !defined(__POPCNT__)
        // The portable x86-64 build may not assume the processor's bit-count instruction, and
        // std::popcount then becomes a library call per word, which took a quarter of the
        // generator's time; counting both words in registers stays inline.
        constexpr std::uint64_t kPairs = 0x5555555555555555ULL;
        constexpr std::uint64_t kQuads = 0x3333333333333333ULL;
        constexpr std::uint64_t kBytes = 0x0F0F0F0F0F0F0F0FULL;
        constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
        // Counts per byte, each at most 8.
        const auto byteCounts = [](std::uint64_t word) {
            word -= (word >> 1) & kPairs;
            word = (word & kQuads) + ((word >> 2) & kQuads);
            return (word + (word >> 4)) & kBytes;
        };
        // The sum of both words' bytes is at most 128, so the top byte of the product is the count.
        return static_cast<int>(((byteCounts(low) + byteCounts(high)) * kEveryByte) >> 56);
#else
        return std::popcount(low) + std::popcount(high);
#endif
    }
    bool Empty() const { return (low | high) == 0; }
    // The smallest number in the set; the set must not be empty.
    int Lowest() const { return low != 0 ? std::countr_zero(low) + 1 : std::countr_zero(high) + 65; }
    void RemoveLowest() {
        if (low != 0) {
            low &= low - 1;
        } else {
            high &= high - 1;
        }
    }

    NumberMaskIterator begin() const;
    NumberMaskIterator end() const;

    friend NumberMask operator|(NumberMask a, NumberMask b) { return {a.low | b.low, a.high | b.high}; }
    friend NumberMask operator&(NumberMask a, NumberMask b) { return {a.low & b.low, a.high & b.high}; }
    // Numbers of a that are not in b.
    friend NumberMask Without(NumberMask a, NumberMask b) { return {a.low & ~b.low, a.high & ~b.high}; }
    friend bool operator==(NumberMask a, NumberMask b) = default;
    // Sets in the order of their numbers read ascending, as words are ordered: {1, 5} < {1, 6} <
    // {2}, and a set comes before the larger sets that begin with it, {1, 5} < {1, 5, 9}.
    friend std::strong_ordering operator<=>(NumberMask a, NumberMask b) {
        const NumberMask differing{a.low ^ b.low, a.high ^ b.high};
        if (differing.Empty()) {
            return std::strong_ordering::equal;
        }
        // Below the first number held by one set alone the two agree; the set that holds it
        // comes first unless the other set ends there.
        const int first = differing.Lowest();
        const bool aHoldsIt = a.Has(first);
        const NumberMask other = aHoldsIt ? b : a;
        const bool otherGoesOn = !(other & Above(first)).Empty();
        return aHoldsIt == otherGoesOn ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    NumberMask& operator|=(NumberMask other) {
        low |= other.low;
        high |= other.high;
        return *this;
    }

private:
    // The numbers above `number` that a mask can hold (up to 128).
    static NumberMask Above(int number) {
        constexpr int kWordBits = 64;
        const auto above = [](int bits) { return bits >= kWordBits ? 0 : ~std::uint64_t{0} << bits; };
        return {above(number), number <= kWordBits ? ~std::uint64_t{0} : above(number - kWordBits)};
    }
};

// Walks the numbers of a mask upwards, taking each one out of its own copy.
class NumberMaskIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = int;
    using difference_type = std::ptrdiff_t;
    using pointer = const int*;
    using reference = int;

    NumberMaskIterator() = default;
    explicit NumberMaskIterator(NumberMask rest) : rest_(rest) {}

    int operator*() const { return rest_.Lowest(); }
    NumberMaskIterator& operator++() {
        rest_.RemoveLowest();
        return *this;
    }
    NumberMaskIterator operator++(int) {
        NumberMaskIterator before = *this;
        rest_.RemoveLowest();
        return before;
    }
    friend bool operator==(NumberMaskIterator a, NumberMaskIterator b) = default;

private:
    NumberMask rest_;
};

inline NumberMaskIterator NumberMask::begin() const { return NumberMaskIterator(*this); }
inline NumberMaskIterator NumberMask::end() const { return NumberMaskIterator(); }

// How many numbers two sets share.
inline int CommonCount(NumberMask a, NumberMask b) { return (a & b).Count(); }

}  // namespace ordavex

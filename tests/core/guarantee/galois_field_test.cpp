#include "guarantee/galois_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace ordavex {
namespace {

constexpr int kOrders[] = {2, 3, 4, 5, 7, 8, 9, 16, 25, 27, 49, 64, 81};

TEST(GaloisFieldTest, ItsOrdersAreThePrimePowers) {
    std::vector<int> orders;
    for (int q = 0; q <= 100; ++q) {
        if (GaloisField::IsOrder(q)) orders.push_back(q);
    }
    EXPECT_EQ(orders, (std::vector<int>{2,  3,  4,  5,  7,  8,  9,  11, 13, 16, 17, 19, 23, 25, 27, 29, 31, 32,
                                        37, 41, 43, 47, 49, 53, 59, 61, 64, 67, 71, 73, 79, 81, 83, 89, 97}));
    for (const int q : {0, 1, 6, 10, 12, 18, 100, 257, 512}) {
        EXPECT_THROW(GaloisField{q}, std::invalid_argument) << q;
    }
}

// Checked on every pair and triple of elements, so that a wrong reduction of the polynomials, or a
// generator that misses elements, shows up.
TEST(GaloisFieldTest, AdditionAndMultiplicationMakeAField) {
    for (const int q : kOrders) {
        const GaloisField field(q);
        const std::string name = "GF(" + std::to_string(q) + ")";
        ASSERT_EQ(field.Order(), q);
        EXPECT_EQ(q % field.Characteristic(), 0) << name;
        std::set<int> powers;
        for (int i = 0, power = 1; i < q - 1; ++i, power = field.Multiply(power, field.Generator())) {
            powers.insert(power);
        }
        EXPECT_EQ(powers.size(), static_cast<std::size_t>(q - 1)) << name << ": the generator's powers";
        for (int a = 0; a < q; ++a) {
            EXPECT_EQ(field.Add(a, 0), a) << name;
            EXPECT_EQ(field.Multiply(a, 1), a) << name;
            EXPECT_EQ(field.Add(a, field.Negative(a)), 0) << name << " " << a;
            if (a != 0) {
                EXPECT_EQ(field.Multiply(a, field.Inverse(a)), 1) << name << " " << a;
            }
            for (int b = 0; b < q; ++b) {
                ASSERT_EQ(field.Add(a, b), field.Add(b, a)) << name;
                ASSERT_EQ(field.Multiply(a, b), field.Multiply(b, a)) << name;
                ASSERT_LT(field.Add(a, b), q) << name;
                for (int c = 0; c < q && q <= 27; ++c) {
                    ASSERT_EQ(field.Multiply(a, field.Add(b, c)), field.Add(field.Multiply(a, b), field.Multiply(a, c)))
                        << name << " " << a << " " << b << " " << c;
                    ASSERT_EQ(field.Add(a, field.Add(b, c)), field.Add(field.Add(a, b), c)) << name;
                }
            }
        }
        // p times any element is 0.
        for (int a = 0; a < q; ++a) {
            int sum = 0;
            for (int i = 0; i < field.Characteristic(); ++i) sum = field.Add(sum, a);
            EXPECT_EQ(sum, 0) << name << " " << a;
        }
    }
    EXPECT_THROW((void)GaloisField(9).Inverse(0), std::invalid_argument);
}

TEST(GaloisFieldTest, ASubfieldIsClosedAndOfItsOrder) {
    for (const auto& [q, s] : std::vector<std::pair<int, int>>{
             {4, 2}, {9, 3}, {16, 4}, {25, 5}, {49, 7}, {64, 8}, {81, 9}, {64, 4}, {8, 8}, {5, 5}}) {
        const GaloisField field(q);
        const std::vector<int> sub = field.Subfield(s);
        const std::string name = "GF(" + std::to_string(s) + ") in GF(" + std::to_string(q) + ")";
        ASSERT_EQ(sub.size(), static_cast<std::size_t>(s)) << name;
        EXPECT_TRUE(std::find(sub.begin(), sub.end(), 1) != sub.end()) << name;
        for (const int a : sub)
            for (const int b : sub) {
                EXPECT_TRUE(std::find(sub.begin(), sub.end(), field.Add(a, b)) != sub.end()) << name;
                EXPECT_TRUE(std::find(sub.begin(), sub.end(), field.Multiply(a, b)) != sub.end()) << name;
            }
    }
    EXPECT_THROW((void)GaloisField(8).Subfield(4), std::invalid_argument);
    EXPECT_THROW((void)GaloisField(9).Subfield(2), std::invalid_argument);
}

}  // namespace
}  // namespace ordavex

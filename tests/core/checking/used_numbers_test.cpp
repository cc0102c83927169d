#include <gtest/gtest.h>

#include "app/error_number.h"
#include "checking/used_numbers.h"
#include "error_of.h"

namespace ordavex {
namespace {

using Numbers = std::vector<std::int16_t>;

TEST(UsedNumbers, AscendingEachNumberOnceWhateverTheOrderAndForm) {
    EXPECT_EQ(UsedNumbers({"45 07 12 90", "07 90 01 33", "12 45 7 33 1"}), (Numbers{1, 7, 12, 33, 45, 90}));
    EXPECT_TRUE(UsedNumbers({}).empty());
    EXPECT_TRUE(UsedNumbers({"", ""}).empty());
    EXPECT_EQ(UsedNumbers({"", "3 2"}), (Numbers{2, 3}));
}

TEST(UsedNumbers, LineThatIsNoCombinationEndsTheScanWithItsErrorNumber) {
    const struct {
        const char* line;
        int error;
    } cases[] = {
        {"01  02", kErrTypeMismatch},  // two blanks: an empty piece
        {"01 02 ", kErrTypeMismatch},  // trailing blank
        {"01 x2", kErrTypeMismatch},  {"01\t02", kErrTypeMismatch}, {"01 70000", kErrOverflow},
        {"01 91", kErrSubscript},     {"00 05", kErrSubscript},     {"-3 05", kErrSubscript},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::ErrorOf([&] { UsedNumbers({"10 20", c.line}); }), c.error) << c.line;
    }
}

}  // namespace
}  // namespace ordavex

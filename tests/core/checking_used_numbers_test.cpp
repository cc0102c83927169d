#include <gtest/gtest.h>

#include "app/error_number.h"
#include "checking/used_numbers.h"

namespace ordavex {
namespace {

using Numbers = std::vector<std::int16_t>;

TEST(UsedNumbers, AscendingEachNumberOnceWhateverTheOrderAndForm) {
    const LineList system = {"45 07 12 90", "07 90 01 33", "12 45 7 33 1"};
    EXPECT_EQ(UsedNumbers(system), (Numbers{1, 7, 12, 33, 45, 90}));
}

TEST(UsedNumbers, SystemOverOneToTwentyGivesExactlyOneToTwenty) {
    const LineList system = {"01 02 03 04 05 06 07 08 09 10", "11 12 13 14 15 16 17 18 19 20", "01 05 10 15 20"};
    Numbers expected;
    for (std::int16_t n = 1; n <= 20; ++n) expected.push_back(n);
    EXPECT_EQ(UsedNumbers(system), expected);
}

TEST(UsedNumbers, NothingToFind) {
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
        try {
            UsedNumbers({"10 20", c.line});
            ADD_FAILURE() << "no error for \"" << c.line << "\"";
        } catch (const OrdavexError& error) {
            EXPECT_EQ(error.Number(), c.error) << c.line;
        }
    }
}

}  // namespace
}  // namespace ordavex

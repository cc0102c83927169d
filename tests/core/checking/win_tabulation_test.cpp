#include <gtest/gtest.h>

#include <initializer_list>

#include "checking/win_tabulation.h"

namespace ordavex {
namespace {

DrawMarks Marked(std::initializer_list<int> numbers) {
    DrawMarks marks;
    for (int n : numbers) marks.Toggle(n);
    return marks;
}

WantedScores Ticked(std::initializer_list<int> scores) {
    WantedScores wanted{};
    for (int p : scores) wanted[static_cast<std::size_t>(p)] = true;
    return wanted;
}

const WantedScores kOpeningTicks = Ticked({0, 5, 6, 7, 8, 9, 10});
const WantedScores kAllTicks = Ticked({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});

TEST(Score, CountsMarkedNumbersOfTheLine) {
    const auto drawn = Marked({3, 7, 12, 90}).DrawnNumbers;
    const struct {
        const char* line;
        int score;
    } cases[] = {
        {"03 07 12 20 33", 3},
        {"3 7 12 20 33", 3},  // written without the leading zero
        {"01 02 04 05 06", 0},
        {"90", 1},
        {"", 0},
        {"07 07 12", 2},  // a number written twice scores once
        {"07 07 07 07 07 07", 1},
        {"03 xx 07 91 00 -3", 2},  // pieces that are no number from 1 to 90 score nothing
        {"03  07", 2},
        {"03 07 ", 2},       // trailing blank: an empty last piece
        {"003 +07 -12", 2},  // leading zeros and a plus sign read as usual; a negative piece no hit
        {"3x 07y 12", 1},
        {"90 900 9", 1},
        {"00 012", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Score(c.line, drawn), c.score) << c.line;
}

TEST(GeneralTable, OpeningTicksGiveSevenLinesFromTenDownToZero) {
    // Drawn: 1..6. Scores: 5, 5, 6, 0, 0, 0, 2.
    const LineList system = {"01 02 03 04 05 40", "02 03 04 05 06 50", "01 02 03 04 05 06", "40 41 42 43 44 45",
                             "50 51 52 53 54 55", "60 61 62 63 64 65", "01 02 70 71 72 73"};
    const auto lines = GeneralTable(system, Marked({1, 2, 3, 4, 5, 6}).DrawnNumbers, kOpeningTicks);
    const std::vector<std::string> expected = {"punti 10 ... 0", "punti 09 ... 0", "punti 08 ... 0", "punti 07 ... 0",
                                               "punti 06 ... 1", "punti 05 ... 2", "punti 00 ... 3"};
    EXPECT_EQ(lines, expected);
}

TEST(GeneralTable, ScoreAboveTenIsCountedInNoRow) {
    const LineList system = {"01 02 03 04 05 06 07 08 09 10 11", "01 02 03 04 05 06 07 08 09 10", "01 50"};
    const auto drawn = Marked({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}).DrawnNumbers;
    const auto tally = TallyScores(system, drawn);
    EXPECT_EQ(tally[10], 1);
    EXPECT_EQ(tally[1], 1);
    std::int32_t total = 0;
    for (auto count : tally) total += count;
    EXPECT_EQ(total, 2);
    EXPECT_EQ(WinnersList(system, drawn, kAllTicks),
              (std::vector<std::string>{"002 ... 01 02 03 04 05 06 07 08 09 10 ... 10", "003 ... 01 50 ... 1"}));
}

TEST(GeneralTable, CountsBeyondSixteenBits) {
    const LineList system(40000, "01 02 03 04 05");
    const auto lines = GeneralTable(system, Marked({1, 2}).DrawnNumbers, Ticked({2}));
    EXPECT_EQ(lines, std::vector<std::string>{"punti 02 ... 40000"});
}

TEST(WinnersList, NumberedAsInTheSystemWithLineAsStoredAndScore) {
    LineList system(1000, "80 81 82 83 84");
    system[6] = "03 15 27 48 62";
    system[999] = "3 15 27 48 62 70";
    const auto lines = WinnersList(system, Marked({3, 15, 27, 48, 62}).DrawnNumbers, Ticked({5}));
    EXPECT_EQ(lines, (std::vector<std::string>{"007 ... 03 15 27 48 62 ... 5", "1000 ... 3 15 27 48 62 70 ... 5"}));
}

TEST(WinnersList, ZeroTickedListsCombinationsWithoutHitsInSystemOrder) {
    const LineList system = {"01 02 03 04 05", "10 20 30 40 50", "01 02 03 04 06", "60 70 80 90 11"};
    const auto lines = WinnersList(system, Marked({1, 2, 3, 4, 5}).DrawnNumbers, kOpeningTicks);
    EXPECT_EQ(lines, (std::vector<std::string>{"001 ... 01 02 03 04 05 ... 5", "002 ... 10 20 30 40 50 ... 0",
                                               "004 ... 60 70 80 90 11 ... 0"}));
}

TEST(VerifyWins, NeedsTwoMarkedNumbers) {
    const LineList system = {"01 02 03"};
    for (const auto& marks : {Marked({}), Marked({1})}) {
        for (auto kind : {ReportKind::kGeneral, ReportKind::kWinners}) {
            const auto outcome = VerifyWins(system, marks, kind, kOpeningTicks);
            EXPECT_EQ(outcome.message, "Selezionare almeno 2 numer1 ..!");
            EXPECT_TRUE(outcome.lines.empty());
        }
    }
    const auto outcome = VerifyWins(system, Marked({1, 2, 77}), ReportKind::kWinners, kAllTicks);
    EXPECT_FALSE(outcome.HasMessage());
    EXPECT_EQ(outcome.lines, std::vector<std::string>{"001 ... 01 02 03 ... 2"});
}

TEST(VerifyWins, NoTickClearsTheGeneralTableSilentlyButStopsTheWinnersWithAMessage) {
    const LineList system = {"01 02 03"};
    const auto general = VerifyWins(system, Marked({1, 2}), ReportKind::kGeneral, WantedScores{});
    EXPECT_FALSE(general.HasMessage());
    EXPECT_TRUE(general.lines.empty());
    const auto winners = VerifyWins(system, Marked({1, 2}), ReportKind::kWinners, WantedScores{});
    EXPECT_EQ(winners.message, "Spuntare punteggi da visualizzare ..!");
}

}  // namespace
}  // namespace ordavex

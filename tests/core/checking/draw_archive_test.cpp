#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <streambuf>

#include "checking/draw_archive.h"
#include "test_files.h"

namespace ordavex {
namespace {

const std::string kTwenty = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20";

ArchiveReading Read(const std::string& text, const ArchiveLimits& limits = {}) {
    std::istringstream input(text);
    return ReadDrawArchive(input, limits);
}

NumberMask OneToTwenty() {
    NumberMask set;
    for (int n = 1; n <= 20; ++n) set.Set(n);
    return set;
}

TEST(DrawArchive, AcceptedLines) {
    const struct {
        std::string line;
        std::int32_t date;
        std::int64_t drawNumber;
    } cases[] = {
        {kTwenty, 0, -1},
        {"01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20", 0, -1},
        {"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20", 0, -1},
        {"\t1\t2 ,3 ; 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20  ", 0, -1},
        {"20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1", 0, -1},
        {"07/12/2026 " + kTwenty, 20261207, -1},
        {"7/1/2026 " + kTwenty, 20260107, -1},
        {"2026-12-07;" + kTwenty, 20261207, -1},
        {"29/02/2024 " + kTwenty, 20240229, -1},
        {"07/12/2026 288 " + kTwenty, 20261207, 288},  // the number after the date
        {"288 07/12/2026 " + kTwenty, 20261207, 288},  // the number before the date
        {"n.5 " + kTwenty, 0, 5},
        {"N.5 2026-12-07 " + kTwenty, 20261207, 5},
        {"07/12/2026 15 " + kTwenty.substr(0, kTwenty.size() - 3) + " 90", 20261207, 15},
    };
    for (const auto& c : cases) {
        const auto reading = Read(c.line);
        ASSERT_TRUE(reading.Ok()) << c.line << ": " << reading.error;
        ASSERT_EQ(reading.draws.size(), 1u) << c.line;
        EXPECT_EQ(reading.draws[0].date, c.date) << c.line;
        EXPECT_EQ(reading.draws[0].drawNumber, c.drawNumber) << c.line;
        EXPECT_EQ(reading.draws[0].numbers.Count(), kNumbersPerDraw) << c.line;
    }
}

TEST(DrawArchive, RefusedLinesNameTheLine) {
    const std::string head = "# archivio\n\n" + kTwenty + "\n";  // the faulty line is line 4
    const struct {
        std::string line;
        std::string error;
    } cases[] = {
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19", "Riga 4: attesi 20 numeri, trovati 19"},
        {kTwenty + " 21", "Riga 4: attesi 20 numeri, trovati 21"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 19", "Riga 4: numero 19 ripetuto"},
        {"0 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20", "Riga 4: numero \"0\" fuori da 1 a 90"},
        {"91 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20", "Riga 4: numero \"91\" fuori da 1 a 90"},
        {"99999999999999999999 " + kTwenty, "Riga 4: numero \"99999999999999999999\" fuori da 1 a 90"},
        {"-5 " + kTwenty, "Riga 4: data non valida \"-5\""},
        {"+5 " + kTwenty, "Riga 4: elemento non valido \"+5\""},
        {"1.5 " + kTwenty, "Riga 4: elemento non valido \"1.5\""},
        {"31/11/2026 " + kTwenty, "Riga 4: data non valida \"31/11/2026\""},
        {"29/02/2100 " + kTwenty, "Riga 4: data non valida \"29/02/2100\""},
        {"2026-13-01 " + kTwenty, "Riga 4: data non valida \"2026-13-01\""},
        {"07/12/26 " + kTwenty, "Riga 4: data non valida \"07/12/26\""},
        {"07/12/0026 " + kTwenty, "Riga 4: data non valida \"07/12/0026\""},
        {"1 2 07/12/2026 " + kTwenty.substr(4), "Riga 4: data fuori posto \"07/12/2026\""},
        {"07/12/2026 01/12/2026 " + kTwenty, "Riga 4: data fuori posto \"01/12/2026\""},
        {"n.5 n.6 " + kTwenty, "Riga 4: numero di estrazione fuori posto \"n.6\""},
        {"n.x " + kTwenty, "Riga 4: numero di estrazione non valido \"n.x\""},
        {kTwenty + "\r\r", "Riga 4: elemento non valido \"20?\""},  // a lone CR ends no line
        {std::string("1 2 \0 3", 7), "Riga 4: elemento non valido \"?\""},
        {kTwenty + " # nota", "Riga 4: elemento non valido \"#\""},
    };
    for (const auto& c : cases) {
        const auto reading = Read(head + c.line + "\n" + kTwenty);
        EXPECT_EQ(reading.error, c.error) << c.line;
        EXPECT_TRUE(reading.draws.empty()) << c.line;  // nothing half-loaded
    }
}

TEST(DrawArchive, SkipsCommentsAndBlankLinesOverLfAndCrLf) {
    const std::string text = "# random\r\n  # indented comment\r\n\r\n \t \n" + kTwenty + "\r\n" + "2026-01-02 " +
                             "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40" + "\r\n# end";
    const auto reading = Read(text);
    ASSERT_TRUE(reading.Ok()) << reading.error;
    ASSERT_EQ(reading.draws.size(), 2u);
    EXPECT_EQ(reading.draws[0].numbers, OneToTwenty());
    EXPECT_TRUE(reading.draws[1].numbers.Has(40));
    EXPECT_FALSE(reading.draws[1].numbers.Has(20));
    EXPECT_EQ(DrawLabel(reading.draws[0], 1), "estrazione 1");
    EXPECT_EQ(DrawLabel(reading.draws[1], 2), "02/01/2026");
}

TEST(DrawArchive, TheSummaryCountsTheDrawsAndNamesTheFirstAndTheLast) {
    const auto one = Read(kTwenty);
    ASSERT_TRUE(one.Ok()) << one.error;
    EXPECT_EQ(ArchiveSummary("UNA.TXT", one.draws), "UNA.TXT: 1 estrazione\nprima: estrazione 1\nultima: estrazione 1");
    const auto two = Read(kTwenty + "\n2026-01-02 n.7 " + kTwenty);
    ASSERT_TRUE(two.Ok()) << two.error;
    EXPECT_EQ(ArchiveSummary("DUE.TXT", two.draws),
              "DUE.TXT: 2 estrazioni\nprima: estrazione 1\nultima: 02/01/2026 n. 7");
}

// Endless text made of one repeated piece, `total` bytes in all, produced as it is read.
class RepeatingBuffer : public std::streambuf {
public:
    RepeatingBuffer(const std::string& piece, std::size_t total) : left_(total) {
        while (piece_.size() < kBlock) piece_ += piece;
    }

protected:
    int_type underflow() override {
        if (left_ == 0) return traits_type::eof();
        const std::size_t size = std::min(left_, piece_.size());
        left_ -= size;
        setg(piece_.data(), piece_.data(), piece_.data() + size);
        return traits_type::to_int_type(piece_[0]);
    }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::string piece_;
    std::size_t left_;
};

constexpr std::size_t kHundredMegabytes = 100u << 20;

ArchiveReading ReadRepeated(const std::string& piece, const ArchiveLimits& limits = {}) {
    RepeatingBuffer buffer(piece, kHundredMegabytes);
    std::istream input(&buffer);
    return ReadDrawArchive(input, limits);
}

TEST(DrawArchive, HundredMegabyteFilesEndInAMessage) {
    // Valid draws beyond the limit of draws (lowered, so that the test stays short); one endless
    // line; only comments.
    const std::string line = "07/12/2026 " + kTwenty + "\r\n";
    EXPECT_EQ(ReadRepeated(line, {10000, 1024}).error, "Riga 10001: l'archivio supera 10000 estrazioni");
    EXPECT_EQ(ReadRepeated(std::string(4096, '7')).error, "Riga 1: riga troppo lunga (oltre 1024 caratteri)");
    EXPECT_EQ(ReadRepeated("#" + std::string(4095, 'x')).error, "L'archivio non contiene estrazioni");
}

TEST(DrawArchive, FileReadingAndItsFailures) {
    test::TempFolder folder;
    const auto openBefore = test::OpenFileCount();
    const auto path = folder.Write("ARCHIVIO.TXT", "n.1 " + kTwenty + "\r\nn.2 " + kTwenty + "\r\n");
    const auto reading = ReadDrawArchiveFile(path);
    ASSERT_TRUE(reading.Ok()) << reading.error;
    EXPECT_EQ(reading.draws.size(), 2u);
    EXPECT_EQ(reading.draws[1].drawNumber, 2);
    EXPECT_EQ(test::OpenFileCount(), openBefore);
    EXPECT_EQ(ReadDrawArchiveFile(folder.File("MANCA.TXT")).errorNumber, 53);
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

TEST(DrawArchive, TheShippedExampleReadsAndSaysItIsRandom) {
    const char* source = std::getenv("ORDAVEX_SOURCE_DIR");
    if (source == nullptr) GTEST_SKIP() << "ORDAVEX_SOURCE_DIR not set";
    const std::string path = std::string(source) + "/Shared/Estrazioni/ESTRAZIONI_CASUALI.TXT";
    const auto reading = ReadDrawArchiveFile(path);
    ASSERT_TRUE(reading.Ok()) << reading.error;
    EXPECT_EQ(reading.draws.size(), 600u);
    EXPECT_EQ(DrawLabel(reading.draws.front(), 1), "05/12/2026 n. 1");
    EXPECT_EQ(test::ReadBytes(path).rfind("# ESTRAZIONI CASUALI, NON REALI", 0), 0u);
}

}  // namespace
}  // namespace ordavex

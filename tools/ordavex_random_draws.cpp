// Writes an archive of random draws (20 different numbers out of 1..90 per line) in the format the
// program's archive window reads, with a "#" header saying that the draws are random and not real.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/number_text.h"
#include "checking/draw_archive.h"

namespace {

using namespace ordavex;

constexpr int kExitUsage = 2;
// A draw every five minutes: the draw number starts again each day.
constexpr int kDrawsPerDay = 288;

const char* const kUsage =
    "usage: ordavex_random_draws COUNT SEED YYYY-MM-DD\n"
    "  writes COUNT random draws to standard output, dated from the given day on\n";

struct Day {
    int year;
    int month;
    int day;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(const Day& date) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return date.month == 2 && IsLeapYear(date.year) ? 29 : kDays[date.month - 1];
}

void NextDay(Day& date) {
    if (++date.day <= DaysInMonth(date)) return;
    date.day = 1;
    if (++date.month <= 12) return;
    date.month = 1;
    ++date.year;
}

std::string DateText(const Day& date) {
    std::string text;
    AppendZeroPadded(text, date.day, 2);
    text += '/';
    AppendZeroPadded(text, date.month, 2);
    text += '/';
    AppendZeroPadded(text, date.year, 4);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    Day date{};
    if (argc != 4 || std::sscanf(argv[3], "%4d-%2d-%2d", &date.year, &date.month, &date.day) != 3 || date.month < 1 ||
        date.month > 12 || date.day < 1 || date.day > DaysInMonth(date)) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const long count = std::strtol(argv[1], nullptr, 10);
    const auto seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::mt19937 random(seed);
    std::vector<int> numbers(kHighestNumber);
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);

    std::cout << "# ESTRAZIONI CASUALI, NON REALI: " << count << " estrazioni generate a caso (seme " << seed
              << ")\r\n# da ordavex_random_draws, come esempio del formato di un archivio.\r\n"
              << "# Ogni riga: data, numero dell'estrazione nel giorno, i 20 numeri estratti.\r\n";
    int drawOfDay = 0;
    for (long i = 0; i < count; ++i) {
        if (drawOfDay == kDrawsPerDay) {
            drawOfDay = 0;
            NextDay(date);
        }
        ++drawOfDay;
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::sort(numbers.begin(), numbers.begin() + kNumbersPerDraw);
        std::string line = DateText(date) + " " + std::to_string(drawOfDay);
        for (int k = 0; k < kNumbersPerDraw; ++k) {
            line += ' ';
            AppendZeroPadded(line, numbers[static_cast<std::size_t>(k)], 2);
        }
        std::cout << line << "\r\n";
    }
    return 0;
}

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ordavex {

// The stake per combination, in euro cents: from 1 euro up to ten thousand, to the cent; the
// arrows of the stake field move it by half a euro.
constexpr std::int64_t kLowestStakeCents = 100;
constexpr std::int64_t kHighestStakeCents = 1'000'000;
constexpr std::int64_t kStakeStepCents = 50;

// The stake brought inside the allowed range.
std::int64_t AllowedStake(std::int64_t stakeCents);

// What playing `lines` combinations once costs at the stake, in cents. Whole cents, so no sum is
// ever off by a rounding; exact for any count of 32 bits at any allowed stake.
std::int64_t CostCents(std::int64_t lines, std::int64_t stakeCents);

// "Costo: 84 combinazioni × 1,00 € = 84,00 € a estrazione", and after a check over some draws a
// second line "Su 100 estrazioni: 8.400,00 €"; the second line is left out when the total
// would not fit in 64 bits of cents.
std::string CostPerDrawText(std::int64_t lines, std::int64_t stakeCents, std::int64_t draws);

// The cost of playing the lines at the stake on `draws` draws; none when it exceeds 64 bits.
std::optional<std::int64_t> CostCentsOver(std::int64_t lines, std::int64_t stakeCents, std::int64_t draws);

// A whole number written the Italian way, with "." between thousands: 32767 -> "32.767".
std::string ItalianCount(std::int64_t value);

// An amount of cents in euro, written the Italian way: 8400 -> "84,00 €", 123456789 -> "1.234.567,89 €".
std::string EuroText(std::int64_t cents);

// "Costo: 84 combinazioni × 1,00 € = 84,00 €" ("1 combinazione" for one).
std::string CostText(std::int64_t lines, std::int64_t stakeCents);

}  // namespace ordavex

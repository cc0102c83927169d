#pragma once

#include <cstdint>
#include <string>

#include "app/app_state.h"

namespace ordavex {

// Sorts the lines ascending as texts and keeps one line of every run of equal lines; returns how
// many were removed. Only identical texts are repeats: "1 2 3 4 5" and "01 02 03 04 05" both stay.
std::int32_t RemoveDuplicates(LineList& lines);

// "Rimossi n duplicati ..!", or "Nessun duplicato ..!" when none was removed.
std::string DuplicatesMessage(std::int32_t removed);

}  // namespace ordavex

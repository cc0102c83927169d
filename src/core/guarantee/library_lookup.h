#pragma once

#include <string>
#include <vector>

#include "guarantee/construction_catalog.h"

namespace ordavex {

// The matrices of some folders (sub-folders included) as the constructions ask for them: those
// made for exactly the play, without fixed numbers or a budget, read when asked. A file that
// cannot be read, or whose lines do not fit the play, gives nothing. The folders are listed once.
LibraryLookup LookupInFolders(const std::vector<std::string>& folders);

}  // namespace ordavex

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// Where a found matrix ended up in a folder of matrices.
struct KeptMatrix {
    std::string path;
    // A file of the same name with as few lines or fewer was there already and stays as it was.
    bool keptEarlier = false;
    std::uint64_t lines = 0;  // of the file at `path`
};

// Writes the lines as `name` into `folder` (made when missing) through the program's safe save, unless a readable
// file of that name with no more lines is there: a matrix is never replaced by a larger one.
// Throws OrdavexError when the file cannot be written; the folder is then as it was.
KeptMatrix KeepMatrixInFolder(const std::string& folder, const std::string& name, const std::vector<NumberMask>& lines);

}  // namespace ordavex

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/safe_file_writer.h"

namespace ordavex {

// The path with its file name (after the last "/" or "\") in capitals; the folders keep their
// letters, since on many file systems another case names another folder.
std::string WithCapitalFileName(std::string_view path);

// The file a save to the chosen path writes: the name in capitals when such a file exists, else
// the name exactly as chosen when that file exists (a file system that tells capitals apart
// holds it under that name only), else a new file with the name in capitals.
std::string SaveTargetPath(const std::string& chosen);

// Writes the lines, CR LF between them and none after the last, through the safe writer (see
// WriteFileSafely). Overwrite replaces what the file held; Append keeps it and writes one CR LF
// before the lines.
void WriteSystemFile(const std::string& path, const LineList& lines, SaveMode mode);

// "Salvate n combinazioni ..!" or "Accodate n combinazioni ..!".
std::string SavedMessage(SaveMode mode, std::int32_t count);

}  // namespace ordavex

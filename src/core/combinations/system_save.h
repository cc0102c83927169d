#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_state.h"

namespace ordavex {

enum class SaveMode { Overwrite, Append };

// The path with its file name (after the last "/" or "\") in capitals; the folders keep their
// letters, since on many file systems another case names another folder.
std::string WithCapitalFileName(std::string_view path);

// The length in bytes of the file at `path`, 0 when there is none. The file is not created.
// Throws OrdavexError when the path cannot be examined or names a folder.
std::uintmax_t SavedFileLength(const std::string& path);

// Writes the lines, CR LF between them and none after the last. Overwrite replaces what the
// file held; Append keeps it and writes one CR LF before the lines. Either way the new content
// is first written in full to a new file in the same folder, flushed and closed, and then takes
// the place of the old file in one rename: on any failure the old file stays byte for byte as it
// was, and OrdavexError carries the failure's number.
void WriteSystemFile(FileTable& files, const std::string& path, const LineList& lines, SaveMode mode);

// "Salvate n combinazioni ..!" or "Accodate n combinazioni ..!".
std::string SavedMessage(SaveMode mode, std::int32_t count);

}  // namespace ordavex

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/save_steps.h"

namespace ordavex {

// Overwrite replaces what a file held; Append keeps it and writes after it.
enum class SaveMode { Overwrite, Append };

// The length in bytes of the file at `path` (a link is followed), 0 when there is none. The
// file is not created. Throws OrdavexError when the path cannot be examined, names something
// other than a regular file (52), or names a file the user may not write (70).
std::uintmax_t ReplaceableFileLength(const std::string& path);

// Writes `text` into the file at `path`, whatever its format: in place of what it held
// (Overwrite) or after it (Append). A link is followed: the file it leads to is written, in its
// own folder.
//
// The new content is first written in full to a new file of its own beside the target, created
// exclusively under a random name, flushed to the disk, given the old file's permissions and
// owner, and then takes the old file's place in one rename: on any failure the old file stays
// byte for byte as it was, nothing is left beside it, and OrdavexError carries the failure's
// number. Once the folder's entries are flushed to the disk the write is done; if they cannot be,
// the old file (kept under a second name meanwhile, where the file system has them) takes its
// place again and the failure is reported. A file with several names (hard links) is written in
// place instead, so that every name keeps showing it: the new bytes that need new room on the
// disk are written first, so a full disk is met before any old byte changes. Pending files that
// an interrupted write left for the same name are removed first.
void WriteFileSafely(const std::string& path, std::string_view text, SaveMode mode);
// The same, taking the steps that make the write last through `steps`.
void WriteFileSafely(const std::string& path, std::string_view text, SaveMode mode, SaveSteps& steps);

// The name of a pending file for `target` with the given random part: hidden, made of the
// target's name cut (at a whole character) so that the result fits in `longestName` bytes.
std::string PendingFileName(const std::string& targetName, const std::string& randomPart, std::size_t longestName);

}  // namespace ordavex

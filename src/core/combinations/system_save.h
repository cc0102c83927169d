#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/save_steps.h"

namespace ordavex {

enum class SaveMode { Overwrite, Append };

// The path with its file name (after the last "/" or "\") in capitals; the folders keep their
// letters, since on many file systems another case names another folder.
std::string WithCapitalFileName(std::string_view path);

// The file a save to the chosen path writes: the name in capitals when such a file exists, else
// the name exactly as chosen when that file exists (a file system that tells capitals apart
// holds it under that name only), else a new file with the name in capitals.
std::string SaveTargetPath(const std::string& chosen);

// The length in bytes of the file at `path` (a link is followed), 0 when there is none. The
// file is not created. Throws OrdavexError when the path cannot be examined, names something
// other than a regular file (52), or names a file the user may not write (70).
std::uintmax_t SavedFileLength(const std::string& path);

// Writes the lines, CR LF between them and none after the last. Overwrite replaces what the
// file held; Append keeps it and writes one CR LF before the lines. A link is followed: the
// file it leads to is written, in its own folder.
//
// The new content is first written in full to a new file of its own beside the target, created
// exclusively under a random name, flushed to the disk, given the old file's permissions and
// owner, and then takes the old file's place in one rename: on any failure the old file stays
// byte for byte as it was, nothing is left beside it, and OrdavexError carries the failure's
// number. Once the folder's entries are flushed to the disk the save is done; if they cannot be,
// the old file (kept under a second name meanwhile, where the file system has them) takes its place
// again and the failure is reported. A file with several names (hard links) is written in place instead, so that every
// name keeps showing it: the new bytes that need new room on the disk are written first, so a
// full disk is met before any old byte changes. Pending files that an interrupted save left
// for the same name are removed first.
void WriteSystemFile(FileTable& files, const std::string& path, const LineList& lines, SaveMode mode);

// Writes `text` as WriteSystemFile writes a system's lines: after the old content and the
// text's own leading line end when appending, in its place when overwriting.
void SaveFileText(FileTable& files, const std::string& path, std::string_view text, SaveMode mode);
// The same, taking the steps that make the save last through `steps`.
void SaveFileText(FileTable& files, const std::string& path, std::string_view text, SaveMode mode, SaveSteps& steps);

// The name of a pending file for `target` with the given random part: hidden, made of the
// target's name cut (at a whole character) so that the result fits in `longestName` bytes.
std::string PendingFileName(const std::string& targetName, const std::string& randomPart, std::size_t longestName);

// "Salvate n combinazioni ..!" or "Accodate n combinazioni ..!".
std::string SavedMessage(SaveMode mode, std::int32_t count);

}  // namespace ordavex

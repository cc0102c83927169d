#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "app/work_progress.h"
#include "combinations/number_mask.h"
#include "lottery/draw_size.h"

namespace ordavex {

// One draw of an archive: its numbers, and the date and draw number written before them.
struct ArchiveDraw {
    NumberMask numbers;
    std::int32_t date = 0;         // yyyymmdd, 0 when the line gives none
    std::int64_t drawNumber = -1;  // -1 when the line gives none
};

// The readable name of a draw: its date and number ("07/12/2026 n. 123"), or its position in the
// archive ("estrazione 5") when the line gave neither.
std::string DrawLabel(const ArchiveDraw& draw, std::size_t position);

// What a window tells of a loaded archive: its name, how many draws it holds, the first and the
// last ("ARCHIVIO.TXT: 2 estrazioni\nprima: ...\nultima: ..."). `draws` is not empty.
std::string ArchiveSummary(const std::string& name, const std::vector<ArchiveDraw>& draws);

// The draws of an archive file in the file's order, or the reason it was refused. Every refusal
// but the empty archive names the line at fault.
struct ArchiveReading {
    std::vector<ArchiveDraw> draws;
    std::string error;       // empty when the archive was read
    int errorNumber = 0;     // a numbered failure of the file itself (not found, unreadable)
    bool cancelled = false;  // the user stopped the reading

    bool Ok() const { return error.empty() && errorNumber == 0 && !cancelled; }
};

// What an archive may hold, so that memory and time stay bounded whatever a file contains.
struct ArchiveLimits {
    std::size_t maxDraws = 1000000;
    std::size_t maxLineLength = 1024;  // comment lines may be longer: they are skipped unread
};

// Reads an archive: one draw per line, the 20 numbers separated by blanks, tabs, commas or
// semicolons, optionally preceded by a date (dd/mm/yyyy or yyyy-mm-dd) and a draw number, in
// either order. A draw number stands next to the date or is written "n.123". Blank lines and
// lines starting with "#" are skipped; lines end at LF or CR LF. Strict: the first malformed line
// refuses the whole archive.
ArchiveReading ReadDrawArchive(std::istream& input, const ArchiveLimits& limits = {});
// The same from a file, opened through the program's table of open files; a file that cannot be
// opened or read gives its error number. With `progress`, the reading counts in it, and a cancel
// ends it with `cancelled` and no draws.
ArchiveReading ReadDrawArchiveFile(const std::string& path, const ArchiveLimits& limits = {},
                                   WorkProgress* progress = nullptr);

}  // namespace ordavex

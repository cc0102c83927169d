#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/work_progress.h"

namespace ordavex {

// How a combination file is taken apart. A line ends at CR LF, a lone CR or a lone LF; an item
// also ends at a comma, and the spaces at its start are not part of it.
enum class CombinationUnit { Line, Item };

// Receives the lines or items of a file. Returning false from Append or End stops the reading.
class UnitConsumer {
public:
    virtual ~UnitConsumer() = default;
    virtual void Begin() = 0;
    // The bytes of the current unit (at most kLongestLine), all at once.
    virtual bool Append(std::string_view bytes) = 0;
    virtual bool End() = 0;
};

// The longest line a combination file may hold, in bytes, line end excluded. Ten numbers with
// any separators take a few dozen; the bound keeps a hostile file from costing memory and time.
constexpr std::size_t kLongestLine = 4096;

// Reads a file from start to end in fixed-size chunks, so that a file of any size or content
// is read in constant memory, and hands its units to the consumer. A line longer than
// kLongestLine stops the reading with OrdavexError 100 (the combination's length) before any
// unit of it is handed over. A unit that holds nothing
// (an empty line, or an item of spaces only) is not handed over. The file is opened through the
// file table and closed before returning; a file that cannot be opened or read throws
// OrdavexError with its error number. With `progress`, every chunk read is added to it, and a
// cancel stops the reading with WorkCancelled.
void ReadCombinationUnits(const std::string& path, CombinationUnit unit, UnitConsumer& consumer,
                          WorkProgress* progress = nullptr);

}  // namespace ordavex

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checking/draw_archive.h"

namespace ordavex {

// Reads an archive handed over in pieces of any size, keeping at most one line and the draws
// read so far. After the first fault it ignores the rest.
class DrawArchiveParser {
public:
    explicit DrawArchiveParser(const ArchiveLimits& limits) : limits_(limits) {}

    void Feed(const char* bytes, std::size_t size);
    bool Failed() const { return !error_.empty(); }
    // Ends the input: reads a last line without line end and hands the outcome over.
    ArchiveReading Finish();

private:
    void AddToLine(const char* from, const char* to);
    void EndLine();
    void ReadLine();
    void Fail(const std::string& reason);

    ArchiveLimits limits_;
    std::vector<ArchiveDraw> draws_;
    std::string line_;
    std::vector<std::string_view> pieces_;
    std::size_t lineNumber_ = 1;
    bool seenContent_ = false;  // the line holds more than blanks
    bool inComment_ = false;
    bool tooLong_ = false;
    std::string error_;
};

}  // namespace ordavex

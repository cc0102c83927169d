#include "combinations/system_save.h"

#include <system_error>

#include "app/native_file.h"
#include "app/safe_file_writer.h"
#include "combinations/capital_letters.h"

namespace ordavex {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSavedOpening = "Salvate ";
constexpr const char* kAppendedOpening = "Accodate ";
constexpr const char* kSavedClosing = " combinazioni ..!";

std::string JoinedLines(const LineList& lines, SaveMode mode) {
    std::size_t size = mode == SaveMode::Append ? 2 : 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    if (mode == SaveMode::Append) text += kLineEnd;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += kLineEnd;
        text += lines[i];
    }
    return text;
}

}  // namespace

std::string WithCapitalFileName(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    const std::size_t nameAt = separator == std::string_view::npos ? 0 : separator + 1;
    return std::string(path.substr(0, nameAt)) + ToCapitals(path.substr(nameAt));
}

std::string SaveTargetPath(const std::string& chosen) {
    const std::string capitalised = WithCapitalFileName(chosen);
    try {
        if (ExaminePath(capitalised).exists) return capitalised;
        if (ExaminePath(chosen).exists) return chosen;
    } catch (const std::system_error&) {
        // The save itself meets the same failure and reports it.
    }
    return capitalised;
}

void WriteSystemFile(const std::string& path, const LineList& lines, SaveMode mode) {
    WriteFileSafely(path, JoinedLines(lines, mode), mode);
}

std::string SavedMessage(SaveMode mode, std::int32_t count) {
    return (mode == SaveMode::Append ? kAppendedOpening : kSavedOpening) + std::to_string(count) + kSavedClosing;
}

}  // namespace ordavex

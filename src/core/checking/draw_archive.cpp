#include "checking/draw_archive.h"

#include <cerrno>
#include <cstdio>

#include "app/error_number.h"
#include "app/file_table.h"
#include "app/number_text.h"
#include "checking/draw_archive_parser.h"

namespace ordavex {

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

std::string DateText(std::int32_t date) {
    std::string text;
    AppendZeroPadded(text, date % 100, 2);
    text += '/';
    AppendZeroPadded(text, date / 100 % 100, 2);
    text += '/';
    AppendZeroPadded(text, date / 10000, 4);
    return text;
}

}  // namespace

std::string DrawLabel(const ArchiveDraw& draw, std::size_t position) {
    std::string label;
    if (draw.date != 0) label = DateText(draw.date);
    if (draw.drawNumber >= 0) {
        if (!label.empty()) label += ' ';
        label += "n. " + std::to_string(draw.drawNumber);
    }
    return label.empty() ? "estrazione " + std::to_string(position) : label;
}

std::string ArchiveSummary(const std::string& name, const std::vector<ArchiveDraw>& draws) {
    const std::size_t count = draws.size();
    return name + ": " + std::to_string(count) + (count == 1 ? " estrazione" : " estrazioni") +
           "\nprima: " + DrawLabel(draws.front(), 1) + "\nultima: " + DrawLabel(draws.back(), count);
}

ArchiveReading ReadDrawArchive(std::istream& input, const ArchiveLimits& limits) {
    DrawArchiveParser parser(limits);
    std::string chunk(kChunkSize, '\0');
    while (!parser.Failed() && input) {
        input.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        parser.Feed(chunk.data(), static_cast<std::size_t>(input.gcount()));
    }
    if (input.bad()) {
        ArchiveReading failed;
        failed.errorNumber = kErrDeviceUnavailable;
        return failed;
    }
    return parser.Finish();
}

ArchiveReading ReadDrawArchiveFile(const std::string& path, const ArchiveLimits& limits, WorkProgress* progress) {
    ArchiveReading failed;
    if (progress != nullptr) progress->ExpectFile(path);
    FileTable files;
    OpenFile file = files.Open(path, "rb");
    if (!file.IsOpen()) {
        failed.errorNumber = ErrorNumberForErrno(errno, path);
        return failed;
    }
    DrawArchiveParser parser(limits);
    std::string chunk(kChunkSize, '\0');
    try {
        while (!parser.Failed()) {
            const std::size_t read = std::fread(chunk.data(), 1, chunk.size(), file.Stream());
            if (progress != nullptr) progress->Advance(read);
            parser.Feed(chunk.data(), read);
            if (read < chunk.size()) break;
        }
    } catch (const WorkCancelled&) {
        failed.cancelled = true;
        return failed;
    }
    if (std::ferror(file.Stream()) != 0) {
        failed.errorNumber = kErrDeviceUnavailable;
        return failed;
    }
    file.Close();
    return parser.Finish();
}

}  // namespace ordavex

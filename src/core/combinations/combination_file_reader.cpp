#include "combination_file_reader.h"

#include <cerrno>
#include <memory>
#include <string>

#include "app/error_number.h"
#include "app/file_table.h"

namespace ordavex {

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

// Gathers each line (at most kLongestLine bytes) and hands over its units once the line is
// complete, so that a line beyond the bound is refused before any of it counts, wherever the
// chunks happen to cut it. It splits on its own, not through ForEachPiece, because a line ends
// at any of three line ends (CR LF, CR, LF) and arrives in chunks that may cut it anywhere.
class UnitSplitter {
public:
    UnitSplitter(CombinationUnit unit, UnitConsumer& consumer)
        : items_(unit == CombinationUnit::Item), consumer_(consumer) {}

    // Takes the next chunk of the file; false when the consumer has asked to stop.
    bool Take(std::string_view chunk) {
        std::size_t pos = 0;
        if (afterCarriageReturn_ && !chunk.empty()) {
            afterCarriageReturn_ = false;
            if (chunk.front() == '\n') pos = 1;
        }
        while (pos < chunk.size()) {
            std::size_t end = pos;
            while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') ++end;
            const std::string_view piece = chunk.substr(pos, end - pos);
            if (line_.size() + piece.size() > kLongestLine) throw OrdavexError(kErrBadLength);
            if (end == chunk.size()) {
                line_.append(piece);
                return true;
            }
            bool going = true;
            if (line_.empty()) {
                going = DeliverLine(piece);
            } else {
                line_.append(piece);
                going = DeliverLine(line_);
                line_.clear();
            }
            if (!going) return false;
            pos = SkipLineEnd(chunk, end);
        }
        return true;
    }

    // The file has ended.
    void Finish() {
        if (!line_.empty()) DeliverLine(line_);
        line_.clear();
    }

private:
    bool DeliverLine(std::string_view line) {
        if (!items_) return line.empty() || Deliver(line);
        while (true) {
            const std::size_t comma = line.find(',');
            std::string_view item = line.substr(0, comma);
            const std::size_t start = item.find_first_not_of(' ');
            item.remove_prefix(start == std::string_view::npos ? item.size() : start);
            if (!item.empty() && !Deliver(item)) return false;
            if (comma == std::string_view::npos) return true;
            line.remove_prefix(comma + 1);
        }
    }

    bool Deliver(std::string_view unit) {
        consumer_.Begin();
        return consumer_.Append(unit) && consumer_.End();
    }

    // Steps over the line end at `pos`; the LF of a CR LF pair belongs to the same end, even when
    // the pair is split between two chunks.
    std::size_t SkipLineEnd(std::string_view chunk, std::size_t pos) {
        const char end = chunk[pos++];
        if (end == '\r') {
            if (pos == chunk.size()) {
                afterCarriageReturn_ = true;
            } else if (chunk[pos] == '\n') {
                ++pos;
            }
        }
        return pos;
    }

    const bool items_;
    UnitConsumer& consumer_;
    // The start of a line that the chunk cut.
    std::string line_;
    bool afterCarriageReturn_ = false;
};

int ErrorNumberOfFailedCall(const std::string& path) {
    // A failure that left no reason behind is still a failure of the device.
    return ErrorNumberForErrno(errno != 0 ? errno : EIO, path);
}

}  // namespace

void ReadCombinationUnits(const std::string& path, CombinationUnit unit, UnitConsumer& consumer,
                          WorkProgress* progress) {
    // A table of its own: whatever way the reading ends, leaving this function closes the file.
    FileTable files;
    OpenFile file = files.Open(path, "rb");
    if (!file.IsOpen()) throw OrdavexError(ErrorNumberOfFailedCall(path));
    // Left uninitialised: every byte used has been read first.
    const std::unique_ptr<char[]> buffer(new char[kChunkSize]);
    UnitSplitter splitter(unit, consumer);
    while (true) {
        errno = 0;
        const std::size_t got = std::fread(buffer.get(), 1, kChunkSize, file.Stream());
        if (progress != nullptr) progress->Advance(got);
        if (got > 0 && !splitter.Take(std::string_view(buffer.get(), got))) return;
        if (got < kChunkSize) {
            if (std::ferror(file.Stream()) != 0) throw OrdavexError(ErrorNumberOfFailedCall(path));
            if (std::feof(file.Stream()) != 0) break;
        }
    }
    splitter.Finish();
}

}  // namespace ordavex

#include "combination_file_reader.h"

#include <array>
#include <cerrno>
#include <memory>
#include <string>

#include "app/error_number.h"

namespace ordavex {

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

class UnitSplitter {
public:
    UnitSplitter(CombinationUnit unit, UnitConsumer& consumer) : items_(unit == CombinationUnit::Item), consumer_(consumer) {
        isUnitEnd_['\r'] = true;
        isUnitEnd_['\n'] = true;
        isUnitEnd_[','] = items_;
    }

    // Takes the next chunk of the file; false when the consumer has asked to stop.
    bool Take(std::string_view chunk) {
        std::size_t pos = 0;
        if (afterCarriageReturn_ && !chunk.empty()) {
            afterCarriageReturn_ = false;
            if (chunk.front() == '\n') pos = 1;
        }
        while (pos < chunk.size()) {
            if (!inUnit_) {
                if (items_) {
                    while (pos < chunk.size() && chunk[pos] == ' ') ++pos;
                    if (pos == chunk.size()) return true;
                }
                inUnit_ = !IsUnitEnd(chunk[pos]);
            }
            std::size_t end = pos;
            if (inUnit_) {
                while (end < chunk.size() && !IsUnitEnd(chunk[end])) ++end;
                const std::string_view piece = chunk.substr(pos, end - pos);
                // Measured before any of it is handed over, so that the outcome is that of the
                // whole unit, wherever the chunks happen to cut it.
                if (pending_.size() + piece.size() > kLongestUnit) throw OrdavexError(kErrBadLength);
                if (end == chunk.size()) {
                    pending_.append(piece);
                    return true;
                }
                inUnit_ = false;
                if (pending_.empty()) {
                    if (!Deliver(piece)) return false;
                } else {
                    pending_.append(piece);
                    if (!Deliver(pending_)) return false;
                    pending_.clear();
                }
            }
            pos = SkipUnitEnd(chunk, end);
        }
        return true;
    }

    // The file has ended.
    void Finish() {
        if (inUnit_) {
            inUnit_ = false;
            Deliver(pending_);
        }
    }

private:
    bool Deliver(std::string_view unit) {
        consumer_.Begin();
        return consumer_.Append(unit) && consumer_.End();
    }

    bool IsUnitEnd(char c) const { return isUnitEnd_[static_cast<unsigned char>(c)]; }

    // Steps over the end at `pos`; the LF of a CR LF pair belongs to the same end, even when the
    // pair is split between two chunks.
    std::size_t SkipUnitEnd(std::string_view chunk, std::size_t pos) {
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
    std::array<bool, 256> isUnitEnd_{};
    UnitConsumer& consumer_;
    bool inUnit_ = false;
    // The start of a unit that the chunk cut; at most kLongestUnit bytes.
    std::string pending_;
    bool afterCarriageReturn_ = false;
};

int ErrorNumberOfFailedCall(const std::string& path) {
    // A failure that left no reason behind is still a failure of the device.
    return ErrorNumberForErrno(errno != 0 ? errno : EIO, path);
}

}  // namespace

void ReadCombinationUnits(FileTable& files, const std::string& path, CombinationUnit unit, UnitConsumer& consumer) {
    OpenFile file = files.Open(path, "rb");
    if (!file.IsOpen()) throw OrdavexError(ErrorNumberOfFailedCall(path));
    // Left uninitialised: every byte used has been read first.
    const std::unique_ptr<char[]> buffer(new char[kChunkSize]);
    UnitSplitter splitter(unit, consumer);
    while (true) {
        errno = 0;
        const std::size_t got = std::fread(buffer.get(), 1, kChunkSize, file.Stream());
        if (got > 0 && !splitter.Take(std::string_view(buffer.get(), got))) return;
        if (got < kChunkSize) {
            if (std::ferror(file.Stream()) != 0) throw OrdavexError(ErrorNumberOfFailedCall(path));
            if (std::feof(file.Stream()) != 0) break;
        }
    }
    splitter.Finish();
}

}  // namespace ordavex

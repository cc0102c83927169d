#include "app/native_file.h"

#include <system_error>
#include <utility>

namespace ordavex {

NativeFile::NativeFile(NativeFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        try {
            Close();
        } catch (const std::system_error&) {
        }
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

NativeFile::~NativeFile() {
    try {
        Close();
    } catch (const std::system_error&) {
    }
}

}  // namespace ordavex

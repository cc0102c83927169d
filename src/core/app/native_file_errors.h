#pragma once

#include <cerrno>
#include <cstddef>
#include <system_error>

namespace ordavex::native_file_detail {

// The platform's reason, or EIO where it gave none.
[[noreturn]] inline void ThrowErrno(int error) {
    throw std::system_error(error != 0 ? error : EIO, std::generic_category());
}

// What a file name may hold where the system cannot tell.
constexpr std::size_t kFallbackLongestName = 255;

}  // namespace ordavex::native_file_detail

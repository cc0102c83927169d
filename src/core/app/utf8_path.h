#pragma once

#include <filesystem>
#include <string>

namespace ordavex {

// Paths travel through the program as UTF-8 text; the file system wants them in its own form.
inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace ordavex

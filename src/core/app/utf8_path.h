#pragma once

#include <filesystem>
#include <string>

namespace ordavex {

// Paths travel through the program as UTF-8 text; the file system wants them in its own form.
inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace ordavex

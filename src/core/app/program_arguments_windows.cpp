// Windows hands a program its arguments in the ANSI code page, where a name outside it is lost;
// the wide command line holds them whole. CMake builds this file there.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "app/program_arguments.h"

namespace ordavex {

namespace {

std::string Utf8Of(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string converted(static_cast<std::size_t>(size - 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    return converted;
}

}  // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8Of(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace ordavex

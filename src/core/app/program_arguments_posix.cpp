// POSIX systems pass arguments as the bytes the user typed, UTF-8 on every system the program
// supports; CMake builds this file there.
#include "app/program_arguments.h"

namespace ordavex {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace ordavex

#pragma once

#include <string>
#include <vector>

namespace ordavex {

// The arguments a console program was started with, after the program's own name, as UTF-8 text
// whatever the platform's code page (on Windows they are read again as the system passed them,
// in UTF-16), with the console's output made UTF-8 too, so that names with accents travel whole.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace ordavex

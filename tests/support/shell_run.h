#pragma once

#include <string>

namespace ordavex::test {

struct ShellOutcome {
    int status = -1;     // the exit status, or -1 when a signal ended the command
    std::string output;  // standard output and error together
};

// Runs a command through the shell, as users start programs.
ShellOutcome RunShell(const std::string& command);

}  // namespace ordavex::test

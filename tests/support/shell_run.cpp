#include "shell_run.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace ordavex::test {

ShellOutcome RunShell(const std::string& command) {
    ShellOutcome outcome;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return outcome;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) outcome.output += buffer.data();
    const int raw = pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

}  // namespace ordavex::test

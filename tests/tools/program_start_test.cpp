// Starts the program itself where it cannot open a window.

#include <gtest/gtest.h>

#include <string>

#include "shell_run.h"

namespace ordavex {
namespace {

// Without a display Qt ends with an abort and a hint to reinstall; the program leaves with status 1
// and says what is missing.
TEST(ProgramStart, WithoutADisplayItLeavesWithAMessageInsteadOfAnAbort) {
    const test::ShellOutcome outcome = test::RunShell(
        "env -u WAYLAND_DISPLAY DISPLAY=unix:/nonexistent/display QT_QPA_PLATFORM=xcb '" ORDAVEX_PROGRAM "'");
    EXPECT_EQ(outcome.status, 1) << outcome.output;
    EXPECT_NE(outcome.output.find("could not connect to display"), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("Ordavex non può aprire le sue finestre"), std::string::npos) << outcome.output;
}

}  // namespace
}  // namespace ordavex

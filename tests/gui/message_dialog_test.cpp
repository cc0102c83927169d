#include <gtest/gtest.h>

#include "dialogs/message_dialog.h"
#include "gui_harness.h"

namespace ordavex {
namespace {

TEST(MessageDialogSmoke, OkYieldsOne) {
    AppState state;
    test::ModalScript script;
    script.AcknowledgeMessage();
    EXPECT_EQ(ShowMessage(state, nullptr, "Ciao"), 1);
    EXPECT_EQ(script.texts, QStringList{"Ciao"});
}

}  // namespace
}  // namespace ordavex

#include <gtest/gtest.h>

#include "gui_harness.h"
#include "update/update_address.h"

namespace ordavex {
namespace {

TEST(UpdateButton, EachPressHandsTheArchiveAddressToTheOpenerAndShowsNothing) {
    test::MainWindowFixture f;
    f.state.ReplaceSystem({"01 02 03 04 05"});
    test::ModalScript script;
    const std::string expected = std::string("https://") + ORDAVEX_UPDATE_HOST + "/update/ordavex.zip";

    f.Click("cmdAggiornamenti");
    EXPECT_EQ(f.urls.addresses, std::vector<std::string>{expected});
    f.Click("cmdAggiornamenti");
    EXPECT_EQ(f.urls.addresses, (std::vector<std::string>{expected, expected}));

    EXPECT_TRUE(script.texts.isEmpty());
    EXPECT_EQ(f.state.SystemCount, 1);
    EXPECT_TRUE(f.files.requests.empty());
}

}  // namespace
}  // namespace ordavex

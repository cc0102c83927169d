#include <gtest/gtest.h>

#include "update/update_address.h"

namespace ordavex {
namespace {

TEST(UpdateAddress, HostIsAPlainNonEmptyName) {
    const std::string host = ORDAVEX_UPDATE_HOST;
    EXPECT_FALSE(host.empty());
    EXPECT_EQ(host.find_first_of("/ ?#"), std::string::npos) << host;
}

}  // namespace
}  // namespace ordavex

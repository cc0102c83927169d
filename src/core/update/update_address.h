#pragma once

#include <string>

namespace ordavex {

// The fixed HTTPS address of the update archive on the maker's server.
std::string UpdateAddress();

}  // namespace ordavex

#include "update/update_address.h"

// The build names the host (its default stands in cmake/update_host.cmake).
#ifndef ORDAVEX_UPDATE_HOST
#error "ORDAVEX_UPDATE_HOST must name the host of the update archive"
#endif

namespace ordavex {

namespace {
constexpr const char* kUpdateScheme = "https://";
constexpr const char* kUpdatePath = "/update/ordavex.zip";
}  // namespace

std::string UpdateAddress() { return std::string(kUpdateScheme) + ORDAVEX_UPDATE_HOST + kUpdatePath; }

}  // namespace ordavex

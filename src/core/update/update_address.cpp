#include "update/update_address.h"

#ifndef ORDAVEX_UPDATE_HOST
#define ORDAVEX_UPDATE_HOST "aggiornamenti.ordavex.it"
#endif

namespace ordavex {

namespace {
constexpr const char* kUpdateScheme = "https://";
constexpr const char* kUpdatePath = "/update/ordavex.zip";
}  // namespace

std::string UpdateAddress() { return std::string(kUpdateScheme) + ORDAVEX_UPDATE_HOST + kUpdatePath; }

}  // namespace ordavex

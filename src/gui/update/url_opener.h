#pragma once

#include <string>

namespace ordavex {

// Hands an address to the desktop, which lets the user download or view it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void OpenUrl(const std::string& address) = 0;
};

}  // namespace ordavex

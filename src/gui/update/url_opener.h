#pragma once

#include <string>

namespace ordavex {

// Hands an address to the desktop, which lets the user download or view it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the desktop refused the address (no browser, no handler for it): then nobody
    // shows the user anything unless the caller does.
    virtual bool OpenUrl(const std::string& address) = 0;
};

}  // namespace ordavex

#pragma once

#include "update/url_opener.h"

namespace ordavex {

// The desktop's own handler for addresses (the user's web browser).
class QtUrlOpener : public UrlOpener {
public:
    bool OpenUrl(const std::string& address) override;
};

}  // namespace ordavex

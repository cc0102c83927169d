#pragma once

#include "app/error_number.h"

namespace ordavex::test {

// The error number an action throws, 0 when it succeeds.
template <typename Action>
int ErrorOf(Action action) {
    try {
        action();
    } catch (const OrdavexError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace ordavex::test

#pragma once

#include <cstdint>
#include <string_view>

namespace ordavex {

// A token of a combination converted to a number: `error` is 0 on success, otherwise the
// error number that tells why the token is not a 16-bit number.
struct NumberToken {
    int error = 0;
    std::int16_t value = 0;
};

// Converts an optionally signed run of decimal digits ("7", "07", "-3", "+12") to a 16-bit
// signed number. Anything else, the empty token included, is a type mismatch (13); a value
// outside -32768..32767 is an overflow (6). Leading zeros do not count towards the range.
NumberToken ConvertNumberToken(std::string_view token);

}  // namespace ordavex

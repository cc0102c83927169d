#include "app/number_text.h"

namespace ordavex {

void AppendZeroPadded(std::string& text, std::int64_t value, int digits) {
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    if (value < 0) text += '-';
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int zeros = digits - count; zeros > 0; --zeros) text += '0';
    while (count > 0) text += reversed[--count];
}

std::string ZeroPadded(std::int64_t value, int digits) {
    std::string text;
    AppendZeroPadded(text, value, digits);
    return text;
}

}  // namespace ordavex

#pragma once
// Reading of decimal numbers as the program reads typed text and file fields:
// leading white space (space, tab, CR, LF, VT, FF) is skipped, then an optional
// sign and decimal digits. Values beyond 32 bits saturate at the 32-bit limits.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace veltrano {

struct NumberRead {
    std::int32_t value = 0; // 0 when no digits were found
    std::size_t end = 0;    // index just past the last character read (0 without digits)
    bool hasDigits = false;
};

// Reads a number at the start of text. Never reads past the end of text.
NumberRead readNumber(std::string_view text);

// The value of readNumber, 0 when the text holds no leading number.
inline std::int32_t readInt(std::string_view text) {
    return readNumber(text).value;
}

// True for the characters that number reading skips before a number.
constexpr bool isNumberSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace veltrano

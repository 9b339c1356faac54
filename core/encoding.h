#pragma once
// Text encodings. The program's narrow strings are UTF-8; files written on the
// original platform are Windows-1252. A line that is not valid UTF-8 is taken to
// be Windows-1252 and converted.

#include <string>
#include <string_view>

namespace veltrano {

bool isValidUtf8(std::string_view text);

// Converts Windows-1252 bytes to UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string windows1252ToUtf8(std::string_view text);

// Converts UTF-8 to Windows-1252; characters the code page lacks become '?'.
// Invalid UTF-8 bytes are passed through unchanged.
std::string utf8ToWindows1252(std::string_view text);

// The line as UTF-8: unchanged when it is valid UTF-8, else read as Windows-1252.
std::string decodeLegacyLine(std::string_view line);

} // namespace veltrano

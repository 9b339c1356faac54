#include "document/calendar_limits.h"

namespace veltrano {

std::string_view drawnPart(std::string_view text) {
    if (text.size() <= kMaxDrawnTextBytes)
        return text;
    std::size_t end = kMaxDrawnTextBytes;
    // Step back over continuation bytes so that no character is cut in two.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace veltrano

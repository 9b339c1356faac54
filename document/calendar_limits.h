#pragma once
// Sizes beyond which a calendar is not worth the memory and time it would cost.
// A real calendar file is a few kilobytes; a page shows a few hundred characters
// per text at most.

#include <cstddef>
#include <string_view>

namespace veltrano {

// A ".cal" file longer than this is refused like a file that is no calendar.
inline constexpr std::size_t kMaxCalendarFileBytes = 64u * 1024 * 1024;

// Of a longer text only this much is laid out and drawn; the document and the
// file keep the whole text.
inline constexpr std::size_t kMaxDrawnTextBytes = 64u * 1024;

// The part of a UTF-8 text that is drawn: all of it up to kMaxDrawnTextBytes,
// else the longest prefix within that size that ends between two characters.
std::string_view drawnPart(std::string_view text);

} // namespace veltrano

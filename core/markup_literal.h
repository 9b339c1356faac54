#pragma once
// Putting text that did not come from the program (file names, paths, texts of
// a calendar, data of the sibling products, imported files) into markup so that
// both markup engines show it exactly as it is.
//
// The markup language reads "<" as the start of a tag, and the rich message
// engine turns words such as "www.example.org" or "mailto:a@b.c" into links.
// Two tags, understood by both engines, keep outside text out of that:
// - "<lt>" draws a literal "<";
// - "<nolink>" ... "</nolink>" marks a span whose words never become links.
// Every place that formats outside text into a message or label passes it
// through markupLiteral first.

#include <string>
#include <string_view>

namespace veltrano {

inline constexpr std::string_view kMarkupLessThanTag = "<lt>";
inline constexpr std::string_view kMarkupNoLinkTag = "<nolink>";
inline constexpr std::string_view kMarkupNoLinkEndTag = "</nolink>";

// The markup that shows `text` verbatim: every "<" written as "<lt>", and the
// whole inside a no-link span when any part of it could make a link ("www.",
// "://", "mailto:", "@"). A text without "<" and without those stays as it is.
std::string markupLiteral(std::string_view text);

} // namespace veltrano

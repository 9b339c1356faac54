#pragma once
// What a markup text says, without its tags: the text a screen reader reads
// for a message or label. "<lt>" comes back as "<", line breaks and rules as
// line breaks, tabs as blanks; pictures, colours and emphasis leave nothing.
// Runs of blanks are folded into one and lines are trimmed.

#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

// For texts of the rich message engine (messages, scrolling panels).
std::string richMarkupPlainText(std::string_view markup);
// For texts of the label engine (headings, one-line labels).
std::string labelMarkupPlainText(std::string_view markup);
// The words of a label's link ("<link>" up to "</link>"), or nullopt when the
// label has no complete link.
std::optional<std::string> labelMarkupLinkText(std::string_view markup);
// For a report list row: its leading look prefixes ("<red>", "<line>",
// "<group>") dropped, cells (tabs) and lines joined by blanks.
std::string listRowPlainText(std::string_view row);

} // namespace veltrano

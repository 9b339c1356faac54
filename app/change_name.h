#pragma once
// Names of undo steps: the one thing a change touched, in the current language
// ("Tagestext 14. Februar", "Bildtext März", "Jahr 2027"), or the name of the
// command that made it when it touched more than one thing.
#include "document/calendar_document.h"

#include <string>

namespace veltrano {

// String numbers of the step names and of the commands that make changes.
namespace change_text {
inline constexpr int kDayText = 29804;   // "Tagestext %d. %s": day, month name
inline constexpr int kDayColour = 29805; // "Tagesfarbe %d. %s"
inline constexpr int kCaption = 29806;   // "Bildtext %s": month name
inline constexpr int kPhoto = 29807;     // "Foto %s"
inline constexpr int kTitleText = 29808;
inline constexpr int kTitlePhoto = 29809;
inline constexpr int kHolidays = 29810;
inline constexpr int kRegion = 29811;
inline constexpr int kDayFrames = 29812;
inline constexpr int kFontSize = 29813;
inline constexpr int kMargins = 29814;
inline constexpr int kYear = 29815; // "Jahr %d"
inline constexpr int kEditSheet = 29816;
inline constexpr int kMultiDay = 29817;
inline constexpr int kBirthdays = 29818;
inline constexpr int kClearAll = 29819;
inline constexpr int kCrop = 29879; // "Bildausschnitt %s": month name
inline constexpr int kTitleCrop = 29880;
} // namespace change_text

// The step's name for the change from before to after; commandName when more
// than one thing (or nothing) changed.
std::string changeName(const CalendarDocument& before, const CalendarDocument& after,
                       const std::string& commandName);

} // namespace veltrano

#pragma once
// What a screen reader says for the main view's thumbnails, in the current
// language: the name is what the thumbnail shows large ("Januar 2027",
// "Titelseite 2027"), the description what it shows small (the caption and how
// many days carry a text, or the title text).
#include <cstdint>
#include <string>

namespace veltrano {

class CVeltranoCtrl;

struct AccessibleText {
    std::string name;
    std::string description;
};

AccessibleText monthThumbnailText(const CVeltranoCtrl& page);
AccessibleText titleThumbnailText(std::int32_t year, const std::string& titleText);

} // namespace veltrano

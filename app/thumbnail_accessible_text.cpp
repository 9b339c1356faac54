#include "app/thumbnail_accessible_text.h"

#include "core/date_text.h"
#include "core/strings.h"
#include "render/veltrano_ctrl.h"

#include <algorithm>

namespace veltrano {
namespace {

constexpr int kDaysWithText = 29920;
constexpr int kTitlePageName = 29822;

bool hasVisibleText(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") != std::string::npos;
}

} // namespace

AccessibleText monthThumbnailText(const CVeltranoCtrl& page) {
    const DateValue& month = page.pageMonth;
    const auto days = std::min<std::size_t>(
        page.dayTexts.size(), static_cast<std::size_t>(daysInMonth(month.month, month.year)));
    const auto withText =
        std::count_if(page.dayTexts.begin(), page.dayTexts.begin() + days, hasVisibleText);
    AccessibleText text;
    text.name = monthName(month.month - 1) + " " + std::to_string(month.year);
    if (hasVisibleText(page.caption))
        text.description = page.caption + ". ";
    text.description += formatString(kDaysWithText, {static_cast<std::int64_t>(withText)});
    return text;
}

AccessibleText titleThumbnailText(std::int32_t year, const std::string& titleText) {
    return {loadString(kTitlePageName) + " " + std::to_string(year), titleText};
}

} // namespace veltrano

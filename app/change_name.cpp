#include "app/change_name.h"

#include "core/date_text.h"
#include "core/strings.h"

namespace veltrano {
namespace {

using namespace change_text;

// Collects one name per changed thing; stops caring after the second.
class ChangeList {
  public:
    void add(bool changed, int text, std::initializer_list<FormatArg> args = {}) {
        if (!changed)
            return;
        if (count_++ == 0)
            name_ = formatString(text, args);
    }
    bool single() const { return count_ == 1; }
    const std::string& name() const { return name_; }

  private:
    int count_ = 0;
    std::string name_;
};

void addDayChanges(ChangeList& list, const CalendarDocument& a, const CalendarDocument& b) {
    for (int m = 0; m < kMonthCount; ++m)
        for (int d = 0; d < kDaySlotCount; ++d) {
            const bool text = a.dayText[m][d] != b.dayText[m][d];
            const bool colour = a.dayColour[m][d] != b.dayColour[m][d];
            // A day whose text and colour both changed is one change, named by its text.
            list.add(text || colour, text ? kDayText : kDayColour,
                     {std::int64_t{d + 1}, monthName(m)});
        }
}

} // namespace

std::string changeName(const CalendarDocument& before, const CalendarDocument& after,
                       const std::string& commandName) {
    ChangeList list;
    addDayChanges(list, before, after);
    for (int m = 0; m < kMonthCount; ++m) {
        list.add(before.monthText[m] != after.monthText[m], kCaption, {monthName(m)});
        // A new photo drops its chosen part: one change, named by the photo.
        const bool photo = before.monthPhoto[m] != after.monthPhoto[m];
        list.add(photo || before.photoCrop[m] != after.photoCrop[m], photo ? kPhoto : kCrop,
                 {monthName(m)});
    }
    list.add(before.titleText != after.titleText, kTitleText);
    const bool titlePhoto = before.titlePhoto != after.titlePhoto;
    list.add(titlePhoto || before.photoCrop[kTitlePhotoPage] != after.photoCrop[kTitlePhotoPage],
             titlePhoto ? kTitlePhoto : kTitleCrop);
    list.add(before.showHolidays != after.showHolidays, kHolidays);
    list.add(before.region != after.region, kRegion);
    list.add(before.dayFrames != after.dayFrames, kDayFrames);
    list.add(before.fontSize != after.fontSize, kFontSize);
    list.add(before.margins != after.margins, kMargins);
    list.add(before.year != after.year, kYear, {std::int64_t{after.year}});
    return list.single() ? list.name() : commandName;
}

} // namespace veltrano

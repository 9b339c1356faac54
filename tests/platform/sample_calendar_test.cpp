// The calendar the program ships must open, and every photo it names must decode
// from the program folder, where the program runs.

#include "document/cal_reader.h"
#include "document/calendar_document.h"
#include "platform/qt_image_decoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace veltrano {
namespace {

const std::filesystem::path kProgramFolder = std::filesystem::path(VELTRANO_SOURCE_DIR) / "data";

TEST(SampleCalendar, OpensWithATitleAndTwelveCaptionedPhotos) {
    CalendarDocument document;
    ASSERT_TRUE(readCalendarFile(document, (kProgramFolder / "daten/natur.cal").string()));
    EXPECT_FALSE(document.titleText.empty());
    EXPECT_EQ(document.showHolidays, 1);
    std::vector<std::string> photos = {document.titlePhoto};
    for (int month = 0; month < 12; ++month) {
        EXPECT_FALSE(document.monthText[month].empty()) << "month " << month;
        photos.push_back(document.monthPhoto[month]);
    }
    const QtImageDecoder decoder;
    for (const std::string& photo : photos) {
        ASSERT_FALSE(photo.empty());
        EXPECT_TRUE(std::filesystem::path(photo).is_relative())
            << photo << ": the sample must not depend on where it is installed";
        const DecodedImage image = decoder.decode((kProgramFolder / photo).string(), Size{});
        ASSERT_TRUE(image) << photo;
        EXPECT_GE(image.picture->width(), 1200) << photo;
        EXPECT_LE(std::filesystem::file_size(kProgramFolder / photo), 400u * 1024u) << photo;
    }
}

} // namespace
} // namespace veltrano

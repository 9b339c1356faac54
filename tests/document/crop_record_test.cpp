// The crop record: the shown part of a page's photo, written after every other
// record and read back only when all of its values make sense.
#include "document/cal_reader.h"
#include "document/cal_writer.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(CropRecord, RoundTripsEveryPageAndComesLast) {
    CalendarDocument saved;
    saved.untitled = 0;
    saved.monthPhoto[0] = "jan.jpg";
    saved.titlePhoto = "titel.jpg";
    saved.year = 2027;
    saved.photoCrop[0] = PhotoCrop{0, 2500, 10000, 7500};
    saved.photoCrop[kTitlePhotoPage] = PhotoCrop{1, 2, 9999, 10000};
    const std::string content = formatCalendarFile(saved);
    const std::string tail = "Jahr;2027\r\nAusschnitt;0;0;2500;10000;7500\r\n"
                             "Ausschnitt;12;1;2;9999;10000\r\n";
    ASSERT_GE(content.size(), tail.size());
    EXPECT_EQ(content.substr(content.size() - tail.size()), tail);

    CalendarDocument read;
    ASSERT_TRUE(readCalendarText(read, content));
    EXPECT_EQ(read, saved);
}

TEST(CropRecord, BadValuesLeaveThePageFitted) {
    const struct {
        const char* line;
        int page; // -1: no page gets a crop
        PhotoCrop crop;
    } cases[] = {
        {"Ausschnitt;3;100;200;9000;9800", 3, {100, 200, 9000, 9800}},
        {" AUSSCHNITT ;12;0;0;10000;10000", 12, {0, 0, 10000, 10000}},
        {"Ausschnitt;13;0;0;5000;5000", -1, {}},       // no such page
        {"Ausschnitt;-1;0;0;5000;5000", -1, {}},       // no such page
        {"Ausschnitt;3;-1;0;5000;5000", -1, {}},       // before the photo's edge
        {"Ausschnitt;3;0;0;10001;5000", -1, {}},       // past the photo's edge
        {"Ausschnitt;3;6000;0;5000;5000", -1, {}},     // reversed
        {"Ausschnitt;3;0;5000;5000;5000", -1, {}},     // no height
        {"Ausschnitt;3;0;0;5000;viel", -1, {}},        // not a number
        {"Ausschnitt;3;0;0;5000;50x", -1, {}},         // not only a number
        {"Ausschnitt;3;0;0;5000", -1, {}},             // a field missing
        {"Ausschnitt;3;0;0;5000;99999999999", -1, {}}, // beyond 32 bits
    };
    for (const auto& c : cases) {
        CalendarDocument document;
        ASSERT_TRUE(readCalendarText(document, std::string("Colors;1\n") + c.line)) << c.line;
        for (int page = 0; page < kPhotoPageCount; ++page)
            EXPECT_EQ(document.photoCrop[page], page == c.page ? c.crop : PhotoCrop{})
                << c.line << " page " << page;
        EXPECT_EQ(document.dayFrames, 1) << c.line;
    }
}

TEST(CropRecord, ANewPhotoDropsThePagesCrop) {
    CalendarDocument document;
    document.monthPhoto[4] = "mai.jpg";
    document.photoCrop[4] = PhotoCrop{0, 0, 5000, 5000};
    document.photoCrop[kTitlePhotoPage] = PhotoCrop{0, 0, 5000, 5000};
    EXPECT_TRUE(setPagePhoto(document, 4, "mai.jpg")); // the same photo keeps it
    EXPECT_TRUE(document.photoCrop[4].isSet());
    EXPECT_TRUE(setPagePhoto(document, 4, "juni.jpg"));
    EXPECT_FALSE(document.photoCrop[4].isSet());
    EXPECT_EQ(document.monthPhoto[4], "juni.jpg");
    EXPECT_TRUE(setPagePhoto(document, kTitlePhotoPage, "titel.jpg"));
    EXPECT_EQ(document.titlePhoto, "titel.jpg");
    EXPECT_FALSE(document.photoCrop[kTitlePhotoPage].isSet());
    EXPECT_FALSE(setPagePhoto(document, 13, "x.jpg"));
}

} // namespace
} // namespace veltrano

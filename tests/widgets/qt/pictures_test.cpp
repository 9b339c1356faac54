#include "widgets/qt/pictures.h"

#include "render/month_grid.h"
#include "resources/pictures/picture_numbers.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace veltrano {
namespace {

using namespace pictures;

QRgb keyRgb(unsigned key) {
    return qRgb(static_cast<int>((key >> 16) & 0xFF), static_cast<int>((key >> 8) & 0xFF),
                static_cast<int>(key & 0xFF));
}

QImage loaded(int number) {
    return resourcePicture(number).convertToFormat(QImage::Format_ARGB32);
}

QImage image(int number, int imageWidth, int index) {
    const QImage strip = loaded(number);
    return strip.copy(index * imageWidth, 0, imageWidth, strip.height());
}

int opaquePixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += qAlpha(picture.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

TEST(Pictures, EveryPictureLoadsWithItsSize) {
    for (const PictureInfo& info : kPictureCatalogue) {
        SCOPED_TRACE(info.number);
        const QImage picture = resourcePicture(info.number);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), info.width);
        EXPECT_EQ(picture.height(), info.height);
        EXPECT_EQ(info.width % info.imageWidth, 0);
    }
    EXPECT_TRUE(resourcePicture(1).isNull());
}

// A picture file the catalogue does not know is dead weight; a catalogue entry
// without its file draws nothing.
TEST(Pictures, FilesAndCatalogueAgree) {
    const QDir folder(QStringLiteral(VELTRANO_SOURCE_DIR "/resources/pictures"));
    std::set<int> files;
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        bool isNumber = false;
        files.insert(name.chopped(4).toInt(&isNumber));
        EXPECT_TRUE(isNumber) << name.toStdString();
    }
    std::set<int> catalogue;
    for (const PictureInfo& info : kPictureCatalogue) {
        catalogue.insert(info.number);
    }
    EXPECT_EQ(files, catalogue);
}

// Users that draw without alpha leave out the key colour instead: every fully
// transparent pixel must carry it, and no visible pixel may.
TEST(Pictures, TransparentPixelsCarryTheKeyColour) {
    for (const PictureInfo& info : kPictureCatalogue) {
        SCOPED_TRACE(info.number);
        const QImage picture = loaded(info.number);
        const QImage flat = picture.convertToFormat(QImage::Format_RGB32);
        const QRgb key = keyRgb(info.key);
        int wrong = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool clear = qAlpha(picture.pixel(x, y)) == 0;
                const bool keyed = (flat.pixel(x, y) & 0xFFFFFFu) == (key & 0xFFFFFFu);
                wrong += clear != keyed ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

struct UsedImages {
    int number;
    int imageWidth;
    std::vector<int> indices;
};

// Every image the program asks for shows something.
TEST(Pictures, EveryImageInUseIsDrawn) {
    std::vector<int> commandIcons = {
        kIconNew,    kIconOpen,          kIconSave,  kIconCheckMark,    kIconSaveAs,
        kIconEdit,   kIconExit,          kIconYear,  kIconClearEntries, kIconMultiDay,
        kIconPrint,  kIconPrintOneSheet, kIconAbout, kIconBirthdays,    kIconHelp,
        kIconManual, kIconUndo,          kIconRedo};
    for (int language = 0; language < 6; ++language) {
        commandIcons.push_back(kIconFirstFlag + language);
    }
    const std::vector<UsedImages> used = {
        {kSmallImages, kSmallImageSize, commandIcons},
        {kToolbarImages, kToolbarImageWidth, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {kMessageSymbols, 32, {kSymbolInformation, kSymbolQuestion, kSymbolStop, kSymbolPlain}},
        {kLargeIcons, kLargeIconSize, {0, 1, 2, 3, 4, 5, 6, 7}},
        {kDayColourSwatches, kSwatchWidth, {0, 1, 2, 3, 4}},
        {kLanguageFlags, kSmallImageSize, {0, 1, 2, 3, 4, 5}},
        {kCheckBoxImages, kCheckBoxSize, {0, 1, 2, 3, 4, 5}},
        {kPrintPicture, 32, {0}},
        {kAppointmentBookPicture, 100, {0}},
        {kAddressBookPicture, 100, {0}},
        {kHandCursor, 32, {0}},
    };
    for (const UsedImages& row : used) {
        for (int index : row.indices) {
            SCOPED_TRACE(testing::Message() << row.number << " image " << index);
            const QImage one = image(row.number, row.imageWidth, index);
            EXPECT_GT(opaquePixels(one), one.width() * one.height() / 10);
        }
    }
}

TEST(Pictures, SwatchesShowTheDayColours) {
    for (int colour = 0; colour <= 4; ++colour) {
        const QRgb centre = image(kDayColourSwatches, kSwatchWidth, colour).pixel(12, 8);
        const Colour expected = dayColourValue(colour);
        EXPECT_EQ(qRed(centre), expected.red) << colour;
        EXPECT_EQ(qGreen(centre), expected.green) << colour;
        EXPECT_EQ(qBlue(centre), expected.blue) << colour;
        EXPECT_EQ(qAlpha(centre), 255) << colour;
    }
}

// Unchecked, checked and third state, each enabled and disabled, must all be
// told apart at a glance.
TEST(Pictures, CheckBoxStatesDiffer) {
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            EXPECT_NE(image(kCheckBoxImages, kCheckBoxSize, a),
                      image(kCheckBoxImages, kCheckBoxSize, b))
                << a << " and " << b;
        }
    }
}

// The language chooser and the language command show the same flag.
TEST(Pictures, LanguageFlagsMatchTheirCommandIcons) {
    for (int language = 0; language < 6; ++language) {
        EXPECT_EQ(image(kLanguageFlags, kSmallImageSize, language),
                  image(kSmallImages, kSmallImageSize, kIconFirstFlag + language))
            << language;
    }
}

// The hot spot is the topmost visible pixel: the tip of the pointing finger.
TEST(Pictures, HandHotSpotIsOnTheFingertip) {
    const QImage hand = loaded(kHandCursor);
    int top = -1;
    for (int y = 0; y < hand.height() && top < 0; ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            if (qAlpha(hand.pixel(x, y)) > 128) {
                top = y;
            }
        }
    }
    EXPECT_EQ(top, kHandHotSpotY);
    EXPECT_GT(qAlpha(hand.pixel(kHandHotSpotX, kHandHotSpotY)), 128);
}

} // namespace
} // namespace veltrano

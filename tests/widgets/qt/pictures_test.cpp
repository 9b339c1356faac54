#include "widgets/qt/pictures.h"

#include "platform/qpainter_surface.h"
#include "render/month_grid.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/resource_pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>

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

// Every picture comes at its own size and, for finer screens, drawn at twice
// the resolution with device pixel ratio 2, so that both cover the same
// logical size; an image cut from a strip keeps that.
TEST(Pictures, EveryPictureLoadsWithItsSizeAtEachRatio) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const int scale = ratio > 1.0 ? 2 : 1;
        for (const PictureInfo& info : kPictureCatalogue) {
            SCOPED_TRACE(testing::Message() << info.number << " at " << ratio);
            const QImage picture = resourcePicture(info.number, ratio);
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(picture.size(), QSize(info.width, info.height) * scale);
            EXPECT_EQ(picture.devicePixelRatio(), scale);
            EXPECT_EQ(info.width % info.imageWidth, 0);
            const QPixmap last = resourcePixmap(info.number, info.width / info.imageWidth - 1,
                                                info.imageWidth, ratio);
            EXPECT_EQ(last.size(), QSize(info.imageWidth, info.height) * scale);
            EXPECT_EQ(last.deviceIndependentSize(), QSizeF(info.imageWidth, info.height));
            EXPECT_TRUE(
                resourcePixmap(info.number, info.width / info.imageWidth, info.imageWidth, ratio)
                    .isNull());
        }
        EXPECT_TRUE(resourcePicture(1, ratio).isNull());
    }
}

// Icons hold both resolutions: a screen of ratio 2 gets the finer drawing
// itself, not the plain one enlarged.
TEST(Pictures, IconsGiveTheFinerImageOnFinerScreens) {
    const QIcon icon = resourceIcon(kSmallImages, kIconSave, kSmallImageSize);
    const QImage fine = icon.pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_EQ(fine.size(), QSize(32, 32));
    EXPECT_EQ(fine.convertToFormat(QImage::Format_ARGB32),
              resourcePixmap(kSmallImages, kIconSave, kSmallImageSize, 2.0)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
}

// The owner-drawn controls draw pictures through the surface: on an image of
// ratio 2 an image of each strip, enabled and greyed, comes out as its finer
// drawing pixel for pixel, at its logical place.
TEST(Pictures, SurfaceDrawsTheFinerPicturesOnFinerDevices) {
    for (const PictureInfo& info : kPictureCatalogue) {
        for (const bool disabled : {false, true}) {
            SCOPED_TRACE(testing::Message() << info.number << (disabled ? " greyed" : ""));
            const ResourcePictureSource& source = resourcePictures();
            const Picture* picture =
                disabled ? source.disabledPicture(info.number) : source.picture(info.number);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->width(), info.width);
            const auto* pixels = dynamic_cast<const QtPicture*>(picture);
            ASSERT_TRUE(pixels != nullptr && pixels->finePixels() != nullptr);
            QImage device(QSize(info.imageWidth + 4, info.height + 4) * 2, QImage::Format_ARGB32);
            device.setDevicePixelRatio(2.0);
            device.fill(0);
            {
                QPainter painter(&device);
                QPainterSurface surface(painter);
                PictureStrip{picture, info.imageWidth}.draw(surface, Point{4, 4}, 0);
            }
            const QImage fine = pixels->finePixels()->convertToFormat(QImage::Format_ARGB32);
            int differing = 0;
            for (int y = 0; y < fine.height(); ++y) {
                for (int x = 0; x < info.imageWidth * 2; ++x) {
                    const QRgb want = fine.pixel(x, y);
                    const QRgb got = device.pixel(8 + x, 8 + y);
                    const bool keyed = (want & 0xFFFFFFu) == (keyRgb(info.key) & 0xFFFFFFu);
                    differing += (keyed || qAlpha(want) == 0)
                                     ? (qAlpha(got) != 0 ? 1 : 0)
                                     : (qAlpha(want) == 255 && got != want ? 1 : 0);
                }
            }
            EXPECT_EQ(differing, 0);
        }
    }
}

// A picture file the catalogue does not know is dead weight; a catalogue entry
// without its file draws nothing.
TEST(Pictures, FilesAndCatalogueAgree) {
    const QDir folder(QStringLiteral(VELTRANO_SOURCE_DIR "/resources/pictures"));
    std::set<QString> files;
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        files.insert(name);
    }
    std::set<QString> catalogue;
    for (const PictureInfo& info : kPictureCatalogue) {
        catalogue.insert(QStringLiteral("%1.png").arg(info.number));
        catalogue.insert(QStringLiteral("%1@2x.png").arg(info.number));
    }
    EXPECT_EQ(files, catalogue);
}

// Users that draw without alpha leave out the key colour instead: every fully
// transparent pixel must carry it, and no visible pixel may.
TEST(Pictures, TransparentPixelsCarryTheKeyColour) {
    for (const PictureInfo& info : kPictureCatalogue) {
        SCOPED_TRACE(info.number);
        for (const QImage& picture :
             {loaded(info.number),
              resourcePicture(info.number, 2.0).convertToFormat(QImage::Format_ARGB32)}) {
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

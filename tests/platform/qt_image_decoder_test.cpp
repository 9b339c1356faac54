#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace veltrano {
namespace {

QByteArray encode(const QImage& image, const char* format, int quality = 90) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// Left half red, right half blue: shows which way a photo was turned.
QImage halves(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w / 2; ++x) {
            image.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    return image;
}

// A JPEG whose EXIF data says the camera was turned: orientation 6 means the
// stored image must be turned 90 degrees clockwise to stand upright.
QByteArray withExifOrientation(QByteArray jpeg, int orientation) {
    const char app1[] = {
        '\xFF', '\xE1', 0, 34, 'E', 'x', 'i', 'f', 0, 0,
        'M',    'M',    0, 42, 0,   0,   0,   8, // TIFF header
        0,      1,                               // one entry
        1,      18,     0, 3,  0,   0,   0,   1,   0, static_cast<char>(orientation),
        0,      0,      0, 0,  0,   0}; // no next IFD
    jpeg.insert(2, QByteArray(app1, sizeof app1));
    return jpeg;
}

std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void appendBigEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

// A PNG header that claims width × height, with a correct checksum and no
// image data worth the name.
QByteArray pngClaiming(std::uint32_t width, std::uint32_t height) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray chunk("IHDR");
    appendBigEndian(chunk, width);
    appendBigEndian(chunk, height);
    chunk.append("\x08\x02\x00\x00\x00", 5);
    appendBigEndian(png, 13);
    png.append(chunk);
    appendBigEndian(png, crc32(chunk));
    return png;
}

class QtImageDecoderTest : public ::testing::Test {
  protected:
    std::string write(const char* name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path.toStdString();
    }

    static QColor pixelAt(const DecodedImage& decoded, double fx, double fy) {
        const QImage& image = dynamic_cast<const QtPicture&>(*decoded.picture).pixels();
        return image.pixelColor(static_cast<int>(fx * (image.width() - 1)),
                                static_cast<int>(fy * (image.height() - 1)));
    }

    QTemporaryDir dir_;
};

TEST_F(QtImageDecoderTest, ReportsTheFilesOwnSizeButHoldsOnlyThePixelsNeeded) {
    const std::string path = write("photo.jpg", encode(halves(1600, 1200), "JPG"));
    const QtImageDecoder decoder;
    const struct {
        Size box;
        Size pixels;
    } cases[] = {
        {{400, 400}, {400, 300}},     // width decides
        {{1000, 150}, {200, 150}},    // height decides
        {{3000, 3000}, {1600, 1200}}, // never more than the file has
        {{0, 0}, {1600, 1200}},       // no box: the file's own size
    };
    for (const auto& c : cases) {
        const DecodedImage decoded = decoder.decode(path, c.box);
        ASSERT_TRUE(decoded) << c.box;
        EXPECT_EQ(decoded.picture->width(), 1600);
        EXPECT_EQ(decoded.picture->height(), 1200);
        EXPECT_EQ(decoded.pixels, c.pixels) << c.box;
        const QImage& image = dynamic_cast<const QtPicture&>(*decoded.picture).pixels();
        EXPECT_EQ(image.size(), QSize(c.pixels.width, c.pixels.height));
    }
}

TEST_F(QtImageDecoderTest, TurnedPhotosStandUprightWithTurnedSize) {
    const QByteArray jpeg = encode(halves(400, 200), "JPG", 95);
    const std::string path = write("turned.jpg", withExifOrientation(jpeg, 6));
    const QtImageDecoder decoder;
    for (const Size box : {Size{0, 0}, Size{100, 100}}) {
        const DecodedImage decoded = decoder.decode(path, box);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded.picture->width(), 200);
        EXPECT_EQ(decoded.picture->height(), 400);
        EXPECT_LT(decoded.pixels.width, decoded.pixels.height) << box;
        // The stored left half (red) is on top once turned clockwise.
        EXPECT_GT(pixelAt(decoded, 0.5, 0.1).red(), 200) << box;
        EXPECT_GT(pixelAt(decoded, 0.5, 0.9).blue(), 200) << box;
    }
}

TEST_F(QtImageDecoderTest, OtherFormatsDecodeToo) {
    const QtImageDecoder decoder;
    for (const char* format : {"PNG", "BMP"}) {
        const std::string path =
            write((std::string("photo.") + format).c_str(), encode(halves(300, 100), format));
        const DecodedImage decoded = decoder.decode(path, Size{150, 150});
        ASSERT_TRUE(decoded) << format;
        EXPECT_EQ(decoded.picture->width(), 300) << format;
        EXPECT_EQ(decoded.pixels, (Size{150, 50})) << format;
        EXPECT_GT(pixelAt(decoded, 0.1, 0.5).red(), 200) << format;
    }
}

// Qt writes no GIF files: two pixels, red and blue, written by hand.
TEST_F(QtImageDecoderTest, GifDecodes) {
    const char gif[] = "GIF89a\x02\x00\x01\x00\x80\x00\x00"
                       "\xFF\x00\x00\x00\x00\xFF"
                       "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                       "\x02\x02\x44\x0A\x00\x3B";
    const std::string path = write("two.gif", QByteArray(gif, sizeof gif - 1));
    const DecodedImage decoded = QtImageDecoder().decode(path, Size{100, 100});
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded.pixels, (Size{2, 1}));
    EXPECT_EQ(pixelAt(decoded, 0, 0), QColor(255, 0, 0));
    EXPECT_EQ(pixelAt(decoded, 1, 0), QColor(0, 0, 255));
}

TEST_F(QtImageDecoderTest, BrokenOrAbsurdFilesGiveNoPhoto) {
    const QByteArray jpeg = encode(halves(800, 600), "JPG");
    const QByteArray png = encode(halves(800, 600), "PNG");
    QByteArray hugeGif("GIF89a\xFF\xFF\xFF\xFF\x00\x00\x00", 13);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.jpg", QByteArray()},
        {"text.jpg", QByteArray("Skiurlaub im Allgäu\n")},
        {"truncated.jpg", jpeg.left(jpeg.size() / 2)},
        {"header-only.jpg", jpeg.left(300)},
        {"truncated.png", png.left(png.size() / 2)},
        {"absurd.png", pngClaiming(100000, 100000)},
        {"absurd.gif", hugeGif},
    };
    const QtImageDecoder decoder;
    for (const auto& c : cases) {
        const std::string path = write(c.name, c.bytes);
        EXPECT_FALSE(decoder.decode(path, Size{200, 200})) << c.name;
        EXPECT_FALSE(decoder.decode(path, Size{})) << c.name;
    }
    EXPECT_FALSE(decoder.decode(dir_.filePath("missing.jpg").toStdString(), Size{100, 100}));
    EXPECT_FALSE(decoder.decode(dir_.path().toStdString(), Size{100, 100})); // a folder
}

// A photo too large for memory at full size still decodes at the size it is
// drawn with, when its format can be read reduced.
TEST_F(QtImageDecoderTest, MemoryLimitAllowsReducedJpegDecoding) {
    const QtImageDecoder decoder(2 << 20); // 2 MB: 0.5 megapixels
    const std::string jpeg = write("large.jpg", encode(halves(2000, 1500), "JPG"));
    const std::string png = write("large.png", encode(halves(2000, 1500), "PNG"));
    const DecodedImage reduced = decoder.decode(jpeg, Size{400, 300});
    ASSERT_TRUE(reduced);
    EXPECT_EQ(reduced.pixels, (Size{400, 300}));
    EXPECT_EQ(reduced.picture->width(), 2000);
    EXPECT_FALSE(decoder.decode(jpeg, Size{}));
    EXPECT_FALSE(decoder.decode(png, Size{400, 300}));
}

} // namespace
} // namespace veltrano

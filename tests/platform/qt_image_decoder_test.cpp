#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "render/photo_crop_place.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <cstdint>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

QByteArray encode(const QImage& image, const char* format, int quality = 90) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray encodeProgressive(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
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

// Four colours, one per quadrant: shows which part of a photo was decoded.
QImage quadrantColours(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, colours[(y < h / 2 ? 0 : 2) + (x < w / 2 ? 0 : 1)]);
        }
    }
    return image;
}

TEST_F(QtImageDecoderTest, APartOfATurnedJpegDecodesOnlyThatPartUpright) {
    const QByteArray jpeg = encode(quadrantColours(640, 480), "JPG", 95);
    const QtImageDecoder decoder;
    const PhotoCrop crop{5500, 1000, 9500, 4000}; // inside the upright top right quadrant
    const Size box{100, 100};
    for (const int orientation : {1, 2, 3, 5, 6, 8}) {
        const std::string path = write("teil.jpg", withExifOrientation(jpeg, orientation));
        const DecodedImage whole = decoder.decode(path, Size{});
        const DecodedImage part = decoder.decodePart(path, box, crop);
        ASSERT_TRUE(whole && part) << orientation;
        EXPECT_EQ(part.picture->width(), whole.picture->width()) << orientation;
        EXPECT_EQ(part.picture->height(), whole.picture->height()) << orientation;
        const Rect shown = cropSourceRect(whole.picture->width(), whole.picture->height(), crop);
        EXPECT_EQ(part.pixels, decodedPixelSize(Size{shown.width(), shown.height()}, box));
        // Drawn, the part shows nothing but that quadrant's colour.
        QImage drawn(box.width, box.height, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            QPainterSurface surface(painter);
            drawPlacedPhoto(surface, *part.picture, Rect{0, 0, box.width, box.height}, crop);
        }
        const QColor expected = pixelAt(whole, 0.75, 0.25);
        const Rect dest = placePhoto(Rect{0, 0, box.width, box.height}, whole.picture->width(),
                                     whole.picture->height(), crop)
                              .dest;
        for (const QPoint at :
             {QPoint(dest.left + 1, dest.top + 1), QPoint(dest.right - 2, dest.bottom - 2),
              QPoint((dest.left + dest.right) / 2, (dest.top + dest.bottom) / 2)}) {
            const QColor seen = drawn.pixelColor(at);
            EXPECT_LT(std::abs(seen.red() - expected.red()) +
                          std::abs(seen.green() - expected.green()) +
                          std::abs(seen.blue() - expected.blue()),
                      90)
                << "orientation " << orientation << " at " << at.x() << "," << at.y() << " "
                << seen.name().toStdString() << " not " << expected.name().toStdString();
        }
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

// A phone's motion photo: a complete JPEG followed by a video, whose bytes
// may hold FF DA with no FF D9 after it. A photo cut inside its image data
// still gives no photo, progressive or not.
TEST_F(QtImageDecoderTest, CompletenessIsWhatTheDecoderSays) {
    const QByteArray baseline = encode(halves(640, 480), "JPG");
    const QByteArray progressive = encodeProgressive(halves(640, 480));
    const QByteArray video("\x00\x00\x00\x18"
                           "ftypmp42\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11"
                           "\x00\x3F\x00 mdat ...",
                           40);
    const struct {
        const char* name;
        QByteArray bytes;
        bool shows;
    } cases[] = {
        {"motion.jpg", baseline + video, true},
        {"motion-progressive.jpg", progressive + video, true},
        {"cut.jpg", baseline.left(baseline.size() * 2 / 3), false},
        {"cut-progressive.jpg", progressive.left(progressive.size() * 2 / 3), false},
        {"no-end-marker.jpg", baseline.left(baseline.size() - 2), false},
    };
    const QtImageDecoder decoder;
    for (const auto& c : cases) {
        const DecodedImage decoded = decoder.decode(write(c.name, c.bytes), Size{320, 240});
        EXPECT_EQ(static_cast<bool>(decoded), c.shows) << c.name;
        if (c.shows && decoded) {
            EXPECT_GT(pixelAt(decoded, 0.1, 0.5).red(), 200) << c.name;
        } else {
            EXPECT_EQ(decoded.problem, PhotoProblem::Unreadable) << c.name;
        }
    }
}

// A small progressive JPEG whose header claims 20000 x 20000: decoding it
// needs the coefficient buffer of the whole image (over a gigabyte) whatever
// the size drawn, so it is refused before anything is allocated.
TEST_F(QtImageDecoderTest, ProgressiveJpegCountsItsCoefficientBuffer) {
    const QByteArray small = encodeProgressive(halves(64, 64));
    QByteArray jpeg = small;
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GT(sof, 0);
    for (int field : {5, 7}) { // height, then width, big-endian
        jpeg[sof + field] = static_cast<char>(20000 >> 8);
        jpeg[sof + field + 1] = static_cast<char>(20000 & 0xFF);
    }
    const std::string path = write("claims-20000.jpg", jpeg);
    const DecodedImage decoded = QtImageDecoder().decode(path, Size{200, 200});
    EXPECT_FALSE(decoded);
    EXPECT_EQ(decoded.problem, PhotoProblem::Unreadable);
    // The same picture, honest about its size, decodes.
    EXPECT_TRUE(QtImageDecoder().decode(write("honest.jpg", small), Size{200, 200}));
}

// Whatever sits at a photo's path, decoding returns at once and says why
// there is no photo.
TEST_F(QtImageDecoderTest, UnshowablePhotosSayWhy) {
    const QString folder = dir_.path();
    ASSERT_EQ(::mkfifo((folder + "/pipe.jpg").toUtf8().constData(), 0600), 0);
    ASSERT_EQ(::symlink("loop-b.jpg", (folder + "/loop-a.jpg").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("loop-a.jpg", (folder + "/loop-b.jpg").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("gone.jpg", (folder + "/dangling.jpg").toUtf8().constData()), 0);
    write("text.jpg", "Skiurlaub im Allgäu\n");
    const struct {
        std::string path;
        PhotoProblem problem;
    } cases[] = {
        {(folder + "/missing.jpg").toStdString(), PhotoProblem::NotFound},
        {(folder + "/dangling.jpg").toStdString(), PhotoProblem::NotFound},
        {(folder + "/no-folder/x.jpg").toStdString(), PhotoProblem::NotFound},
        {"", PhotoProblem::NotFound},
        {folder.toStdString(), PhotoProblem::Unreadable},
        {(folder + "/pipe.jpg").toStdString(), PhotoProblem::Unreadable},
        {(folder + "/loop-a.jpg").toStdString(), PhotoProblem::Unreadable},
        {(folder + "/text.jpg").toStdString(), PhotoProblem::Unreadable},
        {"/dev/zero", PhotoProblem::Unreadable},
    };
    const QtImageDecoder decoder;
    for (const auto& c : cases) {
        const DecodedImage decoded = decoder.decode(c.path, Size{100, 100});
        EXPECT_FALSE(decoded) << c.path;
        EXPECT_EQ(decoded.problem, c.problem) << c.path;
    }
    const DecodedImage good = decoder.decode(write("good.png", encode(halves(8, 8), "PNG")), {});
    EXPECT_EQ(good.problem, PhotoProblem::None);
}

// Writes a HEIC through libheif with the given turn; false when this libheif
// has no HEVC encoder.
bool writeHeic(const QImage& source, heif_orientation orientation, const std::string& path) {
    if (!heif_have_encoder_for_format(heif_compression_HEVC)) {
        return false;
    }
    const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
    heif_context* context = heif_context_alloc();
    heif_image* image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(plane + y * stride, rgb.constScanLine(y), static_cast<size_t>(rgb.width() * 3));
    }
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = orientation;
    const bool encoded =
        heif_context_encode_image(context, image, encoder, options, nullptr).code == heif_error_Ok;
    const bool written =
        encoded && heif_context_write_to_file(context, path.c_str()).code == heif_error_Ok;
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
    return written;
}

// Phone and web formats decode like JPEG: upright, at the size drawn.
TEST_F(QtImageDecoderTest, HeicWebpAndTiffDecodeUpright) {
    const QtImageDecoder decoder;
    const std::string heic = dir_.filePath("turned.heic").toStdString();
    ASSERT_TRUE(writeHeic(halves(320, 160), heif_orientation_rotate_90_cw, heic));
    QByteArray tiff;
    {
        QBuffer buffer(&tiff);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "tiff");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        ASSERT_TRUE(writer.write(halves(320, 160)));
    }
    const struct {
        std::string path;
        bool turned;
    } cases[] = {
        {heic, true},
        {write("turned.tif", tiff), true},
        {write("photo.webp", encode(halves(320, 160), "WEBP")), false},
    };
    for (const auto& c : cases) {
        const DecodedImage decoded = decoder.decode(c.path, Size{80, 80});
        ASSERT_TRUE(decoded) << c.path;
        const Size own = c.turned ? Size{160, 320} : Size{320, 160};
        EXPECT_EQ((Size{decoded.picture->width(), decoded.picture->height()}), own) << c.path;
        EXPECT_EQ(decoded.pixels, decodedPixelSize(own, Size{80, 80})) << c.path;
        // Red, the stored left half, is on top once turned clockwise.
        const QColor first = pixelAt(decoded, c.turned ? 0.5 : 0.1, c.turned ? 0.1 : 0.5);
        const QColor last = pixelAt(decoded, c.turned ? 0.5 : 0.9, c.turned ? 0.9 : 0.5);
        EXPECT_GT(first.red(), 180) << c.path;
        EXPECT_GT(last.blue(), 180) << c.path;
    }
    const QStringList suffixes = decodablePhotoSuffixes();
    for (const char* suffix : {"jpg", "heic", "webp", "tif", "png", "gif"}) {
        EXPECT_TRUE(suffixes.contains(QString::fromLatin1(suffix))) << suffix;
    }
}

} // namespace
} // namespace veltrano

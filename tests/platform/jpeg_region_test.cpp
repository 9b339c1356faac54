// Decoding only a part of a JPEG: the part's rows and columns, at the size
// asked for, with the colours of that part and nothing from beside it.
#include "platform/jpeg_reader.h"

#include <QBuffer>
#include <QColor>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace veltrano {
namespace {

// 640 × 480 in quadrants: red, green at the top; blue, yellow below. The
// borders lie inside blocks, so a part the decoder widened to whole blocks
// shows a neighbour's colour unless the extra columns are left out.
QImage quadrants() {
    QImage image(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            image.setPixel(x, y,
                           y < 248 ? (x < 328 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                   : (x < 328 ? qRgb(0, 0, 255) : qRgb(255, 255, 0)));
    return image;
}

QByteArray jpeg(bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(quadrants());
    return bytes;
}

bool near(QRgb seen, QRgb expected) {
    return std::abs(qRed(seen) - qRed(expected)) < 48 &&
           std::abs(qGreen(seen) - qGreen(expected)) < 48 &&
           std::abs(qBlue(seen) - qBlue(expected)) < 48;
}

TEST(JpegRegion, DecodesThePartAtTheWantedSizeWithItsColours) {
    const struct {
        Rect region;
        Size wanted;
        Size size;
        QRgb colour;
    } cases[] = {
        {{334, 24, 616, 216}, {}, {282, 192}, qRgb(0, 255, 0)},            // green
        {{24, 262, 300, 456}, {69, 49}, {69, 49}, qRgb(0, 0, 255)},        // reduced, blue
        {{345, 263, 637, 477}, {146, 107}, {146, 107}, qRgb(255, 255, 0)}, // yellow
        {{-50, -50, 290, 200}, {}, {290, 200}, qRgb(255, 0, 0)},           // cut to the image
    };
    for (const bool progressive : {false, true}) {
        const QByteArray data = jpeg(progressive);
        for (const auto& c : cases) {
            const QImage part = decodeJpegRegion(data, c.region, c.wanted);
            ASSERT_EQ(part.size(), QSize(c.size.width, c.size.height)) << c.region;
            // The corners too: a part shifted by a block would show a neighbour there.
            for (const QPoint at : {QPoint(1, 1), QPoint(part.width() - 2, part.height() - 2),
                                    QPoint(part.width() / 2, part.height() / 2)})
                EXPECT_TRUE(near(part.pixel(at), c.colour))
                    << c.region << " at " << at.x() << "," << at.y() << " progressive "
                    << progressive << " " << QColor(part.pixel(at)).name().toStdString();
        }
        EXPECT_TRUE(decodeJpegRegion(data, {700, 0, 800, 100}, {}).isNull());
        EXPECT_TRUE(decodeJpegRegion(data.left(data.size() / 2), {0, 300, 640, 480}, {}).isNull());
    }
}

} // namespace
} // namespace veltrano

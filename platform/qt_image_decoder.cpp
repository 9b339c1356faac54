#include "platform/qt_image_decoder.h"

#include "platform/qpainter_surface.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <memory>

namespace veltrano {

namespace {

constexpr std::int64_t kBytesPerPixel = 4;

bool readFile(const std::string& path, QByteArray& data) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.isFile() || info.size() <= 0 || info.size() > QtImageDecoder::kMaxFileBytes) {
        return false;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    data = file.readAll();
    return data.size() == info.size();
}

// A JPEG file is complete when an end-of-image marker follows the start of
// its last scan. Inside scan data a 0xFF byte is always followed by 0x00 or a
// restart marker, so the markers cannot appear there by chance. The JPEG
// library would otherwise fill a truncated photo with grey and call it good.
bool jpegIsComplete(const QByteArray& data) {
    const QByteArray startOfScan("\xFF\xDA", 2);
    const QByteArray endOfImage("\xFF\xD9", 2);
    const qsizetype scan = data.lastIndexOf(startOfScan);
    return scan >= 0 && data.indexOf(endOfImage, scan + 2) >= 0;
}

bool turnsSideways(QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

Size transposed(Size size) {
    return Size{size.height, size.width};
}

} // namespace

QtImageDecoder::QtImageDecoder(std::int64_t memoryLimit) : memoryLimit_(memoryLimit) {}

DecodedImage QtImageDecoder::decode(const std::string& path, Size box) const {
    QByteArray data;
    if (!readFile(path, data)) {
        return {};
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize stored = reader.size(); // as stored in the file, before turning
    if (!reader.canRead() || !stored.isValid() || stored.width() > kMaxSide ||
        stored.height() > kMaxSide || std::int64_t{stored.width()} * stored.height() > kMaxPixels) {
        return {};
    }
    const bool jpeg = reader.format() == "jpeg";
    if (jpeg && !jpegIsComplete(data)) {
        return {};
    }
    const bool sideways = turnsSideways(reader.transformation());
    const Size storedSize{stored.width(), stored.height()};
    const Size own = sideways ? transposed(storedSize) : storedSize;
    const Size wanted = decodedPixelSize(own, box);
    // The JPEG reader decodes at a power-of-two reduction no smaller than the
    // wanted size, so it holds at most about twice the wanted pixels a side;
    // other readers hold the whole image before shrinking it.
    const Size held =
        jpeg ? Size{std::min(own.width, wanted.width * 2), std::min(own.height, wanted.height * 2)}
             : own;
    if (std::int64_t{held.width} * held.height * kBytesPerPixel > memoryLimit_) {
        return {};
    }
    if (wanted != own) {
        const Size scaled = sideways ? transposed(wanted) : wanted;
        reader.setScaledSize(QSize(scaled.width, scaled.height));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    const Size pixels{image.width(), image.height()};
    return DecodedImage{std::make_unique<QImagePicture>(std::move(image), own.width, own.height),
                        pixels};
}

} // namespace veltrano

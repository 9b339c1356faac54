#pragma once
// JPEG decoding straight over libjpeg, so that the decoder's own verdict
// decides whether a photo is complete, and the memory a decoding needs is
// known before any pixel is allocated.

#include "render/geometry.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace veltrano {

// What the JPEG header says, before any decoding.
struct JpegHeader {
    Size stored; // width × height as stored (before EXIF turning)
    // Progressive and other multi-scan files are decoded through a buffer of
    // every coefficient of the whole image, whatever the output size: its
    // size, 0 for single-scan files.
    std::int64_t coefficientBytes = 0;
};

// Reads the header of the JPEG in data; false when it is no readable JPEG.
bool readJpegHeader(const QByteArray& data, JpegHeader& header);

// Bytes decodeJpeg needs at most for `wanted` (as stored; no area: full
// size): the pixels at the reduced size the library decodes to, the final
// shrinking, and the coefficient buffer of a multi-scan file.
std::int64_t jpegDecodingBytes(const JpegHeader& header, Size wanted);

// Decodes the JPEG in data, reduced by the library's DCT scaling to the
// smallest size no smaller than `wanted` (as stored; no area: full size), then
// shrunk smoothly to exactly `wanted`. A null image when the file is not a
// JPEG, is damaged, or ends before its image data does — the library says so
// itself; data after the end-of-image marker (a phone's motion-photo video)
// does not count against a photo.
QImage decodeJpeg(const QByteArray& data, Size wanted);

// Decodes only `region` of the JPEG in data (stored pixels, as stored before
// EXIF turning; cut to the image), reduced by DCT scaling to the smallest
// size no smaller than `wanted` and shrunk smoothly to exactly `wanted` (no
// area: the region's own size). Rows above and below the region are skipped
// and columns beside it are not converted, so a small part of a large photo
// costs little. A null image as decodeJpeg gives, and for a region without
// area.
QImage decodeJpegRegion(const QByteArray& data, Rect region, Size wanted);

} // namespace veltrano

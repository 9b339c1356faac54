#pragma once
// HEIC/HEIF photos (what phones store) over libheif. The library turns the
// picture upright itself (its rotation and mirroring boxes), so the sizes
// here are upright sizes.

#include "render/geometry.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace veltrano {

// True when data starts like a HEIF file of any brand libheif knows.
bool looksLikeHeif(const QByteArray& data);

// The upright size of the primary picture; false when the file cannot be read.
bool readHeifSize(const QByteArray& data, Size& upright);

// Bytes decoding the primary picture of upright size `size` needs at most: the
// format has no reduced decoding, so the whole picture is decoded (its planes
// and the interleaved copy), plus the shrunk copy of `wanted` pixels.
std::int64_t heifDecodingBytes(Size size, Size wanted);

// The primary picture, upright, shrunk smoothly to `wanted` when that has
// area; a null image on any error.
QImage decodeHeif(const QByteArray& data, Size wanted);

} // namespace veltrano

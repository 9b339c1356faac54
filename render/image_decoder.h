#pragma once
// Decoding photo files into pictures that the drawing surfaces can draw.
//
// A decoded picture reports the file's own width and height (after turning it
// upright), because page layout places photos by their proportions; its
// pixels are only as many as the drawing needs, so that large photos cost
// little memory and time.

#include "document/photo_crop.h"
#include "render/drawing_surface.h"

#include <cstdint>
#include <memory>
#include <string>

namespace veltrano {

// Why a file gave no photo, in words a user can act on: the file is not there
// (missing, a dangling link), or it is there but gives no picture (a folder, a
// device, a pipe, a link loop, no permission, not an image, cut off, too large).
enum class PhotoProblem { None, NotFound, Unreadable };

struct DecodedImage {
    std::unique_ptr<Picture> picture;          // null when the file gave no photo
    Size pixels;                               // pixels actually held (0 × 0 without a picture)
    PhotoProblem problem = PhotoProblem::None; // set whenever a decode gave no picture

    explicit operator bool() const { return picture != nullptr; }
};

class ImageDecoder {
  public:
    virtual ~ImageDecoder() = default;

    // Decodes the image file at path so that it can be drawn into a box of
    // `box` pixels without losing detail: the pixels held are the file's
    // image shrunk to fit the box (see decodedPixelSize), never more than the
    // file has. A box without area asks for the file's own size.
    //
    // Files that are missing, empty, truncated, not images, or whose size is
    // absurd or beyond the decoder's memory limit give no picture and say why
    // in `problem`. Never throws; safe to call from several threads at once.
    virtual DecodedImage decode(const std::string& path, Size box) const = 0;

    // Decodes for drawing the part `crop` of the photo into a box of `box`
    // pixels. The picture reports the whole photo's size, as decode's does,
    // and draws that part with enough pixels; it may hold nothing of the rest.
    // An unset crop is decode(path, box). This default decodes the whole photo
    // large enough for the part (see decodeBoxForCrop).
    virtual DecodedImage decodePart(const std::string& path, Size box, const PhotoCrop& crop) const;
};

// The short reason shown beside a photo's file name, in the current language:
// "nicht gefunden", "kann nicht gelesen werden"; "" for PhotoProblem::None.
std::string photoProblemText(PhotoProblem problem);

// The pixel size in which an image of `image` pixels is held to be drawn into
// a box of `box` pixels: shrunk (never enlarged) to the largest size that fits
// the box with the image's proportions, each side rounded up and at least 1.
// A box without area gives the image's own size; an image without area gives
// 0 × 0.
Size decodedPixelSize(Size image, Size box);

// Pixels a picture needs to be drawn at `deviceUnits` on a surface of `dpi`
// dots per inch when printing: at most kPrintPixelsPerInch per inch, so a
// photo on a high-resolution page keeps enough detail without being decoded
// at the device's full resolution.
inline constexpr std::int32_t kPrintPixelsPerInch = 300;
std::int32_t printPixels(std::int32_t deviceUnits, std::int32_t dpi);

} // namespace veltrano

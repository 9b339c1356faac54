#include "platform/jpeg_reader.h"

#include "platform/image_scaling.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it names the warning codes checked below.
#include <jerror.h>

namespace veltrano {

namespace {

constexpr std::int64_t kBytesPerPixel = 4;

// Errors leave through longjmp; a warning that the data ended early marks the
// photo as cut off (the library would fill the rest with grey and go on).
struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
    bool cutShort = false;
};

void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        reinterpret_cast<ErrorManager*>(info->err)->cutShort = true;
    }
}

// A decompressor over data with the error handling above. Only plain values
// live in the frames that setjmp returns to, so the longjmp skips no
// destructor.
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors;

    explicit Decompressor(const QByteArray& data) {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = onError;
        errors.base.emit_message = onMessage;
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

std::int64_t coefficientBufferBytes(const jpeg_decompress_struct& info) {
    std::int64_t bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        const auto rounded = [](std::int64_t blocks, int factor) {
            return (blocks + factor - 1) / factor * factor;
        };
        bytes += rounded(component.width_in_blocks, component.h_samp_factor) *
                 rounded(component.height_in_blocks, component.v_samp_factor) *
                 static_cast<std::int64_t>(sizeof(JBLOCK));
    }
    return bytes;
}

bool readHeaderInto(Decompressor& d, JpegHeader& header) {
    if (setjmp(d.errors.jump)) {
        return false;
    }
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    header.stored = Size{static_cast<std::int32_t>(d.info.image_width),
                         static_cast<std::int32_t>(d.info.image_height)};
    header.coefficientBytes =
        jpeg_has_multiple_scans(&d.info) != 0 ? coefficientBufferBytes(d.info) : 0;
    return true;
}

// The DCT scaling n/8 (n = 1..8) with the smallest output no smaller than wanted.
int scaleEighths(Size stored, Size wanted) {
    if (wanted.width <= 0 || wanted.height <= 0) {
        return 8;
    }
    for (int n = 1; n < 8; ++n) {
        const auto scaled = [n](std::int64_t side) { return (side * n + 7) / 8; };
        if (scaled(stored.width) >= wanted.width && scaled(stored.height) >= wanted.height) {
            return n;
        }
    }
    return 8;
}

Size scaledBy(Size stored, int eighths) {
    return Size{static_cast<std::int32_t>((std::int64_t{stored.width} * eighths + 7) / 8),
                static_cast<std::int32_t>((std::int64_t{stored.height} * eighths + 7) / 8)};
}

// Adobe's CMYK JPEGs store the inks inverted; this is how such files are shown
// everywhere else too.
void cmykRowToRgb(const JSAMPLE* in, QRgb* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        const int k = in[3];
        out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
    }
}

// Reads the header and starts decompressing at n/8 into BGRX pixels, or CMYK
// ones for CMYK files. Errors leave through the caller's setjmp.
bool startDecompress(Decompressor& d, int eighths, bool& cmyk) {
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    d.info.scale_num = static_cast<unsigned>(eighths);
    d.info.scale_denom = 8;
    d.info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&d.info);
    return true;
}

// Decodes into image (allocated here at the output size). False on any error
// or when the data ended early.
bool decodeInto(Decompressor& d, int eighths, QImage& image, std::vector<JSAMPLE>& row) {
    if (setjmp(d.errors.jump)) {
        return false;
    }
    bool cmyk = false;
    if (!startDecompress(d, eighths, cmyk)) {
        return false;
    }
    image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    if (cmyk) {
        row.resize(std::size_t{d.info.output_width} * 4);
    }
    while (d.info.output_scanline < d.info.output_height && !d.errors.cutShort) {
        auto* line =
            reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(d.info.output_scanline)));
        JSAMPROW target = cmyk ? row.data() : reinterpret_cast<JSAMPROW>(line);
        if (jpeg_read_scanlines(&d.info, &target, 1) != 1) {
            return false;
        }
        if (cmyk) {
            cmykRowToRgb(row.data(), line, d.info.output_width);
        }
    }
    if (d.errors.cutShort) {
        return false;
    }
    jpeg_finish_decompress(&d.info);
    return !d.errors.cutShort;
}

// Output pixels [first, end) covering stored pixels [from, to) at n/8.
struct OutputSpan {
    JDIMENSION first = 0;
    JDIMENSION end = 0;
};

OutputSpan scaledSpan(std::int32_t from, std::int32_t to, int eighths) {
    return OutputSpan{static_cast<JDIMENSION>(std::int64_t{from} * eighths / 8),
                      static_cast<JDIMENSION>((std::int64_t{to} * eighths + 7) / 8)};
}

// Decodes the region's rows and columns only into image (allocated here). The
// library widens the columns to whole blocks; the extra ones are left out.
bool decodeRegionInto(Decompressor& d, int eighths, const Rect& region, QImage& image,
                      std::vector<JSAMPLE>& row) {
    if (setjmp(d.errors.jump)) {
        return false;
    }
    bool cmyk = false;
    if (!startDecompress(d, eighths, cmyk)) {
        return false;
    }
    OutputSpan columns = scaledSpan(region.left, region.right, eighths);
    OutputSpan rows = scaledSpan(region.top, region.bottom, eighths);
    columns.end = std::min(columns.end, d.info.output_width);
    rows.end = std::min(rows.end, d.info.output_height);
    if (columns.first >= columns.end || rows.first >= rows.end) {
        return false;
    }
    JDIMENSION cropLeft = columns.first;
    JDIMENSION cropWidth = columns.end - columns.first;
    jpeg_crop_scanline(&d.info, &cropLeft, &cropWidth);
    const JDIMENSION skipLeft = columns.first - cropLeft;
    image = QImage(static_cast<int>(columns.end - columns.first),
                   static_cast<int>(rows.end - rows.first), QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    row.resize(std::size_t{d.info.output_width} * 4);
    if (rows.first > 0 && jpeg_skip_scanlines(&d.info, rows.first) != rows.first) {
        return false;
    }
    for (JDIMENSION y = rows.first; y < rows.end && !d.errors.cutShort; ++y) {
        JSAMPROW target = row.data();
        if (jpeg_read_scanlines(&d.info, &target, 1) != 1) {
            return false;
        }
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y - rows.first)));
        const JSAMPLE* first = row.data() + std::size_t{skipLeft} * 4;
        if (cmyk) {
            cmykRowToRgb(first, line, static_cast<JDIMENSION>(image.width()));
        } else {
            std::memcpy(line, first, static_cast<std::size_t>(image.width()) * 4);
        }
    }
    // The rows below the region are not needed; the decoder is given up.
    const bool complete = !d.errors.cutShort;
    jpeg_abort_decompress(&d.info);
    return complete;
}

} // namespace

bool readJpegHeader(const QByteArray& data, JpegHeader& header) {
    Decompressor d(data);
    JpegHeader read;
    if (!readHeaderInto(d, read)) {
        return false;
    }
    header = read;
    return true;
}

std::int64_t jpegDecodingBytes(const JpegHeader& header, Size wanted) {
    const Size decoded = scaledBy(header.stored, scaleEighths(header.stored, wanted));
    std::int64_t bytes = std::int64_t{decoded.width} * decoded.height * kBytesPerPixel;
    if (wanted.width > 0 && wanted.height > 0 && wanted != decoded) {
        bytes += std::int64_t{wanted.width} * wanted.height * kBytesPerPixel;
    }
    return bytes + header.coefficientBytes;
}

QImage decodeJpeg(const QByteArray& data, Size wanted) {
    JpegHeader header;
    if (!readJpegHeader(data, header)) {
        return {};
    }
    QImage image;
    std::vector<JSAMPLE> row;
    {
        Decompressor d(data);
        if (!decodeInto(d, scaleEighths(header.stored, wanted), image, row)) {
            return {};
        }
    }
    return shrunkTo(std::move(image), wanted);
}

QImage decodeJpegRegion(const QByteArray& data, Rect region, Size wanted) {
    JpegHeader header;
    if (!readJpegHeader(data, header)) {
        return {};
    }
    region = Rect{std::max(region.left, 0), std::max(region.top, 0),
                  std::min(region.right, header.stored.width),
                  std::min(region.bottom, header.stored.height)};
    if (region.isEmpty()) {
        return {};
    }
    QImage image;
    std::vector<JSAMPLE> row;
    {
        Decompressor d(data);
        const Size part{region.width(), region.height()};
        if (!decodeRegionInto(d, scaleEighths(part, wanted), region, image, row)) {
            return {};
        }
    }
    return shrunkTo(std::move(image), wanted);
}

} // namespace veltrano

#include "platform/heif_reader.h"

#include <libheif/heif.h>

#include <memory>

namespace veltrano {

namespace {

constexpr int kMaxHeifSide = 65535;

struct ContextDeleter {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleDeleter {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;

// The primary picture's handle; null when the data is not a readable HEIF.
// The context must outlive the handle, and data the context.
Handle primaryHandle(const QByteArray& data, Context& context) {
    context.reset(heif_context_alloc());
    if (!context) {
        return nullptr;
    }
    heif_context_set_maximum_image_size_limit(context.get(), kMaxHeifSide);
    if (heif_context_read_from_memory_without_copy(context.get(), data.constData(),
                                                   static_cast<size_t>(data.size()), nullptr)
            .code != heif_error_Ok) {
        return nullptr;
    }
    heif_image_handle* handle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &handle).code != heif_error_Ok) {
        return nullptr;
    }
    return Handle(handle);
}

void releaseHeifImage(void* image) {
    heif_image_release(static_cast<heif_image*>(image));
}

} // namespace

bool looksLikeHeif(const QByteArray& data) {
    return data.size() >= 12 &&
           heif_check_filetype(reinterpret_cast<const uint8_t*>(data.constData()),
                               static_cast<int>(std::min<qsizetype>(data.size(), 64))) !=
               heif_filetype_no;
}

bool readHeifSize(const QByteArray& data, Size& upright) {
    Context context;
    const Handle handle = primaryHandle(data, context);
    if (!handle) {
        return false;
    }
    upright =
        Size{heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())};
    return upright.width > 0 && upright.height > 0;
}

std::int64_t heifDecodingBytes(Size size, Size wanted) {
    // Luma and chroma planes at up to 16 bits (6 bytes a pixel for 4:4:4),
    // then four bytes a pixel interleaved.
    const std::int64_t whole = std::int64_t{size.width} * size.height * (6 + 4);
    return whole + std::int64_t{wanted.width} * wanted.height * 4;
}

QImage decodeHeif(const QByteArray& data, Size wanted) {
    Context context;
    const Handle handle = primaryHandle(data, context);
    if (!handle) {
        return {};
    }
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          nullptr)
            .code != heif_error_Ok) {
        return {};
    }
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (plane == nullptr || width <= 0 || height <= 0) {
        heif_image_release(decoded);
        return {};
    }
    // The image keeps libheif's pixels until it is dropped: no copy at full size.
    QImage image(plane, width, height, stride, QImage::Format_RGBA8888, releaseHeifImage, decoded);
    if (wanted.width > 0 && wanted.height > 0 &&
        (wanted.width != width || wanted.height != height)) {
        return image.scaled(wanted.width, wanted.height, Qt::IgnoreAspectRatio,
                            Qt::SmoothTransformation);
    }
    return image;
}

} // namespace veltrano

#include "platform/heif_reader.h"

#include "platform/image_scaling.h"

// Only libheif's types: the library itself, with the HEVC and AV1 codecs it
// pulls in, is loaded on the first HEIF photo, so that starting the program
// (and every veltrano-cli run) does not pay for loading it.
#include <libheif/heif.h>

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>

namespace veltrano {

namespace {

constexpr int kMaxHeifSide = 65535;

// The libheif functions used here, resolved once; all null when the library
// is not installed (then no HEIF photo decodes).
struct Heif {
    decltype(&::heif_context_alloc) contextAlloc = nullptr;
    decltype(&::heif_context_free) contextFree = nullptr;
    decltype(&::heif_context_set_maximum_image_size_limit) setSizeLimit = nullptr;
    decltype(&::heif_context_read_from_memory_without_copy) readFromMemory = nullptr;
    decltype(&::heif_context_get_primary_image_handle) primaryHandle = nullptr;
    decltype(&::heif_image_handle_release) handleRelease = nullptr;
    decltype(&::heif_image_handle_get_width) handleWidth = nullptr;
    decltype(&::heif_image_handle_get_height) handleHeight = nullptr;
    decltype(&::heif_decode_image) decodeImage = nullptr;
    decltype(&::heif_image_get_plane_readonly) planeReadonly = nullptr;
    decltype(&::heif_image_get_width) imageWidth = nullptr;
    decltype(&::heif_image_get_height) imageHeight = nullptr;
    decltype(&::heif_image_release) imageRelease = nullptr;

    bool loaded() const { return imageRelease != nullptr; }
};

template <typename F>
bool resolve(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(::dlsym(library, name));
    return function != nullptr;
}

const Heif& heif() {
    static Heif functions;
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = ::dlopen("libheif.so.1", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return;
        }
        Heif h;
        const bool all =
            resolve(library, "heif_context_alloc", h.contextAlloc) &&
            resolve(library, "heif_context_free", h.contextFree) &&
            resolve(library, "heif_context_set_maximum_image_size_limit", h.setSizeLimit) &&
            resolve(library, "heif_context_read_from_memory_without_copy", h.readFromMemory) &&
            resolve(library, "heif_context_get_primary_image_handle", h.primaryHandle) &&
            resolve(library, "heif_image_handle_release", h.handleRelease) &&
            resolve(library, "heif_image_handle_get_width", h.handleWidth) &&
            resolve(library, "heif_image_handle_get_height", h.handleHeight) &&
            resolve(library, "heif_decode_image", h.decodeImage) &&
            resolve(library, "heif_image_get_plane_readonly", h.planeReadonly) &&
            resolve(library, "heif_image_get_width", h.imageWidth) &&
            resolve(library, "heif_image_get_height", h.imageHeight) &&
            resolve(library, "heif_image_release", h.imageRelease);
        if (all) {
            functions = h;
        }
    });
    return functions;
}

struct ContextDeleter {
    void operator()(heif_context* context) const { heif().contextFree(context); }
};
struct HandleDeleter {
    void operator()(heif_image_handle* handle) const { heif().handleRelease(handle); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;

// The primary picture's handle; null when the data is not a readable HEIF.
// The context must outlive the handle, and data the context.
Handle primaryHandle(const QByteArray& data, Context& context) {
    const Heif& h = heif();
    if (!h.loaded()) {
        return nullptr;
    }
    context.reset(h.contextAlloc());
    if (!context) {
        return nullptr;
    }
    h.setSizeLimit(context.get(), kMaxHeifSide);
    if (h.readFromMemory(context.get(), data.constData(), static_cast<size_t>(data.size()), nullptr)
            .code != heif_error_Ok) {
        return nullptr;
    }
    heif_image_handle* handle = nullptr;
    if (h.primaryHandle(context.get(), &handle).code != heif_error_Ok) {
        return nullptr;
    }
    return Handle(handle);
}

void releaseHeifImage(void* image) {
    heif().imageRelease(static_cast<heif_image*>(image));
}

// The brands of HEIF files libheif reads: HEVC-coded photos (phones) and
// the image-sequence and AV1 variants.
constexpr std::array<std::string_view, 10> kBrands = {"heic", "heix", "heim", "heis", "hevc",
                                                      "hevx", "mif1", "msf1", "avif", "avis"};

} // namespace

bool looksLikeHeif(const QByteArray& data) {
    // An ISO media file opens with its "ftyp" box: size, "ftyp", the major
    // brand, a version, then the compatible brands.
    if (data.size() < 16 || data.mid(4, 4) != "ftyp") {
        return false;
    }
    const auto boxSize = static_cast<qsizetype>(
        (static_cast<std::uint32_t>(static_cast<unsigned char>(data[0])) << 24) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(data[1])) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(data[2])) << 8) |
        static_cast<unsigned char>(data[3]));
    const qsizetype end = std::min(data.size(), std::max<qsizetype>(boxSize, 16));
    for (qsizetype at = 8; at + 4 <= end; at += (at == 8 ? 8 : 4)) {
        const std::string_view brand(data.constData() + at, 4);
        if (std::find(kBrands.begin(), kBrands.end(), brand) != kBrands.end()) {
            return true;
        }
    }
    return false;
}

bool readHeifSize(const QByteArray& data, Size& upright) {
    Context context;
    const Handle handle = primaryHandle(data, context);
    if (!handle) {
        return false;
    }
    upright = Size{heif().handleWidth(handle.get()), heif().handleHeight(handle.get())};
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
    const Heif& h = heif();
    heif_image* decoded = nullptr;
    if (h.decodeImage(handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                      nullptr)
            .code != heif_error_Ok) {
        return {};
    }
    int stride = 0;
    const uint8_t* plane = h.planeReadonly(decoded, heif_channel_interleaved, &stride);
    const int width = h.imageWidth(decoded, heif_channel_interleaved);
    const int height = h.imageHeight(decoded, heif_channel_interleaved);
    if (plane == nullptr || width <= 0 || height <= 0) {
        h.imageRelease(decoded);
        return {};
    }
    // The image keeps libheif's pixels until it is dropped: no copy at full size.
    QImage image(plane, width, height, stride, QImage::Format_RGBA8888, releaseHeifImage, decoded);
    return shrunkTo(std::move(image), wanted);
}

} // namespace veltrano

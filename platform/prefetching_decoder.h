#pragma once
// Decoding ahead while pages are printed: while one page is drawn, the photos
// of the next pages are decoded on worker threads, so printing takes about
// as long as decoding on every core rather than on one.

#include "platform/qt_image_decoder.h"
#include "render/veltrano_ctrl.h"

#include <QThreadPool>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace veltrano {

// One photo as printed: its file and the part of it the page shows.
struct PrintedPhoto {
    std::string path;
    PhotoCrop crop = {}; // unset: the whole photo
};

// Decodes like `base` (which must be safe to call from several threads at
// once, as QtImageDecoder is), but each request for a photo of `order` also starts
// decoding the next photos of the order at the same box, each with its own
// crop, on as many threads as there are cores. At most one photo more than
// there are cores is held beyond the one handed out; a photo passed over is
// dropped. Photos of the order are decoded only on those threads, the one
// asked for first; a request is taken from them when its path, box and crop
// match, a foreseen one that was not (another box) is decoded anew there, so
// the result never depends on the guess, and a photo not in the order (with
// that crop) at all on the caller.
class PrefetchingDecoder : public ImageDecoder {
  public:
    PrefetchingDecoder(const ImageDecoder& base, std::vector<PrintedPhoto> order);
    ~PrefetchingDecoder() override;

    DecodedImage decode(const std::string& path, Size box) const override;
    DecodedImage decodePart(const std::string& path, Size box,
                            const PhotoCrop& crop) const override;

  private:
    struct Slot;
    std::shared_ptr<Slot> start(std::size_t index, Size box, bool urgent) const;
    void startAfter(std::size_t index, Size box) const;

    const ImageDecoder& base_;
    std::vector<PrintedPhoto> order_;
    mutable std::mutex mutex_;
    mutable std::condition_variable done_;
    mutable std::deque<std::shared_ptr<Slot>> slots_; // in order, started and not handed out
    mutable std::size_t nextToStart_ = 0;
    mutable QThreadPool threads_;
};

// While it lives, the page controls decode their printed photos through a
// PrefetchingDecoder in printing order: the title photo with titleCrop, then
// January to December with their pages' crops, decoding ahead with the
// January control's decoder (the program's own when it has none). Their
// former decoders are put back at the end.
class PrintPrefetch {
  public:
    PrintPrefetch(PageControls& controls, const std::string& titlePhoto,
                  const PhotoCrop& titleCrop);
    ~PrintPrefetch();
    PrintPrefetch(const PrintPrefetch&) = delete;
    PrintPrefetch& operator=(const PrintPrefetch&) = delete;

  private:
    PageControls& controls_;
    std::vector<const ImageDecoder*> former_;
    QtImageDecoder own_;
    PrefetchingDecoder ahead_;
};

} // namespace veltrano

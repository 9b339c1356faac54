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

// Decodes like `base` (which must be safe to call from several threads at
// once, as QtImageDecoder is), but each request for a photo of `order` also starts
// decoding the next photos of the order at the same box, as many at a time
// as there are cores. At most that many decoded photos are held beyond the
// one handed out; a photo passed over is dropped. A request that was not
// foreseen (another photo or box) is decoded at once, so the result never
// depends on the guess.
class PrefetchingDecoder : public ImageDecoder {
  public:
    PrefetchingDecoder(const ImageDecoder& base, std::vector<std::string> order);
    ~PrefetchingDecoder() override;

    DecodedImage decode(const std::string& path, Size box) const override;

  private:
    struct Slot;
    void startAfter(std::size_t index, Size box) const;

    const ImageDecoder& base_;
    std::vector<std::string> order_;
    mutable std::mutex mutex_;
    mutable std::condition_variable done_;
    mutable std::deque<std::shared_ptr<Slot>> slots_; // in order, started and not handed out
    mutable std::size_t nextToStart_ = 0;
    mutable QThreadPool threads_;
};

// While it lives, the page controls decode their printed photos through a
// PrefetchingDecoder in printing order: the title photo, then January to
// December, decoding ahead with the January control's decoder (the program's
// own when it has none). Their former decoders are put back at the end.
class PrintPrefetch {
  public:
    PrintPrefetch(PageControls& controls, const std::string& titlePhoto);
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

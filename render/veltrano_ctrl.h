#pragma once
// The page control: the data of one month page of the calendar, and its three
// drawings — the thumbnail on screen, the printed month page (a whole sheet,
// or one twelfth of the one-sheet year calendar) and the printed title page.
//
// Every page has the same composition: the photo in the upper two fifths,
// below it the month grid (or the year and the title text on the title page).
// The control is free of any window system; a host widget forwards its paint
// requests to drawPreviewPage.

#include "core/date_value.h"
#include "document/photo_crop.h"
#include "render/image_decoder.h"
#include "render/month_grid.h"
#include "render/photo_loader.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace veltrano {

struct CalendarDocument;
class PrintJob;

// The page data the month grid reads (pageMonth, dayTexts, holidayNames,
// dayColours, dayFrames, fontSize) comes from MonthGridData, so the grid draws
// straight from the control.
class CVeltranoCtrl : public MonthGridData, private PhotoReceiver {
  public:
    // pageMonth starts as today, dayFrames on, fontSize 12, no photo. Without
    // a decoder no photo is ever shown.
    explicit CVeltranoCtrl(const ImageDecoder* decoder = nullptr);
    virtual ~CVeltranoCtrl();
    CVeltranoCtrl(const CVeltranoCtrl&) = delete;
    CVeltranoCtrl& operator=(const CVeltranoCtrl&) = delete;

    // The decoder for printing, and for the thumbnail when there is no loader.
    void setImageDecoder(const ImageDecoder* decoder) { decoder_ = decoder; }
    const ImageDecoder* imageDecoder() const { return decoder_; }
    // With a loader, the thumbnail never waits for a photo: it is drawn
    // without one (the page and its grid) until the loader's answer arrives,
    // and then `changed` is called so that the host repaints. An answer for
    // a photo replaced in the meantime is dropped. The loader must outlive
    // the control or be set back to null first.
    void setPhotoLoader(PhotoLoader* loader);
    void setPhotoChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }
    // A decoding asked of the loader has not arrived yet.
    bool photoPending() const { return pendingTicket_ != 0; }

    // Drops the cached photo; the next drawing decodes photoPath again.
    void invalidatePhoto();
    // Makes path the photo. The cached photo stays only when it was decoded
    // from this path and the file has not changed since (same size and time),
    // so a refresh after editing a day text does not decode twelve photos again.
    void setPhotoPath(const std::string& path);
    // Decodes photoPath into the cache with enough pixels for a box of `box`
    // pixels (a box without area: the file's own size). An empty path or a
    // file that cannot be decoded leaves the cache empty.
    void loadPagePhoto(Size box = {});
    // Makes the photo ready to be drawn into a box of `box` pixels: asked of
    // the loader when there is one (it arrives later), else decoded here once,
    // and again larger when the box has grown past the pixels held.
    void preparePhoto(Size box);

    // The thumbnail in client: a white sheet with a black outline, the photo
    // in the top two fifths and the preview grid below. A photo that is
    // missing or cannot be read shows as a grey frame with its file name and
    // the reason (on screen only: printed pages leave the place empty).
    void drawPreviewPage(DrawingSurface& surface, const Rect& client);
    // Device pixels per unit of the thumbnail's client (the screen's scale
    // factor): its photo is decoded at that many pixels so that it stays sharp
    // on high-resolution screens. Values below 1 count as 1.
    void setScreenPixelRatio(double ratio) { screenPixelRatio_ = ratio > 1.0 ? ratio : 1.0; }
    // A printed month page into rect on the job's page; the caption sits
    // right-aligned under the photo and pushes the grid down if it must.
    void drawMonthPage(PrintJob& job, const Rect& rect, bool compact);
    // The printed title page: title photo, the year of pageMonth and the
    // title text. The title photo is decoded for this print only.
    void drawTitlePage(PrintJob& job, const Rect& rect, const std::string& titlePhotoPath,
                       const std::string& titleText, const PhotoCrop& titleCrop = {});

    bool photoStale = true;
    std::string photoPath;
    PhotoCrop photoCrop; // the part of the photo shown; unset: the whole photo
    std::string caption; // one line under the photo, "&" printed as it is

    // The cached photo, null when there is none.
    const Picture* photo() const { return photo_.picture.get(); }
    // Pixels the cached photo holds.
    Size photoPixels() const { return photo_.pixels; }
    // Why the photo file gave no photo (None while there is one or none was tried).
    PhotoProblem photoProblem() const { return photo_.problem; }

  private:
    void photoArrived(std::uint64_t ticket, DecodedImage photo) override;
    // Asks the loader for the photo when the thumbnail lacks it or a sharp
    // enough copy of it, unless that request is already under way.
    void requestPhoto(Size box);
    // The cached photo when it has enough pixels for its shown part to fill
    // box, else that part decoded for this drawing only (kept in `temporary`),
    // so that printing never keeps a print-size photo per page.
    const Picture* photoFor(Size box, DecodedImage& temporary);
    void ensurePhoto(Size box);

    // What identifies a photo file's content cheaply: existence, size, time.
    struct FileStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static FileStamp stampOf(const std::string& path);

    const ImageDecoder* decoder_;
    PhotoLoader* loader_ = nullptr;
    std::function<void()> changed_;
    std::uint64_t pendingTicket_ = 0; // 0: nothing asked of the loader
    Size pendingBox_;
    double screenPixelRatio_ = 1.0;
    DecodedImage photo_;
    std::string decodedPath_; // the file the cache was filled from ("" when none)
    FileStamp decodedStamp_;
};

// Where the photo goes on a page drawn into `page` (screen thumbnail, printed
// month or title page): the top two fifths, a little inside.
Rect pagePhotoBox(const Rect& page);

inline constexpr int kPageControlCount = 12;
using PageControls = std::array<CVeltranoCtrl, kPageControlCount>;

// Fills the twelve page controls (index 0 = January) from document for year:
// frames, font size, photo and caption of each month (a cached photo is
// dropped unless its file is the same and unchanged), day texts and colours, pageMonth = the 1st of
// the month in year, and the holiday names of the document's region when holidays are shown — of
// two holidays on one day the later in the region's list wins.
void fillPageControls(PageControls& controls, const CalendarDocument& document, std::int32_t year);

} // namespace veltrano

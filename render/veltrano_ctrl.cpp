#include "render/veltrano_ctrl.h"

#include "core/holidays.h"
#include "core/strings.h"
#include "document/calendar_document.h"
#include "document/calendar_limits.h"
#include "render/photo_crop_place.h"
#include "render/photo_fit.h"
#include "render/print_job.h"
#include "render/text_layout.h"

#include <cmath>
#include <filesystem>

namespace veltrano {

namespace {

constexpr std::int32_t kPreviewGap = 10; // device units between photo and grid on screen
constexpr std::int32_t kPageInset = 3;
constexpr std::int32_t kPhotoInset = 2;
constexpr std::int32_t kGridInset = 4;

// The upper two fifths of area, where the photo goes.
Rect photoBoxOf(const Rect& area) {
    return Rect{area.left, area.top, area.right, area.top + area.height() * 2 / 5};
}

// A box's size in device pixels, rounded up so the photo never falls short.
Size devicePixels(const Rect& box, double ratio) {
    return Size{static_cast<std::int32_t>(std::ceil(box.width() * ratio - 1e-9)),
                static_cast<std::int32_t>(std::ceil(box.height() * ratio - 1e-9))};
}

// Pixels wanted for a photo printed into box: enough for the print
// resolution at that size, not the device's full resolution.
Size printBoxPixels(const DrawingSurface& surface, const Rect& box) {
    return Size{printPixels(box.width(), surface.dpiX()),
                printPixels(box.height(), surface.dpiY())};
}

bool holdsEnough(const DecodedImage& image, Size box) {
    const Size needed =
        decodedPixelSize(Size{image.picture->width(), image.picture->height()}, box);
    return image.pixels.width >= needed.width && image.pixels.height >= needed.height;
}

FontSpec arial(int points, int weight = kWeightNormal) {
    FontSpec font;
    font.face = "Arial";
    font.points = points;
    font.weight = weight;
    return font;
}

const FontSpec kCaptionFont{"MS Sans Serif", 10};

// The small pages of the year sheet are narrower than many captions: a caption
// is drawn smaller until it fits width, and below the smallest size it is cut
// at its end. Sets the font on surface; returns the text to draw.
std::string fitCaption(DrawingSurface& surface, const std::string& caption, std::int32_t width) {
    const LineMeasure measure = [&](std::string_view text) {
        return surface.textExtent(text).width;
    };
    shrinkFontToFit(surface, kCaptionFont, kSmallestFittedPoints, width,
                    [&] { return measure(caption); });
    return cutWithEllipsis(caption, width, measure);
}

} // namespace

Rect pagePhotoBox(const Rect& page) {
    return photoBoxOf(page.deflated(kPageInset)).deflated(kPhotoInset);
}

CVeltranoCtrl::CVeltranoCtrl(const ImageDecoder* decoder) : decoder_(decoder) {
    pageMonth = DateValue::today();
}

CVeltranoCtrl::~CVeltranoCtrl() {
    setPhotoLoader(nullptr);
}

void CVeltranoCtrl::setPhotoLoader(PhotoLoader* loader) {
    if (loader_ != nullptr) {
        loader_->cancel(*this);
    }
    loader_ = loader;
    pendingTicket_ = 0;
}

void CVeltranoCtrl::invalidatePhoto() {
    photo_ = DecodedImage{};
    photoStale = true;
    decodedPath_.clear();
    // A decoding still under way is for the old photo: its answer is dropped.
    pendingTicket_ = 0;
}

void CVeltranoCtrl::requestPhoto(Size box) {
    if (loader_ == nullptr || photoPath.empty() || box.width <= 0 || box.height <= 0) {
        return;
    }
    const bool blurry = photo_ && !holdsEnough(photo_, box);
    if (!photoStale && !blurry) {
        return;
    }
    if (pendingTicket_ != 0 && pendingBox_ == box) {
        return;
    }
    photoStale = false;
    decodedPath_ = photoPath;
    decodedStamp_ = stampOf(photoPath);
    pendingBox_ = box;
    pendingTicket_ = loader_->request(photoPath, box, *this);
}

void CVeltranoCtrl::photoArrived(std::uint64_t ticket, DecodedImage photo) {
    if (ticket != pendingTicket_) {
        return;
    }
    pendingTicket_ = 0;
    photo_ = std::move(photo);
    if (changed_) {
        changed_();
    }
}

CVeltranoCtrl::FileStamp CVeltranoCtrl::stampOf(const std::string& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (error)
        return FileStamp{};
    const auto modified = std::filesystem::last_write_time(path, error);
    stamp.exists = true;
    stamp.modified = error ? 0 : static_cast<std::int64_t>(modified.time_since_epoch().count());
    return stamp;
}

void CVeltranoCtrl::setPhotoPath(const std::string& path) {
    const bool unchanged = !photoStale && !decodedPath_.empty() && path == decodedPath_ &&
                           stampOf(path) == decodedStamp_;
    photoPath = path;
    if (!unchanged)
        invalidatePhoto();
}

void CVeltranoCtrl::loadPagePhoto(Size box) {
    decodedPath_.clear();
    if (photoPath.empty() || decoder_ == nullptr) {
        photo_ = DecodedImage{};
        return;
    }
    decodedStamp_ = stampOf(photoPath);
    photo_ = decoder_->decode(photoPath, box);
    decodedPath_ = photoPath;
}

// Decodes a stale photo once; a photo that cannot be decoded is not tried
// again before the next invalidatePhoto. A box without area decodes nothing
// yet, so that a collapsed window never decodes a photo at full size.
void CVeltranoCtrl::ensurePhoto(Size box) {
    if (photoStale && box.width > 0 && box.height > 0) {
        loadPagePhoto(box);
        photoStale = false;
    }
}

const Picture* CVeltranoCtrl::photoFor(Size box, DecodedImage& temporary) {
    // A chosen part is decoded on its own; the cached photo is the whole one.
    if (!photo_) {
        // Nothing cached (not decoded yet, under way, or failed): decode for
        // this drawing.
        if (decoder_ != nullptr && !photoPath.empty() && box.width > 0 && box.height > 0) {
            temporary = decoder_->decodePart(photoPath, box, photoCrop);
        }
        return temporary.picture.get();
    }
    if (holdsEnough(photo_, decodeBoxForCrop(box, photoCrop)) || decoder_ == nullptr) {
        return photo_.picture.get();
    }
    temporary = decoder_->decodePart(photoPath, box, photoCrop);
    return temporary ? temporary.picture.get() : photo_.picture.get();
}

void CVeltranoCtrl::preparePhoto(Size box) {
    if (loader_ != nullptr) {
        requestPhoto(box);
        return;
    }
    ensurePhoto(box);
    // A window grown since the photo was decoded gets a sharper copy; the
    // screen copy is the one that stays in the cache.
    if (photo_ && box.width > 0 && box.height > 0 && !holdsEnough(photo_, box)) {
        loadPagePhoto(box);
    }
}

void CVeltranoCtrl::drawPreviewPage(DrawingSurface& surface, const Rect& client) {
    const Rect area = client.deflated(kPageInset);
    const Rect photoBox = pagePhotoBox(client);
    Rect gridArea{area.left, photoBoxOf(area).bottom + kPreviewGap, area.right, area.bottom};
    // At the screen's pixels; a chosen part of the photo needs the whole photo decoded larger.
    const Size wanted = decodeBoxForCrop(devicePixels(photoBox, screenPixelRatio_), photoCrop);
    preparePhoto(wanted);
    surface.save();
    surface.setBrush(Brush::solid(kWhite));
    surface.setPen(Pen::solid(kBlack));
    surface.drawRect(client);
    if (photo_) {
        drawPlacedPhoto(surface, *photo_.picture, photoBox, photoCrop);
    } else if (photo_.problem != PhotoProblem::None && !photoPending()) {
        drawPhotoProblem(surface, photoBox, photoPath, photo_.problem);
    }
    drawPreviewGrid(surface, gridArea.deflated(kGridInset), *this);
    surface.restore();
}

void CVeltranoCtrl::drawMonthPage(PrintJob& job, const Rect& rect, bool compact) {
    DrawingSurface* surface = job.surface();
    const Rect area = rect.deflated(kPageInset);
    if (surface == nullptr || area.isEmpty()) {
        return;
    }
    const Rect photoBox = pagePhotoBox(rect);
    const std::int32_t gap = job.mmRect(0, 0, 10, 10).height();
    Rect gridArea{area.left, photoBoxOf(area).bottom + gap, area.right, area.bottom};
    const Size pixels = printBoxPixels(*surface, photoBox);
    surface->save();
    DecodedImage printCopy;
    if (const Picture* picture = photoFor(pixels, printCopy)) {
        const Rect dest = drawPlacedPhoto(*surface, *picture, photoBox, photoCrop);
        if (!caption.empty()) {
            const std::int32_t small = job.mmRect(0, 0, 5, 5).height();
            Rect captionRect = area.deflated(2);
            captionRect.right = dest.right;
            captionRect.top = dest.bottom + small / 5;
            const FontSpec previous = surface->font();
            // The grid keeps the place a full-size caption gives it, so that the
            // months of the year sheet stay in line however small their captions.
            surface->setFont(kCaptionFont);
            const std::int32_t height = surface->textExtent(caption).height;
            const std::string shown =
                compact ? fitCaption(*surface, caption, captionRect.width()) : caption;
            surface->drawText(captionRect, shown, TextRight | TextSingleLine | TextNoPrefix);
            gridArea.top = std::max(gridArea.top, captionRect.top + height + gap);
            surface->setFont(previous);
        }
    }
    drawMonthGrid(*surface, gridArea.deflated(kGridInset), *this, compact);
    surface->restore();
}

void CVeltranoCtrl::drawTitlePage(PrintJob& job, const Rect& rect,
                                  const std::string& titlePhotoPath, const std::string& titleText,
                                  const PhotoCrop& titleCrop) {
    DrawingSurface* surface = job.surface();
    const Rect area = rect.deflated(kPageInset);
    if (surface == nullptr || area.isEmpty()) {
        return;
    }
    surface->save();
    const Rect photoBox = pagePhotoBox(rect);
    const std::int32_t gap = job.mmRect(0, 0, 10, 10).height();
    Rect textArea = Rect{area.left, photoBoxOf(area).bottom + gap, area.right, area.bottom};
    const Size pixels = printBoxPixels(*surface, photoBox);
    if (!titlePhotoPath.empty() && decoder_ != nullptr && pixels.width > 0 && pixels.height > 0) {
        const DecodedImage titlePhoto = decoder_->decodePart(titlePhotoPath, pixels, titleCrop);
        if (titlePhoto) {
            drawPlacedPhoto(*surface, *titlePhoto.picture, photoBox, titleCrop);
        }
    }
    textArea = textArea.deflated(kGridInset);
    if (!textArea.isEmpty()) {
        surface->setFont(arial(30, kWeightBold));
        const std::string year = formatText("%d", {std::int64_t{pageMonth.year}});
        const std::int32_t y = surface->drawText(textArea, year, TextCentre | TextSingleLine);
        textArea.top += y * 3 / 2;
        surface->setFont(arial(24));
        surface->drawText(textArea, std::string(drawnPart(titleText)),
                          TextCentre | TextWordWrap | TextNoPrefix);
    }
    surface->restore();
}

void fillPageControls(PageControls& controls, const CalendarDocument& document, std::int32_t year) {
    for (std::size_t m = 0; m < controls.size(); ++m) {
        CVeltranoCtrl& page = controls[m];
        page.dayFrames = document.dayFrames != 0;
        page.fontSize = document.fontSize;
        page.weekNumbers = document.weekNumbers == 1;
        page.setPhotoPath(document.monthPhoto[m]);
        page.photoCrop = document.photoCrop[m];
        page.caption = drawnPart(document.monthText[m]);
        for (std::size_t d = 0; d < page.dayTexts.size(); ++d)
            page.dayTexts[d] = drawnPart(document.dayText[m][d]);
        page.dayColours = document.dayColour[m];
        page.pageMonth = DateValue{};
        page.pageMonth.day = 1;
        page.pageMonth.month = static_cast<std::int32_t>(m) + 1;
        page.pageMonth.year = year;
        page.holidayNames = {};
    }
    if (document.showHolidays == 0) {
        return;
    }
    HolidayList holidays;
    holidays.region = document.region;
    holidays.setRegionDefaults();
    holidays.computeDates(year);
    for (std::int32_t i = 0; i < holidays.count(); ++i) {
        const DateValue date = holidays.date(i);
        if (date.isEmpty() || date.month < 1 || date.month > kPageControlCount || date.day > 31) {
            continue;
        }
        controls[static_cast<std::size_t>(date.month - 1)]
            .holidayNames[static_cast<std::size_t>(date.day - 1)] = holidays.holidayName(i);
    }
}

} // namespace veltrano

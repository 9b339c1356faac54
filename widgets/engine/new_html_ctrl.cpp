#include "widgets/engine/new_html_ctrl.h"

#include <algorithm>

namespace veltrano {

namespace {

// Link words keep the blanks that follow them; the address ends before them.
std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

} // namespace

void CNewHtmlCtrl::setImages(int number, int imageWidth) {
    imageBitmap_ = number;
    imageWidth_ = std::max(imageWidth, 1);
}

bool CNewHtmlCtrl::needsLayout(Size client) const {
    return !laidOutText_ || *laidOutText_ != text_ || laidOutClient_ != client;
}

std::string CNewHtmlCtrl::preparedText() const {
    // Only the markup decides where lines break.
    std::string prepared = text_;
    std::replace(prepared.begin(), prepared.end(), '\n', ' ');
    return prepared;
}

RichTextSettings CNewHtmlCtrl::settingsWithPictures() const {
    RichTextSettings settings = settings_;
    settings.bitmaps = source_;
    settings.images.imageWidth = imageWidth_;
    if (source_ != nullptr) {
        settings.images.picture = imageBitmap_ ? source_->picture(*imageBitmap_) : nullptr;
        settings.headerBitmap = headerBitmap_ ? source_->picture(*headerBitmap_) : nullptr;
    }
    return settings;
}

int CNewHtmlCtrl::layOut(DrawingSurface& surface, Size client) {
    const int needed =
        layoutRichText(surface, Rect{0, 0, client.width, client.height}, preparedText(), true,
                       kPointSize, settingsWithPictures(), &areas_);
    const int clientHeight = std::max(client.height, 0);
    pageHeight_ = std::max(std::min(needed, kMaxPageHeight), clientHeight);
    scrollMaximum_ = std::max(pageHeight_ - clientHeight, 0);
    scrollPosition_ = std::clamp(scrollPosition_, 0, scrollMaximum_);
    lineStep_ = richBaseHeight(surface, kPointSize);
    laidOutText_ = text_;
    laidOutClient_ = client;
    return pageHeight_;
}

void CNewHtmlCtrl::drawPage(DrawingSurface& page) {
    layoutRichText(page, Rect{0, 0, laidOutClient_.width, pageHeight_}, preparedText(), false,
                   kPointSize, settingsWithPictures(), &areas_);
}

Rect CNewHtmlCtrl::visibleBand() const {
    return Rect{0, scrollPosition_, laidOutClient_.width,
                scrollPosition_ + std::max(laidOutClient_.height, 0)};
}

int CNewHtmlCtrl::measure(DrawingSurface& surface, int width) const {
    return layoutRichText(surface, Rect{0, 0, width, 0}, preparedText(), true, kPointSize,
                          settingsWithPictures());
}

void CNewHtmlCtrl::scroll(ScrollAction action, int position) {
    long long target = scrollPosition_;
    switch (action) {
    case ScrollAction::LineUp:
        target -= 1;
        break;
    case ScrollAction::LineDown:
        target += 1;
        break;
    case ScrollAction::PageUp:
        target -= lineStep_;
        break;
    case ScrollAction::PageDown:
        target += lineStep_;
        break;
    case ScrollAction::Thumb:
        target = position;
        break;
    }
    scrollPosition_ = static_cast<int>(std::clamp<long long>(target, 0, scrollMaximum_));
}

int CNewHtmlCtrl::areaAt(Point client) const {
    const Point onPage{client.x, addCoordinates(client.y, scrollPosition_)};
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        if (areas_[i].rect.contains(onPage)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ClickOutcome CNewHtmlCtrl::click(Point client, LinkOpener& opener) {
    return activate(areaAt(client), opener);
}

ClickOutcome CNewHtmlCtrl::activate(int index, LinkOpener& opener) {
    if (index < 0 || static_cast<std::size_t>(index) >= areas_.size()) {
        return ClickOutcome::None;
    }
    const MarkupArea& area = areas_[static_cast<std::size_t>(index)];
    switch (area.kind) {
    case AreaKind::WebLink:
        opener.openWebAddress(withoutTrailingBlanks(area.text));
        return ClickOutcome::WebLinkOpened;
    case AreaKind::MailLink:
        opener.startMail(withoutTrailingBlanks(area.text));
        return ClickOutcome::MailStarted;
    case AreaKind::Button:
        break;
    }
    clickedArea_ = index;
    return ClickOutcome::ButtonClicked;
}

} // namespace veltrano

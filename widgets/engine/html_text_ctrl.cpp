#include "widgets/engine/html_text_ctrl.h"

#include "widgets/engine/markup_tokens.h"
#include "widgets/engine/palette.h"
#include "widgets/engine/rich_text_layout.h"

#include <algorithm>

namespace veltrano {

class CHtmlTextCtrl::Layout {
  public:
    Layout(CHtmlTextCtrl& ctrl, DrawingSurface& surface, const Rect& rect, bool measureOnly)
        : ctrl_(ctrl), surface_(surface), measureOnly_(measureOnly) {
        font_.face = std::string(kMarkupFace);
        font_.points = CHtmlTextCtrl::kBigPoints;
        surface_.setFont(font_);
        lineHeight_ = surface_.textExtent("Abq").height;
        font_.points = CHtmlTextCtrl::kSmallPoints;
        surface_.setFont(font_);
        surface_.setTextColour(ctrl_.textColour_);
        surface_.setBackgroundMode(BackgroundMode::Transparent);
        left_ = addCoordinates(rect.left, CHtmlTextCtrl::kTextMargin);
        right_ = addCoordinates(rect.right, -CHtmlTextCtrl::kTextMargin);
        top_ = rect.top;
        line_ = Rect{left_, top_, right_, addCoordinates(top_, lineHeight_)};
        x_ = left_;
        ctrl_.linkStart_.reset();
        ctrl_.linkEnd_.reset();
        ctrl_.lineHeight_ = lineHeight_;
    }

    int run(std::string_view text) {
        while (!text.empty()) {
            apply(nextLabelToken(text));
        }
        return line_.bottom - top_;
    }

  private:
    void newLine() {
        line_ = Rect{left_, line_.bottom, right_, addCoordinates(line_.bottom, lineHeight_)};
        x_ = left_;
    }

    void setFont() { surface_.setFont(font_); }

    void apply(const LabelToken& token) {
        switch (token.kind) {
        case LabelTokenKind::Word:
            word(token.word);
            break;
        case LabelTokenKind::Bold:
        case LabelTokenKind::BoldEnd:
            font_.weight = token.kind == LabelTokenKind::Bold ? kWeightBold : kWeightNormal;
            setFont();
            break;
        case LabelTokenKind::Underline:
        case LabelTokenKind::UnderlineEnd:
            font_.underline = token.kind == LabelTokenKind::Underline;
            setFont();
            break;
        case LabelTokenKind::Link:
            linkStart();
            break;
        case LabelTokenKind::LinkEnd:
            linkEnd();
            break;
        case LabelTokenKind::Big:
        case LabelTokenKind::BigEnd:
            small_ = token.kind == LabelTokenKind::BigEnd;
            font_.points = small_ ? CHtmlTextCtrl::kSmallPoints : CHtmlTextCtrl::kBigPoints;
            setFont();
            break;
        case LabelTokenKind::LineBreak:
            newLine();
            break;
        case LabelTokenKind::Line:
            separator();
            break;
        case LabelTokenKind::NoLink:
        case LabelTokenKind::NoLinkEnd:
            break; // a label links only what <link> marks
        }
    }

    void word(const std::string& text) {
        const Size extent = surface_.textExtent(text);
        const std::int64_t room = std::int64_t{line_.right} - x_;
        if (extent.width > room && extent.width < right_ - left_) {
            newLine();
        }
        if (!measureOnly_) {
            const std::int32_t y = small_ ? addCoordinates(line_.top, 2) : line_.top;
            surface_.drawText(
                Rect{x_, y, addCoordinates(x_, extent.width), addCoordinates(y, extent.height)},
                text, TextSingleLine | TextNoPrefix);
        }
        x_ = addCoordinates(x_, extent.width);
    }

    void linkStart() {
        font_.underline = true;
        setFont();
        surface_.setTextColour(ctrl_.enabled_ ? ctrl_.linkColour_ : ctrl_.disabledLinkColour_);
        ctrl_.linkStart_ = Point{x_, line_.top};
        ctrl_.linkEnd_.reset(); // a link counts once it is closed
    }

    void linkEnd() {
        font_.underline = false;
        setFont();
        ctrl_.linkEnd_ = Point{x_, line_.bottom};
        surface_.setTextColour(ctrl_.textColour_);
    }

    // The separator takes a line of its own, 4 pixels high and reaching 4
    // pixels beyond the text on both sides, with the rule across its middle.
    void separator() {
        line_ = Rect{left_ - CHtmlTextCtrl::kTextMargin, line_.bottom,
                     addCoordinates(right_, CHtmlTextCtrl::kTextMargin),
                     addCoordinates(line_.bottom, 4)};
        x_ = line_.left;
        if (!measureOnly_) {
            surface_.setPen(Pen::solid(ctrl_.ruleColour_));
            const std::int32_t y = addCoordinates(line_.top, 2);
            surface_.drawLine(Point{line_.left, y}, Point{line_.right, y});
        }
    }

    CHtmlTextCtrl& ctrl_;
    DrawingSurface& surface_;
    bool measureOnly_;
    FontSpec font_;
    bool small_ = true;
    std::int32_t lineHeight_ = 0;
    std::int32_t left_ = 0, right_ = 0, top_ = 0, x_ = 0;
    Rect line_;
};

CHtmlTextCtrl::CHtmlTextCtrl()
    : linkColour_(paletteColour(kPaletteLink)), ruleColour_(paletteColour(kPaletteRule)) {}

int CHtmlTextCtrl::layout(DrawingSurface& surface, const Rect& rect, bool measureOnly) {
    surface.save();
    Layout layout(*this, surface, rect, measureOnly);
    const int height = layout.run(text_);
    surface.restore();
    return height;
}

void CHtmlTextCtrl::paint(DrawingSurface& surface, Size client) {
    const Rect clientRect{0, 0, client.width, client.height};
    if (gradient_) {
        surface.fillGradient(clientRect, background_, kWhite, false);
    } else {
        surface.fillRect(clientRect, background_);
    }
    Rect area = clientRect;
    const Picture* icons =
        (iconBitmap_ && source_ != nullptr) ? source_->picture(*iconBitmap_) : nullptr;
    if (icons != nullptr && iconIndex_ >= 0) {
        const int top = client.height > kIconSize ? (client.height - kIconSize) / 2 : 0;
        PictureStrip{icons, kIconSize}.draw(surface, Point{0, top}, iconIndex_);
        area.left += kIconTextOffset;
    }
    if (!textHeight_ || measuredText_ != text_ || measuredArea_ != area) {
        textHeight_ = layout(surface, area, true);
        measuredText_ = text_;
        measuredArea_ = area;
    }
    const int areaHeight = area.height();
    if (alignBottom_ && *textHeight_ < areaHeight) {
        area.top += areaHeight - *textHeight_ - 1;
    } else if (centre_ && *textHeight_ < areaHeight) {
        area.top += (areaHeight - *textHeight_) / 2;
    }
    layout(surface, area, false);
}

std::optional<std::pair<Point, Point>> CHtmlTextCtrl::linkEnds() const {
    if (!linkStart_ || !linkEnd_) {
        return std::nullopt;
    }
    return std::make_pair(*linkStart_, *linkEnd_);
}

bool CHtmlTextCtrl::linkContains(Point point, int clientWidth) const {
    if (!linkStart_ || !linkEnd_) {
        return false;
    }
    const Point start = *linkStart_;
    const Point end = *linkEnd_;
    if (end.x >= start.x) {
        return Rect{start.x, start.y, end.x, end.y}.contains(point);
    }
    // A wrapped link: the rest of its first line, whole lines, then the start
    // of its last line, the first whose bottom reaches the end bottom.
    if (point.y < start.y) {
        return false;
    }
    const std::int64_t step = std::max(lineHeight_, 1);
    const std::int64_t index = (std::int64_t{point.y} - start.y) / step;
    const std::int64_t span = std::int64_t{end.y} - start.y;
    const std::int64_t lastIndex = span <= 0 ? 0 : (span + step - 1) / step - 1;
    if (index > lastIndex) {
        return false;
    }
    const std::int32_t left = index == 0 ? start.x : 0;
    const std::int32_t right = index == lastIndex ? end.x : clientWidth;
    return point.x >= left && point.x < right;
}

} // namespace veltrano

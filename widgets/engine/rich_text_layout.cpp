#include "widgets/engine/rich_text_layout.h"

#include "widgets/engine/markup_tokens.h"

#include <algorithm>

namespace veltrano {

namespace {

constexpr std::string_view kMetricSample = "Abq";
constexpr TextFlags kWordFlags = TextSingleLine | TextNoPrefix;

FontSpec richNormalFont(int pointSize) {
    FontSpec font;
    font.face = std::string(kMarkupFace);
    font.points = pointSize;
    return font;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The link a word makes, if any, and the text it is drawn with.
struct LinkWord {
    bool isLink = false;
    AreaKind kind = AreaKind::WebLink;
    std::string_view shown;
};

// The length limits hold for the word without the blanks that follow it, so
// that "www. " or "mailto: " alone name nothing.
LinkWord recogniseLink(std::string_view word) {
    const std::size_t end = word.find_last_not_of(' ');
    const std::size_t length = end == std::string_view::npos ? 0 : end + 1;
    if (startsWith(word, "http://") || (length >= 5 && startsWith(word, "www."))) {
        return LinkWord{true, AreaKind::WebLink, word};
    }
    if (length >= 8 && startsWith(word, "mailto:")) {
        return LinkWord{true, AreaKind::MailLink, word.substr(7)};
    }
    return LinkWord{false, AreaKind::WebLink, word};
}

// One run of the layout: the pen position and line state of the text area.
class RichLayout {
  public:
    RichLayout(DrawingSurface& surface, const Rect& rect, bool measureOnly, int pointSize,
               const RichTextSettings& settings, std::vector<MarkupArea>& areas)
        : surface_(surface), settings_(settings), areas_(areas), measureOnly_(measureOnly) {
        normal_ = richNormalFont(pointSize);
        bold_ = normal_.bold();
        heading_ = normal_;
        heading_.points = kHeadingPoints;
        area_ = Rect{addCoordinates(rect.left, settings.insets.left),
                     addCoordinates(rect.top, settings.insets.top),
                     addCoordinates(rect.right, -std::int64_t{settings.insets.right}),
                     addCoordinates(rect.bottom, -std::int64_t{settings.insets.bottom})};
        fillRect_ = rect;
    }

    int run(std::string_view text) {
        selectFont(normal_);
        const int sample = surface_.textExtent(kMetricSample).height;
        base_ = sample + sample / 4;
        areas_.clear();
        surface_.setTextColour(colour_);
        surface_.setBackgroundMode(BackgroundMode::Transparent);
        if (!measureOnly_) {
            surface_.fillRect(fillRect_, settings_.background);
        }
        x_ = area_.left;
        y_ = area_.top;
        widest_ = x_;
        buttonStart_ = Point{x_, y_};
        buttonWords_.clear();
        lineHeight_ = base_;
        while (!text.empty()) {
            apply(nextRichToken(text));
        }
        return addCoordinates(y_, lineHeight_);
    }

  private:
    void selectFont(const FontSpec& font) {
        current_ = font;
        surface_.setFont(font);
    }

    int sampleHeight() const { return surface_.textExtent(kMetricSample).height; }

    void newLine(bool keepRightTab = false) {
        x_ = area_.left;
        y_ = addCoordinates(y_, lineHeight_);
        lineHeight_ = base_;
        indent_ = 0;
        if (!keepRightTab) {
            rightTab_ = 0;
        }
    }

    void apply(const RichToken& token) {
        switch (token.kind) {
        case RichTokenKind::LineBreak:
            newLine();
            break;
        case RichTokenKind::Strong:
            selectFont(bold_);
            lineHeight_ = std::max(lineHeight_, sampleHeight() * 5 / 4);
            break;
        case RichTokenKind::StrongEnd:
        case RichTokenKind::HeadingEnd:
            selectFont(normal_);
            break;
        case RichTokenKind::Red:
        case RichTokenKind::RedEnd:
            colour_ = token.kind == RichTokenKind::Red ? kMarkupRed : kBlack;
            surface_.setTextColour(colour_);
            break;
        case RichTokenKind::Rule:
            rule(base_ / 2, base_);
            break;
        case RichTokenKind::SmallRule:
            rule(2, 5);
            break;
        case RichTokenKind::Heading:
            selectFont(heading_);
            lineHeight_ = std::max(lineHeight_, sampleHeight());
            break;
        case RichTokenKind::Word:
        case RichTokenKind::LessThan:
            word(token.text);
            break;
        case RichTokenKind::NoLink:
        case RichTokenKind::NoLinkEnd:
            noLink_ = token.kind == RichTokenKind::NoLink;
            break;
        default:
            applyPlacement(token);
        }
    }

    // The tags that move the pen or draw pictures and bars.
    void applyPlacement(const RichToken& token) {
        switch (token.kind) {
        case RichTokenKind::YellowLine:
            yellowLine();
            break;
        case RichTokenKind::Tab:
            x_ = std::max(x_, addCoordinates(area_.left, token.number));
            indent_ = token.number;
            break;
        case RichTokenKind::RightTab:
            rightTab_ = token.number;
            break;
        case RichTokenKind::NewLine:
            x_ = area_.left;
            y_ = addCoordinates(y_, token.number);
            lineHeight_ = base_;
            indent_ = 0;
            rightTab_ = 0;
            break;
        case RichTokenKind::Image:
            image(token.number);
            break;
        case RichTokenKind::Bitmap:
            bitmap(token.number);
            break;
        case RichTokenKind::HeaderBitmap:
            pictureAtPen(settings_.headerBitmap);
            break;
        case RichTokenKind::ButtonStart:
            buttonStart_ = Point{x_, y_};
            buttonStartPending_ = false;
            buttonWords_.clear();
            break;
        case RichTokenKind::ButtonEnd:
            addArea(Rect{buttonStart_.x, buttonStart_.y, widest_, addCoordinates(y_, lineHeight_)},
                    AreaKind::Button, buttonWords_);
            buttonWords_.clear();
            // A button area closed without a new start tag before it begins
            // where its first word or picture is drawn, not on top of the one
            // before, so that a click on either reaches the button it shows.
            buttonStartPending_ = true;
            break;
        default: // tags in no table
            break;
        }
    }

    // A rule `offset` below the line top, after which the text goes on
    // `advance` lower. A rule met inside a line starts a new line first.
    void rule(int offset, int advance) {
        if (x_ > area_.left) {
            newLine(true);
        }
        if (!measureOnly_) {
            const std::int32_t ruleY = addCoordinates(y_, offset);
            surface_.setPen(Pen::solid(kBlack));
            surface_.drawLine(Point{area_.left, ruleY}, Point{area_.right, ruleY});
        }
        y_ = addCoordinates(y_, advance);
    }

    void yellowLine() {
        if (!measureOnly_) {
            surface_.fillRect(Rect{addCoordinates(area_.left, -1), addCoordinates(y_, -1),
                                   addCoordinates(area_.right, 1),
                                   addCoordinates(y_, std::int64_t{lineHeight_} + 1)},
                              kMarkupYellow);
        }
    }

    void image(std::int32_t number) {
        if (number < 0) {
            return;
        }
        const int width = settings_.images.imageWidth;
        if (addCoordinates(x_, width) > area_.right) {
            x_ = area_.left;
            y_ = addCoordinates(y_, lineHeight_);
        }
        startPendingButton();
        if (!measureOnly_) {
            settings_.images.draw(surface_, Point{x_, y_}, number);
        }
        x_ = addCoordinates(x_, std::int64_t{width} + 4);
    }

    void bitmap(std::int32_t number) {
        if (number >= 0 && settings_.bitmaps != nullptr) {
            pictureAtPen(settings_.bitmaps->picture(number));
        }
    }

    void pictureAtPen(const Picture* picture) {
        if (picture != nullptr)
            startPendingButton();
        if (picture != nullptr && !measureOnly_) {
            surface_.drawPicture(*picture, Rect{x_, y_, addCoordinates(x_, picture->width()),
                                                addCoordinates(y_, picture->height())});
        }
    }

    void startPendingButton() {
        if (buttonStartPending_) {
            buttonStart_ = Point{x_, y_};
            buttonStartPending_ = false;
        }
    }

    void addArea(const Rect& rect, AreaKind kind, std::string_view text) {
        if (static_cast<int>(areas_.size()) < kMaxAreas) {
            areas_.push_back(MarkupArea{rect, kind, std::string(text)});
        }
    }

    void word(std::string_view text);

    DrawingSurface& surface_;
    const RichTextSettings& settings_;
    std::vector<MarkupArea>& areas_;
    bool measureOnly_;
    // Inside <nolink>: outside text, whose words are drawn as they are.
    bool noLink_ = false;
    Rect area_;
    Rect fillRect_;
    FontSpec normal_, bold_, heading_, current_;
    Colour colour_ = kBlack;
    std::int32_t x_ = 0, y_ = 0, lineHeight_ = 0, base_ = 0;
    std::int32_t indent_ = 0, rightTab_ = 0, widest_ = 0;
    Point buttonStart_;
    bool buttonStartPending_ = false;
    std::string buttonWords_; // the words since the last button start
};

// A word is measured as it is drawn (a link in the underlined normal font, a
// mail link without "mailto:"), wrapped to the hanging indent when it does not
// fit, and drawn left-aligned or, after a right tab, ending at that tab.
void RichLayout::word(std::string_view text) {
    const bool canLink = !noLink_ && static_cast<int>(areas_.size()) < kMaxLinkAreas;
    const LinkWord link = canLink ? recogniseLink(text) : LinkWord{false, AreaKind::WebLink, text};
    if (link.isLink) {
        FontSpec linkFont = normal_;
        linkFont.underline = true;
        surface_.setFont(linkFont);
        surface_.setTextColour(kMarkupLinkBlue);
    }
    const Size extent = surface_.textExtent(link.shown);
    if (x_ > area_.left && addCoordinates(x_, extent.width) > area_.right) {
        x_ = indent_ > 0 ? addCoordinates(area_.left, indent_) : area_.left;
        y_ = addCoordinates(y_, lineHeight_);
        lineHeight_ = base_;
    }
    startPendingButton();
    lineHeight_ = std::max(lineHeight_, extent.height);
    const std::int32_t bottom = addCoordinates(y_, lineHeight_);
    if (rightTab_ < 1) {
        if (!measureOnly_) {
            surface_.drawText(Rect{x_, y_, area_.right, bottom}, link.shown, kWordFlags);
        }
    } else {
        const std::int32_t tabX = addCoordinates(area_.left, rightTab_);
        if (!measureOnly_) {
            surface_.drawText(Rect{x_, y_, tabX, bottom}, link.shown, kWordFlags | TextRight);
        }
        rightTab_ = 0;
        x_ = addCoordinates(tabX, -std::int64_t{extent.width});
    }
    if (link.isLink) {
        addArea(Rect{x_, y_, addCoordinates(x_, extent.width), addCoordinates(y_, extent.height)},
                link.kind, link.shown);
        surface_.setFont(current_);
        surface_.setTextColour(colour_);
    }
    x_ = addCoordinates(x_, extent.width);
    widest_ = std::max(widest_, x_);
    const std::string_view spoken = link.shown.substr(0, link.shown.find_last_not_of(' ') + 1);
    if (!spoken.empty())
        buttonWords_ += (buttonWords_.empty() ? "" : " ") + std::string(spoken);
}

} // namespace

int richBaseHeight(DrawingSurface& surface, int pointSize) {
    surface.save();
    surface.setFont(richNormalFont(pointSize));
    const int sample = surface.textExtent(kMetricSample).height;
    surface.restore();
    return sample + sample / 4;
}

int layoutRichText(DrawingSurface& surface, const Rect& rect, std::string_view text,
                   bool measureOnly, int pointSize, const RichTextSettings& settings,
                   std::vector<MarkupArea>* areas) {
    std::vector<MarkupArea> scratch;
    std::vector<MarkupArea>& found = areas != nullptr ? *areas : scratch;
    surface.save();
    RichLayout layout(surface, rect, measureOnly, pointSize, settings, found);
    const int height = layout.run(text);
    surface.restore();
    return height;
}

} // namespace veltrano

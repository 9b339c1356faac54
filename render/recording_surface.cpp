#include "render/recording_surface.h"

#include "render/text_layout.h"

#include <algorithm>
#include <sstream>

namespace veltrano {

namespace {

const char* flagNames(TextFlags flags, std::string& out) {
    static constexpr struct {
        TextFlags flag;
        const char* name;
    } names[] = {{TextCentre, "centre"},     {TextRight, "right"},   {TextVCentre, "vcentre"},
                 {TextSingleLine, "single"}, {TextWordWrap, "wrap"}, {TextNoPrefix, "noprefix"},
                 {TextCalcRect, "calc"}};
    out.clear();
    for (const auto& entry : names) {
        if (flags & entry.flag) {
            out += out.empty() ? "" : "|";
            out += entry.name;
        }
    }
    if (out.empty()) {
        out = "left";
    }
    return out.c_str();
}

// Quotes a text for the dump: CR and LF as \r and \n, quotes and backslashes
// escaped, so every call stays on one line.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

void describeFont(std::ostream& out, const FontSpec& font) {
    out << "font " << quoted(font.face) << ' ' << font.points << "pt w" << font.weight;
    if (font.italic) {
        out << " italic";
    }
    if (font.underline) {
        out << " underline";
    }
}

void describePen(std::ostream& out, const Pen& pen) {
    if (pen.style == PenStyle::None) {
        out << "pen none";
    } else {
        out << "pen solid " << pen.colour << ' ' << pen.width;
    }
}

void describeBrush(std::ostream& out, const Brush& brush) {
    if (brush.style == BrushStyle::Null) {
        out << "brush null";
    } else {
        out << "brush solid " << brush.colour;
    }
}

void describeDrawing(std::ostream& out, const RecordedOp& op) {
    std::string flags;
    switch (op.kind) {
    case OpKind::DrawRect:
        out << "rect " << op.rect;
        break;
    case OpKind::DrawRoundRect:
        out << "roundrect " << op.rect << " corner " << op.corner;
        break;
    case OpKind::DrawEllipse:
        out << "ellipse " << op.rect;
        break;
    case OpKind::DrawLine:
        out << "line " << op.from << " -> " << op.to;
        break;
    case OpKind::FillRect:
        out << "fill " << op.rect << ' ' << op.colour;
        break;
    case OpKind::FillGradient:
        out << "gradient " << op.rect << ' ' << op.colour << " -> " << op.colour2
            << (op.vertical ? " vertical" : " horizontal");
        break;
    case OpKind::DrawText:
        out << "text " << op.rect << ' ' << flagNames(op.flags, flags) << ' ' << quoted(op.text)
            << " = " << op.result;
        break;
    default:
        out << "picture " << op.pictureSize << ' ' << op.source << " -> " << op.rect;
        if (op.transparent) {
            out << " transparent " << *op.transparent;
        }
    }
}

} // namespace

std::string describe(const RecordedOp& op) {
    std::ostringstream out;
    switch (op.kind) {
    case OpKind::Save:
        out << "save";
        break;
    case OpKind::Restore:
        out << "restore";
        break;
    case OpKind::SetFont:
        describeFont(out, op.state.font);
        break;
    case OpKind::SetTextColour:
        out << "textcolour " << op.state.textColour;
        break;
    case OpKind::SetBackgroundMode:
        out << "background "
            << (op.state.backgroundMode == BackgroundMode::Opaque ? "opaque" : "transparent");
        break;
    case OpKind::SetBackgroundColour:
        out << "backgroundcolour " << op.state.backgroundColour;
        break;
    case OpKind::SetPen:
        describePen(out, op.state.pen);
        break;
    case OpKind::SetBrush:
        describeBrush(out, op.state.brush);
        break;
    case OpKind::IntersectClip:
        out << "clip " << op.rect;
        break;
    case OpKind::ExcludeClip:
        out << "exclude " << op.rect;
        break;
    default:
        describeDrawing(out, op);
    }
    return out.str();
}

RecordingSurface::RecordingSurface(int dpiX, int dpiY)
    : dpiX_(std::max(dpiX, 1)), dpiY_(std::max(dpiY, 1)) {}

std::vector<RecordedOp> RecordingSurface::opsOf(OpKind kind) const {
    std::vector<RecordedOp> found;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(found),
                 [kind](const RecordedOp& op) { return op.kind == kind; });
    return found;
}

std::string RecordingSurface::dump() const {
    std::string out;
    for (const RecordedOp& op : ops_) {
        out += describe(op);
        out += '\n';
    }
    return out;
}

std::int32_t RecordingSurface::emHeight(const FontSpec& font) const {
    return std::max(emHeightForPoints(font.points, dpiY_), 1);
}

std::int32_t RecordingSurface::lineWidth(const FontSpec& font, std::string_view text) const {
    const auto count = static_cast<std::int64_t>(characterCount(text));
    return static_cast<std::int32_t>(count * emHeight(font) / 2);
}

RecordedOp& RecordingSurface::record(OpKind kind) {
    RecordedOp& op = ops_.emplace_back();
    op.kind = kind;
    op.state = state_;
    return op;
}

void RecordingSurface::save() {
    saved_.push_back(state_);
    record(OpKind::Save);
}

void RecordingSurface::restore() {
    if (!saved_.empty()) {
        state_ = saved_.back();
        saved_.pop_back();
    }
    record(OpKind::Restore);
}

void RecordingSurface::setFont(const FontSpec& font) {
    state_.font = font;
    record(OpKind::SetFont);
}

void RecordingSurface::setTextColour(Colour colour) {
    state_.textColour = colour;
    record(OpKind::SetTextColour);
}

void RecordingSurface::setBackgroundMode(BackgroundMode mode) {
    state_.backgroundMode = mode;
    record(OpKind::SetBackgroundMode);
}

void RecordingSurface::setBackgroundColour(Colour colour) {
    state_.backgroundColour = colour;
    record(OpKind::SetBackgroundColour);
}

void RecordingSurface::setPen(const Pen& pen) {
    state_.pen = pen;
    record(OpKind::SetPen);
}

void RecordingSurface::setBrush(const Brush& brush) {
    state_.brush = brush;
    record(OpKind::SetBrush);
}

void RecordingSurface::intersectClip(const Rect& rect) {
    record(OpKind::IntersectClip).rect = rect;
}

void RecordingSurface::excludeClip(const Rect& rect) {
    record(OpKind::ExcludeClip).rect = rect;
}

void RecordingSurface::drawRect(const Rect& rect) {
    record(OpKind::DrawRect).rect = rect;
}

void RecordingSurface::drawRoundRect(const Rect& rect, int cornerWidth, int cornerHeight) {
    RecordedOp& op = record(OpKind::DrawRoundRect);
    op.rect = rect;
    op.corner = Size{cornerWidth, cornerHeight};
}

void RecordingSurface::drawEllipse(const Rect& rect) {
    record(OpKind::DrawEllipse).rect = rect;
}

void RecordingSurface::drawLine(Point from, Point to) {
    RecordedOp& op = record(OpKind::DrawLine);
    op.from = from;
    op.to = to;
}

void RecordingSurface::fillRect(const Rect& rect, Colour colour) {
    RecordedOp& op = record(OpKind::FillRect);
    op.rect = rect;
    op.colour = colour;
}

void RecordingSurface::fillGradient(const Rect& rect, Colour from, Colour to, bool vertical) {
    RecordedOp& op = record(OpKind::FillGradient);
    op.rect = rect;
    op.colour = from;
    op.colour2 = to;
    op.vertical = vertical;
}

Size RecordingSurface::textExtent(std::string_view text) const {
    return Size{lineWidth(state_.font, text), emHeight(state_.font)};
}

int RecordingSurface::drawText(const Rect& rect, std::string_view text, TextFlags flags,
                               Rect* bounds) {
    const TextPlacement placement =
        placeText(rect, text, flags, emHeight(state_.font),
                  [this](std::string_view line) { return lineWidth(state_.font, line); });
    RecordedOp& op = record(OpKind::DrawText);
    op.rect = rect;
    op.text = std::string(text);
    op.flags = flags;
    op.result = placement.height;
    if (bounds != nullptr) {
        *bounds = placement.bounds;
    }
    return placement.height;
}

void RecordingSurface::drawPictureRegion(const Picture& picture, const Rect& dest,
                                         const Rect& source, std::optional<Colour> transparent) {
    RecordedOp& op = record(OpKind::DrawPicture);
    op.rect = dest;
    op.source = source;
    op.pictureSize = Size{picture.width(), picture.height()};
    op.transparent = transparent;
}

} // namespace veltrano

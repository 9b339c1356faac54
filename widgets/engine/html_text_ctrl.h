#pragma once
// The label control without its window: one or a few lines of markup with
// bold, underline, a larger size, one link, line breaks and a thin separator
// line, on a plain or gradient background with an optional 32×32 icon. The
// window host forwards paint and mouse events; a click on the link is passed
// to the parent, every other click is swallowed.
//
// Label markup: <b> </b> <u> </u> <link> </link> <big> </big> <br> <line>;
// a faulty tag is drawn as a word that names the fault.

#include "render/drawing_surface.h"
#include "widgets/engine/picture_source.h"

#include <optional>
#include <string>
#include <utility>

namespace veltrano {

inline constexpr Colour kLabelDisabledLink = rgb(192, 192, 192);

class CHtmlTextCtrl {
  public:
    static constexpr int kSmallPoints = 8;
    static constexpr int kBigPoints = 10;
    static constexpr int kIconSize = 32;
    static constexpr int kIconTextOffset = 38; // text start right of an icon
    static constexpr int kTextMargin = 4;      // left and right of the text

    // Link and rule colours come from the widget palette at construction.
    CHtmlTextCtrl();

    void setText(std::string text) { text_ = std::move(text); }
    const std::string& text() const { return text_; }

    void setBackground(Colour colour) { background_ = colour; }
    void setGradient(bool on) { gradient_ = on; }
    void setTextColour(Colour colour) { textColour_ = colour; }
    void setLinkColour(Colour colour) { linkColour_ = colour; }
    void setDisabledLinkColour(Colour colour) { disabledLinkColour_ = colour; }
    void setRuleColour(Colour colour) { ruleColour_ = colour; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    void setAlignBottom(bool on) { alignBottom_ = on; }
    void setCentreVertically(bool on) { centre_ = on; }
    // Bitmap resource cut into 32×32 icons; nullopt for none.
    void setIconBitmap(std::optional<int> number) { iconBitmap_ = number; }
    // The icon drawn at the left; -1 for none.
    void setIconIndex(int index) { iconIndex_ = index; }
    void setPictureSource(const PictureSource* source) { source_ = source; }

    // Lays the text out in `rect` (less 4 pixels left and right) and returns
    // the height used. With measureOnly nothing is drawn. Records the link
    // rectangle and the line height for the link hit test.
    int layout(DrawingSurface& surface, const Rect& rect, bool measureOnly);

    // Fills the client area (0, 0, client), draws the icon, and draws the
    // text placed as the alignment switches say.
    void paint(DrawingSurface& surface, Size client);

    // The height of the text as last measured by paint; nullopt before.
    std::optional<int> textHeight() const { return textHeight_; }
    // Where the link began (left, line top) and ended (right, line bottom) in
    // the last layout; nullopt when the text had no complete link.
    std::optional<std::pair<Point, Point>> linkEnds() const;

    // Whether a point of the client area lies on the link, following the link
    // over its lines when it wraps. `clientWidth` is the control's width.
    bool linkContains(Point point, int clientWidth) const;
    bool showsHandAt(Point point, int clientWidth) const {
        return linkContains(point, clientWidth);
    }
    // True when the click is the control's click for the parent.
    bool click(Point point, int clientWidth) const { return linkContains(point, clientWidth); }

  private:
    class Layout; // one run of the layout over the text

    std::string text_;
    Colour background_ = kWhite;
    bool gradient_ = false;
    Colour textColour_ = kBlack;
    Colour disabledLinkColour_ = kLabelDisabledLink;
    Colour linkColour_;
    Colour ruleColour_;
    bool enabled_ = true;
    bool alignBottom_ = false;
    bool centre_ = false;
    std::optional<int> iconBitmap_;
    int iconIndex_ = -1;
    const PictureSource* source_ = nullptr;

    std::optional<int> textHeight_;
    std::string measuredText_;
    Rect measuredArea_;
    std::optional<Point> linkStart_;
    std::optional<Point> linkEnd_;
    int lineHeight_ = 0;
};

} // namespace veltrano

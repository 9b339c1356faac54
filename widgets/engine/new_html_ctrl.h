#pragma once
// The rich message control without its window: text, layout state, scrolling
// and the clickable areas. A window host forwards paint, scroll and mouse
// events to it and keeps the off-screen page picture:
//
//   if (ctrl.needsLayout(client)) {
//       ctrl.layOut(screenSurface, client);          // page height, scrolling
//       page = picture of (client.width, ctrl.pageHeight());
//       ctrl.drawPage(pageSurface);                  // whole text, areas
//   }
//   copy ctrl.visibleBand() of the page to the window;
//
// Clicks on links are handed to a LinkOpener; a click on a button area is
// remembered (clickedArea) and reported to the host, which tells the parent.

#include "widgets/engine/rich_text_layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano {

// Opens what a link names, with the desktop's own handlers (never a shell).
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // A web address as written in the text: "http://…" or "www.…" (no scheme).
    virtual void openWebAddress(std::string_view address) = 0;
    // A new e-mail to `address` with empty subject and text, shown to the user.
    virtual void startMail(std::string_view address) = 0;
};

enum class ClickOutcome {
    None,          // outside every area: ordinary click handling
    WebLinkOpened, // handed to LinkOpener::openWebAddress
    MailStarted,   // handed to LinkOpener::startMail
    ButtonClicked, // clickedArea() holds the area's index; tell the parent
};

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, Thumb };

class CNewHtmlCtrl {
  public:
    static constexpr int kPointSize = 8;
    // The tallest page picture made; text below it is not shown.
    static constexpr int kMaxPageHeight = 32767;
    static constexpr int kDefaultLineStep = 10;

    void setText(std::string text) { text_ = std::move(text); }
    const std::string& text() const { return text_; }

    void setBackground(Colour colour) { settings_.background = colour; }
    Colour background() const { return settings_.background; }
    void setInsets(const Insets& insets) { settings_.insets = insets; }
    // Where bitmaps come from (<bmpN>, the image strip, the header bitmap).
    void setPictureSource(const PictureSource* source) { source_ = source; }
    // Images of <imgN>: bitmap resource `number` cut into `imageWidth`-wide images.
    void setImages(int number, int imageWidth);
    void setHeaderBitmap(std::optional<int> number) { headerBitmap_ = number; }

    // True when the text or the client size changed since the last layout,
    // or nothing has been laid out yet.
    bool needsLayout(Size client) const;
    // Measures the text for a client area of that size: the page height is
    // the text's height, at least the client height (at most kMaxPageHeight
    // unless the client is taller); the scroll maximum follows and the scroll
    // position is cut to it. Returns the page height.
    int layOut(DrawingSurface& surface, Size client);
    // Draws the whole text into a page surface of (client width, pageHeight())
    // and records the clickable areas in page coordinates.
    void drawPage(DrawingSurface& page);
    int pageHeight() const { return pageHeight_; }
    // The part of the page that the window shows, in page coordinates.
    Rect visibleBand() const;

    // The height the text needs in `width` at 8 points (for sizing dialogs).
    int measure(DrawingSurface& surface, int width) const;

    // Line steps move by 1 pixel, page steps by lineStep(); Thumb moves to
    // `position`. The position stays within 0..scrollMaximum().
    void scroll(ScrollAction action, int position = 0);
    int scrollPosition() const { return scrollPosition_; }
    int scrollMaximum() const { return scrollMaximum_; }
    int lineStep() const { return lineStep_; }

    const std::vector<MarkupArea>& areas() const { return areas_; }
    // The index of the area under a point of the window, the scroll position
    // taken into account; -1 when none.
    int areaAt(Point client) const;
    // Whether the hand cursor belongs at that point.
    bool showsHandAt(Point client) const { return areaAt(client) >= 0; }
    ClickOutcome click(Point client, LinkOpener& opener);
    // Does what a click on area `index` does (from the keyboard or a screen
    // reader); None for an index outside the areas.
    ClickOutcome activate(int index, LinkOpener& opener);
    // The index of the last clicked button area; -1 when none.
    int clickedArea() const { return clickedArea_; }

  private:
    std::string preparedText() const;
    RichTextSettings settingsWithPictures() const;

    std::string text_;
    RichTextSettings settings_;
    const PictureSource* source_ = nullptr;
    std::optional<int> imageBitmap_;
    int imageWidth_ = 16;
    std::optional<int> headerBitmap_;

    std::optional<std::string> laidOutText_;
    Size laidOutClient_;
    int pageHeight_ = 0;
    int scrollPosition_ = 0;
    int scrollMaximum_ = 0;
    int lineStep_ = kDefaultLineStep;
    std::vector<MarkupArea> areas_;
    int clickedArea_ = -1;
};

} // namespace veltrano

#pragma once
// The tab strip of the edit sheet, drawn in the program's look: a strip in the
// sheet colour behind the tabs, every tab filled and outlined in its own
// background colour with its title centred, and the page area below in the first
// tab's background colour. The sheet holds it as a member and places the pages in
// pageArea().

#include "render/drawing_surface.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

namespace veltrano {

inline constexpr int kTabColourCount = 30;
// The longest title a tab draws, in characters.
inline constexpr std::size_t kTabTitleLimit = 199;

struct TabStrip {
    Size client;
    std::vector<Rect> tabs; // each tab's rectangle, in client coordinates
    std::vector<std::string> titles;
    std::vector<int> accessKeys; // byte offset of each title's marked letter, -1 for none
    int selected = -1;
    std::array<Colour, kTabColourCount> text{};
    std::array<Colour, kTabColourCount> background{};
    Colour strip = kWhite;
    bool flat = false;
    FontSpec font;
};

// Draws the strip background (unless flat) and every tab. The selected tab reaches
// 2 pixels further down, over the strip's edge; tabs past the colour tables use
// colour 0.
void drawTabStrip(DrawingSurface& surface, const TabStrip& strip);

class CBgTabCtrl : public QWidget {
    Q_OBJECT
  public:
    explicit CBgTabCtrl(QWidget* parent = nullptr);

    // Colours: palette 19 for every text, palette 4 for every tab, palette 18 for
    // the strip, at construction.
    std::array<Colour, kTabColourCount> tabText{};
    std::array<Colour, kTabColourCount> tabBackground{};
    Colour stripColour{};
    bool flat = false;

    // Every tab gets an access key: the first letter of its title that no tab
    // before it has (widgets/engine/access_keys.h), drawn underlined.
    int addTab(const QString& title);
    int count() const { return static_cast<int>(titles_.size()); }
    QString tabTitle(int index) const;
    // The tab whose access key is `letter` (any case), or -1.
    int tabForAccessKey(QChar letter) const;
    int currentIndex() const { return current_; }
    // Selects a tab and emits currentChanged; an index outside the tabs is refused.
    bool setCurrentIndex(int index);

    // The tabs' row height, and the rectangles of every tab in client coordinates.
    int tabHeight() const;
    std::vector<Rect> tabRects() const;
    // Where the pages go: below the tabs, 4 pixels inside the control.
    QRect pageArea() const;
    // The client size for pages of `pageSize` with the present tabs.
    QSize sizeForPage(const QSize& pageSize) const;

  signals:
    // A click on another tab asks for it; the sheet decides and calls setCurrentIndex.
    void tabRequested(int index);
    void currentChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::vector<QString> titles_;
    std::vector<int> accessKeys_; // byte offsets in the UTF-8 titles
    int current_ = -1;
};

} // namespace veltrano

#include "widgets/qt/bitmap_combo.h"

#include "widgets/qt/owner_paint.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace veltrano {
namespace {

class BitmapComboDelegate : public QStyledItemDelegate {
  public:
    explicit BitmapComboDelegate(CBitmapCombo* combo) : QStyledItemDelegate(combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QPainterSurface surface(*painter);
        ComboItemState state;
        state.enabled = combo_->isEnabled();
        state.selected = (option.state & QStyle::State_Selected) != 0;
        state.focus = (option.state & QStyle::State_HasFocus) != 0;
        const QRect r = option.rect;
        combo_->drawItem(surface, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                         index.row(), state);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(combo_->itemHeight());
        return size;
    }

  private:
    CBitmapCombo* combo_;
};

ComboColours comboColours(const QWidget* widget) {
    const QPalette& p = widget->palette();
    ComboColours colours;
    colours.window = fromQColor(p.color(QPalette::Base));
    colours.windowText = fromQColor(p.color(QPalette::Text));
    colours.buttonFace = fromQColor(p.color(QPalette::Button));
    colours.highlight = paletteColour(kPaletteDialogFrame);
    colours.highlightText = kWhite;
    return colours;
}

} // namespace

CBitmapCombo::CBitmapCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new BitmapComboDelegate(this));
}

bool CBitmapCombo::setImages(int bitmap, int colourRequest) {
    (void)colourRequest;
    if (bitmap == 0 || resourcePictures().picture(bitmap) == nullptr) {
        return false;
    }
    bitmap_ = bitmap;
    itemHeight_ = kComboItemHeight;
    update();
    return true;
}

void CBitmapCombo::addImageItem(const QString& text, int image, int value) {
    insertImageItem(count(), text, image, value);
}

void CBitmapCombo::insertImageItem(int index, const QString& text, int image, int value) {
    insertItem(index, text, QVariant::fromValue<uint>(comboItemData(value, image)));
}

std::uint32_t CBitmapCombo::imageItemData(int index) const {
    if (index < 0 || index >= count()) {
        return 0;
    }
    return itemData(index).toUInt();
}

void CBitmapCombo::drawItem(DrawingSurface& surface, const Rect& rect, int index,
                            const ComboItemState& state) const {
    const PictureStrip strip = resourceStrip(bitmap_, 16);
    const std::string text = index >= 0 && index < count() ? itemText(index).toStdString() : "";
    drawComboItem(surface, rect, text, itemImage(index), state, comboColours(this),
                  bitmap_ != 0 ? usable(strip) : nullptr);
}

void CBitmapCombo::paintEvent(QPaintEvent*) {
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        const Rect client = clientRect(this);
        const int arrowWidth = 16;
        surface.fillRect(client, fromQColor(palette().color(QPalette::Base)));
        ComboItemState state;
        state.enabled = isEnabled();
        state.focus = hasFocus();
        drawItem(surface, Rect{1, 1, client.right - arrowWidth - 1, client.bottom - 1},
                 currentIndex(), state);
        const Rect arrow{client.right - arrowWidth, 1, client.right - 1, client.bottom - 1};
        surface.fillRect(arrow, paletteColour(kPaletteDialogBackground));
        surface.setPen(Pen::solid(paletteColour(isEnabled() ? 25 : 22)));
        const int cx = arrow.left + arrow.width() / 2;
        const int cy = arrow.top + arrow.height() / 2 - 1;
        for (int i = 0; i < 4; ++i) {
            surface.drawLine(Point{cx - 3 + i, cy + i}, Point{cx + 4 - i, cy + i});
        }
        surface.setBrush(Brush::null());
        surface.drawRect(client);
    });
}

} // namespace veltrano

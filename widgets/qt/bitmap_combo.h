#pragma once
// Combo box whose items carry a 16-pixel image and a value: each item's data
// is value << 8 | image (image in the low 8 bits). Item texts follow the
// rules of parseComboItemText ("<n>", "<tab>", "<b>").

#include "widgets/engine/control_drawing.h"

#include <QComboBox>
#include <QString>

namespace veltrano {

class CBitmapCombo : public QComboBox {
    Q_OBJECT
  public:
    explicit CBitmapCombo(QWidget* parent = nullptr);

    // Cuts bitmap resource `bitmap` into 16×16 images (purple keyed out)
    // and sets the item height to 18 pixels. The colour request (4, 8, 16,
    // 24 bits) is accepted for callers' sake; images keep their own depth.
    // Returns false, keeping the images, when the bitmap cannot be loaded.
    bool setImages(int bitmap, int colourRequest);
    int imageBitmap() const { return bitmap_; }

    void addImageItem(const QString& text, int image, int value);
    void insertImageItem(int index, const QString& text, int image, int value);
    // The data of item i (value << 8 | image); 0 for an index out of range.
    std::uint32_t imageItemData(int index) const;
    int itemValue(int index) const { return comboItemValue(imageItemData(index)); }
    int itemImage(int index) const { return comboItemImage(imageItemData(index)); }
    // The height each item of the drop-down list has.
    int itemHeight() const { return itemHeight_; }

    // Draws one item as the list and the closed box show it.
    void drawItem(DrawingSurface& surface, const Rect& rect, int index,
                  const ComboItemState& state) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int bitmap_ = 0;
    int itemHeight_ = 16;
};

} // namespace veltrano

#pragma once
// The widget set's lists: the report list with owner-drawn rows, the list of
// items with images, the picture list, and the column header strip that
// belongs to a report list.

#include "widgets/engine/control_drawing.h"
#include "widgets/qt/owner_labels.h"

#include <QImage>
#include <QListWidget>
#include <QString>
#include <QStringList>

#include <vector>

namespace veltrano {

// Report list. A row's text holds its cells separated by tabs and may begin
// with "<red>" (red text) and "<line>" (a rule under the row); the swatch is
// an image of the 16-pixel strip drawn at the row's left (-1 for none).
class CNewListCtrl3 : public QListWidget {
    Q_OBJECT
  public:
    explicit CNewListCtrl3(QWidget* parent = nullptr);

    // Column titles and left edges in pixels (at most 16 columns).
    void setColumns(const QStringList& titles, const std::vector<int>& lefts);
    const QStringList& columnTitles() const { return titles_; }
    const std::vector<int>& columnLefts() const { return lefts_; }
    int addRow(const QString& text, int swatch = -1);
    int swatch(int row) const;
    void setDialogFlag(bool on) { dialogFlag_ = on; }
    bool dialogFlag() const { return dialogFlag_; }
    void drawRow(DrawingSurface& surface, const Rect& rect, int row, bool selected) const;

  signals:
    void columnsChanged();

  private:
    void speakRows(int first, int last);

    QStringList titles_;
    std::vector<int> lefts_;
    bool dialogFlag_ = false;
};

// List box whose items carry an image of the 16-pixel strip and a value
// (item data value << 8 | image, as in CBitmapCombo).
class CBitmapList : public QListWidget {
    Q_OBJECT
  public:
    explicit CBitmapList(QWidget* parent = nullptr);
    void setImages(int bitmap) {
        bitmap_ = bitmap;
        viewport()->update();
    }
    int addImageItem(const QString& text, int image, int value);
    int itemValue(int row) const;
    int itemImage(int row) const;
    void drawRow(DrawingSurface& surface, const Rect& rect, int row, bool selected) const;

  private:
    int bitmap_ = 0;
};

// A list of pictures with captions, shown as thumbnails.
class CNewJpgListCtrl : public QListWidget {
    Q_OBJECT
  public:
    explicit CNewJpgListCtrl(QWidget* parent = nullptr);
    static constexpr int kThumbnail = 96;
    int addPicture(const QImage& picture, const QString& caption);
    void setDialogFlag(bool on) { dialogFlag_ = on; }
    bool dialogFlag() const { return dialogFlag_; }

  private:
    bool dialogFlag_ = false;
};

// The column titles of a report list, drawn as a header strip.
class CColumnWnd : public CaptionedControl {
    Q_OBJECT
  public:
    explicit CColumnWnd(QWidget* parent = nullptr) : CaptionedControl(parent) {}
    // Couples the strip to a list; nullptr uncouples it.
    void setList(CNewListCtrl3* list);
    CNewListCtrl3* list() const { return list_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CNewListCtrl3* list_ = nullptr;
};

} // namespace veltrano

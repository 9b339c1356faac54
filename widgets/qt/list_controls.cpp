#include "widgets/qt/list_controls.h"

#include "widgets/engine/markup_plain_text.h"
#include "widgets/qt/owner_paint.h"

#include <QPointer>
#include <QStyledItemDelegate>

#include <algorithm>

namespace veltrano {
namespace {

constexpr int kImageRole = Qt::UserRole;
constexpr int kRowHeight = 18;

// Paints whole rows through the owning list's drawRow.
template <class List>
class RowDelegate : public QStyledItemDelegate {
  public:
    explicit RowDelegate(List* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QPainterSurface surface(*painter);
        const QRect r = option.rect;
        list_->drawRow(surface, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, index.row(),
                       (option.state & QStyle::State_Selected) != 0);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kRowHeight);
        return size;
    }

  private:
    List* list_;
};

void flatFrame(QListWidget* list) {
    list->setFrameShape(QFrame::Box);
    list->setLineWidth(1);
    QPalette p = list->palette();
    p.setColor(QPalette::WindowText, toQColor(paletteColour(kPaletteDialogFrame)));
    list->setPalette(p);
}

} // namespace

CNewListCtrl3::CNewListCtrl3(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowDelegate<CNewListCtrl3>(this));
    flatFrame(this);
    setUniformItemSizes(true);
    // Screen readers get each row as drawn, without its look prefixes; rows
    // are added and changed through their items, so follow the model.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { speakRows(first, last); });
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                speakRows(from.row(), to.row());
            });
}

void CNewListCtrl3::speakRows(int first, int last) {
    for (int rowIndex = first; rowIndex <= last; ++rowIndex) {
        QListWidgetItem* found = item(rowIndex);
        if (found == nullptr)
            continue;
        QString spoken = QString::fromStdString(listRowPlainText(found->text().toStdString()));
        // A rule row says nothing; an empty text would let the row's markup through.
        if (spoken.isEmpty())
            spoken = QStringLiteral(" ");
        // Setting the same text again would report a change and come back here.
        if (found->data(Qt::AccessibleTextRole).toString() != spoken)
            found->setData(Qt::AccessibleTextRole, spoken);
    }
}

void CNewListCtrl3::setColumns(const QStringList& titles, const std::vector<int>& lefts) {
    titles_ = titles.mid(0, 16);
    lefts_.assign(lefts.begin(), lefts.begin() + std::min<std::ptrdiff_t>(16, lefts.size()));
    viewport()->update();
    emit columnsChanged();
}

int CNewListCtrl3::addRow(const QString& text, int swatchImage) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(kImageRole, swatchImage);
    return row(item);
}

int CNewListCtrl3::swatch(int rowIndex) const {
    const QListWidgetItem* found = item(rowIndex);
    return found != nullptr ? found->data(kImageRole).toInt() : -1;
}

void CNewListCtrl3::drawRow(DrawingSurface& surface, const Rect& rect, int rowIndex,
                            bool selected) const {
    const QListWidgetItem* found = item(rowIndex);
    if (found == nullptr) {
        return;
    }
    ListRowLook look;
    look.selected = paletteColour(kPaletteDialogBackground);
    look.rule = paletteColour(kPaletteDialogFrame);
    const PictureStrip strip = listImageStrip();
    drawListRow(surface, rect, found->text().toStdString(), swatch(rowIndex), selected,
                lefts_.data(), static_cast<int>(lefts_.size()), look, usable(strip));
}

CBitmapList::CBitmapList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowDelegate<CBitmapList>(this));
    flatFrame(this);
}

int CBitmapList::addImageItem(const QString& text, int image, int value) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(kImageRole, QVariant::fromValue<uint>(comboItemData(value, image)));
    return row(item);
}

int CBitmapList::itemValue(int rowIndex) const {
    const QListWidgetItem* found = item(rowIndex);
    return found != nullptr ? comboItemValue(found->data(kImageRole).toUInt()) : 0;
}

int CBitmapList::itemImage(int rowIndex) const {
    const QListWidgetItem* found = item(rowIndex);
    return found != nullptr ? comboItemImage(found->data(kImageRole).toUInt()) : 0;
}

void CBitmapList::drawRow(DrawingSurface& surface, const Rect& rect, int rowIndex,
                          bool selected) const {
    const QListWidgetItem* found = item(rowIndex);
    if (found == nullptr) {
        return;
    }
    ComboItemState state;
    state.enabled = isEnabled();
    state.selected = selected;
    ComboColours colours;
    colours.highlight = paletteColour(kPaletteDialogFrame);
    const PictureStrip strip = resourceStrip(bitmap_, 16);
    drawComboItem(surface, rect, found->text().toStdString(), itemImage(rowIndex), state, colours,
                  bitmap_ != 0 ? usable(strip) : nullptr);
}

CNewJpgListCtrl::CNewJpgListCtrl(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setIconSize(QSize(kThumbnail, kThumbnail));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setSpacing(6);
    flatFrame(this);
}

int CNewJpgListCtrl::addPicture(const QImage& picture, const QString& caption) {
    QImage thumb = picture.isNull() ? QImage()
                                    : picture.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumb)), caption, this);
    return row(item);
}

void CColumnWnd::setList(CNewListCtrl3* list) {
    if (list_ != nullptr) {
        disconnect(list_, nullptr, this, nullptr);
    }
    list_ = list;
    if (list_ != nullptr) {
        connect(list_, &CNewListCtrl3::columnsChanged, this, [this] { update(); });
        connect(list_, &QObject::destroyed, this, [this] { list_ = nullptr; });
    }
    update();
}

void CColumnWnd::paintEvent(QPaintEvent*) {
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        const Rect client = clientRect(this);
        surface.fillGradient(client, paletteColour(kPaletteDialogBackground),
                             paletteColour(kPaletteDialogFrame), true);
        if (list_ == nullptr) {
            return;
        }
        surface.setFont(FontSpec{kControlFace, kControlPoints, kWeightBold});
        surface.setBackgroundMode(BackgroundMode::Transparent);
        surface.setTextColour(paletteColour(kPaletteDialogText));
        const std::vector<int>& lefts = list_->columnLefts();
        const QStringList& titles = list_->columnTitles();
        for (int i = 0; i < titles.size() && i < static_cast<int>(lefts.size()); ++i) {
            const int right = i + 1 < static_cast<int>(lefts.size())
                                  ? lefts[static_cast<std::size_t>(i) + 1]
                                  : client.right;
            const Rect cell{lefts[static_cast<std::size_t>(i)] + 4, 0, right - 2, client.bottom};
            surface.drawText(cell, titles[i].toStdString(),
                             TextSingleLine | TextVCentre | TextNoPrefix);
            surface.fillRect(Rect{right - 1, 3, right, client.bottom - 3},
                             paletteColour(kPaletteDialogOutline));
        }
    });
}

} // namespace veltrano

#include "app/edit_pages.h"

#include "app/file_drop.h"
#include "app/photo_crop_editor.h"
#include "core/date_text.h"
#include "core/date_value.h"
#include "core/strings.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/engine/control_drawing.h"
#include "widgets/qt/image_control.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/owner_paint.h"
#include "widgets/qt/photo_crop_view.h"
#include "widgets/qt/pictures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

namespace veltrano {

namespace {

constexpr int kMonthTemplate = 138;
constexpr int kDayRole = Qt::UserRole + 1;
constexpr int kFirstWeekdayString = 1056; // Monday
constexpr int kFirstColourString = 1072;
constexpr int kColourCount = 5;
constexpr int kTextColumn = 72; // left edge of the text column in the day list
constexpr int kSwatchArea = 28; // the swatch and its gap before the day
constexpr int kSwatchHeight = 16;

QString groupRowText(std::int32_t month, std::int32_t year) {
    return QString::fromStdString(
        formatText("<group>%s %04d", {monthName(month - 1), std::int64_t{year}}));
}

// Draws the rows of the day list: the group heading across the row, the day
// rows with their colour swatch (24 pixels wide, wider than the list's own
// image strip) before the day and its text.
class DayRowDelegate : public QStyledItemDelegate {
  public:
    explicit DayRowDelegate(CNewListCtrl3* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QPainterSurface surface(*painter);
        const QRect q = option.rect;
        const Rect row{q.left(), q.top(), q.right() + 1, q.bottom() + 1};
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const std::string text = index.data(Qt::DisplayRole).toString().toStdString();
        if (text.rfind("<group>", 0) == 0) {
            drawGroup(surface, row, text.substr(7));
            return;
        }
        ListRowLook look;
        look.selected = paletteColour(kPaletteDialogBackground);
        look.rule = paletteColour(kPaletteDialogFrame);
        const int swatch = list_->swatch(index.row());
        if (swatch < 0) {
            drawListRow(surface, row, text, -1, selected, nullptr, 0, look, nullptr);
            return;
        }
        const Rect swatchArea{row.left, row.top, row.left + kSwatchArea, row.bottom};
        surface.fillRect(swatchArea, selected ? look.selected : look.background);
        const PictureStrip strip =
            resourceStrip(pictures::kDayColourSwatches, pictures::kSwatchWidth);
        strip.draw(surface, Point{row.left + 2, row.top + (row.height() - kSwatchHeight) / 2},
                   swatch);
        const int columns[] = {0, kTextColumn - kSwatchArea};
        drawListRow(surface, Rect{swatchArea.right, row.top, row.right, row.bottom}, text, -1,
                    selected, columns, 2, look, nullptr);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(18);
        return size;
    }

  private:
    static void drawGroup(DrawingSurface& surface, const Rect& row, const std::string& text) {
        surface.save();
        surface.fillRect(row, paletteColour(kPaletteHeadingBackground));
        surface.setFont(FontSpec{kControlFace, kControlPoints, kWeightBold});
        surface.setBackgroundMode(BackgroundMode::Transparent);
        surface.setTextColour(paletteColour(kPaletteHeadingText));
        surface.drawText(Rect{row.left + 4, row.top, row.right - 2, row.bottom}, text,
                         TextSingleLine | TextVCentre | TextNoPrefix);
        surface.restore();
    }

    CNewListCtrl3* list_;
};

} // namespace

CFotoEditPage::CFotoEditPage(const QString& tabTitle, std::int32_t month, std::int32_t year,
                             MonthValues values, PhotoDialogs* photos, QWidget* parent)
    : CBgPropertyPage(kMonthTemplate, tabTitle, parent), month_(month), year_(year),
      values_(std::move(values)), photos_(photos) {}

void CFotoEditPage::setPhotoAreaAspect(double aspect) {
    photoAspect_ = aspect;
    if (cropEditor_ != nullptr)
        cropEditor_->setAreaAspect(aspect);
}

void CFotoEditPage::onInitDialog() {
    filling_ = true;
    setControlText(1002, QStringLiteral("<b> ") + QString::fromStdString(monthName(month_ - 1)));
    setControlText(1043, QString::fromStdString(values_.text));
    cropEditor_ = placeCropEditor(*this, 1004, photoAspect_, values_.photo, values_.crop);
    acceptPhotoDrop(cropEditor_ != nullptr ? cropEditor_->preview() : nullptr,
                    [this](const std::string& path) {
                        changePhoto(values_.photo, values_.crop, cropEditor_, path);
                    });
    list_ = qobject_cast<CNewListCtrl3*>(control(1019));
    dayText_ = qobject_cast<QPlainTextEdit*>(control(1020));
    colour_ = qobject_cast<QComboBox*>(control(1034));
    fillColourChoices();
    fillDayList();
    if (list_ != nullptr) {
        list_->setItemDelegate(new DayRowDelegate(list_));
        // A mouse press makes the row current before it selects it; only the
        // selection tells that a day was chosen, by mouse as by keyboard.
        connect(list_, &QListWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
        connect(list_, &QListWidget::currentRowChanged, this, [this] { selectionChanged(); });
    }
    if (dayText_ != nullptr) {
        // Tab moves on: a tab in a day text would split its row of the day list.
        dayText_->setTabChangesFocus(true);
        connect(dayText_, &QPlainTextEdit::textChanged, this, [this] { dayTextChanged(); });
    }
    if (colour_ != nullptr) {
        connect(colour_, &QComboBox::currentIndexChanged, this,
                [this](int index) { dayColourChanged(index); });
    }
    filling_ = false;
    selectionChanged();
}

void CFotoEditPage::fillColourChoices() {
    if (colour_ == nullptr) {
        return;
    }
    colour_->setIconSize(QSize(pictures::kSwatchWidth, kSwatchHeight));
    for (int i = 0; i < kColourCount; ++i) {
        colour_->addItem(resourceIcon(pictures::kDayColourSwatches, i, pictures::kSwatchWidth),
                         QString::fromStdString(loadString(kFirstColourString + i)), i);
    }
}

QString CFotoEditPage::dayRowText(int day) const {
    DateValue date;
    const bool known = date.setExact(day + 1, month_, year_);
    const std::int32_t weekday = known ? date.weekday() : -1;
    QString name;
    if (weekday >= 0) {
        name = QString::fromStdString(loadString(kFirstWeekdayString + weekday)).left(2);
    }
    const std::string dayText = formatText("%s %02d.", {name.toStdString(), std::int64_t{day + 1}});
    QString text = weekday == 6 ? QStringLiteral("<red>") : QString();
    text += QString::fromStdString(dayText) + QLatin1Char('\t') +
            QString::fromStdString(oneLineText(values_.dayText[static_cast<std::size_t>(day)]));
    return text;
}

void CFotoEditPage::fillDayList() {
    if (list_ == nullptr) {
        return;
    }
    list_->clear();
    list_->setColumns({QString(), QString()}, {0, kTextColumn});
    const auto addRow = [this](const QString& text, int swatch, int day) {
        const int row = list_->addRow(text, swatch);
        list_->item(row)->setData(kDayRole, day);
    };
    addRow(groupRowText(month_, year_), -1, -1);
    addRow(QString(), -1, -1);
    const std::int32_t days = daysInMonth(month_, year_);
    for (int day = 0; day < days && day < kDaySlotCount; ++day) {
        DateValue date;
        if (date.setExact(day + 1, month_, year_) && date.weekday() == 0) {
            addRow(QStringLiteral("<line>"), -1, -1);
        }
        addRow(dayRowText(day), values_.dayColour[static_cast<std::size_t>(day)], day);
    }
}

int CFotoEditPage::dayOfRow(int row) const {
    const QListWidgetItem* item = list_ != nullptr ? list_->item(row) : nullptr;
    return item != nullptr ? item->data(kDayRole).toInt() : -1;
}

int CFotoEditPage::rowOfDay(int day) const {
    if (list_ == nullptr) {
        return -1;
    }
    for (int row = 0; row < list_->count(); ++row) {
        if (dayOfRow(row) == day) {
            return row;
        }
    }
    return -1;
}

void CFotoEditPage::selectionChanged() {
    const QListWidgetItem* item = list_ != nullptr ? list_->currentItem() : nullptr;
    const bool selected = item != nullptr && item->isSelected();
    selectedDay_ = selected ? item->data(kDayRole).toInt() : -1;
    const bool isDay = selectedDay_ >= 0 && selectedDay_ < kDaySlotCount;
    if (isDay) {
        const auto day = static_cast<std::size_t>(selectedDay_);
        filling_ = true;
        if (dayText_ != nullptr) {
            dayText_->setPlainText(textForField(values_.dayText[day]));
        }
        if (colour_ != nullptr) {
            colour_->setCurrentIndex(colour_->findData(values_.dayColour[day]));
        }
        setControlText(1021,
                       QString::fromStdString(formatText(
                           "<b>%d. %s", {std::int64_t{selectedDay_ + 1}, monthName(month_ - 1)})));
        filling_ = false;
    }
    for (const int id : {1021, 1020, 1034}) {
        if (QWidget* field = control(id)) {
            field->setVisible(isDay);
        }
    }
}

void CFotoEditPage::dayTextChanged() {
    if (filling_ || dayText_ == nullptr || selectedDay_ < 0 || selectedDay_ >= kDaySlotCount) {
        return;
    }
    const auto day = static_cast<std::size_t>(selectedDay_);
    values_.dayText[day] = textFromField(dayText_->toPlainText());
    const int row = rowOfDay(selectedDay_);
    if (row >= 0) {
        list_->item(row)->setText(dayRowText(selectedDay_));
    }
}

void CFotoEditPage::dayColourChanged(int index) {
    if (filling_ || colour_ == nullptr || index < 0 || selectedDay_ < 0 ||
        selectedDay_ >= kDaySlotCount) {
        return;
    }
    const std::int32_t value = colour_->itemData(index).toInt();
    values_.dayColour[static_cast<std::size_t>(selectedDay_)] = value;
    const int row = rowOfDay(selectedDay_);
    if (row >= 0) {
        // The swatch lives in the item's image data; a row with a new swatch is redrawn.
        list_->item(row)->setData(Qt::UserRole, value);
    }
}

void CFotoEditPage::onCommand(int id) {
    if (id == 1005) {
        if (const auto path = askForPhoto(photos_, values_.photo)) {
            changePhoto(values_.photo, values_.crop, cropEditor_, *path);
        }
    } else if (id == 1009) {
        changePhoto(values_.photo, values_.crop, cropEditor_, std::string());
    } else {
        CBgPropertyPage::onCommand(id);
    }
}

void CFotoEditPage::onOk() {
    values_.text = controlText(1043).toStdString();
}

} // namespace veltrano

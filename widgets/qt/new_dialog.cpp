#include "widgets/qt/new_dialog.h"

#include "core/translation.h"
#include "platform/qpainter_surface.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/dialog_builder.h"
#include "widgets/qt/dialog_surface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr int kEmptyDialogWidth = 100;
constexpr int kEmptyDialogHeight = 50;

bool isCheckBoxStyle(std::uint32_t style) {
    const std::uint32_t type = style & ButtonTypeMask;
    return type == CheckBox || type == AutoCheckBox || type == ThreeState || type == AutoThreeState;
}

QWidget* createButton(std::uint32_t style, QWidget* parent) {
    const std::uint32_t type = style & ButtonTypeMask;
    if (isCheckBoxStyle(style)) {
        auto* box = new QCheckBox(parent);
        box->setTristate(type == ThreeState || type == AutoThreeState);
        return box;
    }
    if (type == RadioButton || type == AutoRadioButton) {
        return new QRadioButton(parent);
    }
    if (type == GroupBox) {
        return new QGroupBox(parent);
    }
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false); // Enter is the dialog's business
    return button;
}

QWidget* createStatic(std::uint32_t style, QWidget* parent) {
    auto* label = new QLabel(parent);
    const std::uint32_t type = style & StaticTypeMask;
    if (type == StaticBlackFrame || type == StaticEtchedFrame) {
        label->setFrameShape(QFrame::Box);
    }
    if (type == StaticCenter) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    } else if (type == StaticRight) {
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    label->setWordWrap(type == StaticLeft || type == StaticCenter || type == StaticRight);
    return label;
}

QWidget* createControl(const QString& windowClass, std::uint32_t style, QWidget* parent) {
    if (windowClass == QLatin1String("BUTTON")) {
        return createButton(style, parent);
    }
    if (windowClass == QLatin1String("STATIC")) {
        return createStatic(style, parent);
    }
    if (windowClass == QLatin1String("EDIT")) {
        if ((style & EditMultiLine) != 0) {
            return new QPlainTextEdit(parent);
        }
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly((style & EditReadOnly) != 0);
        return edit;
    }
    if (windowClass == QLatin1String("COMBOBOX")) {
        auto* combo = new QComboBox(parent);
        combo->setEditable((style & 0x3) == ComboDropDown);
        return combo;
    }
    if (windowClass == QLatin1String("LISTBOX")) {
        return new QListWidget(parent);
    }
    if (windowClass == QLatin1String("SYSLISTVIEW32")) {
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        return list;
    }
    if (windowClass == QLatin1String("SYSTABCONTROL32")) {
        return new QTabBar(parent);
    }
    if (windowClass == QLatin1String("MSCTLS_UPDOWN32")) {
        // Only the arrows of a spin control: a narrow vertical scroll bar.
        return new QScrollBar(Qt::Vertical, parent);
    }
    return new QWidget(parent);
}

// Text of a child: "text" for buttons, labels and line edits, the title of a group.
QString widgetText(const QWidget* widget) {
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
        return edit->toPlainText();
    }
    const QVariant text = widget->property("text");
    return text.isValid() ? text.toString() : QString();
}

void setWidgetText(QWidget* widget, const QString& text) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setPlainText(text);
    } else if (widget->property("text").isValid()) {
        widget->setProperty("text", text);
    }
}

QFont dialogFont(const DialogTemplate* dialogTemplate) {
    if (dialogTemplate == nullptr) {
        return QFont(QStringLiteral("MS Shell Dlg"), 8);
    }
    return QFont(QString::fromUtf8(dialogTemplate->fontName), dialogTemplate->fontPoints);
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

Rect fromQRect(const QRect& r) {
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

QString windowClassOf(const DialogControl& row) {
    return QString::fromUtf8(row.windowClass).toUpper();
}

CNewDialog::CNewDialog(int templateNumber, QWidget* parent)
    : QDialog(parent), templateNumber_(templateNumber),
      template_(findDialogTemplate(templateNumber)) {
    setUp();
}

CNewDialog::CNewDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), templateNumber_(dialogTemplate.number), template_(&dialogTemplate) {
    setUp();
}

void CNewDialog::setUp() {
    frameColour = paletteColour(kPaletteDialogFrame);
    backgroundColour = paletteColour(kPaletteDialogBackground);
    outlineColour = paletteColour(kPaletteDialogOutline);
    textColour = paletteColour(kPaletteDialogText);
    headingBackground = paletteColour(kPaletteHeadingBackground);
    headingText = paletteColour(kPaletteHeadingText);
    installFontSubstitutions();
    setFont(dialogFont(template_));
    const QFontMetrics metrics(font());
    baseUnits_ = dialogBaseUnits(metrics.horizontalAdvance(QStringLiteral(
                                     "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                                 metrics.height());
    if (template_ == nullptr) {
        setFixedSize(kEmptyDialogWidth, kEmptyDialogHeight);
        return;
    }
    setWindowTitle(QString::fromUtf8(template_->title));
    setFixedSize(dialogUnitsToPixelsX(template_->width, baseUnits_),
                 dialogUnitsToPixelsY(template_->height, baseUnits_));
    createControls(*template_);
}

CNewDialog::~CNewDialog() = default;

void CNewDialog::createControls(const DialogTemplate& dialogTemplate) {
    for (const DialogControl& row : dialogTemplate.controls) {
        const QString windowClass = windowClassOf(row);
        QWidget* child = createControl(windowClass, row.style, this);
        rowWidgets_.emplace_back(child);
        child->setProperty(kControlIdProperty, row.id);
        child->setProperty(kWindowClassProperty, windowClass);
        child->setProperty(kStyleProperty, static_cast<uint>(row.style));
        child->setGeometry(toQRect(dialogRectToPixels(row.rect.x, row.rect.y, row.rect.width,
                                                      row.rect.height, baseUnits_)));
        setWidgetText(child, QString::fromUtf8(row.caption));
        child->setEnabled((row.style & Disabled) == 0);
        child->setVisible((row.style & Visible) != 0);
        if (windowClass == QLatin1String("BUTTON") &&
            (row.style & ButtonTypeMask) == DefPushButton && defaultControl_ == 0) {
            defaultControl_ = row.id;
        }
    }
}

void CNewDialog::setContentRect(std::optional<Rect> rect) {
    contentRect_ = rect;
    update();
}

void CNewDialog::translateAndWiden() {
    const bool translating = isTranslationLoaded();
    const int language = currentLanguage();
    if (translating) {
        setWindowTitle(QString::fromStdString(translate(template_->title, language)));
    }
    const QFontMetrics metrics(font());
    const auto measure = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    // By row, not by number: several texts may share the number nobody addresses.
    for (std::size_t i = 0; i < rowWidgets_.size(); ++i) {
        const DialogControl& row = template_->controls[i];
        QWidget* child = rowWidgets_[i];
        if (child == nullptr) {
            continue;
        }
        if (row.id == kContentPlaceholder) {
            contentRect_ = fromQRect(child->geometry());
            child->hide();
        }
        if (!translating) {
            continue;
        }
        const std::string translated = translate(row.caption, language);
        const QString windowClass = windowClassOf(row);
        WideningInput input;
        input.templateCaption = row.caption;
        input.translatedCaption = translated;
        input.width = child->width();
        input.height = child->height();
        input.comboBox = windowClass == QLatin1String("COMBOBOX");
        input.checkBox = windowClass == QLatin1String("BUTTON") && isCheckBoxStyle(row.style);
        input.dialogFlag = dialogFlag;
        const int width = widenedControlWidth(input, measure);
        if (width != child->width()) {
            child->resize(width, child->height());
        }
        setWidgetText(child, QString::fromStdString(translated));
    }
}

int CNewDialog::initialise() {
    if (initialised_) {
        return 1;
    }
    int built = 1;
    if (template_ != nullptr) {
        translateAndWiden();
        DialogBuilderOptions options;
        options.background = backgroundColour;
        options.text = textColour;
        options.headingBackground = headingBackground;
        options.headingText = headingText;
        options.replaceLists = replaceLists;
        options.dialogFlag = dialogFlag;
        options.thumbnailList = thumbnailList;
        options.listNumberOut = &listControlNumber;
        options.replaceCombos = replaceCombos;
        built = runDialogBuilder(this, options);
        connectButtons();
    }
    initialised_ = true;
    onInitDialog();
    return built;
}

void CNewDialog::connectButtons() {
    const auto buttons = findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        const int id = controlId(button);
        if (id != 0 && id != -1) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { onCommand(id); });
        }
    }
}

QWidget* CNewDialog::control(int id) const {
    return findControl(this, id);
}

QString CNewDialog::controlText(int id) const {
    const QWidget* child = control(id);
    return child != nullptr ? widgetText(child) : QString();
}

void CNewDialog::setControlText(int id, const QString& text) {
    if (QWidget* child = control(id)) {
        setWidgetText(child, text);
    }
}

void CNewDialog::setDefaultControl(int id) {
    defaultControl_ = id;
}

void CNewDialog::onCommand(int id) {
    if (id == kDialogOk || id == kDialogCancel) {
        done(id);
    }
}

void CNewDialog::done(int result) {
    QDialog::done(result);
}

void CNewDialog::reject() {
    done(kDialogCancel);
}

void CNewDialog::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialise();
    }
    QDialog::setVisible(visible);
}

void CNewDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            const QWidget* target = control(defaultControl_);
            if (defaultControl_ != 0 && (target == nullptr || target->isEnabled())) {
                onCommand(defaultControl_);
            }
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            reject();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CNewDialog::paintEvent(QPaintEvent* /*event*/) {
    if (!pictureTried_ && !dialogBackgroundPicturePath().isEmpty()) {
        pictureTried_ = true;
        picture_ = loadDialogBackgroundPicture();
    }
    const QImagePicture picture(picture_);
    DialogSurface plan;
    plan.client = Size{width(), height()};
    plan.background = backgroundColour;
    plan.outline = outlineColour;
    plan.contentPanel = contentRect_;
    plan.picture = picture_.isNull() ? nullptr : &picture;
    QPainter painter(this);
    QPainterSurface surface(painter);
    drawDialogSurface(surface, plan);
}

} // namespace veltrano

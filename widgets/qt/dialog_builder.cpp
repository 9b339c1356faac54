#include "widgets/qt/dialog_builder.h"

#include "widgets/engine/command_images.h"
#include "widgets/engine/dialog_builder.h"
#include "widgets/qt/bitmap_combo.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/owner_labels.h"
#include "widgets/qt/owner_paint.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include <new>
#include <vector>

namespace veltrano {
namespace {

// What the walk remembers from one control to the next: a column strip
// couples with the list view replaced before it, else with the next one.
struct WalkState {
    CNewListCtrl3* lastList = nullptr;
    CColumnWnd* pendingColumn = nullptr;
};

QString captionOf(const QWidget* widget) {
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    const QVariant text = widget->property("text");
    return text.isValid() ? text.toString() : QString();
}

void setBorder(QWidget* widget, Border border) {
    auto* frame = qobject_cast<QFrame*>(widget);
    if (frame == nullptr || border == Border::Keep) {
        return;
    }
    frame->setFrameShape(border == Border::Flat ? QFrame::Box : QFrame::NoFrame);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
}

QWidget* makeCheckBox(const BuilderDecision& d, const DialogBuilderOptions& o, QWidget* old) {
    auto* box = new CNewCheckBox();
    box->setThreeState(d.threeState);
    box->setTextColour(o.text);
    box->setBackgroundColour(o.background);
    if (const auto* button = qobject_cast<const QAbstractButton*>(old)) {
        box->setState(button->isChecked() ? 1 : 0);
    }
    return box;
}

QWidget* makeHtmlText(const BuilderDecision& d, const DialogBuilderOptions& o) {
    auto* label = new CHtmlTextWidget();
    CHtmlTextCtrl& engine = label->engine();
    engine.setBackground(o.background);
    engine.setTextColour(o.text);
    engine.setAlignBottom(d.align == LabelAlign::Bottom);
    engine.setCentreVertically(d.align == LabelAlign::VCentre);
    if (d.iconBitmapFromShared && sharedResource(kSharedIconBitmap) != 0) {
        engine.setIconBitmap(sharedResource(kSharedIconBitmap));
    }
    engine.setIconIndex(d.iconIndex);
    return label;
}

QWidget* makeTextWnd(const BuilderDecision& d) {
    auto* panel = new CTextWnd();
    PanelLookColours look = panel->look();
    if (d.panel == PanelLook::Blue) {
        look.background = rgb(192, 220, 255);
        look.text = kBlack;
    } else if (d.panel == PanelLook::Head) {
        look.background = paletteColour(kPalettePanelBackground);
        look.text = paletteColour(kPalettePanelText);
    }
    look.bold = d.bold;
    panel->setLook(look);
    panel->setFlatBorder(d.border == Border::Flat);
    return panel;
}

QWidget* makePushButton(const BuilderDecision& d, const DialogBuilderOptions& o, int id) {
    auto* button =
        d.replacement == Replacement::LinkButton ? new CLinkButtonCtrl() : new CNewButtonCtrl2();
    ButtonColours colours = button->colours();
    colours.background = o.background;
    button->setColours(colours);
    if (d.replacement == Replacement::PushButton) {
        button->setLook(d.button);
        button->setImage(commandImages().imageFor(id));
    }
    return button;
}

QWidget* makeLabelLike(const BuilderDecision& d, const DialogBuilderOptions& o) {
    switch (d.replacement) {
    case Replacement::TextCtrl:
    case Replacement::HeadBar: {
        auto* label = new CNewTextCtrl();
        LabelLook look;
        look.background = d.headingColours ? o.headingBackground : o.background;
        look.text = d.headingColours ? o.headingText : o.text;
        label->setLook(look);
        return label;
    }
    case Replacement::Headline: {
        auto* headline = new CNewHeadlineCtrl();
        headline->setFirstLevel(d.firstLevel);
        headline->setColours(o.background, o.text);
        return headline;
    }
    case Replacement::LineCtrl: {
        auto* line = new CLineCtrl();
        line->setColours(o.background, d.grayLine);
        return line;
    }
    case Replacement::HtmlCtrl: {
        auto* html = new CNewHtmlWidget();
        html->setBackground(o.background);
        return html;
    }
    default:
        return nullptr;
    }
}

QWidget* makeList(const BuilderDecision& d, const DialogBuilderOptions& o, QWidget* old) {
    switch (d.replacement) {
    case Replacement::BitmapList: {
        auto* list = new CBitmapList();
        list->setImages(sharedResource(kSharedListImages));
        return list;
    }
    case Replacement::BitmapCombo: {
        auto* combo = new CBitmapCombo();
        combo->setImages(sharedResource(kSharedListImages), 16);
        if (const auto* standard = qobject_cast<const QComboBox*>(old)) {
            for (int i = 0; i < standard->count(); ++i) {
                combo->addItem(standard->itemText(i), standard->itemData(i));
            }
        }
        return combo;
    }
    case Replacement::JpgList: {
        auto* list = new CNewJpgListCtrl();
        list->setDialogFlag(o.dialogFlag);
        return list;
    }
    case Replacement::ReportList: {
        auto* list = new CNewListCtrl3();
        list->setDialogFlag(o.dialogFlag);
        return list;
    }
    default:
        return nullptr;
    }
}

QWidget* makeOther(const BuilderDecision& d, const DialogBuilderOptions& o,
                   const QString& caption) {
    switch (d.replacement) {
    case Replacement::GroupList:
        return new CNewGroupList();
    case Replacement::ColumnWnd:
        return new CColumnWnd();
    case Replacement::TabCtrl: {
        auto* tabs = new CMyTabCtrl();
        tabs->setColours(o.background, o.text);
        for (const QString& title : caption.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            tabs->addTab(title);
        }
        return tabs;
    }
    case Replacement::ButtonBar: {
        auto* bar = new CButtonBar();
        bar->setDialogFlag(o.dialogFlag);
        bar->setDefinition(caption);
        return bar;
    }
    case Replacement::BitmapButton:
        return new CMyBitmapButton(d.bitmapUp, d.bitmapDown);
    case Replacement::ImagelistButton: {
        auto* button = new CImagelistButton();
        button->setBackground(o.background);
        return button;
    }
    default:
        return nullptr;
    }
}

QWidget* makeReplacement(const BuilderDecision& d, const DialogBuilderOptions& o, QWidget* old,
                         int id) {
    const QString caption = QString::fromStdString(d.caption);
    switch (d.replacement) {
    case Replacement::CheckBox:
        return makeCheckBox(d, o, old);
    case Replacement::HtmlTextCtrl:
        return makeHtmlText(d, o);
    case Replacement::TextWnd:
        return makeTextWnd(d);
    case Replacement::PushButton:
    case Replacement::LinkButton:
        return makePushButton(d, o, id);
    default:
        break;
    }
    if (QWidget* widget = makeLabelLike(d, o)) {
        return widget;
    }
    if (QWidget* widget = makeList(d, o, old)) {
        return widget;
    }
    return makeOther(d, o, caption);
}

// Puts `replacement` where `old` was, with its number, class, style, place,
// size, state and caption, and removes `old`.
void transplant(QWidget* old, QWidget* replacement, const BuilderDecision& d) {
    QWidget* parent = old->parentWidget();
    replacement->setParent(parent);
    replacement->setGeometry(old->geometry());
    replacement->setFont(old->font());
    replacement->setEnabled(old->isEnabled());
    replacement->setToolTip(old->toolTip());
    for (const char* name : {kControlIdProperty, kWindowClassProperty, kStyleProperty}) {
        replacement->setProperty(name, old->property(name));
    }
    if (d.replacement != Replacement::ButtonBar && d.replacement != Replacement::TabCtrl &&
        replacement->property("text").isValid()) {
        replacement->setProperty("text", QString::fromStdString(d.caption));
    }
    replacement->stackUnder(old);
    replacement->setVisible(!old->isHidden());
    QWidget::setTabOrder(old, replacement);
    delete old;
}

// The changes that keep the control's class.
void adjustInPlace(QWidget* child, const BuilderDecision& d, const DialogBuilderOptions& o) {
    setBorder(child, d.border);
    if (d.limitHeight) {
        child->resize(child->width(), kEditMaxHeight);
    }
    if (d.replacement == Replacement::OwnerDrawStatic) {
        // Static texts are drawn by the dialog: its text colour on its background.
        QPalette palette = child->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, toQColor(o.text));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, toQColor(o.text));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
        child->setPalette(palette);
        child->setAutoFillBackground(false);
        child->setProperty("vtOwnerDrawn", true);
    }
}

void couple(QWidget* replacement, const BuilderDecision& d, const DialogBuilderOptions& o,
            WalkState& walk, int id) {
    if (d.takesListNumber && o.listNumberOut != nullptr) {
        *o.listNumberOut = id;
    }
    if (auto* list = qobject_cast<CNewListCtrl3*>(replacement)) {
        walk.lastList = list;
        if (walk.pendingColumn != nullptr) {
            walk.pendingColumn->setList(list);
            walk.pendingColumn = nullptr;
        }
    } else if (auto* column = qobject_cast<CColumnWnd*>(replacement)) {
        if (walk.lastList != nullptr) {
            column->setList(walk.lastList);
        } else {
            walk.pendingColumn = column;
        }
    }
}

// The template children, in the order they were created.
std::vector<QWidget*> templateChildren(QWidget* dialog) {
    std::vector<QWidget*> children;
    for (QObject* object : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget != nullptr && widget->property(kWindowClassProperty).isValid()) {
            children.push_back(widget);
        }
    }
    return children;
}

} // namespace

int runDialogBuilder(QWidget* dialog, const DialogBuilderOptions& options) {
    if (dialog == nullptr) {
        return 0;
    }
    const BuilderSwitches switches{options.replaceLists, options.replaceCombos,
                                   options.thumbnailList};
    WalkState walk;
    for (QWidget* child : templateChildren(dialog)) {
        const QString windowClass = child->property(kWindowClassProperty).toString();
        const auto style = static_cast<std::uint32_t>(child->property(kStyleProperty).toUInt());
        const BuilderDecision decision =
            decideReplacement(windowClass.toStdString(), style, captionOf(child).toStdString(),
                              child->height(), switches);
        const int id = controlId(child);
        if (decision.replacement == Replacement::None ||
            decision.replacement == Replacement::OwnerDrawStatic) {
            adjustInPlace(child, decision, options);
            continue;
        }
        QWidget* replacement = nullptr;
        try {
            replacement = makeReplacement(decision, options, child, id);
        } catch (const std::bad_alloc&) {
            return 0; // the rest stay standard controls
        }
        if (replacement == nullptr) {
            continue;
        }
        setBorder(replacement, decision.border);
        transplant(child, replacement, decision);
        couple(replacement, decision, options, walk, id);
    }
    return 1;
}

} // namespace veltrano

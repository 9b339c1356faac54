#include "widgets/qt/owner_accessibility.h"

#include "render/text_layout.h"
#include "widgets/engine/control_drawing.h"
#include "widgets/qt/markup_accessibility.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/status_accessibility.h"
#include "widgets/qt/status_bar.h"

#include <QAccessibleWidget>

namespace veltrano {
namespace {

// Push buttons and check boxes: the caption, the state and the one action.
class OwnerButtonAccessible : public QAccessibleWidget {
  public:
    explicit OwnerButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button) {}

    // Asked each time: a button can change its look after it was built.
    QAccessible::Role role() const override {
        if (qobject_cast<const CNewCheckBox*>(button()) != nullptr)
            return QAccessible::CheckBox;
        const auto* push = qobject_cast<const CNewButtonCtrl2*>(button());
        return push != nullptr && push->look() == ButtonLook::Link ? QAccessible::Link
                                                                   : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty())
            return own;
        const QString caption = button()->text();
        return role() == QAccessible::CheckBox ? caption : spokenButtonCaption(caption);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        if (const auto* box = qobject_cast<const CNewCheckBox*>(button())) {
            s.checkable = true;
            s.checked = box->state() == 1;
            s.checkStateMixed = box->state() == 2;
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(role() == QAccessible::CheckBox ? toggleAction() : pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (button()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ownerAccessible(const QString& className, QObject* object) {
    // Qt asks once per class up the chain; answering only for the object's own
    // class keeps subclasses elsewhere (the thumbnails) on Qt's own interfaces.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (qobject_cast<CNewCheckBox*>(object) != nullptr ||
        qobject_cast<CNewButtonCtrl2*>(object) != nullptr)
        return new OwnerButtonAccessible(static_cast<QAbstractButton*>(object));
    if (auto* bar = qobject_cast<CButtonBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::ToolBar);
    if (auto* text = qobject_cast<CNewHtmlWidget*>(object))
        return makeMarkupTextAccessible(text, text);
    if (auto* label = qobject_cast<CHtmlTextWidget*>(object))
        return makeMarkupTextAccessible(label, label);
    if (auto* bar = qobject_cast<CNewStatusBar*>(object))
        return makeStatusBarAccessible(bar);
    return nullptr;
}

} // namespace

void installOwnerAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ownerAccessible);
        return true;
    }();
    (void)installed;
}

QString spokenButtonCaption(const QString& caption) {
    return QString::fromStdString(stripPrefixes(parseButtonCaption(caption.toStdString()).text));
}

} // namespace veltrano

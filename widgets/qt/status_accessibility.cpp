#include "widgets/qt/status_accessibility.h"

#include "widgets/qt/drawn_item_accessible.h"
#include "widgets/qt/status_bar.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace veltrano {
namespace {

// The message pane holds no widget of its own: the bar draws the prompt into
// the room its permanent panes leave at the left.
class PromptPaneAccessible : public DrawnItemAccessible {
  public:
    explicit PromptPaneAccessible(CNewStatusBar* bar) : DrawnItemAccessible(bar) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? bar()->currentMessage() : QString();
    }

    // From the bar's left edge to the first permanent pane shown.
    QRect rect() const override {
        if (!isValid())
            return {};
        int right = bar()->width();
        for (const QWidget* pane : bar()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pane->isVisible())
                right = std::min(right, pane->x());
        return QRect(bar()->mapToGlobal(QPoint(0, 0)), QSize(right, bar()->height()));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invalid = !isValid();
        s.readOnly = true;
        s.invisible = !isValid() || !bar()->isVisible();
        return s;
    }

  private:
    CNewStatusBar* bar() const { return static_cast<CNewStatusBar*>(host()); }
};

class StatusBarAccessible : public QAccessibleWidget {
  public:
    explicit StatusBarAccessible(CNewStatusBar* bar)
        : QAccessibleWidget(bar, QAccessible::StatusBar),
          prompt_(QAccessible::registerAccessibleInterface(new PromptPaneAccessible(bar))) {}
    ~StatusBarAccessible() override { QAccessible::deleteAccessibleInterface(prompt_); }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::accessibleInterface(prompt_)
                          : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == QAccessible::accessibleInterface(prompt_))
            return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + 1;
    }

  private:
    QAccessible::Id prompt_;
};

} // namespace

QAccessibleInterface* makeStatusBarAccessible(CNewStatusBar* bar) {
    return new StatusBarAccessible(bar);
}

void announcePromptChange(CNewStatusBar* bar) {
    QAccessibleInterface* barAccessible = QAccessible::queryAccessibleInterface(bar);
    if (barAccessible == nullptr)
        return;
    QAccessibleEvent event(barAccessible->child(0), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace veltrano

#include "widgets/qt/status_accessibility.h"

#include "widgets/qt/status_bar.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace veltrano {
namespace {

// The message pane holds no widget of its own: the bar draws the prompt into
// the room its permanent panes leave at the left.
class PromptPaneAccessible : public QAccessibleInterface {
  public:
    explicit PromptPaneAccessible(CNewStatusBar* bar) : bar_(bar) {}

    bool isValid() const override { return bar_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return bar_ != nullptr ? bar_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? bar_->currentMessage() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    // From the bar's left edge to the first permanent pane shown.
    QRect rect() const override {
        if (!isValid())
            return {};
        int right = bar_->width();
        for (const QWidget* pane : bar_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pane->isVisible())
                right = std::min(right, pane->x());
        return QRect(bar_->mapToGlobal(QPoint(0, 0)), QSize(right, bar_->height()));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invalid = !isValid();
        s.readOnly = true;
        s.invisible = !isValid() || !bar_->isVisible();
        return s;
    }

  private:
    QPointer<CNewStatusBar> bar_;
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

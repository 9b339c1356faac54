#include "widgets/qt/markup_accessibility.h"

#include "widgets/qt/drawn_item_accessible.h"

#include <QAccessibleWidget>

#include <vector>

namespace veltrano {
namespace {

// One area of the text. It holds no Qt object of its own; Qt finds it by the
// identifier its parent registered.
class MarkupAreaAccessible : public DrawnItemAccessible, public QAccessibleActionInterface {
  public:
    MarkupAreaAccessible(QWidget* text, MarkupAreaSource* source, int index)
        : DrawnItemAccessible(text), source_(source), index_(index) {}

    int index() const { return index_; }

    bool isValid() const override {
        return DrawnItemAccessible::isValid() && index_ < source_->areaCount();
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return source_->area(index_).name;
    }

    // On screen: the area's place on the page less the part scrolled away.
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = source_->area(index_).rect;
        return QRect(host()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return isValid() && source_->area(index_).button ? QAccessible::Button : QAccessible::Link;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = source_->focusedArea() == index_;
        s.offscreen = source_->area(index_).offscreen;
        s.invisible = !host()->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return isValid() && host()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid() && host()->isEnabled())
            source_->activateArea(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    // The source is the text's window: it lives as long as the host does.
    MarkupAreaSource* source_;
    int index_;
};

class MarkupTextAccessible : public QAccessibleWidget {
  public:
    MarkupTextAccessible(QWidget* text, MarkupAreaSource* source)
        : QAccessibleWidget(text, QAccessible::StaticText), source_(source) {}
    ~MarkupTextAccessible() override {
        for (const QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return source_->areaCount(); }

    // Made when first asked for and kept, so that a reader meets the same
    // child each time.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (children_.size() <= static_cast<std::size_t>(index)) {
            auto* area =
                new MarkupAreaAccessible(widget(), source_, static_cast<int>(children_.size()));
            children_.push_back(QAccessible::registerAccessibleInterface(area));
        }
        return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* area = dynamic_cast<const MarkupAreaAccessible*>(child);
        return area != nullptr && area->parent() == this ? area->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return source_->focusedArea() >= 0 ? child(source_->focusedArea()) : nullptr;
    }

  private:
    MarkupAreaSource* source_;
    mutable std::vector<QAccessible::Id> children_;
};

} // namespace

QAccessibleInterface* makeMarkupTextAccessible(QWidget* text, MarkupAreaSource* source) {
    return new MarkupTextAccessible(text, source);
}

} // namespace veltrano

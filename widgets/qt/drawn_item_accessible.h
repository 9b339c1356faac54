#pragma once
// An accessible item that a widget draws inside itself: it holds no Qt object
// of its own and has no children; Qt finds it by the identifier its parent
// registered. Subclasses give its text, place, role and state.
#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace veltrano {

class DrawnItemAccessible : public QAccessibleInterface {
  public:
    explicit DrawnItemAccessible(QWidget* host) : host_(host) {}

    bool isValid() const override { return host_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return host_ != nullptr ? host_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(host_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    // The widget drawing the item; null once it is gone.
    QWidget* host() const { return host_.data(); }

  private:
    QPointer<QWidget> host_;
};

} // namespace veltrano

#pragma once
// The markup texts as a screen reader meets them: static text read without
// tags, with one child per area the text draws (button areas as push
// buttons, web and mail addresses and label links as links), each named by
// its words and pressed by the reader as a click would.
#include <QRect>
#include <QString>

class QAccessibleInterface;
class QWidget;

namespace veltrano {

// What a markup text's window tells its accessible interface about the areas
// it draws. Implemented by the window itself.
class MarkupAreaSource {
  public:
    struct Area {
        QString name;
        QRect rect; // in the window's coordinates, as shown now
        bool button = false;
        bool offscreen = false;
    };
    virtual int areaCount() const = 0;
    // `index` is in 0..areaCount()-1.
    virtual Area area(int index) const = 0;
    // The area holding the keyboard focus; -1 for none.
    virtual int focusedArea() const = 0;
    // Does what a click on area `index` does.
    virtual void activateArea(int index) = 0;

  protected:
    ~MarkupAreaSource() = default;
};

// The accessible interface of `text`, whose areas `source` describes (the
// same object); Qt owns it.
QAccessibleInterface* makeMarkupTextAccessible(QWidget* text, MarkupAreaSource* source);

} // namespace veltrano

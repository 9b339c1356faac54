#include "widgets/qt/tab_order.h"

#include "widgets/engine/reading_order.h"
#include "widgets/qt/control_id.h"

#include <QWidget>

namespace veltrano {

std::vector<QWidget*> tabStopsInReadingOrder(const QWidget* dialog) {
    std::vector<QWidget*> stops;
    std::vector<Rect> places;
    std::vector<Rect> layout;
    for (QObject* object : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget == nullptr || widget->isWindow() ||
            !widget->property(kControlIdProperty).isValid())
            continue;
        const QRect g = widget->geometry();
        const Rect place{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            stops.push_back(widget);
            places.push_back(place);
        } else if (!widget->isHidden()) {
            layout.push_back(place);
        }
    }
    std::vector<QWidget*> ordered;
    for (const std::size_t index : readingOrder(places, layout))
        ordered.push_back(stops[index]);
    return ordered;
}

QWidget* firstTabStop(const QWidget* dialog) {
    for (QWidget* stop : tabStopsInReadingOrder(dialog))
        if (stop->isVisible() && stop->isEnabled())
            return stop;
    return nullptr;
}

} // namespace veltrano

#pragma once
// The controls of a dialog in the order a reader meets them
// (widgets/engine/reading_order.h): where the keyboard enters a page.
#include <vector>

class QWidget;

namespace veltrano {

// The template controls of `dialog` (its direct children with a control
// number) that Tab can reach, shown or not, in reading order. The controls
// that take no focus shape the columns.
std::vector<QWidget*> tabStopsInReadingOrder(const QWidget* dialog);

// The first of those that is shown and enabled now, or nullptr.
QWidget* firstTabStop(const QWidget* dialog);

} // namespace veltrano

#pragma once
// The rich markup text as a screen reader meets it: static text read without
// tags, with one child per area it draws (button areas as push buttons, web
// and mail addresses as links), each named by its words and pressed by the
// reader as a click would.
class QAccessibleInterface;

namespace veltrano {

class CNewHtmlWidget;

// The accessible interface of `text`; Qt owns it.
QAccessibleInterface* makeMarkupTextAccessible(CNewHtmlWidget* text);

} // namespace veltrano

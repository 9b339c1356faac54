#pragma once
// The status bar as a screen reader meets it: besides its panes, a first
// child for the message pane the bar paints itself, read as static text by
// the prompt it shows and announced when the prompt changes.
class QAccessibleInterface;

namespace veltrano {

class CNewStatusBar;

// The accessible interface of `bar`; Qt owns it.
QAccessibleInterface* makeStatusBarAccessible(CNewStatusBar* bar);

// Tells a screen reader that the message pane of `bar` shows another prompt.
void announcePromptChange(CNewStatusBar* bar);

} // namespace veltrano

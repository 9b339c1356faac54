#pragma once
// How the widget set's own controls present themselves to screen readers:
// push buttons by the caption they draw (without its shape prefixes and
// access-key marks), check boxes with their three states, the button bar as a
// tool bar, the markup controls as static text read without tags and the
// status bar with its message pane. The
// controls call installOwnerAccessibility() when they are built.
#include <QString>

namespace veltrano {

// Registers the controls' accessible interfaces with Qt; repeated calls do nothing.
void installOwnerAccessibility();

// A push button's caption as spoken: "<left>", "<big>" and "<b>" dropped,
// "&" access-key marks removed and "&&" read as "&".
QString spokenButtonCaption(const QString& caption);

} // namespace veltrano

#pragma once
// The recently used calendars as items of the "Kalender" menu: "&1 natur.cal"
// and so on, between the separator before "Beenden" and "Beenden", each with its full path as
// status prompt and command number kFirstRecentFile + its place in the list.
#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace veltrano {

// Replaces the recent-file items an earlier call put into menu by items for
// paths (none, and no separator, when paths is empty). exitCommand names the
// item they go above. Choosing one calls sink.
void showRecentFiles(QMenu* menu, const std::vector<std::string>& paths, int exitCommand,
                     const std::function<void(int command)>& sink);

} // namespace veltrano

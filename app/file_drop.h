#pragma once
// Files dropped onto the main view from a file manager (text/uri-list): photos
// onto a thumbnail become that page's photo, a calendar file opens.
#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace veltrano {

struct DroppedFiles {
    enum class Kind {
        None,     // nothing the program takes: the drop is refused
        Photos,   // one or more image files, in the order dropped
        Calendar, // exactly one ".cal" file
    };
    Kind kind = Kind::None;
    std::vector<std::string> paths;
};

// What a drop brings. Only local files count; a mix of kinds, a folder, a file
// that is not an image, or more than one calendar is None. Photos are
// recognised by their content (and HEIF files by their name).
DroppedFiles readDroppedFiles(const QMimeData* data);

// Makes widget take drops of the kinds `accepts` approves and hands them to
// `dropped`; the filter is owned by widget. Other drops are refused, so the
// cursor shows that nothing would happen.
void acceptFileDrops(QWidget* widget, std::function<bool(const DroppedFiles&)> accepts,
                     std::function<void(const DroppedFiles&)> dropped);

// Makes widget (when not null) take dropped photos; the first one is handed
// to `dropped`, as a photo preview shows one photo.
void acceptPhotoDrop(QWidget* widget, std::function<void(const std::string&)> dropped);

} // namespace veltrano

#include "app/file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace veltrano {

namespace {

bool isPhotoFile(const QFileInfo& file) {
    const QString suffix = file.suffix().toLower();
    return suffix == "heic" || suffix == "heif" ||
           !QImageReader::imageFormat(file.absoluteFilePath()).isEmpty();
}

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QWidget* widget, std::function<bool(const DroppedFiles&)> accepts,
                   std::function<void(const DroppedFiles&)> dropped)
        : QObject(widget), accepts_(std::move(accepts)), dropped_(std::move(dropped)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            // The files are looked at once per drag: a move only asks again
            // whether this widget takes them.
            if (event->type() == QEvent::DragEnter || !dragged_)
                dragged_ = readDroppedFiles(drag->mimeData());
            drag->setAccepted(accepts_(*dragged_));
            if (drag->isAccepted())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::DragLeave:
            dragged_.reset();
            return false;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const DroppedFiles files =
                dragged_ ? std::move(*dragged_) : readDroppedFiles(drop->mimeData());
            dragged_.reset();
            if (!accepts_(files)) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            dropped_(files);
            return true;
        }
        default:
            return false;
        }
    }

  private:
    std::function<bool(const DroppedFiles&)> accepts_;
    std::function<void(const DroppedFiles&)> dropped_;
    std::optional<DroppedFiles> dragged_; // what the drag in progress carries
};

} // namespace

DroppedFiles readDroppedFiles(const QMimeData* data) {
    DroppedFiles files;
    if (data == nullptr || !data->hasUrls())
        return files;
    int photos = 0;
    int calendars = 0;
    for (const QUrl& url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (!url.isLocalFile() || !file.isFile())
            return {};
        if (file.suffix().compare("cal", Qt::CaseInsensitive) == 0)
            ++calendars;
        else if (isPhotoFile(file))
            ++photos;
        else
            return {};
        files.paths.push_back(file.absoluteFilePath().toStdString());
    }
    if (calendars == 1 && photos == 0)
        files.kind = DroppedFiles::Kind::Calendar;
    else if (calendars == 0 && photos > 0)
        files.kind = DroppedFiles::Kind::Photos;
    else
        files.paths.clear();
    return files;
}

void acceptFileDrops(QWidget* widget, std::function<bool(const DroppedFiles&)> accepts,
                     std::function<void(const DroppedFiles&)> dropped) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(new FileDropFilter(widget, std::move(accepts), std::move(dropped)));
}

void acceptPhotoDrop(QWidget* widget, std::function<void(const std::string&)> dropped) {
    if (widget == nullptr)
        return;
    acceptFileDrops(
        widget, [](const DroppedFiles& files) { return files.kind == DroppedFiles::Kind::Photos; },
        [dropped = std::move(dropped)](const DroppedFiles& files) {
            dropped(files.paths.front());
        });
}

} // namespace veltrano

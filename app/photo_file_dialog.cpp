#include "app/photo_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace veltrano {

QString photoStartFolder(const std::string& currentPhoto, const std::string& programFolder) {
    if (!currentPhoto.empty()) {
        const QFileInfo photo(QString::fromStdString(currentPhoto));
        if (photo.absoluteDir().exists())
            return photo.absolutePath();
    }
    const QDir pictures(QString::fromStdString(programFolder) + QStringLiteral("daten/bilder"));
    if (pictures.exists())
        return pictures.absolutePath();
    return QDir::currentPath();
}

PhotoFileDialog::PhotoFileDialog(QWidget* parent, const QString& caption, const QString& folder)
    : QFileDialog(parent, caption, folder) {
    // The desktop's own dialog cannot take a preview.
    setOption(QFileDialog::DontUseNativeDialog, true);
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("photoPreview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFixedSize(kPreviewSize, kPreviewSize);
    preview_->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, 1, grid->columnCount(), 1, 1);
    connect(this, &QFileDialog::currentChanged, this, &PhotoFileDialog::showPreview);
    // Room for the file names beside the preview.
    resize(sizeHint().expandedTo(QSize(3 * kPreviewSize + 300, 2 * kPreviewSize + 100)));
}

void PhotoFileDialog::showPreview(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (QFileInfo(path).isFile() && size.isValid())
        reader.setScaledSize(size.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio));
    const QImage image = QFileInfo(path).isFile() ? reader.read() : QImage();
    if (image.isNull())
        preview_->clear();
    else
        preview_->setPixmap(QPixmap::fromImage(image));
}

} // namespace veltrano

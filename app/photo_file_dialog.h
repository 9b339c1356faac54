#pragma once
// The open dialog for photos: Qt's own file dialog (so that it looks the same
// on every desktop) with a preview of the highlighted picture beside the file
// list, opening in the folder where a person most likely keeps the photo.
#include <QFileDialog>

#include <string>

class QLabel;

namespace veltrano {

// Where the photo dialog opens: the folder of currentPhoto when that folder
// exists (a relative path counts from the current directory), else the
// program's "daten/bilder" folder when it exists, else the current directory.
QString photoStartFolder(const std::string& currentPhoto, const std::string& programFolder);

class PhotoFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    static constexpr int kPreviewSize = 200; // pixels, the longer side

    PhotoFileDialog(QWidget* parent, const QString& caption, const QString& folder);

    // The preview beside the list: the picture scaled to fit, or empty.
    QLabel* preview() const { return preview_; }

  private:
    void showPreview(const QString& path);

    QLabel* preview_ = nullptr;
};

} // namespace veltrano

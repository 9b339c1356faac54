#include "app/photo_crop_editor.h"

#include "core/strings.h"
#include "platform/photo_worker_pool.h"
#include "render/photo_crop_edit.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/new_dialog.h"
#include "widgets/qt/photo_crop_view.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>
#include <QSlider>

#include <cmath>

namespace veltrano {

namespace {

constexpr int kPartName = 29872;   // "Bildausschnitt"
constexpr int kPartHelp = 29873;   // how to drag and zoom
constexpr int kFillLabel = 29874;  // "Füllen"
constexpr int kFillHelp = 29875;   // what filling does
constexpr int kZoomName = 29876;   // "Zoom"
constexpr int kResetLabel = 29877; // "Zurücksetzen"
constexpr int kResetHelp = 29878;  // what resetting does
constexpr int kSliderScale = 100;  // slider steps per zoom factor

QString text(int id) {
    return QString::fromStdString(loadString(id));
}

} // namespace

PhotoCropEditor::PhotoCropEditor(double aspect, QWidget* parent)
    : QWidget(parent), preview_(new PhotoCropView(this)), fill_(new QCheckBox(text(kFillLabel))),
      zoom_(new QSlider(Qt::Horizontal)), reset_(new QPushButton(text(kResetLabel))) {
    preview_->setAreaAspect(aspect);
    preview_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    preview_->setAccessibleName(text(kPartName));
    preview_->setAccessibleDescription(text(kPartHelp));
    preview_->setToolTip(text(kPartHelp));
    fill_->setAccessibleName(text(kFillLabel));
    fill_->setToolTip(text(kFillHelp));
    zoom_->setRange(kSliderScale, static_cast<int>(kMaxCropZoom * kSliderScale));
    zoom_->setPageStep(kSliderScale / 4);
    zoom_->setAccessibleName(text(kZoomName));
    zoom_->setToolTip(text(kZoomName));
    reset_->setAccessibleName(text(kResetLabel));
    reset_->setToolTip(text(kResetHelp));
    reset_->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(fill_);
    row->addWidget(zoom_, 1);
    row->addWidget(reset_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(preview_, 1);
    column->addLayout(row);
    setTabOrder(preview_, fill_);
    setTabOrder(fill_, zoom_);
    setTabOrder(zoom_, reset_);

    const auto edited = [this](const PhotoCrop& crop) {
        showState();
        emit cropEdited(crop);
    };
    connect(preview_, &PhotoCropView::cropEdited, this, edited);
    connect(preview_, &CImageControl::imageChanged, this, &PhotoCropEditor::showState);
    connect(fill_, &QCheckBox::clicked, preview_, &PhotoCropView::setFill);
    connect(zoom_, &QSlider::valueChanged, this, [this](int value) {
        preview_->zoomAboutCentre(static_cast<double>(value) / kSliderScale);
    });
    connect(reset_, &QPushButton::clicked, preview_, [this] { preview_->setFill(false); });
    showState();
}

void PhotoCropEditor::setAreaAspect(double aspect) {
    preview_->setAreaAspect(aspect);
    showState();
}

void PhotoCropEditor::setCrop(const PhotoCrop& crop) {
    preview_->setCrop(crop);
    showState();
}

void PhotoCropEditor::showState() {
    const bool photo = preview_->hasImage();
    const bool set = preview_->crop().isSet();
    fill_->setEnabled(photo);
    fill_->setChecked(set);
    zoom_->setEnabled(photo);
    const QSignalBlocker quiet(zoom_);
    zoom_->setValue(static_cast<int>(std::lround(preview_->zoom() * kSliderScale)));
    reset_->setEnabled(photo && set);
}

PhotoCropEditor* placePhotoCropEditor(CNewDialog& page, int id, double aspect,
                                      std::function<void(const PhotoCrop&)> edited) {
    QWidget* old = page.control(id);
    if (old == nullptr)
        return nullptr;
    auto* editor = new PhotoCropEditor(aspect, &page);
    editor->preview()->setPhotoLoader(&sharedPhotoWorkerPool());
    editor->setGeometry(old->geometry());
    editor->setVisible(!old->isHidden());
    setControlId(editor->preview(), id);
    // In the tab order where the preview stood on the page: right after it,
    // before it goes. (Placing it after the widget before it would put it after
    // the whole page when that widget is the page itself.)
    QWidget::setTabOrder(old, editor->preview());
    QWidget::setTabOrder(editor->preview(), editor->fillSwitch());
    QWidget::setTabOrder(editor->fillSwitch(), editor->zoomSlider());
    QWidget::setTabOrder(editor->zoomSlider(), editor->resetButton());
    delete old;
    QObject::connect(editor, &PhotoCropEditor::cropEdited, editor, std::move(edited));
    return editor;
}

} // namespace veltrano

#include "app/main_view.h"

#include "app/command_ids.h"
#include "app/file_drop.h"
#include "app/page_button.h"
#include "app/print_preview.h"
#include "app/title_page_button.h"
#include "platform/photo_worker_pool.h"
#include "platform/prefetching_decoder.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_paint.h"

namespace veltrano {
namespace {

// The view's layout: client size and control rectangles in pixels, scaled
// with the window from there on.
constexpr Size kLayoutClient{884, 520};
constexpr int kMargin = 8;
constexpr int kHeadingHeight = 24;
constexpr int kColumns = 6;

// Thumbnails take photos for their page and a calendar to open.
bool acceptsAny(const DroppedFiles& files) {
    return files.kind != DroppedFiles::Kind::None;
}
// The title page's column: four fifths of a month's size.
constexpr int kTitleWidth = 96;

QRect thumbnailRect(int month) {
    const int left = kMargin + kTitleWidth + kMargin;
    const int width = (kLayoutClient.width - left - kMargin * kColumns) / kColumns;
    const int top = kMargin + kHeadingHeight + kMargin;
    const int height = (kLayoutClient.height - top - 2 * kMargin) / 2;
    const int column = month % kColumns;
    const int row = month / kColumns;
    return QRect(left + column * (width + kMargin), top + row * (height + kMargin), width, height);
}

// Left of the months, centred between their two rows.
QRect titleThumbnailRect() {
    const QRect january = thumbnailRect(0);
    const QRect july = thumbnailRect(6);
    const int height = january.height() * 4 / 5;
    const int middle = (january.top() + july.bottom()) / 2;
    return QRect(kMargin, middle - height / 2, kTitleWidth, height);
}

} // namespace

CHauptmenuDlg::CHauptmenuDlg(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
                             CGlobalDaten& store, bool fileGiven, QWidget* parent)
    : CMainChildDlg(parent), settings_(store), commands_(files, dialogs, opener) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(paletteColour(kPaletteDialogBackground)));
    setPalette(colours);

    heading_ = new CHtmlTextWidget(this);
    setControlId(heading_, command::kHeadingLine);
    heading_->engine().setBackground(paletteColour(kPaletteDialogBackground));
    heading_->engine().setCentreVertically(true);
    heading_->setGeometry(kMargin, kMargin, kLayoutClient.width - 2 * kMargin, kHeadingHeight);
    // Built before the months so that the keyboard reaches it first, in reading order.
    titleThumbnail_ = new TitlePageButton(&decoder_, this);
    titleThumbnail_->setPhotoLoader(&sharedPhotoWorkerPool());
    titleThumbnail_->setGeometry(titleThumbnailRect());
    // The title page is edited on the sheet's general page.
    connect(titleThumbnail_, &TitlePageButton::clicked, this,
            [this] { emit commandPosted(command::kEdit); });
    for (int month = 0; month < kPageControlCount; ++month) {
        CVeltranoCtrl& page = commands_.pages()[static_cast<std::size_t>(month)];
        page.setImageDecoder(&decoder_);
        page.setPhotoLoader(&sharedPhotoWorkerPool());
        auto* button = new PageButton(page, this);
        setControlId(button, command::kFirstThumbnail + month);
        button->setGeometry(thumbnailRect(month));
        connect(button, &PageButton::clicked, this, [this, month] {
            commands_.selectStartPage(month + 1);
            emit commandPosted(command::kEdit);
        });
        thumbnails_[static_cast<std::size_t>(month)] = button;
        acceptFileDrops(button, acceptsAny,
                        [this, month](const DroppedFiles& dropped) { dropFiles(month, dropped); });
    }
    acceptFileDrops(titleThumbnail_, acceptsAny,
                    [this](const DroppedFiles& dropped) { dropFiles(kTitlePhotoPage, dropped); });
    // Elsewhere on the view only a calendar is taken.
    acceptFileDrops(
        this,
        [](const DroppedFiles& dropped) { return dropped.kind == DroppedFiles::Kind::Calendar; },
        [this](const DroppedFiles& dropped) { dropFiles(-1, dropped); });
    resize(kLayoutClient.width, kLayoutClient.height);
    recordLayout(kLayoutClient);
    setMinimumSize(kLayoutClient.width / 2, kLayoutClient.height / 2);

    commands_.setPagesChangedHandler([this] { showPages(); });
    commands_.openLastCalendar(settings_, fileGiven);
}

QSize CHauptmenuDlg::sizeHint() const {
    return {kLayoutClient.width, kLayoutClient.height};
}

CHauptmenuDlg::~CHauptmenuDlg() {
    commands_.recordLastCalendar(settings_);
}

void CHauptmenuDlg::dropFiles(int page, const DroppedFiles& files) {
    if (files.kind == DroppedFiles::Kind::Calendar)
        commands_.openByName(files.paths.front());
    else if (files.kind == DroppedFiles::Kind::Photos)
        commands_.placePhotos(page, files.paths);
    emit stateChanged();
}

void CHauptmenuDlg::showPages() {
    heading_->setText(QString::fromStdString(commands_.heading()));
    for (PageButton* button : thumbnails_)
        button->showPage();
    const CalendarDocument& document = commands_.document();
    titleThumbnail_->showTitle(document.titlePhoto, document.year, document.titleText,
                               document.photoCrop[kTitlePhotoPage]);
    emit stateChanged();
}

CommandOutcome CHauptmenuDlg::runCommand(int commandId) {
    CommandOutcome outcome = CommandOutcome::Done;
    if (commandId == command::kPrintSheets || commandId == command::kPrintOneSheet) {
        const PrintPrefetch ahead(commands_.pages(), commands_.document().titlePhoto,
                                  commands_.document().photoCrop[kTitlePhotoPage]);
        // The pages are seen in the preview first; printing from there asks
        // for the printer.
        if (commandId == command::kPrintSheets) {
            PrintSelection selection;
            if (commands_.choosePrintSelection(selection))
                showPrintPreview(window(), false, [this, selection](PrinterDevice& device) {
                    return commands_.printSelection(device, selection);
                });
        } else {
            showPrintPreview(window(), true, [this](PrinterDevice& device) {
                return commands_.printOneSheet(device);
            });
        }
        for (PageButton* button : thumbnails_)
            button->update();
    } else {
        outcome = commands_.execute(commandId);
    }
    emit stateChanged();
    return outcome;
}

} // namespace veltrano

// Choosing the part of a page's photo in the edit sheet, by mouse and
// keyboard: what the preview shows and what reaches the calendar after OK.
#include "app/edit_sheet.h"
#include "app/photo_crop_editor.h"
#include "platform/system_printer_device.h"
#include "render/photo_crop_edit.h"
#include "render/print_layouts.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/photo_crop_view.h"

#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"

#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QWheelEvent>

namespace veltrano {
namespace {

using namespace testing;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

constexpr int kMay = 5;
constexpr PhotoCrop kUnset{};

// A portrait photo of 600 × 900 in three bands: blue, green, red from the top.
std::string bandedPhoto(TempFolder& folder, const char* name) {
    QImage picture(600, 900, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 600, 300, Qt::blue);
    painter.fillRect(0, 300, 600, 300, Qt::green);
    painter.fillRect(0, 600, 600, 300, Qt::red);
    painter.end();
    const std::string path = folder.file(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path)));
    return path;
}

// The part that fills the photo area a print command prints with margins.
PhotoCrop expectedCover(MarginRect margins = {}) {
    return coverCrop(600, 900, printedPhotoAspect(defaultPortraitPaper(), margins));
}

double frameAspect(const PhotoCropView* view) {
    const Rect frame = view->areaFrame();
    return static_cast<double>(frame.width()) / frame.height();
}

// The sheet open at a page with the banded photo, shown and decoded.
struct CropSheet {
    TempFolder folder;
    FakePhotoDialogs photos;
    CalendarDocument document;
    std::unique_ptr<EditSheet> edit;
    PhotoCropEditor* editor = nullptr;
    PhotoCropView* view = nullptr;

    // page: 0 the general page, 1..12 a month.
    explicit CropSheet(int page, PhotoCrop crop = {}) {
        const std::string photo = bandedPhoto(folder, "streifen.jpg");
        const int index = page == 0 ? kTitlePhotoPage : page - 1;
        setPagePhoto(document, index, photo);
        document.photoCrop[static_cast<std::size_t>(index)] = crop;
        edit = std::make_unique<EditSheet>(document, nullptr, page, 2026, &photos);
        showActive(&edit->sheet());
        editor = page == 0 ? edit->generalPage().cropEditor() : edit->monthPage(page).cropEditor();
        view = editor->preview();
        EXPECT_TRUE(QTest::qWaitFor([this] { return view->hasImage(); }));
    }
    ~CropSheet() { edit->sheet().hide(); }

    // The colour a person sees in the area frame at fractions (x, y) of it.
    QColor seen(double x, double y) const {
        const Rect frame = view->areaFrame();
        const QImage shown = view->grab().toImage();
        return shown.pixelColor(frame.left + static_cast<int>(x * frame.width()),
                                frame.top + static_cast<int>(y * frame.height()));
    }
    QPoint frameCentre() const {
        const Rect frame = view->areaFrame();
        return QPoint((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    }
    void drag(QPoint by) {
        const QPoint from = frameCentre();
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(view, from + by * step / 4);
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, from + by);
    }
    void wheel(int notches) {
        const QPointF at = frameCentre();
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
    // Closes the sheet with OK (or Cancel) and hands back what the calendar holds then.
    const CalendarDocument& close(int button = kSheetOk) {
        clickAt(findControl(&edit->sheet(), button));
        edit->finish(document);
        return document;
    }
};

bool isColour(const QColor& seen, Qt::GlobalColor expected) {
    const QColor e(expected);
    return std::abs(seen.red() - e.red()) < 40 && std::abs(seen.green() - e.green()) < 40 &&
           std::abs(seen.blue() - e.blue()) < 40;
}

TEST(CropEditor, FillSwitchShowsTheCoverPartOnMonthAndTitlePage) {
    for (const int page : {kMay, 0}) {
        CropSheet open(page);
        // Fitted whole, the portrait photo leaves the area's sides empty.
        EXPECT_FALSE(isColour(open.seen(0.02, 0.5), Qt::green)) << page;
        clickAt(open.editor->fillSwitch());
        EXPECT_TRUE(open.editor->fillSwitch()->isChecked());
        EXPECT_TRUE(open.editor->resetButton()->isEnabled());
        EXPECT_TRUE(isColour(open.seen(0.02, 0.5), Qt::green)) << page;
        const int index = page == 0 ? kTitlePhotoPage : page - 1;
        EXPECT_EQ(open.close().photoCrop[static_cast<std::size_t>(index)], expectedCover()) << page;
    }
}

TEST(CropEditor, DraggingThePhotoDownShowsMoreOfItsTop) {
    CropSheet open(kMay);
    // Fitted whole, the area's sides are empty; dragged, the photo fills
    // them, its top band shown high up.
    EXPECT_FALSE(isColour(open.seen(0.02, 0.25), Qt::blue));
    open.drag(QPoint(0, open.view->areaFrame().height() / 2));
    EXPECT_TRUE(isColour(open.seen(0.02, 0.25), Qt::blue));
    const PhotoCrop crop = open.close().photoCrop[kMay - 1];
    const PhotoCrop cover = expectedCover();
    EXPECT_LT(crop.top, cover.top);
    EXPECT_EQ(crop.bottom - crop.top, cover.bottom - cover.top);
    EXPECT_EQ(crop.left, 0);
    EXPECT_EQ(crop.right, kCropScale);
}

TEST(CropEditor, WheelAndSliderZoomIn) {
    CropSheet open(kMay, expectedCover());
    QSlider* slider = open.editor->zoomSlider();
    EXPECT_EQ(slider->value(), slider->minimum());
    open.wheel(2);
    EXPECT_GT(slider->value(), slider->minimum());
    const PhotoCrop wheeled = open.view->crop();
    EXPECT_LT(wheeled.right - wheeled.left, kCropScale);
    clickAt(slider);
    QTest::keyClick(slider, Qt::Key_End);
    // The closest zoom shows a quarter of the cover part's width.
    const PhotoCrop crop = open.close().photoCrop[kMay - 1];
    EXPECT_EQ(crop.right - crop.left, kCropScale / 4);
}

TEST(CropEditor, KeyboardReachesTheEditorAndMovesAndZooms) {
    CropSheet open(kMay, expectedCover());
    typeInto(findControl(&open.edit->monthPage(kMay), 1043), QStringLiteral("Blumen"));
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), open.view);
    pressKey(Qt::Key_Down);
    EXPECT_LT(open.view->crop().top, expectedCover().top);
    pressKey(Qt::Key_Plus);
    EXPECT_LT(open.view->crop().right - open.view->crop().left, kCropScale);
    const std::pair<QWidget*, const char*> next[] = {{open.editor->fillSwitch(), "Füllen"},
                                                     {open.editor->zoomSlider(), "Zoom"},
                                                     {open.editor->resetButton(), "Zurücksetzen"}};
    for (const auto& [widget, name] : next) {
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget);
        // What a screen reader says on arriving there.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                  QString::fromUtf8(name));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(open.view)->text(QAccessible::Name),
              QStringLiteral("Bildausschnitt"));
}

TEST(CropEditor, ResetAndANewPhotoDropThePart) {
    {
        CropSheet open(kMay, PhotoCrop{0, 1000, 10000, 5000});
        clickAt(open.editor->resetButton());
        EXPECT_FALSE(open.editor->fillSwitch()->isChecked());
        EXPECT_FALSE(isColour(open.seen(0.02, 0.5), Qt::green));
        EXPECT_EQ(open.close().photoCrop[kMay - 1], kUnset);
    }
    CropSheet open(kMay, PhotoCrop{0, 1000, 10000, 5000});
    const std::string other = bandedPhoto(open.folder, "andere.jpg");
    open.photos.answers = {other};
    clickAt(findControl(&open.edit->monthPage(kMay), 1005));
    EXPECT_FALSE(open.editor->fillSwitch()->isChecked());
    const CalendarDocument& document = open.close();
    EXPECT_EQ(document.monthPhoto[kMay - 1], other);
    EXPECT_EQ(document.photoCrop[kMay - 1], kUnset);
}

TEST(CropEditor, TypedMarginsReshapeTheFrameAndTheFilledPart) {
    CropSheet open(0, expectedCover());
    const double before = frameAspect(open.view);
    // Wider side margins make the printed photo narrower: the frame follows,
    // and the filled part shows more of the photo's height.
    typeInto(findControl(&open.edit->generalPage(), 1033), QStringLiteral("60"));
    typeInto(findControl(&open.edit->generalPage(), 1034), QStringLiteral("60 mm"));
    const MarginRect margins{60, 30, 60, 20};
    EXPECT_LT(frameAspect(open.view), before * 0.8);
    EXPECT_NEAR(frameAspect(open.view), printedPhotoAspect(defaultPortraitPaper(), margins), 0.02);
    EXPECT_TRUE(isColour(open.seen(0.02, 0.5), Qt::green));
    const CalendarDocument& document = open.close();
    EXPECT_EQ(document.margins, margins);
    const PhotoCrop crop = document.photoCrop[kTitlePhotoPage];
    const PhotoCrop cover = expectedCover(margins);
    EXPECT_EQ(crop.bottom - crop.top, cover.bottom - cover.top);
    // Kept about its middle through every keystroke, each rounded.
    EXPECT_NEAR(crop.top, cover.top, 3);
    EXPECT_EQ(crop.right - crop.left, kCropScale);
}

TEST(CropEditor, CancelLeavesTheCalendarAlone) {
    CropSheet open(kMay, PhotoCrop{0, 1000, 10000, 5000});
    const CalendarDocument before = open.document;
    clickAt(open.editor->fillSwitch());
    open.drag(QPoint(0, 30));
    EXPECT_NE(open.view->crop(), before.photoCrop[kMay - 1]);
    EXPECT_EQ(open.close(kSheetCancel), before);
}

} // namespace
} // namespace veltrano

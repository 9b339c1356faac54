// Tab walks every dialog of the program in reading order: top to bottom, and
// left to right along a row, then back to the first control.
#include "app/drucken_dlg.h"
#include "app/edit_sheet.h"
#include "app/import_dlg.h"
#include "app/jahr_dlg.h"
#include "app/multi_dlg.h"
#include "app/sprache_dlg.h"
#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"
#include "widgets/engine/reading_order.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/message_box.h"
#include "widgets/qt/photo_crop_view.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace veltrano {
namespace {

using namespace testing;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

// The controls of `window` that Tab can reach now, in reading order of where
// they are on screen; the other controls shown shape the columns.
std::vector<QWidget*> focusableInReadingOrder(QWidget* window) {
    std::vector<QWidget*> controls;
    std::vector<Rect> places;
    std::vector<Rect> layout;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        const Rect place{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0 &&
            w->focusProxy() == nullptr) {
            controls.push_back(w);
            places.push_back(place);
        } else if (w->property(kControlIdProperty).isValid()) {
            layout.push_back(place);
        }
    }
    std::vector<QWidget*> ordered;
    for (const std::size_t index : readingOrder(places, layout))
        ordered.push_back(controls[index]);
    return ordered;
}

std::string describe(const std::vector<QWidget*>& widgets, QWidget* window) {
    std::string text;
    for (QWidget* w : widgets) {
        const QPoint at = w->mapTo(window, QPoint(0, 0));
        text += std::string(w->metaObject()->className()) + "@" + std::to_string(at.x()) + "," +
                std::to_string(at.y()) + " ";
    }
    return text;
}

struct OpenDialog {
    std::function<QWidget*()> window;
    std::function<void()> close;
};

TEST(DialogTabOrder, FollowsTheReadingOrderAndWraps) {
    AnsweringPresenter presenter;
    CalendarDocument document;
    CalendarDocument photoDocument;
    PrintSelection selection;
    const auto dialogOf = [](auto make) {
        return [make]() {
            auto dialog = make();
            dialog->initialise();
            return std::shared_ptr<QWidget>(std::move(dialog));
        };
    };
    const struct {
        const char* name;
        std::function<std::shared_ptr<QWidget>()> open;
        std::function<void(QWidget*)> prepare;
    } cases[] = {
        {"year", dialogOf([] { return std::make_unique<CJahrDlg>(); }), {}},
        {"multi-day", dialogOf([] { return std::make_unique<CMultiDlg>(2027); }), {}},
        {"print", dialogOf([&] { return std::make_unique<CDruckenDlg>(selection); }), {}},
        {"language", dialogOf([] { return std::make_unique<CMySpracheDlg>(); }), {}},
        {"import", dialogOf([&] { return std::make_unique<CImportDlg>(&document); }), {}},
        {"message box",
         dialogOf([] {
             auto box = std::make_unique<CMyMessageBoxDlg>();
             box->setMessage("Speichern?");
             box->setStyle(3); // yes, no and cancel
             return box;
         }),
         {}},
        {"edit sheet, general page",
         [&] {
             auto edit = std::make_shared<EditSheet>(document, nullptr, 0, 2027, nullptr);
             return std::shared_ptr<QWidget>(edit, &edit->sheet());
         },
         {}},
        {"edit sheet, general page with a photo and its editor",
         [&] {
             static QTemporaryDir folder;
             const QString photo = folder.filePath("bild.png");
             QImage picture(60, 90, QImage::Format_RGB32);
             picture.fill(Qt::darkCyan);
             picture.save(photo);
             photoDocument.titlePhoto = photo.toStdString();
             auto edit = std::make_shared<EditSheet>(photoDocument, nullptr, 0, 2027, nullptr);
             return std::shared_ptr<QWidget>(edit, &edit->sheet());
         },
         // The editor's switches are enabled once the photo has arrived.
         [](QWidget* sheet) {
             for (auto* view : sheet->findChildren<PhotoCropView*>()) {
                 if (view->isVisible()) {
                     EXPECT_TRUE(QTest::qWaitFor([view] { return view->hasImage(); }));
                 }
             }
         }},
        {"edit sheet, month page with a day chosen",
         [&] {
             auto edit = std::make_shared<EditSheet>(document, nullptr, 3, 2027, nullptr);
             return std::shared_ptr<QWidget>(edit, &edit->sheet());
         },
         [](QWidget* sheet) {
             for (auto* list : sheet->findChildren<CNewListCtrl3*>())
                 if (list->isVisible()) {
                     list->setFocus();
                     QTest::keyClick(list, Qt::Key_Down);
                     QTest::keyClick(list, Qt::Key_Down);
                     QTest::keyClick(list, Qt::Key_Down);
                 }
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<QWidget> window = c.open();
        showActive(window.get());
        if (c.prepare)
            c.prepare(window.get());
        const std::vector<QWidget*> expected = focusableInReadingOrder(window.get());
        ASSERT_GE(expected.size(), 1u);
        expected.front()->setFocus(Qt::OtherFocusReason);
        // A control with several stops of its own (the areas of a markup
        // text) keeps the focus for several presses; it counts once.
        std::vector<QWidget*> walked{QApplication::focusWidget()};
        for (int press = 0; press < 100 && walked.size() <= expected.size(); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() != walked.back())
                walked.push_back(QApplication::focusWidget());
        }
        std::vector<QWidget*> wanted = expected;
        wanted.push_back(expected.front());
        EXPECT_EQ(walked, wanted) << "walked: " << describe(walked, window.get())
                                  << "\nreading order: " << describe(wanted, window.get());
        window->hide();
    }
}

} // namespace
} // namespace veltrano

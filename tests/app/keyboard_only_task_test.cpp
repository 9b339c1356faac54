// A whole task with the keyboard alone, through the program's real dialogs:
// open the sample calendar, give a day a text and a colour, change a caption,
// save under a new name and print the calendar into a PDF file.
#include "app/drucken_dlg.h"
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/page_button.h"
#include "app/startup.h"
#include "app/title_page_button.h"
#include "app/window_services.h"
#include "core/registry.h"
#include "document/cal_reader.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "tests/app/app_fixture.h"
#include "tests/app/keyboard_script.h"
#include "tests/app/real_input.h"
#include "tests/support/pdf_pages.h"
#include "widgets/qt/bg_property_sheet.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/message_box_presenter.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include <filesystem>

namespace veltrano {
namespace {

using namespace testing;
namespace fs = std::filesystem;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

template <class T>
bool is(QWidget* widget) {
    return qobject_cast<T*>(widget) != nullptr;
}

TEST(KeyboardOnly, OpenEditSaveAsAndPrintToPdf) {
    TempFolder folder;
    setProgramFolder(folder.path());
    const fs::path shipped = fs::path(VELTRANO_SOURCE_DIR) / "data";
    fs::create_directories(folder.file("daten"));
    fs::copy_file(shipped / "daten" / "natur.cal", folder.file("daten/natur.cal"));
    fs::create_directory_symlink(shipped / "daten" / "bilder", folder.file("daten/bilder"));
    // The program shows its sample at the first start; the person opens a copy
    // they keep elsewhere.
    fs::create_directories(folder.file("Eigene Kalender"));
    const std::string sample = folder.file("Eigene Kalender/natur.cal");
    fs::copy_file(shipped / "daten" / "natur.cal", sample);
    const std::string savedAs = folder.file("mein-jahr.cal");
    const std::string pdf = folder.file("mein-jahr.pdf");

    MessageBoxPresenter presenter;
    setMessagePresenter(&presenter);
    registerCommandIcons(0);
    MemoryRegistry registry;
    CGlobalDaten store;
    QtFileDialogs files(nullptr);
    WindowDialogs dialogs(registry);
    FakeOpener opener;
    CMainFrame frame(files, dialogs, opener, store, false);
    showActive(&frame);
    CHauptmenuDlg* view = frame.mainView();
    const auto mainWindow = [&](QWidget* w) {
        return w == &frame && !QApplication::activeModalWidget();
    };

    KeyboardScript script;
    script.then("open with the menu's access keys", mainWindow, [&] {
        press(Qt::Key_K, Qt::AltModifier);
        type("f");
    });
    script.then("type the sample's path into the open dialog", is<QFileDialog>, [&] {
        press(Qt::Key_A, Qt::ControlModifier);
        type(QString::fromStdString(sample));
        press(Qt::Key_Return);
    });
    script.then("walk to March and open it", mainWindow, [&] {
        EXPECT_TRUE(view->headingLine()->text().endsWith(QString::fromStdString(sample)));
        EXPECT_EQ(view->commands().document().monthText[2], "Der Schnee zieht sich zurück");
        ASSERT_TRUE(tabUntil([&](QWidget* w) { return w == view->titleThumbnail(); }));
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        EXPECT_EQ(QApplication::focusWidget(), view->thumbnail(2));
        press(Qt::Key_Return);
    });
    script.then(
        "give 10 March a text and a colour, change the caption, OK", is<CBgPropertySheet>, [&] {
            ASSERT_TRUE(tabUntil(is<CNewListCtrl3>));
            auto* list = qobject_cast<CNewListCtrl3*>(QApplication::focusWidget());
            for (int i = 0;
                 i < 40 && !(list->currentItem() && list->currentItem()->text().contains(" 10.\t"));
                 ++i)
                press(Qt::Key_Down);
            ASSERT_TRUE(list->currentItem()->text().contains(" 10.\t"));
            press(Qt::Key_Tab);
            press(Qt::Key_A, Qt::ControlModifier);
            type("Schneeschmelze");
            ASSERT_TRUE(tabUntil(is<QPlainTextEdit>, 6));
            type("Ostern planen");
            press(Qt::Key_Tab);
            press(Qt::Key_Down);
            press(Qt::Key_Return);
        });
    script.then("save under a new name", mainWindow, [&] {
        const CalendarDocument& document = view->commands().document();
        EXPECT_EQ(document.dayText[2][9], "Ostern planen");
        EXPECT_EQ(document.dayColour[2][9], 1);
        EXPECT_EQ(document.monthText[2], "Schneeschmelze");
        press(Qt::Key_K, Qt::AltModifier);
        type("u");
    });
    script.then("type the new path into the save dialog", is<QFileDialog>, [&] {
        press(Qt::Key_A, Qt::ControlModifier);
        type(QString::fromStdString(savedAs));
        press(Qt::Key_Return);
    });
    script.then("print the calendar with the menu's access keys", mainWindow, [&] {
        press(Qt::Key_K, Qt::AltModifier);
        type("d");
    });
    script.then("take every page", is<CDruckenDlg>, [&] { press(Qt::Key_Return); });
    script.then("print from the preview", is<QPrintPreviewDialog>,
                [&] { press(Qt::Key_P, Qt::ControlModifier); });
    script.then("print into a PDF file", is<QPrintDialog>, [&] {
        // The file entry comes last in the list of printers.
        ASSERT_TRUE(tabUntil(is<QComboBox>));
        press(Qt::Key_End);
        ASSERT_TRUE(tabUntil(is<QLineEdit>));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QString::fromStdString(pdf));
        press(Qt::Key_Return);
    });
    script.then("back in the main window", mainWindow, [] {});
    script.run();
    setMessagePresenter(nullptr);

    CalendarDocument saved;
    ASSERT_TRUE(readCalendarFile(saved, savedAs));
    EXPECT_EQ(saved.dayText[2][9], "Ostern planen");
    EXPECT_EQ(saved.dayColour[2][9], 1);
    EXPECT_EQ(saved.monthText[2], "Schneeschmelze");
    EXPECT_EQ(saved.monthText[0], "Stille im verschneiten Wald"); // the sample's own
    EXPECT_TRUE(view->headingLine()->text().endsWith(QString::fromStdString(savedAs)));
    EXPECT_EQ(pdfPageCount(pdf), 13); // the title page and twelve months
}

} // namespace
} // namespace veltrano

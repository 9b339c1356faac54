// Files dragged from a file manager onto the main view, sent as the drag-enter
// and drop events a file manager's drag produces.
#include "app/file_drop.h"
#include "app/main_view.h"
#include "app/page_button.h"
#include "app/title_page_button.h"
#include "document/cal_writer.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "tests/app/app_fixture.h"
#include "tests/app/drop_events.h"
#include "widgets/qt/markup_controls.h"

#include <QImage>
#include <QTest>
#include <fstream>
#include <memory>

namespace veltrano {
namespace {

class FileDropTest : public ::testing::Test {
  protected:
    FileDropTest() {
        setProgramFolder(folder.path());
        // A calendar named on the command line: the view starts with a new one.
        view = std::make_unique<CHauptmenuDlg>(files, dialogs, opener, store, true);
        view->resize(884, 520);
        view->show();
    }

    // A photo of one colour, 400 × 300.
    std::string photo(const std::string& name, Qt::GlobalColor colour) {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(colour);
        const std::string path = folder.file(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }

    bool drop(QWidget* widget, const std::vector<std::string>& paths) {
        return testing::dragAndDrop(widget, paths);
    }

    // The colour in the middle of a thumbnail's photo area, as on screen:
    // photos arrive from a decoding thread, so this waits a while for the
    // expected colour and gives the last one seen.
    static QColor photoColour(QWidget* thumbnail, Qt::GlobalColor expected) {
        QColor colour;
        [[maybe_unused]] const bool seen = QTest::qWaitFor(
            [&] {
                const QImage shown = thumbnail->grab().toImage();
                colour = shown.pixelColor(shown.width() / 2, shown.height() / 5);
                return colour == QColor(expected);
            },
            3000);
        return colour;
    }

    testing::TempFolder folder;
    testing::AnsweringPresenter presenter;
    testing::FakeFileDialogs files;
    testing::FakeDialogs dialogs;
    testing::FakeOpener opener;
    CGlobalDaten store;
    std::unique_ptr<CHauptmenuDlg> view;
};

TEST_F(FileDropTest, PhotosFillTheMonthAndTheFollowingOnesInOneUndoStep) {
    const std::string red = photo("rot.png", Qt::red);
    const std::string green = photo("gruen.png", Qt::green);
    const std::string blue = photo("blau.png", Qt::blue);
    ASSERT_TRUE(drop(view->thumbnail(10), {red, green, blue})); // November, December, no more
    EXPECT_EQ(photoColour(view->thumbnail(9), Qt::white), QColor(Qt::white));
    EXPECT_EQ(photoColour(view->thumbnail(10), Qt::red), QColor(Qt::red));
    EXPECT_EQ(photoColour(view->thumbnail(11), Qt::green), QColor(Qt::green));
    EXPECT_EQ(view->commands().document().monthPhoto[0], "");

    ASSERT_TRUE(drop(view->titleThumbnail(), {blue, red}));
    EXPECT_EQ(photoColour(view->titleThumbnail(), Qt::blue), QColor(Qt::blue));
    EXPECT_EQ(view->commands().document().monthPhoto[0], ""); // only the title took one

    ASSERT_TRUE(view->commands().history().undo());
    ASSERT_TRUE(view->commands().history().undo());
    EXPECT_EQ(photoColour(view->thumbnail(10), Qt::white), QColor(Qt::white));
    EXPECT_EQ(photoColour(view->thumbnail(11), Qt::white), QColor(Qt::white));
}

TEST_F(FileDropTest, ADroppedCalendarOpensAfterTheSavePrompt) {
    CalendarDocument other;
    other.titleText = "Urlaub";
    other.monthPhoto[2] = photo("maerz.png", Qt::blue);
    ASSERT_TRUE(writeCalendarFile(other, folder.file("urlaub.cal")));
    ASSERT_TRUE(drop(view->thumbnail(0), {photo("rot.png", Qt::red)})); // a change to ask about

    presenter.answers = {MessageResult::No}; // do not save
    ASSERT_TRUE(drop(view.get(), {folder.file("urlaub.cal")}));
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(view->headingLine()->text().toStdString(), "<b> " + folder.file("urlaub.cal"));
    EXPECT_EQ(photoColour(view->thumbnail(2), Qt::blue), QColor(Qt::blue));
    EXPECT_EQ(photoColour(view->thumbnail(0), Qt::white), QColor(Qt::white));
}

TEST_F(FileDropTest, AnythingElseIsRefused) {
    const std::string red = photo("rot.png", Qt::red);
    std::ofstream(folder.file("notiz.txt")) << "kein Foto";
    std::ofstream(folder.file("a.cal")) << "Colors;1\r\n";
    std::ofstream(folder.file("b.cal")) << "Colors;1\r\n";
    const std::vector<std::string> refused[] = {
        {folder.file("notiz.txt")},  {red, folder.file("notiz.txt")},
        {red, folder.file("a.cal")}, {folder.file("a.cal"), folder.file("b.cal")},
        {folder.file("fehlt.png")},  {folder.path()},
    };
    for (const auto& paths : refused)
        EXPECT_FALSE(drop(view->thumbnail(3), paths)) << paths.front();
    EXPECT_FALSE(drop(view.get(), {red})); // photos only onto a page
    EXPECT_FALSE(view->commands().history().canUndo());
    EXPECT_TRUE(presenter.shown.empty());
}

} // namespace
} // namespace veltrano

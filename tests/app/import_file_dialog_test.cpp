// The import dialog's third entry: a click on "Aus Datei (vCard, iCalendar)…"
// asks for a file and adds its birthdays to the calendar.

#include "app/import_dlg.h"
#include "core/strings.h"
#include "document/calendar_document.h"
#include "tests/app/app_fixture.h"
#include "tests/app/real_input.h"
#include "widgets/qt/markup_controls.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <numeric>

namespace veltrano {
namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

class AnsweringChooser : public ImportFileChooser {
  public:
    std::optional<std::string> chooseImportFile() override {
        ++asked;
        return answer;
    }
    std::optional<std::string> answer;
    int asked = 0;
};

class ImportFileDialogTest : public ::testing::Test {
  protected:
    ImportFileDialogTest() {
        resetDocument(document);
        dialog.setYear(2027);
        dialog.setFileChooser(&chooser);
        dialog.initialise();
        dialog.show();
        QCoreApplication::processEvents();
    }

    // Scrolls the text as a person would until the file entry shows, and
    // clicks into it.
    void clickFileEntry() {
        auto* text = qobject_cast<CNewHtmlWidget*>(dialog.control(ImportControls::Text));
        ASSERT_NE(text, nullptr);
        text->refreshPage();
        std::vector<Rect> entries; // the button areas; a web address between them is no entry
        for (const MarkupArea& area : text->engine().areas())
            if (area.kind == AreaKind::Button)
                entries.push_back(area.rect);
        ASSERT_EQ(entries.size(), 3u);
        const Rect entry = entries[ImportControls::FileArea];
        if (entry.bottom > text->height())
            text->scrollBar()->setValue(entry.bottom - text->height());
        const int top = entry.top - text->engine().scrollPosition();
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(entry.left + 10, top + 5));
    }

    testing::TempFolder folder;
    testing::AnsweringPresenter presenter;
    AnsweringChooser chooser;
    CalendarDocument document;
    CImportDlg dialog{&document};
};

TEST_F(ImportFileDialogTest, FileEntryImportsTheChosenFileAndClosesWithOk) {
    const std::string path = folder.file("kontakte.vcf");
    std::ofstream(path) << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Berg\r\nBDAY:1992-02-29\r\n"
                           "END:VCARD\r\n";
    chooser.answer = path;
    clickFileEntry();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(document.dayText[1][27], "Anna Berg");
    EXPECT_EQ(document.dayColour[1][27], 1);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text,
              formatString(140, {std::int64_t{1}}) +
                  formatString(29772, {std::int64_t{1}, std::int64_t{2027}}));
    EXPECT_TRUE(dialog.imported());
    EXPECT_EQ(dialog.result(), kDialogOk);
}

TEST_F(ImportFileDialogTest, CancelledOrBadFileLeavesTheDialogOpen) {
    clickFileEntry(); // the file question is cancelled
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_TRUE(presenter.shown.empty());
    chooser.answer = folder.file("leer.ics");
    std::ofstream(*chooser.answer) << "kein Kalender\n";
    clickFileEntry();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text.rfind("<strong>Import nicht möglich</strong>", 0), 0u);
    EXPECT_FALSE(dialog.imported());
    EXPECT_NE(dialog.result(), kDialogOk);
    EXPECT_EQ(document.dayText[0][0], "");
}

// Without a mouse: Tab reaches the text and walks its areas one by one (the
// web address between the entries too), Enter does what a click does, and
// Tab past the last area goes on to the next control.
TEST_F(ImportFileDialogTest, KeyboardWalksTheEntriesAndEnterChoosesOne) {
    testing::showActive(&dialog);
    auto* text = qobject_cast<CNewHtmlWidget*>(dialog.control(ImportControls::Text));
    ASSERT_NE(text, nullptr);
    for (int press = 0; press < 10 && QApplication::focusWidget() != text; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), text);
    const std::vector<MarkupArea>& areas = text->engine().areas();
    std::vector<int> walked{text->focusedArea()};
    for (std::size_t i = 1; i < areas.size(); ++i) {
        QTest::keyClick(text, Qt::Key_Tab);
        walked.push_back(text->focusedArea());
    }
    std::vector<int> everyArea(areas.size());
    std::iota(everyArea.begin(), everyArea.end(), 0);
    EXPECT_EQ(walked, everyArea);
    // The file entry is the last button area.
    int fileEntry = static_cast<int>(areas.size()) - 1;
    while (fileEntry > 0 && areas[static_cast<std::size_t>(fileEntry)].kind != AreaKind::Button)
        --fileEntry;
    while (text->focusedArea() > fileEntry)
        QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(chooser.asked, 1);
    for (int area = text->focusedArea(); area < static_cast<int>(areas.size()); ++area)
        QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), text);
}

} // namespace
} // namespace veltrano

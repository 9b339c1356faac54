// The window program's real services, driven as a person would: the file dialogs
// answered by typing into them, the birthday import from a generated address book
// by a click on its entry, printing to the PDF printer after clicks in the print
// selection, and the program started through its command line.

#include "app/calendar_commands.h"
#include "app/drucken_dlg.h"
#include "app/import_dlg.h"
#include "app/window_services.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "document/calendar_document.h"
#include "platform/pdf_printer_device.h"
#include "records/sibling_folder.h"
#include "tests/app/app_fixture.h"
#include "tests/records/vdt_writer.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/markup_controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::AnsweringPresenter;
using testing::TempFolder;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

// Acts on the modal window of type Dialog once it is on screen, from the event loop
// that window runs; however long it takes to appear.
template <typename Dialog>
class WhenShown {
  public:
    explicit WhenShown(std::function<void(Dialog&)> act) {
        QObject::connect(&poll_, &QTimer::timeout, [this, act] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->isVisible()) {
                poll_.stop();
                acted = true;
                act(*dialog);
            }
        });
        poll_.start(10);
    }
    bool acted = false;

  private:
    QTimer poll_;
};

// Replaces what the dialog's file-name field holds by text, as typed, then clicks
// the dialog's Open or Save button.
void typeFileNameAndAccept(QFileDialog& dialog, const QString& text) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(field != nullptr && buttons != nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    // Typing a path opens the completion list over the dialog; it takes the next
    // click, so it is closed first, as a person closes it.
    if (QCompleter* completer = field->completer(); completer && completer->popup()->isVisible()) {
        QTest::keyClick(completer->popup(), Qt::Key_Escape);
    }
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            // The dialog looks the typed name up in its folder view before it
            // offers the button, as a person waits for it.
            EXPECT_TRUE(QTest::qWaitFor([button] { return button->isEnabled(); }, 10000))
                << "the button stayed disabled for " << text.toStdString();
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no Open or Save button";
}

// The path typed at a person's pace (the dialog completes folder names as they are
// typed), then Return.
TEST(WindowFileDialogs, OpenReturnsTheTypedCalendar) {
    TempFolder folder;
    const std::string path = folder.file("Familie 2027.cal");
    std::ofstream(path) << "Titel;Familie\n";
    QtFileDialogs dialogs(nullptr);
    WhenShown<QFileDialog> answer([&](QFileDialog& dialog) {
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClicks(field, QString::fromStdString(path), Qt::NoModifier, 30);
        if (QWidget* completions = QApplication::activePopupWidget()) {
            QTest::keyClick(completions, Qt::Key_Escape);
        }
        EXPECT_EQ(field->text().toStdString(), path);
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.chooseFileToOpen(), path);
    EXPECT_TRUE(answer.acted);
}

TEST(WindowFileDialogs, EscapeInTheOpenDialogCancels) {
    QtFileDialogs dialogs(nullptr);
    WhenShown<QFileDialog> cancel([](QFileDialog& dialog) {
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.chooseFileToOpen(), std::nullopt);
    EXPECT_TRUE(cancel.acted);
}

TEST(WindowFileDialogs, SaveOffersTheNameInTheFolderAndAddsTheCalendarEnding) {
    TempFolder folder;
    QtFileDialogs dialogs(nullptr);
    QString offered;
    WhenShown<QFileDialog> answer([&](QFileDialog& dialog) {
        offered = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        typeFileNameAndAccept(dialog, QStringLiteral("Urlaub"));
    });
    EXPECT_EQ(dialogs.chooseFileToSave(folder.path(), "Neuer Kalender.cal"),
              folder.file("Urlaub.cal"));
    EXPECT_TRUE(answer.acted);
    EXPECT_EQ(offered, QStringLiteral("Neuer Kalender.cal"));
}

// An address book with two birthdays in the sibling product's folder; a click on
// the address-book entry of the import dialog copies them into the calendar.
TEST(WindowBirthdayImport, ClickOnTheAddressBookImportsItsBirthdays) {
    TempFolder folder;
    AnsweringPresenter presenter;
    MemoryRegistry registry;
    registry.writeString({"Kolbrand", "Murello2", "Murello2"}, "Path", folder.path());
    setSiblingRegistry(&registry);
    std::filesystem::create_directories(folder.file("daten"));
    constexpr std::uint8_t kContactType = 11;
    test::VdtBuilder book;
    book.record(kContactType, 1, test::contactPayload(test::packedDate(3, 5, 1970), "Anna"));
    book.record(kContactType, 2, test::contactPayload(test::packedDate(24, 12, 1988), "Ben"));
    book.writeTo(folder.file("daten/kontakte.vdt"));

    CalendarDocument document;
    WindowDialogs dialogs(registry);
    WhenShown<CImportDlg> click([](CImportDlg& dialog) {
        auto* text = dialog.findChild<CNewHtmlWidget*>();
        ASSERT_NE(text, nullptr);
        text->refreshPage();
        const auto& areas = text->engine().areas();
        ASSERT_GE(areas.size(), 2u);
        const Rect entry = areas[1].rect; // the address book's entry
        const QPoint centre((entry.left + entry.right) / 2,
                            (entry.top + entry.bottom) / 2 - text->engine().scrollPosition());
        QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, centre);
    });
    EXPECT_TRUE(dialogs.importBirthdays(document));
    EXPECT_TRUE(click.acted);
    setSiblingRegistry(nullptr);
    forgetSiblingFolders();

    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, formatString(140, {std::int64_t{2}}));
    EXPECT_EQ(document.dayText[4][2], "Anna");
    EXPECT_EQ(document.dayText[11][23], "Ben");
}

// The print command with the real selection dialog, answered by clicks ("none",
// then the title page, then print), printing to the PDF printer: one page.
TEST(WindowPrinting, SelectionDialogClicksDecideThePagesOfThePdf) {
    TempFolder folder;
    AnsweringPresenter presenter;
    MemoryRegistry registry;
    testing::FakeFileDialogs files;
    testing::FakeOpener opener;
    WindowDialogs dialogs(registry);
    CalendarCommands commands(files, dialogs, opener);
    const std::string pdf = folder.file("kalender.pdf");
    PdfPrinterDevice printer(pdf);
    WhenShown<CDruckenDlg> answer([](CDruckenDlg& dialog) {
        for (int id : {DruckenControls::SelectNone, DruckenControls::Title, kDialogOk}) {
            QWidget* control = findControl(&dialog, id);
            ASSERT_NE(control, nullptr) << id;
            QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
        }
    });
    EXPECT_TRUE(commands.printSheets(printer));
    EXPECT_TRUE(answer.acted);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    ASSERT_TRUE(info.waitForFinished(20000)) << "pdfinfo missing: run scripts/install-deps.sh";
    const QByteArray out = info.readAllStandardOutput();
    const QRegularExpression onePage(QStringLiteral("^Pages:\\s+1$"),
                                     QRegularExpression::MultilineOption);
    EXPECT_TRUE(onePage.match(QString::fromUtf8(out)).hasMatch()) << out.toStdString();
}

// The program itself, started as the desktop starts it.
QProcess* startProgram(const TempFolder& folder, const QStringList& arguments) {
    auto* program = new QProcess;
    program->setWorkingDirectory(QString::fromStdString(folder.path()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(folder.path()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.file("config")));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(VELTRANO_BINARY_DIR "/app/veltrano"), arguments);
    return program;
}

TEST(ProgramStart, VersionOptionPrintsTheVersionAndOpenShowsTheWindowUntilClosed) {
    TempFolder folder;
    std::unique_ptr<QProcess> version(startProgram(folder, {"/VERSION"}));
    ASSERT_TRUE(version->waitForFinished(20000)) << "the version option opened a window";
    EXPECT_EQ(version->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(version->exitCode(), 0);
    EXPECT_TRUE(version->readAllStandardOutput().contains("Version"));

    const std::string calendar = folder.file("familie.cal");
    std::ofstream(calendar) << "Titel;Familie\n";
    std::unique_ptr<QProcess> window(
        startProgram(folder, {QString::fromStdString("/open:" + calendar)}));
    ASSERT_TRUE(window->waitForStarted(20000));
    // A window program that opened its window runs until it is closed.
    EXPECT_FALSE(window->waitForFinished(3000)) << "ended with " << window->exitCode() << ": "
                                                << window->readAllStandardError().toStdString();
    window->terminate();
    EXPECT_TRUE(window->waitForFinished(10000));
}

} // namespace
} // namespace veltrano

#include "app/main_frame.h"

#include "app/command_ids.h"
#include "app/command_shortcuts.h"
#include "app/main_view.h"
#include "app/recent_files.h"
#include "app/recent_files_menu.h"
#include "app/startup.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "widgets/qt/ie4bar.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QTimer>

#include <filesystem>

namespace veltrano {
namespace {
constexpr int kTitleString = 128;
constexpr int kNewCalendarName = 132;
constexpr int kUndoItemText = 29802;
constexpr int kRedoItemText = 29803;
constexpr int kMessageRecentFileMissing = 29820;
constexpr char kUndoItem[] = "&Rückgängig";
constexpr char kRedoItem[] = "&Wiederholen";
constexpr char kAboutText[] = "<strong>Veltrano</strong><br>%s<br>Gestalten und drucken Sie "
                              "Ihren Wandkalender mit eigenen Fotos.";
} // namespace

CMainFrame::CMainFrame(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
                       CGlobalDaten& store, bool fileGiven, QWidget* parent)
    : CNewFrame(parent) {
    setWindowTitle(QString::fromStdString(loadString(kTitleString)));
    installMenu(command::kMainMenu);
    assignStandardShortcuts(menuBar());
    if (installButtonBar(command::kMainToolbar, command::kToolbarBitmap))
        buttonBar()->addDropDownButton(command::kPrintDropDown, command::kPrintMenu);
    view_ = new CHauptmenuDlg(files, dialogs, opener, store, fileGiven, this);
    setCentralWidget(view_);
    connect(this, &CNewFrame::commandTriggered, this, &CMainFrame::onCommand);
    connect(view_, &CHauptmenuDlg::stateChanged, this, &CMainFrame::updateCommandStates);
    // A thumbnail's edit runs after its click has been handled.
    connect(view_, &CHauptmenuDlg::commandPosted, this, &CMainFrame::onCommand,
            Qt::QueuedConnection);
    updateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::useRecentFiles(Registry& registry) {
    recentFiles_ = std::make_unique<RecentFiles>(registry);
    view_->commands().setFileUsedHandler([this](const std::string& path) {
        recentFiles_->add(path);
        showRecentFileItems();
    });
    showRecentFileItems();
}

void CMainFrame::showRecentFileItems() {
    const QList<QAction*> menus = menuBar()->actions();
    if (recentFiles_ == nullptr || menus.isEmpty() || menus.front()->menu() == nullptr)
        return;
    showRecentFiles(menus.front()->menu(), recentFiles_->paths(), command::kExit,
                    [this](int commandId) { onCommand(commandId); });
}

// A calendar that is gone is taken off the list, with a message, rather than
// failing as an unreadable file would.
void CMainFrame::openRecentFile(int index) {
    const auto& paths = recentFiles_->paths();
    if (index < 0 || static_cast<std::size_t>(index) >= paths.size())
        return;
    const std::string path = paths[static_cast<std::size_t>(index)];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        recentFiles_->remove(path);
        showRecentFileItems();
        showMessage(formatString(kMessageRecentFileMissing, {path}),
                    MessageStyle::Ok | MessageStyle::IconInformation);
        return;
    }
    view_->commands().openByName(path);
    updateCommandStates();
}

void CMainFrame::onCommand(int commandId) {
    if (recentFiles_ != nullptr && commandId >= command::kFirstRecentFile &&
        commandId < command::kFirstRecentFile + command::kRecentFileCount) {
        openRecentFile(commandId - command::kFirstRecentFile);
        return;
    }
    switch (commandId) {
    case command::kShowMainMenu:
        return; // the only view, always shown
    case command::kPrintDropDown:
        if (buttonBar() != nullptr)
            buttonBar()->dropDownRequest(commandId);
        return;
    case command::kAbout:
        showAbout();
        return;
    case command::kExit:
    case command::kAppExit:
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    default:
        break;
    }
    if (view_->runCommand(commandId) == CommandOutcome::CloseWindow)
        QTimer::singleShot(0, this, &QWidget::close);
}

void CMainFrame::updateCommandStates() {
    const CalendarCommands& commands = view_->commands();
    for (int commandId : {command::kSave, command::kUndo, command::kRedo}) {
        const QString name = QStringLiteral("cmd%1").arg(commandId);
        const bool enabled = commands.isEnabled(commandId);
        for (QAction* action : findChildren<QAction*>(name))
            action->setEnabled(enabled);
    }
    nameUndoSteps();
    const CalendarDocument& document = commands.document();
    const QString shown =
        document.untitled != 0
            ? QString::fromStdString(loadString(kNewCalendarName))
            : QFileInfo(QString::fromStdString(commands.currentFilePath())).fileName();
    setWindowTitle(shown + QStringLiteral("[*] – ") +
                   QString::fromStdString(loadString(kTitleString)));
    setWindowModified(document.modified != 0);
}

// The menu items say which step they undo and redo; the buttons say it in
// their tool tips.
void CMainFrame::nameUndoSteps() {
    const DocumentHistory& history = view_->commands().history();
    const struct {
        int command;
        bool possible;
        QString step;
        int itemText;
        const char* plainItem;
    } kinds[] = {
        {command::kUndo, history.canUndo(), history.undoName(), kUndoItemText, kUndoItem},
        {command::kRedo, history.canRedo(), history.redoName(), kRedoItemText, kRedoItem},
    };
    for (const auto& kind : kinds) {
        const QString item =
            kind.possible
                ? QString::fromStdString(formatString(kind.itemText, {kind.step.toStdString()}))
                : QString::fromStdString(translate(kind.plainItem, currentLanguage()));
        const QString name = QStringLiteral("cmd%1").arg(kind.command);
        for (QAction* action : menuBar()->findChildren<QAction*>(name))
            action->setText(item);
        if (buttonBar() != nullptr)
            for (QAction* action : buttonBar()->findChildren<QAction*>(name))
                action->setToolTip(QString(item).remove(QLatin1Char('&')));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_ != nullptr && !view_->commands().mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::showAbout() {
    showMessage(formatText(translate(kAboutText, currentLanguage()), {versionLine()}),
                MessageStyle::Ok | MessageStyle::IconInformation);
}

} // namespace veltrano

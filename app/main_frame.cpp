#include "app/main_frame.h"

#include "app/command_ids.h"
#include "app/main_view.h"
#include "app/startup.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "widgets/qt/ie4bar.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

namespace veltrano {
namespace {
constexpr int kTitleString = 128;
constexpr char kAboutText[] = "<strong>Veltrano</strong><br>%s<br>Gestalten und drucken Sie "
                              "Ihren Wandkalender mit eigenen Fotos.";
} // namespace

CMainFrame::CMainFrame(FileDialogs& files, CalendarDialogs& dialogs, DocumentOpener& opener,
                       CGlobalDaten& store, bool fileGiven, QWidget* parent)
    : CNewFrame(parent) {
    setWindowTitle(QString::fromStdString(loadString(kTitleString)));
    installMenu(command::kMainMenu);
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

void CMainFrame::onCommand(int commandId) {
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
    const QString name = QStringLiteral("cmd%1").arg(command::kSave);
    const bool enabled = view_->commands().isEnabled(command::kSave);
    for (QAction* action : findChildren<QAction*>(name))
        action->setEnabled(enabled);
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

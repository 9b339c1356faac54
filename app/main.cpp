// The window program: start-up, the main window on the last (or the given)
// calendar, and the record of the open file at the end.
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/qt_translations.h"
#include "app/startup.h"
#include "app/window_services.h"
#include "core/date_format.h"
#include "core/translation.h"
#include "document/command_line.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "document/program_settings.h"
#include "platform/qpainter_surface.h"
#include "platform/qsettings_registry.h"
#include "records/sibling_folder.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/dialog_surface.h"
#include "widgets/qt/message_box_presenter.h"
#include "widgets/qt/owner_drawn_menu.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <iostream>
#include <string>
#include <vector>

using namespace veltrano;

namespace {

CommandLine readCommandLine(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return parseCommandLine(joinArguments(arguments));
}

// Language, date format, palette and icons: everything the windows read as
// they are built.
void applySettings(QSettingsRegistry& registry) {
    makeFrenchAndSpanishSelectable();
    const std::string pattern = QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
    setDateFormat(startupDateFormat(registry, pattern));
    applyLanguage(readLanguage(registry), programFolder());
    installQtTranslations(currentLanguage());
    applyStartupPalette();
    registerCommandIcons(currentLanguage());
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine options = readCommandLine(argc, argv);
    if (options.version) {
        runVersionMode(versionFolder(programFolder()), std::cout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new OwnerDrawnMenuStyle);
    installFontSubstitutions();
    MessageBoxPresenter presenter;
    setMessagePresenter(&presenter);

    QSettingsRegistry registry;
    setSiblingRegistry(&registry);
    const bool fileGiven = options.openPath.has_value();
    if (fileGiven)
        useInstallationFolder(registry);
    applySettings(registry);

    CGlobalDaten store;
    QtFileDialogs files(nullptr);
    WindowDialogs dialogs(registry);
    DesktopOpener opener;
    int result = 0;
    {
        CMainFrame frame(files, dialogs, opener, store, fileGiven);
        frame.useRecentFiles(registry);
        setDialogBackgroundPicturePath(QString::fromStdString(programFolder() + "bg1.jpg"));
        // Without a window manager "maximised" means nothing, so the frame
        // starts with the screen's size as well.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            frame.setGeometry(screen->availableGeometry());
        frame.showMaximized();
        if (fileGiven)
            frame.mainView()->commands().openByName(*options.openPath);
        result = QApplication::exec();
    }
    setMessagePresenter(nullptr);
    setSiblingRegistry(nullptr);
    return result;
}

#pragma once
// The main window over answering fakes, in a fresh program folder that holds
// an empty sample calendar.
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/startup.h"
#include "document/cal_writer.h"
#include "document/global_daten.h"
#include "document/program_folder.h"
#include "tests/app/app_fixture.h"
#include "widgets/qt/markup_controls.h"

#include <QAction>
#include <QMenuBar>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace veltrano::testing {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        setProgramFolder(folder.path());
        std::filesystem::create_directories(folder.file("daten"));
        CalendarDocument sample;
        resetDocument(sample);
        writeCalendarFile(sample, dataFilePath("natur.cal"));
        registerCommandIcons(0);
        dialogs.editChange = [](CalendarDocument& document) { document.dayText[0][0] += "x"; };
        frame = std::make_unique<CMainFrame>(files, dialogs, opener, store, false);
    }
    QAction* menuAction(int command) const {
        return frame->menuBar()->findChild<QAction*>(QStringLiteral("cmd%1").arg(command));
    }
    QString heading() const { return frame->mainView()->headingLine()->text(); }

    TempFolder folder;
    AnsweringPresenter presenter;
    FakeFileDialogs files;
    FakeDialogs dialogs;
    FakeOpener opener;
    CGlobalDaten store;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace veltrano::testing

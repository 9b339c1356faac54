#pragma once
// The main view's services over Qt: file dialogs, the desktop's default
// handler and the secondary dialogs.
#include "app/calendar_dialogs.h"
#include "app/file_dialogs.h"
#include "core/registry.h"

class QWidget;

namespace veltrano {

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave(const std::string& folder,
                                                const std::string& fileName) override;

  private:
    QWidget* parent_;
};

class DesktopOpener : public DocumentOpener {
  public:
    // Hands the local file to the default handler; never runs a shell.
    bool openDocument(const std::string& path) override;
};

// The dialogs of the window program behind the main view's commands: the edit
// sheet and the year, multi-day, birthday-import, language and print-selection
// dialogs, each modal over the active window.
class WindowDialogs : public CalendarDialogs {
  public:
    // registry holds the program's settings the language dialog stores; it must
    // outlive this object.
    explicit WindowDialogs(Registry& registry) : registry_(registry) {}

    bool editCalendar(CalendarDocument& document, int startPage, std::int32_t year) override;
    bool chooseYear(std::int32_t& year) override;
    bool enterMultiDay(std::int32_t year, MultiDayEntry& entry) override;
    bool importBirthdays(CalendarDocument& document) override;
    bool importBirthdaysForYear(CalendarDocument& document, std::int32_t year) override;
    bool chooseLanguage() override;
    bool choosePrintSelection(PrintSelection& selection) override;

  private:
    Registry& registry_;
};

} // namespace veltrano

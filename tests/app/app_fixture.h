#pragma once
// Answering fakes for the main view's services, a QApplication for the tests
// that need one, and a fresh folder per test.
#include "app/calendar_dialogs.h"
#include "app/file_dialogs.h"
#include "core/message_presenter.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace veltrano::testing {

class AppEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_app";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

struct ShownMessage {
    std::string text;
    int style = 0;
};

// Records every message and answers from a queue (Cancel when it is empty,
// so an unexpected question never goes on silently).
class AnsweringPresenter : public MessagePresenter {
  public:
    AnsweringPresenter() { setMessagePresenter(this); }
    ~AnsweringPresenter() override { setMessagePresenter(nullptr); }
    int showMessage(const std::string& text, int style) override {
        shown.push_back({text, style});
        if (answers.empty())
            return MessageResult::Cancel;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<ShownMessage> shown;
};

class FakeFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> chooseFileToOpen() override {
        ++openAsked;
        return openAnswer;
    }
    std::optional<std::string> chooseFileToSave(const std::string& folder,
                                                const std::string& fileName) override {
        ++saveAsked;
        proposedFolder = folder;
        proposedName = fileName;
        return saveAnswer;
    }
    std::optional<std::string> openAnswer;
    std::optional<std::string> saveAnswer;
    int openAsked = 0;
    int saveAsked = 0;
    std::string proposedFolder;
    std::string proposedName;
};

class FakeDialogs : public CalendarDialogs {
  public:
    bool editCalendar(CalendarDocument& document, int startPage, std::int32_t year) override {
        editPages.push_back(startPage);
        editYear = year;
        if (editChange)
            editChange(document);
        return editConfirms;
    }
    bool chooseYear(std::int32_t& year) override {
        if (!yearAnswer)
            return false;
        year = *yearAnswer;
        return true;
    }
    bool enterMultiDay(std::int32_t, MultiDayEntry& entry) override {
        if (!multiDayAnswer)
            return false;
        entry = *multiDayAnswer;
        return true;
    }
    bool importBirthdays(CalendarDocument& document) override {
        return importChange && importChange(document);
    }
    bool chooseLanguage() override { return languageConfirms; }
    bool choosePrintSelection(PrintSelection& selection) override {
        if (printSelection)
            selection = *printSelection;
        return printConfirms;
    }

    std::vector<int> editPages;
    std::int32_t editYear = 0;
    bool editConfirms = true;
    std::function<void(CalendarDocument&)> editChange;
    std::optional<std::int32_t> yearAnswer;
    std::optional<MultiDayEntry> multiDayAnswer;
    std::function<bool(CalendarDocument&)> importChange;
    bool languageConfirms = false;
    bool printConfirms = true;
    std::optional<PrintSelection> printSelection;
};

// Answers the photo dialog from a queue (cancelled when it is empty).
class FakePhotoDialogs : public PhotoDialogs {
  public:
    std::optional<std::string> choosePhotoToOpen(const std::string& filter,
                                                 const std::string& currentPhoto) override {
        filters.push_back(filter);
        currentPhotos.push_back(currentPhoto);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> filters;
    std::vector<std::string> currentPhotos;
};

class FakeOpener : public DocumentOpener {
  public:
    bool openDocument(const std::string& path) override {
        opened.push_back(path);
        return answer;
    }
    std::vector<std::string> opened;
    bool answer = true; // false: no program could be started
};

} // namespace veltrano::testing

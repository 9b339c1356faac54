#pragma once
// What the dialog and message-box tests share: a widget application for the whole
// test program (made only when no other test made one), sending keys, and a
// translation file for one test.

#include "core/translation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace veltrano::dialog_test {

class WidgetEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_widgets";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

// Presses and releases a key on the widget, as the keyboard would.
inline void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// A translation file in effect for the lifetime of the object (English).
class ScopedTranslation {
  public:
    explicit ScopedTranslation(const std::string& lines) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrano-dialog-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        const std::filesystem::path file = folder_ / kTranslationFileName;
        std::ofstream(file) << lines;
        loaded_ = loadTranslationFile(file.string(), folder_.string() + "/");
        setCurrentLanguage(2);
    }
    ~ScopedTranslation() {
        setCurrentLanguage(kLanguageGerman);
        clearTranslationTable();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    bool loaded() const { return loaded_; }

  private:
    std::filesystem::path folder_;
    bool loaded_ = false;
};

} // namespace veltrano::dialog_test

// File names, paths and the sibling products' folders are shown exactly as they
// are in the heading and in messages: never read as tags, never made links.

#include "app/command_ids.h"
#include "core/strings.h"
#include "core/translation.h"
#include "records/var_base.h"
#include "render/recording_surface.h"
#include "tests/app/main_window_fixture.h"
#include "widgets/engine/markup_tokens.h"
#include "widgets/engine/message_box_rules.h"
#include "widgets/engine/rich_text_layout.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace veltrano {
namespace {

using testing::MainWindowTest;

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing::AppEnvironment);

// Each name holds tags of both engines, a number in brackets, a web address
// and mail addresses between blanks, so that every one is a word of its own.
const char* const kTrickyNames[] = {
    "Urlaub <2027>.cal",
    "<b>fett <red>rot <newline500> <link>x <big>.cal",
    "Seite www.example.org a@b.c mailto:a@b.c.cal",
};

std::string drawnText(const RecordingSurface& surface) {
    std::string text;
    for (const RecordedOp& op : surface.opsOf(OpKind::DrawText))
        text += op.text;
    return text;
}

// What the message box draws for a message: its text and its link areas.
struct SeenMessage {
    std::string text;
    std::size_t areas = 0;
};

SeenMessage seenInMessageBox(const std::string& message) {
    RecordingSurface surface;
    std::vector<MarkupArea> areas;
    layoutRichText(surface, Rect{0, 0, 4000, 4000}, messageBoxMarkup(0, message), false, 8,
                   RichTextSettings{}, &areas);
    return SeenMessage{drawnText(surface), areas.size()};
}

void expectShownVerbatim(const std::string& message, const std::string& path) {
    const SeenMessage seen = seenInMessageBox(message);
    EXPECT_NE(seen.text.find(path), std::string::npos) << seen.text;
    EXPECT_EQ(seen.text.find(std::string(kRichSyntaxError)), std::string::npos);
    EXPECT_EQ(seen.areas, 0u) << path;
}

class OutsideTextTest : public MainWindowTest {
  protected:
    // The heading as the window draws it: the words in order, and whether
    // any part of it is a link.
    std::pair<std::string, bool> drawnHeading() const {
        CHtmlTextWidget* heading = frame->mainView()->headingLine();
        RecordingSurface surface;
        heading->engine().paint(surface, Size{4000, 30});
        return {drawnText(surface), heading->engine().linkEnds().has_value()};
    }
};

TEST_F(OutsideTextTest, HeadingShowsTheOpenedCalendarsPathAsItIs) {
    for (const char* name : kTrickyNames) {
        CalendarDocument document;
        resetDocument(document);
        const std::string path = folder.file(name);
        ASSERT_TRUE(writeCalendarFile(document, path));
        files.openAnswer = path;
        frame->onCommand(command::kOpen);
        const auto [text, linked] = drawnHeading();
        EXPECT_EQ(text, " " + path);
        EXPECT_FALSE(linked);
    }
    EXPECT_TRUE(presenter.shown.empty()) << presenter.shown.front().text;
}

TEST_F(OutsideTextTest, OpenFailureNamesTheFileAsItIs) {
    for (const char* name : kTrickyNames) {
        const std::string path = folder.file(name);
        std::filesystem::create_directories(path); // a folder cannot be read as a calendar
        files.openAnswer = path;
        presenter.shown.clear();
        frame->onCommand(command::kOpen);
        ASSERT_EQ(presenter.shown.size(), 1u) << path;
        EXPECT_EQ(presenter.shown[0].text.rfind(loadString(130), 0), 0u);
        expectShownVerbatim(presenter.shown[0].text, path);
    }
}

TEST_F(OutsideTextTest, FileErrorsNameTheFileAsItIs) {
    for (const char* name : kTrickyNames) {
        const std::string path = folder.file(name);
        presenter.shown.clear();
        EXPECT_FALSE(loadTranslationFile(path, folder.path()));
        ReportFileError(EACCES, path); // the record store's report, as the import shows it
        ASSERT_EQ(presenter.shown.size(), 2u) << path;
        expectShownVerbatim(presenter.shown[0].text, path);
        expectShownVerbatim(presenter.shown[1].text, path);
    }
}

} // namespace
} // namespace veltrano

// Every place in the program that formats text into markup is listed here with
// what it inserts. A new call of formatText, formatString, showMessage or
// setControlText fails this test until it is added to the list, so that text
// from files, paths, calendars or the sibling products cannot reach a message
// or label without passing through markupLiteral.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace veltrano {
namespace {

enum class Inserts {
    Escaped,       // outside text, passed through markupLiteral in the same statement
    EscapedBefore, // outside text, escaped where the message text is built above the call
    ProgramText,   // numbers and the program's own (translated) texts only
    NotMarkup,     // a plain text field, list row or drawn text; no markup engine reads it
    Passing,       // hands on markup that is already complete (declarations, presenters)
};

struct FormatSite {
    const char* file;
    const char* snippet; // part of the line where the call starts
    Inserts inserts;
};

const FormatSite kSites[] = {
    {"app/main_frame.cpp", "showMessage(formatText(translate(kAboutText", Inserts::ProgramText},
    {"app/import_dlg.cpp", "formatString(kEntriesString", Inserts::ProgramText},
    {"app/import_dlg.cpp", "setControlText(ImportControls::Text", Inserts::ProgramText},
    {"app/drucken_dlg.cpp", "setControlText(DruckenControls::Info", Inserts::ProgramText},
    {"app/drucken_dlg.cpp", "formatText(\" %s\", {monthName(m)})", Inserts::NotMarkup},
    {"app/jahr_dlg.cpp", "showMessage(translate(kYearRefused", Inserts::ProgramText},
    {"app/edit_pages_month.cpp", "formatText(\"<group>%s %04d\"", Inserts::NotMarkup},
    {"app/edit_pages_month.cpp", "setControlText(1002, QStringLiteral(\"<b> \")",
     Inserts::ProgramText},
    {"app/edit_pages_month.cpp", "setControlText(1043, ", Inserts::NotMarkup},
    {"app/edit_pages_month.cpp", "formatText(\"%s %02d.\"", Inserts::NotMarkup},
    {"app/edit_pages_month.cpp", "setControlText(1021,", Inserts::ProgramText},
    {"app/edit_pages_month.cpp", "QString::fromStdString(formatText(", Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(loadString(kMessageOpenFailed)", Inserts::Escaped},
    {"app/calendar_commands.cpp", "showMessage(loadString(kMessageSaveFailed)",
     Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(loadString(kMessageSaveChanges)",
     Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(translate(kMultiDayNothingEntered",
     Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(loadString(kMessageClearAll)", Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(loadString(kMessageLanguageChanged)",
     Inserts::ProgramText},
    {"app/calendar_commands.cpp", "formatText(\"<b> %s\"", Inserts::Escaped},
    {"app/edit_pages.cpp", "setControlText(1006,", Inserts::ProgramText},
    {"app/edit_pages.cpp", "setControlText(1002,", Inserts::ProgramText},
    {"app/edit_pages.cpp", "setControlText(1004,", Inserts::ProgramText},
    {"app/edit_pages.cpp", "setControlText(1020, textForField", Inserts::NotMarkup},
    {"app/edit_pages.cpp", "setControlText(id, QString::fromStdString(formatText(\"%d %s\"",
     Inserts::NotMarkup},
    {"app/thumbnail_accessible_text.cpp", "formatString(kDaysWithText", Inserts::NotMarkup},
    {"widgets/engine/message_box_rules.cpp", "formatText(\"<img%d><tab40>%s\"", Inserts::Passing},
    {"widgets/qt/message_box_presenter.h", "int showMessage(", Inserts::Passing},
    {"widgets/qt/message_box_presenter.cpp", "MessageBoxPresenter::showMessage(", Inserts::Passing},
    {"widgets/qt/message_box.cpp", "setControlText(kMessageButtonControls[0]",
     Inserts::ProgramText},
    {"widgets/qt/message_box.cpp", "setControlText(kMessageButtonControls[1]",
     Inserts::ProgramText},
    {"widgets/qt/new_dialog.h", "void setControlText(", Inserts::Passing},
    {"widgets/qt/new_dialog.cpp", "CNewDialog::setControlText(", Inserts::Passing},
    {"widgets/qt/ie4bar.cpp", "showMessage(kNoMenuMessage", Inserts::ProgramText},
    {"records/birthday_import.cpp", "showMessage(loadString(notFoundMessage)",
     Inserts::ProgramText},
    {"records/birthday_import.cpp", "showMessage(formatString(kMessageBirthdaysPlaced",
     Inserts::ProgramText},
    {"records/var_base.cpp", "formatText(\" Diskerror : %d \"", Inserts::ProgramText},
    {"records/var_base.cpp", "showMessage(text, MessageStyle::IconExclamation",
     Inserts::EscapedBefore},
    {"records/file_birthday_import.cpp", "formatString(kFaultTooLarge", Inserts::ProgramText},
    {"records/file_birthday_import.cpp", "formatString(kFaultBadDate", Inserts::Escaped},
    {"records/file_birthday_import.cpp", "formatString(kFaultAtLineMessage", Inserts::Escaped},
    {"records/file_birthday_import.cpp", "formatString(kFaultMessage", Inserts::Escaped},
    {"records/file_birthday_import.cpp", "showMessage(text, MessageStyle::IconExclamation",
     Inserts::EscapedBefore},
    {"records/file_birthday_import.cpp", "formatString(kMessageBirthdaysPlaced",
     Inserts::ProgramText},
    {"records/file_birthday_import.cpp", "formatString(kMovedNote", Inserts::ProgramText},
    {"records/file_birthday_import.cpp", "showMessage(message, MessageStyle::IconInformation",
     Inserts::ProgramText},
    {"records/vcard_dates.cpp", "formatString(kAnniversaryString", Inserts::NotMarkup},
    {"core/date_text.cpp", "formatString(timeFormatId", Inserts::NotMarkup},
    {"core/translation.cpp", "formatText(translate(kFileErrorMessage", Inserts::Escaped},
    {"core/translation.cpp", "showMessage(text, MessageStyle::IconExclamation",
     Inserts::EscapedBefore},
    {"core/strings.h", "std::string formatText(", Inserts::Passing},
    {"core/strings.h", "std::string formatString(", Inserts::Passing},
    {"core/strings.cpp", "std::string formatText(", Inserts::Passing},
    {"core/strings.cpp", "std::string formatString(", Inserts::Passing},
    {"core/strings.cpp", "return formatText(loadString(id)", Inserts::Passing},
    {"core/message_presenter.h", "virtual int showMessage(", Inserts::Passing},
    {"core/message_presenter.h", "int showMessage(const std::string& markupText", Inserts::Passing},
    {"core/message_presenter.cpp", "int showMessage(const std::string& markupText",
     Inserts::Passing},
    {"core/message_presenter.cpp", "gPresenter->showMessage(", Inserts::Passing},
    {"cli/import_birthdays_command.cpp", "int showMessage(const std::string& markupText",
     Inserts::Passing},
    {"render/print_layouts.cpp", "formatText(\"%04d\"", Inserts::NotMarkup},
    {"render/veltrano_ctrl.cpp", "formatText(\"%d\"", Inserts::NotMarkup},
    {"render/month_grid.cpp", "formatText(\"%s %04d\"", Inserts::NotMarkup},
    {"render/title_thumbnail.cpp", "formatText(\"%d\"", Inserts::NotMarkup},
    {"app/main_frame.cpp", "showMessage(formatString(kMessageRecentFileMissing", Inserts::Escaped},
    {"app/main_frame.cpp", "formatString(kind.itemText", Inserts::NotMarkup},
    {"app/change_name.cpp", "name_ = formatString(text, args)", Inserts::NotMarkup},
    {"app/multi_dlg.cpp", "showMessage(translate(kMultiDayNothingEntered", Inserts::ProgramText},
    {"app/calendar_commands.cpp", "showMessage(formatString(kMessageManualNotOpened",
     Inserts::Escaped},
    {"records/birthday_import.cpp", "showMessage(formatString(kMessageImportFailed",
     Inserts::Escaped},
    {"records/var_data.cpp", "showMessage(loadString(kMessageReadOnlyNotRepaired)",
     Inserts::Escaped},
};

struct FoundCall {
    std::string file;
    int line = 0;
    std::string text;      // the line where the call starts
    std::string statement; // from the call to the next ";"
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<FoundCall> formatCalls() {
    const std::filesystem::path root(VELTRANO_SOURCE_DIR);
    const std::regex call(R"(\b(formatText|formatString|showMessage|setControlText)\()");
    std::vector<FoundCall> found;
    for (const char* folder :
         {"app", "widgets", "records", "core", "cli", "platform", "document", "render"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string content = readFile(entry.path());
            const std::string file = entry.path().lexically_relative(root).generic_string();
            for (auto it = std::sregex_iterator(content.begin(), content.end(), call);
                 it != std::sregex_iterator(); ++it) {
                const auto at = static_cast<std::size_t>(it->position());
                const std::size_t lineStart = content.rfind('\n', at) + 1; // npos + 1 == 0
                const std::size_t lineEnd = content.find('\n', at);
                const std::size_t end = content.find(';', at);
                FoundCall site{
                    file,
                    static_cast<int>(std::count(
                        content.begin(), content.begin() + static_cast<std::ptrdiff_t>(at), '\n')) +
                        1,
                    content.substr(lineStart, lineEnd - lineStart), content.substr(at, end - at)};
                found.push_back(std::move(site));
            }
        }
    }
    return found;
}

TEST(MarkupFormatSites, EveryCallIsListedAndOutsideTextIsEscaped) {
    const std::vector<FoundCall> calls = formatCalls();
    ASSERT_FALSE(calls.empty());
    std::vector<int> uses(std::size(kSites), 0);
    for (const FoundCall& call : calls) {
        const FormatSite* site = nullptr;
        for (std::size_t i = 0; i < std::size(kSites); ++i) {
            if (call.file == kSites[i].file &&
                call.text.find(kSites[i].snippet) != std::string::npos) {
                site = &kSites[i];
                ++uses[i];
                break;
            }
        }
        EXPECT_NE(site, nullptr) << call.file << ':' << call.line
                                 << ": a new place that formats text into markup. Pass any text "
                                    "from outside the program through markupLiteral and list "
                                    "the place in this test:\n"
                                 << call.text;
        if (site != nullptr && site->inserts == Inserts::Escaped) {
            EXPECT_NE(call.statement.find("markupLiteral("), std::string::npos)
                << call.file << ':' << call.line << " inserts outside text unescaped";
        }
    }
    for (std::size_t i = 0; i < std::size(kSites); ++i) {
        EXPECT_GT(uses[i], 0) << "listed but no longer found: " << kSites[i].file << " "
                              << kSites[i].snippet;
    }
}

TEST(MarkupFormatSites, EscapedBeforeSitesBuildTheirTextWithMarkupLiteral) {
    const std::filesystem::path root(VELTRANO_SOURCE_DIR);
    for (const FormatSite& site : kSites) {
        if (site.inserts != Inserts::EscapedBefore)
            continue;
        const std::string content = readFile(root / site.file);
        const std::size_t call = content.find(site.snippet);
        ASSERT_NE(call, std::string::npos) << site.file;
        // The text is built in the same function, at most a few lines above.
        const std::size_t from = call > 400 ? call - 400 : 0;
        EXPECT_NE(content.substr(from, call - from).find("markupLiteral("), std::string::npos)
            << site.file << ": " << site.snippet;
    }
}

} // namespace
} // namespace veltrano

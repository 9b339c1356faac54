#include "cli/import_birthdays_command.h"

#include "cli/options.h"
#include "cli/show_command.h"
#include "core/clock.h"
#include "core/message_presenter.h"
#include "core/registry.h"
#include "core/strings.h"
#include "document/cal_reader.h"
#include "document/cal_writer.h"
#include "document/calendar_document.h"
#include "document/file_io.h"
#include "records/birthday_import.h"
#include "records/file_birthday_import.h"
#include "records/sibling_folder.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace veltrano::cli {
namespace {

constexpr int kMessageCannotOpen = 130;
// The years the program shows; a calendar for another year is never made.
constexpr std::int32_t kFirstShownYear = 1900;
constexpr std::int32_t kLastShownYear = 2100;

std::string_view trimmed(std::string_view text) {
    const char* space = " \t\r";
    std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

char escapedChar(char c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '0':
        return '\0';
    default:
        return c; // \\ \" \' \? and anything unknown stand for themselves
    }
}

// Appends the character of a "\\x" escape (up to four hex digits) as UTF-8;
// returns the index of its last digit.
std::size_t appendHexEscape(std::string_view raw, std::size_t x, std::string& value) {
    std::uint32_t code = 0;
    std::size_t i = x + 1;
    for (; i < raw.size() && i < x + 5 && std::isxdigit(static_cast<unsigned char>(raw[i])); ++i) {
        int c = std::tolower(static_cast<unsigned char>(raw[i]));
        code = code * 16 + static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    if (code < 0x80) {
        value += static_cast<char>(code);
    } else if (code < 0x800) {
        value += static_cast<char>(0xC0 | (code >> 6));
        value += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        value += static_cast<char>(0xE0 | (code >> 12));
        value += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        value += static_cast<char>(0x80 | (code & 0x3F));
    }
    return i - 1;
}

// A stored value: double quotes only group, backslash escapes are resolved,
// and a leading "@@" stands for "@".
std::string unescapedValue(std::string_view raw) {
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '"')
            continue;
        if (c == '\\' && i + 1 < raw.size() && raw[i + 1] == 'x')
            i = appendHexEscape(raw, i + 1, value);
        else if (c == '\\' && i + 1 < raw.size())
            value += escapedChar(raw[++i]);
        else
            value += c;
    }
    if (value.starts_with("@@"))
        value.erase(0, 1);
    return value;
}

// The per-user settings files: <config>/<vendor>/<product>.conf, [section] key=value.
class SettingsFileRegistry : public Registry {
  public:
    std::optional<std::string> readString(const RegistryKey& key,
                                          const std::string& name) const override {
        std::string content;
        if (!readWholeFile(folder() + "/" + key.vendor + "/" + key.product + ".conf", content))
            return std::nullopt;
        return readSettingsValue(content, key.section, name);
    }
    bool writeString(const RegistryKey&, const std::string&, const std::string&) override {
        return false; // the command only reads
    }

  private:
    static std::string folder() {
        const char* config = std::getenv("XDG_CONFIG_HOME");
        if (config && *config)
            return config;
        const char* home = std::getenv("HOME");
        return std::string(home ? home : "") + "/.config";
    }
};

// Shows messages on the terminal as plain text: warnings on err, others on out.
class TerminalPresenter : public MessagePresenter {
  public:
    TerminalPresenter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    int showMessage(const std::string& markupText, int style) override {
        bool warning = (style & 0xF0) == MessageStyle::IconExclamation ||
                       (style & 0xF0) == MessageStyle::IconHand;
        (warning ? err_ : out_) << markupToPlainText(markupText) << '\n';
        return MessageResult::Ok;
    }

  private:
    std::ostream& out_;
    std::ostream& err_;
};

// Installs the command's registry and presenter for its run.
class ImportEnvironment {
  public:
    ImportEnvironment(std::ostream& out, std::ostream& err) : presenter_(out, err) {
        setSiblingRegistry(&registry_);
        setMessagePresenter(&presenter_);
    }
    ~ImportEnvironment() {
        setSiblingRegistry(nullptr);
        setMessagePresenter(nullptr);
    }
    ImportEnvironment(const ImportEnvironment&) = delete;
    ImportEnvironment& operator=(const ImportEnvironment&) = delete;

  private:
    SettingsFileRegistry registry_;
    TerminalPresenter presenter_;
};

// A missing file starts a new calendar.
bool loadCalendar(const std::string& path, CalendarDocument& document) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        resetDocument(document);
        return true;
    }
    return readCalendarFile(document, path);
}

} // namespace

std::optional<std::string> readSettingsValue(std::string_view content, std::string_view section,
                                             std::string_view key) {
    bool inSection = false;
    std::optional<std::string> found;
    while (!content.empty()) {
        std::size_t end = content.find('\n');
        std::string_view line = trimmed(content.substr(0, end));
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            inSection = line.substr(1, line.size() - 2) == section;
            continue;
        }
        std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos && trimmed(line.substr(0, equals)) == key)
            found = unescapedValue(trimmed(line.substr(equals + 1))); // the last one counts
    }
    return found;
}

// A --from value that names a contact or calendar file rather than a product.
bool namesStandardFile(std::string_view from) {
    std::string lower(from);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view ending : {".vcf", ".vcard", ".ics", ".ical"})
        if (lower.size() > ending.size() && lower.ends_with(ending))
            return true;
    return false;
}

int runImportBirthdaysCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0].starts_with("--"))
        return usageError(err, "import-birthdays: FILE.cal is required");
    const std::string file(args[0]);
    const ParsedOptions options =
        parseOptions(CommandArgs(args.begin() + 1, args.end()), {"from", "out", "year"});
    if (!options.error.empty())
        return usageError(err, "import-birthdays: " + options.error);
    const auto from = options.values.find("from");
    if (from == options.values.end() ||
        (from->second != "contacts" && from->second != "appointments" &&
         !namesStandardFile(from->second)))
        return usageError(err, "import-birthdays: --from must be contacts, appointments or a "
                               ".vcf or .ics file");
    const auto outOption = options.values.find("out");
    const std::string outFile = outOption == options.values.end() ? file : outOption->second;
    if (outFile.empty())
        return usageError(err, "import-birthdays: --out needs a file name");
    std::int32_t year = currentDate().year;
    const auto yearOption = options.values.find("year");
    if (yearOption != options.values.end() &&
        !parseIntInRange(yearOption->second, kFirstShownYear, kLastShownYear, year))
        return usageError(err, "import-birthdays: --year must be a year from 1900 to 2100");

    CalendarDocument document;
    if (!loadCalendar(file, document)) {
        err << markupToPlainText(loadString(kMessageCannotOpen)) << '\n';
        return exitFailure;
    }
    ImportEnvironment environment(out, err);
    bool imported = false;
    if (from->second == "contacts")
        imported = ImportFromContacts(document) == ImportOutcome::Imported;
    else if (from->second == "appointments")
        imported = ImportFromAppointments(document) == ImportOutcome::Imported;
    else
        imported = ImportFromFile(document, from->second, year);
    if (!imported)
        return exitFailure; // the calendar file is left as it was
    if (!writeCalendarFile(document, outFile)) {
        err << "veltrano-cli: cannot write " << outFile << '\n';
        return exitFailure;
    }
    return exitOk;
}

} // namespace veltrano::cli

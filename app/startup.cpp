#include "app/startup.h"

#include "app/command_ids.h"
#include "core/date_format_detection.h"
#include "core/strings.h"
#include "document/program_settings.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/engine/command_images.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace veltrano {

namespace {
constexpr int kVersionString = 100;
constexpr int kDateFormatCount = 5;
} // namespace

std::string versionLine() {
    return "Version " + loadString(kVersionString);
}

std::string versionFolder(const std::string& programFolder) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder + "release/";
}

bool runVersionMode(const std::string& folder, std::ostream& out) {
    out << versionLine() << '\n';
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return false;
    std::ofstream file(std::filesystem::path(folder) / "version.htm",
                       std::ios::binary | std::ios::trunc);
    file << loadString(kVersionString);
    file.close();
    return !file.fail();
}

std::int32_t startupDateFormat(Registry& registry, std::string_view localePattern) {
    std::int32_t format = readDateFormat(registry);
    if (format < 0 || format >= kDateFormatCount) {
        format = detectDateFormat(localePattern);
        writeDateFormat(registry, format);
    }
    return format;
}

void registerCommandIcons(int language) {
    using namespace command;
    namespace p = pictures;
    const std::pair<int, int> icons[] = {
        {kNew, p::kIconNew},
        {kOpen, p::kIconOpen},
        {kSave, p::kIconSave},
        {kSaveAs, p::kIconSaveAs},
        {kEdit, p::kIconEdit},
        {kChooseYear, p::kIconYear},
        {kAppExit, p::kIconExit},
        {kMultiDay, p::kIconMultiDay},
        {kClearAll, p::kIconClearEntries},
        {kPrintSheets, p::kIconPrint},
        {kPrintOneSheet, p::kIconPrintOneSheet},
        {kImportBirthdays, p::kIconBirthdays},
        {kChooseLanguage, p::kIconFirstFlag + language},
        {kExit, p::kIconExit},
        {kUndo, p::kIconUndo},
        {kRedo, p::kIconRedo},
    };
    for (const auto& [commandId, icon] : icons)
        commandImages().registerImage(commandId, icon);
}

} // namespace veltrano

#include "cli/command.h"
#include "cli/export_command.h"
#include "cli/import_birthdays_command.h"
#include "cli/preview_command.h"
#include "cli/show_command.h"

#include <array>
#include <ostream>

namespace veltrano::cli {

namespace {

constexpr std::array commandTable = {
    Command{"holidays", "--year Y|FIRST..LAST [--region R] [--lang N]", runHolidays},
    Command{"show", "FILE.cal [--json]", runShowCommand},
    Command{"import-birthdays",
            "FILE.cal --from contacts|appointments|PATH.vcf|PATH.ics [--year YEAR] [--out OUT.cal]",
            runImportBirthdaysCommand},
    Command{"export",
            "FILE.cal --out OUT.pdf [--year Y] [--one-sheet] [--months 1,2,...] [--no-title] "
            "[--paper A4|A3|Letter] [--program-folder DIR]",
            runExportCommand},
    Command{"preview", "FILE.cal --out OUT.png [--year Y] [--size WxH] [--program-folder DIR]",
            runPreviewCommand},
};

} // namespace

std::span<const Command> commands() {
    return commandTable;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : commandTable) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

void printUsage(std::ostream& err) {
    err << "usage: veltrano-cli COMMAND [OPTIONS]\n";
    for (const Command& command : commandTable) {
        err << "       veltrano-cli " << command.name << ' ' << command.synopsis << '\n';
    }
}

int usageError(std::ostream& err, std::string_view message) {
    err << "veltrano-cli: " << message << '\n';
    printUsage(err);
    return exitUsage;
}

} // namespace veltrano::cli

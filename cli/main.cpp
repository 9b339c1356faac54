#include "cli/command.h"

#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    using namespace veltrano::cli;
    if (argc < 2) {
        return usageError(std::cerr, "no command given");
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return exitOk;
    }
    const Command* command = findCommand(name);
    if (!command) {
        return usageError(std::cerr, "unknown command '" + std::string(name) + "'");
    }
    const CommandArgs args(argv + 2, argv + argc);
    const int code = command->run(args, std::cout, std::cerr);
    std::cout.flush();
    if (code == exitOk && !std::cout) {
        std::cerr << "veltrano-cli: cannot write the output\n";
        return exitFailure;
    }
    return code;
}

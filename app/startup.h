#pragma once
// The steps of the program's start that need no window.
#include "core/registry.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace veltrano {

// "Version 202": the line "/version" prints.
std::string versionLine();
// Version mode: prints versionLine() with a line end to out, and writes the
// bare version number into folder + "version.htm" when that folder exists.
// Returns true when the file was written.
bool runVersionMode(const std::string& folder, std::ostream& out);
// The folder whose "version.htm" version mode writes: the release folder
// of the program folder.
std::string versionFolder(const std::string& programFolder);

// The date format in effect: the stored one, or at the first start (none
// stored, or one outside 0..4) the one matching the locale's short-date
// pattern, which is then stored.
std::int32_t startupDateFormat(Registry& registry, std::string_view localePattern);

// Puts each command's icon into the command image table; the language
// command shows the flag of `language`.
void registerCommandIcons(int language);

} // namespace veltrano

#pragma once
// The program's own per-user values in the registry (vendor "Kolbrand",
// product and section "Veltrano"):
//   "Path"       installation folder, written by an installer only;
//   "Language"   interface language 0..5, default 0;
//   "DateFormat" date format 0..4, default -1 (not chosen yet).
// Values are returned as stored; callers check the ranges they need.

#include "core/registry.h"

#include <cstdint>
#include <string>

namespace veltrano {

std::string readInstallationPath(const Registry& registry);
std::int32_t readLanguage(const Registry& registry);
std::int32_t readDateFormat(const Registry& registry);
bool writeLanguage(Registry& registry, std::int32_t language);
bool writeDateFormat(Registry& registry, std::int32_t dateFormat);

// For a calendar given on the command line: when "Path" is set, it becomes the
// program folder and the current directory, so that relative photo paths and
// the data folder are found as from an installed copy. Returns true when the
// folder was changed; an empty "Path", or one that cannot be entered, leaves
// both as they are.
bool useInstallationFolder(const Registry& registry);

} // namespace veltrano

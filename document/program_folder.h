#pragma once
// The program folder and the data folder inside it. Folder texts here always
// end in a separator; one ending in "\" or "/" already counts as ending in one.

#include <string>

namespace veltrano {

// The folder set with setProgramFolder, else the process's current directory
// as it was at the first call; kept from then on. Ends in a separator.
const std::string& programFolder();

// Makes folder (with a separator added when it lacks one) the program folder.
// An empty folder is ignored and false returned.
bool setProgramFolder(const std::string& folder);

// programFolder + "daten/" + name.
std::string dataFilePath(const std::string& name);

} // namespace veltrano

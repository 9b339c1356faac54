#pragma once
// Where the sibling products are installed, as their own settings say.
//
// Each product keeps its folder under vendor "Kolbrand" in the value "Path" of
// its product key ("Murello2" for the address book, "Tessaplan2" for the
// appointment book; section named like the product). The folder found last is
// remembered for the life of the process: when the value cannot be read on a
// later lookup, the remembered folder is answered.

#include <string>

namespace veltrano {

class Registry;

enum class SiblingProduct { AddressBook, AppointmentBook };

struct SiblingFolder {
    std::string folder; // as stored; "" when never found
    bool found = false; // folder is not empty
};

// The registry consulted by GetSiblingFolder (not owned); nullptr, the default,
// makes every lookup answer the remembered folder.
void setSiblingRegistry(const Registry* registry);

// Looks the product's folder up; the folder's existence is not checked.
SiblingFolder GetSiblingFolder(SiblingProduct product);

// Forgets the remembered folders (for tests; the program never does).
void forgetSiblingFolders();

// The path of a file below a product folder: the folder, a "/" unless it ends in
// "/" or "\\", then the relative path.
std::string siblingFilePath(const std::string& folder, const std::string& relativePath);

} // namespace veltrano

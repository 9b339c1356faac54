#pragma once
// The program's numbered German texts, UTF-8, exactly as the program shows them
// before translation.

#include <span>

namespace veltrano {

struct StringTableEntry {
    int id;
    const char* text;
};

// The entry of that number, or nullptr when the table has none.
const char* findStringTableEntry(int id);

// Every entry, in ascending order of number.
std::span<const StringTableEntry> stringTableEntries();

} // namespace veltrano

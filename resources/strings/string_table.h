#pragma once
// The program's numbered German texts, UTF-8, exactly as the program shows them
// before translation.

namespace veltrano {

struct StringTableEntry {
    int id;
    const char* text;
};

// The entry of that number, or nullptr when the table has none.
const char* findStringTableEntry(int id);

} // namespace veltrano

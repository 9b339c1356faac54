#include "render/print_setup.h"

#include <dlfcn.h>

namespace veltrano {

namespace {

struct LibraryState {
    void* handle = nullptr;
    PrintSetupEntry entry = nullptr;
    int jobCount = 0;
    std::string name;
};

LibraryState& state() {
    static LibraryState instance;
    return instance;
}

void loadLibrary(LibraryState& lib) {
    const std::string& name = lib.name.empty() ? std::string(kPrintSetupLibraryName) : lib.name;
    lib.handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib.handle == nullptr) {
        return;
    }
    // A library without the entry point is of no use and is let go at once.
    void* symbol = dlsym(lib.handle, kPrintSetupEntryName);
    if (symbol == nullptr) {
        dlclose(lib.handle);
        lib.handle = nullptr;
        return;
    }
    lib.entry = reinterpret_cast<PrintSetupEntry>(symbol);
}

} // namespace

void acquirePrintSetupLibrary() {
    LibraryState& lib = state();
    if (lib.handle == nullptr) {
        loadLibrary(lib);
    }
    ++lib.jobCount;
}

void releasePrintSetupLibrary() {
    LibraryState& lib = state();
    if (lib.jobCount > 0) {
        --lib.jobCount;
    }
    if (lib.jobCount == 0 && lib.handle != nullptr) {
        dlclose(lib.handle);
        lib.handle = nullptr;
        lib.entry = nullptr;
    }
}

PrintSetupEntry printSetupEntry() {
    return state().entry;
}

void setPrintSetupLibraryName(const std::string& name) {
    state().name = name;
}

} // namespace veltrano

#pragma once
// The optional print-setup library: a separate product that replaces the
// standard print dialog with its own printer choice. It is a shared library
// found by a fixed name on the program's library search path; when it is
// absent, which is the normal case, the standard dialog is used.
//
// Contract of the library: it exports
//     extern "C" std::int32_t veltranoPrintSetup(PrintSetupRecord* record);
// The program fills the record, the library shows its dialog and returns 0
// when the user cancelled. Otherwise it has updated setup values 2 and 3 and
// put the 1-based number of the chosen system printer into `device` (0: no
// printer).

#include <cstdint>
#include <string>
#include <type_traits>

namespace veltrano {

struct PrintSetupRecord {
    std::int32_t landscape = 0; // 1 for landscape, 0 for portrait
    std::int32_t setup1 = 0;
    std::int32_t setup2 = 0;
    std::int32_t setup3 = 0;
    std::int32_t device = 0; // out: chosen printer, 0 = none
    std::int32_t reserved = 0;
};

static_assert(sizeof(PrintSetupRecord) == 24 && std::is_standard_layout_v<PrintSetupRecord>);

using PrintSetupEntry = std::int32_t (*)(PrintSetupRecord*);

inline constexpr const char* kPrintSetupLibraryName = "libveltrano-printsetup.so.1";
inline constexpr const char* kPrintSetupEntryName = "veltranoPrintSetup";

// The library stays loaded while at least one print job holds it, and is
// looked for again by the first job after that. Not thread-safe: printing
// runs on the user-interface thread.

// Called when a print job is created: loads the library unless it is loaded,
// and counts the job.
void acquirePrintSetupLibrary();
// Called when a print job is destroyed: uncounts it and unloads the library
// with the last job.
void releasePrintSetupLibrary();
// The library's entry point, or null when the library is not loaded.
PrintSetupEntry printSetupEntry();

// Replaces the name (or path) the library is looked for by; "" restores the
// fixed name. Takes effect at the next load.
void setPrintSetupLibraryName(const std::string& name);

} // namespace veltrano

#pragma once
// How many pages a PDF file written by Qt holds: its page objects, counted
// without the page tree's "/Type /Pages" nodes.
#include "tests/support/temp_folder.h"

#include <string>

namespace veltrano::testing {

inline int pdfPageCount(const std::string& path) {
    const std::string pdf = fileContent(path);
    int count = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0)
            ++count;
    }
    return count;
}

} // namespace veltrano::testing

#pragma once
// Drawings compared with reviewed expected dumps ("golden" files). Each scene
// draws onto a recording surface and returns what it saw as text. The tests only
// compare; the separate command scripts/update-golden.sh rewrites the files
// after a deliberate change, so that no test run can pass by writing them.

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace veltrano {

struct GoldenScene {
    std::string file; // below the source folder, e.g. "tests/render/golden/x.txt"
    std::string (*draw)();
};

inline std::string goldenPath(const GoldenScene& scene, const std::string& sourceDir) {
    return sourceDir + "/" + scene.file;
}

// The reviewed dump, or nothing when the file cannot be read.
inline std::optional<std::string> readGolden(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace veltrano

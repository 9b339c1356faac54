// Rewrites the reviewed golden dumps from the current drawing code. Run it only
// after a deliberate change of a drawing (scripts/update-golden.sh), then read
// the diff before committing it. The tests themselves never write these files.

#include "tests/render/month_grid_scenes.h"
#include "tests/widgets/engine/markup_scenes.h"

#include <cstdio>
#include <fstream>

int main() {
    using namespace veltrano;
    std::vector<GoldenScene> scenes = monthGridScenes();
    for (GoldenScene& scene : markupScenes()) {
        scenes.push_back(scene);
    }
    int failures = 0;
    for (const GoldenScene& scene : scenes) {
        const std::string path = goldenPath(scene, VELTRANO_SOURCE_DIR);
        const std::string drawn = scene.draw();
        if (readGolden(path) == drawn) {
            continue;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << drawn;
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("rewrote %s\n", scene.file.c_str());
    }
    return failures == 0 ? 0 : 1;
}

// Whole messages compared with reviewed expected dumps of what the recording
// surface saw. After a deliberate change of the layout, regenerate with
// VELTRANO_UPDATE_GOLDEN=1 and read the diff before keeping it.

#include "core/strings.h"
#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/new_html_ctrl.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace veltrano {
namespace {

void expectMatchesGolden(const std::string& name, const std::string& actual) {
    const std::string path =
        std::string(VELTRANO_SOURCE_DIR) + "/tests/widgets/engine/golden/" + name;
    if (std::getenv("VELTRANO_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "differs from " << path;
}

std::string areasText(const std::vector<MarkupArea>& areas) {
    std::ostringstream out;
    for (const MarkupArea& area : areas) {
        out << "area " << static_cast<int>(area.kind) << ' ' << area.rect << " \"" << area.text
            << "\"\n";
    }
    return out.str();
}

// The print dialog's heading: a 32-pixel bitmap with the text tabbed beside it.
TEST(MarkupGolden, PrintHeadingMessage) {
    FakePictures pictures;
    pictures.add(150, 32, 32);
    CNewHtmlCtrl ctrl;
    ctrl.setPictureSource(&pictures);
    ctrl.setText(formatString(133, {std::int64_t{150}, std::int64_t{2027}}));
    RecordingSurface screen;
    ctrl.layOut(screen, Size{260, 40});
    RecordingSurface page;
    ctrl.drawPage(page);
    expectMatchesGolden("message_133.txt", page.dump());
}

// The birthday import's two program entries as button areas, and a web link.
TEST(MarkupGolden, ProgramChoiceWithButtonsAndLink) {
    FakePictures pictures;
    pictures.add(160, 48, 48);
    pictures.add(161, 48, 48);
    CNewHtmlCtrl ctrl;
    ctrl.setPictureSource(&pictures);
    ctrl.setText(formatString(137, {std::int64_t{160}, std::int64_t{161}}));
    RecordingSurface screen;
    ctrl.layOut(screen, Size{400, 100});
    RecordingSurface page;
    ctrl.drawPage(page);
    expectMatchesGolden("message_137.txt", page.dump() + areasText(ctrl.areas()));
}

TEST(MarkupGolden, LabelWithIconLinkAndSeparator) {
    FakePictures pictures;
    pictures.add(155, 96, 32);
    CHtmlTextCtrl label;
    label.setPictureSource(&pictures);
    label.setIconBitmap(155);
    label.setIconIndex(1);
    label.setGradient(true);
    label.setBackground(rgb(210, 220, 240));
    label.setCentreVertically(true);
    label.setText("<big><b>Geburtstage</b></big><line><br>Mehr unter <link>www.kolbrand.de</link>");
    RecordingSurface surface;
    label.paint(surface, Size{240, 60});
    expectMatchesGolden("label_icon_link.txt", surface.dump());
}

} // namespace
} // namespace veltrano

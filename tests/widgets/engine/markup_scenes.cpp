#include "markup_scenes.h"

#include "core/strings.h"
#include "engine_fixture.h"
#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/new_html_ctrl.h"

namespace veltrano {
namespace {

std::string areasText(const std::vector<MarkupArea>& areas) {
    std::ostringstream out;
    for (const MarkupArea& area : areas) {
        out << "area " << static_cast<int>(area.kind) << ' ' << area.rect << " \"" << area.text
            << "\"\n";
    }
    return out.str();
}

// The print dialog's heading: a 32-pixel bitmap with the text tabbed beside it.
std::string printHeadingMessage() {
    FakePictures pictures;
    pictures.add(150, 32, 32);
    CNewHtmlCtrl ctrl;
    ctrl.setPictureSource(&pictures);
    ctrl.setText(formatString(133, {std::int64_t{150}, std::int64_t{2027}}));
    RecordingSurface screen;
    ctrl.layOut(screen, Size{260, 40});
    RecordingSurface page;
    ctrl.drawPage(page);
    return page.dump();
}

// The birthday import's two program entries as button areas, and a web link.
std::string programChoiceWithButtonsAndLink() {
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
    return page.dump() + areasText(ctrl.areas());
}

std::string labelWithIconLinkAndSeparator() {
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
    return surface.dump();
}

} // namespace

std::vector<GoldenScene> markupScenes() {
    return {{"tests/widgets/engine/golden/message_133.txt", printHeadingMessage},
            {"tests/widgets/engine/golden/message_137.txt", programChoiceWithButtonsAndLink},
            {"tests/widgets/engine/golden/label_icon_link.txt", labelWithIconLinkAndSeparator}};
}

} // namespace veltrano

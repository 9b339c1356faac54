// Feeds arbitrary bytes as markup to both text engines and their controls.
// Besides crashes, overflows and hangs it checks what must hold for any text:
// measuring and drawing agree on the height, the height stays bounded, the
// area limits hold, every save of the surface is restored, and scrolling and
// hit tests stay within the page. Any text passed through markupLiteral is
// drawn by both engines exactly as it is, without links.

#include "core/markup_literal.h"
#include "render/recording_surface.h"
#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/new_html_ctrl.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace veltrano;

class FuzzPictures : public PictureSource {
  public:
    const Picture* picture(int number) const override {
        return (number % 3 == 0) ? &square_ : (number % 3 == 1 ? &strip_ : nullptr);
    }

  private:
    BlankPicture square_{32, 32};
    BlankPicture strip_{64, 16};
};

class IgnoringOpener : public LinkOpener {
  public:
    void openWebAddress(std::string_view) override {}
    void startMail(std::string_view) override {}
};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void fuzzRichControl(const std::string& text, Size client) {
    static const FuzzPictures pictures;
    CNewHtmlCtrl ctrl;
    ctrl.setPictureSource(&pictures);
    ctrl.setImages(1, 16);
    ctrl.setHeaderBitmap(0);
    ctrl.setText(text);
    RecordingSurface screen;
    const int measured = ctrl.measure(screen, client.width);
    const int page = ctrl.layOut(screen, client);
    check(page >= client.height && page <= CNewHtmlCtrl::kMaxPageHeight + client.height);
    check(measured >= 0 && measured <= kCoordinateLimit);
    RecordingSurface pageSurface;
    ctrl.drawPage(pageSurface);
    check(screen.saveDepth() == 0 && pageSurface.saveDepth() == 0);
    check(ctrl.areas().size() <= static_cast<std::size_t>(kMaxAreas));
    ctrl.scroll(ScrollAction::PageDown);
    ctrl.scroll(ScrollAction::Thumb, 1 << 30);
    check(ctrl.scrollPosition() == ctrl.scrollMaximum());
    IgnoringOpener opener;
    for (const MarkupArea& area : ctrl.areas()) {
        const Point inside{area.rect.left, area.rect.top - ctrl.scrollPosition()};
        if (!area.rect.isEmpty()) {
            check(ctrl.click(inside, opener) != ClickOutcome::None);
        }
    }
}

void fuzzLabel(const std::string& text, Size client, bool flags) {
    static const FuzzPictures pictures;
    CHtmlTextCtrl label;
    label.setPictureSource(&pictures);
    label.setIconBitmap(0);
    label.setIconIndex(flags ? 0 : -1);
    label.setGradient(flags);
    label.setAlignBottom(!flags);
    label.setCentreVertically(true);
    label.setEnabled(flags);
    label.setText(text);
    RecordingSurface surface;
    label.paint(surface, client);
    check(surface.saveDepth() == 0);
    check(label.textHeight().value_or(-1) >= 0);
    RecordingSurface measuring;
    const int measured = label.layout(measuring, Rect{0, 0, client.width, client.height}, true);
    RecordingSurface drawing;
    check(label.layout(drawing, Rect{0, 0, client.width, client.height}, false) == measured);
    for (int y = -5; y < client.height + 40; y += 7) {
        label.linkContains(Point{client.width / 2, y}, client.width);
    }
}

std::string drawnText(const RecordingSurface& surface) {
    std::string text;
    for (const RecordedOp& op : surface.opsOf(OpKind::DrawText)) {
        text += op.text;
    }
    return text;
}

// The escaped text through both engines: the very text comes out, no link.
void fuzzLiteral(const std::string& text) {
    const std::string markup = markupLiteral(text);
    RecordingSurface rich;
    std::vector<MarkupArea> areas;
    layoutRichText(rich, Rect{0, 0, 600, 400}, markup, false, 8, RichTextSettings{}, &areas);
    check(drawnText(rich) == text && areas.empty());
    CHtmlTextCtrl label;
    label.setText(markup);
    RecordingSurface labelSurface;
    label.paint(labelSurface, Size{600, 40});
    check(drawnText(labelSurface) == text && !label.linkEnds().has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const Size client{data[0] * 2, data[1] / 2};
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);

    RecordingSurface measuring;
    RecordingSurface drawing;
    const Rect rect{0, 0, client.width, client.height};
    const int measured = layoutRichText(measuring, rect, text, true, 8, RichTextSettings{});
    check(layoutRichText(drawing, rect, text, false, 8, RichTextSettings{}) == measured);
    check(measuring.opsOf(OpKind::DrawText).empty());

    fuzzRichControl(text, client);
    fuzzLabel(text, client, (data[1] & 1) != 0);
    fuzzLiteral(text);
    return 0;
}

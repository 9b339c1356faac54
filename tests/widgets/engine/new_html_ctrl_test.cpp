#include "widgets/engine/new_html_ctrl.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

class RecordingOpener : public LinkOpener {
  public:
    void openWebAddress(std::string_view address) override {
        calls.push_back("web " + std::string(address));
    }
    void startMail(std::string_view address) override {
        calls.push_back("mail " + std::string(address));
    }
    std::vector<std::string> calls;
};

// A text 214 high (gap 200 + base line 12 below the top inset 2) in a client
// 100 high: scroll maximum 114. Areas on the last line:
// web (3, 202, 48, 212), mail (48, 202, 88, 212), button (88, 202, 98, 214).
constexpr Size kClient{300, 100};
constexpr const char* kTallText = "<newline200>www.x.de mailto:me@x.de <button>OK</button>";

class NewHtmlCtrlTest : public ::testing::Test {
  protected:
    void layOut() {
        ctrl.layOut(screen, kClient);
        RecordingSurface page;
        ctrl.drawPage(page);
        pageOps = page.ops();
    }

    CNewHtmlCtrl ctrl;
    RecordingSurface screen;
    std::vector<RecordedOp> pageOps;
    RecordingOpener opener;
};

TEST_F(NewHtmlCtrlTest, LaysOutAgainOnlyWhenTextOrSizeChanges) {
    EXPECT_TRUE(ctrl.needsLayout(kClient));
    ctrl.setText("a");
    layOut();
    EXPECT_FALSE(ctrl.needsLayout(kClient));
    ctrl.setText("a");
    EXPECT_FALSE(ctrl.needsLayout(kClient));
    EXPECT_TRUE(ctrl.needsLayout(Size{300, 120}));
    ctrl.setText("b");
    EXPECT_TRUE(ctrl.needsLayout(kClient));
}

TEST_F(NewHtmlCtrlTest, PageHeightAndScrolling) {
    ctrl.setText("short");
    EXPECT_EQ(ctrl.layOut(screen, kClient), 100);
    EXPECT_EQ(ctrl.scrollMaximum(), 0);
    ctrl.setText(kTallText);
    layOut();
    EXPECT_EQ(ctrl.pageHeight(), 214);
    EXPECT_EQ(ctrl.scrollMaximum(), 114);
    EXPECT_EQ(ctrl.lineStep(), 12);

    struct Step {
        ScrollAction action;
        int thumb;
        int position;
    };
    const Step steps[] = {
        {ScrollAction::PageUp, 0, 0},    {ScrollAction::PageDown, 0, 12},
        {ScrollAction::LineDown, 0, 13}, {ScrollAction::LineUp, 0, 12},
        {ScrollAction::Thumb, 500, 114}, {ScrollAction::LineDown, 0, 114},
        {ScrollAction::Thumb, -3, 0},    {ScrollAction::Thumb, 60, 60},
    };
    for (const Step& step : steps) {
        ctrl.scroll(step.action, step.thumb);
        EXPECT_EQ(ctrl.scrollPosition(), step.position);
    }
    EXPECT_EQ(ctrl.visibleBand(), (Rect{0, 60, 300, 160}));
    // The position survives a new layout, cut to the new maximum.
    ctrl.setText(std::string(kTallText) + "<newline20>");
    layOut();
    EXPECT_EQ(ctrl.scrollPosition(), 60);
    ctrl.setText("short");
    layOut();
    EXPECT_EQ(ctrl.scrollPosition(), 0);
}

TEST_F(NewHtmlCtrlTest, LineFeedsAreBlanksAndMeasureFitsWidth) {
    ctrl.setText("a\nb");
    layOut();
    RecordingSurface page;
    ctrl.drawPage(page);
    EXPECT_EQ(drawnWords(page), (std::vector<std::string>{"3,2 a ", "13,2 b"}));
    ctrl.setText("");
    EXPECT_EQ(ctrl.measure(screen, 300), 14);
    ctrl.setText("aaaa bbbb cccc");
    EXPECT_EQ(ctrl.measure(screen, 300), 14);
    EXPECT_EQ(ctrl.measure(screen, 70), 26);
}

TEST_F(NewHtmlCtrlTest, HugeGapIsCutToTheTallestPage) {
    ctrl.setText(std::string(500, 'x') + "<newline999999999><newline999999999>x");
    EXPECT_EQ(ctrl.layOut(screen, kClient), CNewHtmlCtrl::kMaxPageHeight);
    EXPECT_EQ(ctrl.scrollMaximum(), CNewHtmlCtrl::kMaxPageHeight - 100);
}

TEST_F(NewHtmlCtrlTest, ClicksFindAreasWithTheScrollOffset) {
    ctrl.setText(kTallText);
    layOut();
    ASSERT_EQ(ctrl.areas().size(), 3u);
    EXPECT_EQ(ctrl.click(Point{10, 88}, opener), ClickOutcome::None) << "not scrolled yet";
    EXPECT_FALSE(ctrl.showsHandAt(Point{10, 88}));
    ctrl.scroll(ScrollAction::Thumb, 114);
    EXPECT_TRUE(ctrl.showsHandAt(Point{10, 88}));
    struct Click {
        Point at;
        ClickOutcome outcome;
        int clicked;
    };
    const Click clicks[] = {
        {{10, 88}, ClickOutcome::WebLinkOpened, -1}, {{50, 90}, ClickOutcome::MailStarted, -1},
        {{90, 99}, ClickOutcome::ButtonClicked, 2},  {{150, 90}, ClickOutcome::None, 2},
        {{48, 98}, ClickOutcome::None, 2},
    };
    for (const Click& c : clicks) {
        EXPECT_EQ(ctrl.click(c.at, opener), c.outcome) << c.at;
        EXPECT_EQ(ctrl.clickedArea(), c.clicked) << c.at;
    }
    // Addresses are handed over without the blanks that follow the word.
    EXPECT_EQ(opener.calls, (std::vector<std::string>{"web www.x.de", "mail me@x.de"}));
}

TEST_F(NewHtmlCtrlTest, EveryButtonAreaIsClickable) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += "<button>b</button><br>";
    }
    ctrl.setText(text);
    layOut();
    ASSERT_EQ(ctrl.areas().size(), 12u);
    // The twelfth button lies on the line at y 2 + 11 × 12.
    EXPECT_EQ(ctrl.click(Point{5, 135}, opener), ClickOutcome::ButtonClicked);
    EXPECT_EQ(ctrl.clickedArea(), 11);
}

} // namespace
} // namespace veltrano

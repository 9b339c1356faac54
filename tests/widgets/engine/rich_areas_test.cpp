// Links and button areas of the rich message engine.

#include "widgets/engine/rich_text_layout.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using Words = std::vector<std::string>;

struct LaidOut {
    Words words;
    std::vector<MarkupArea> areas;
};

LaidOut layOut(std::string_view text, int width = 300) {
    RecordingSurface surface;
    LaidOut run;
    layoutRichText(surface, Rect{0, 0, width, 200}, text, false, 8, RichTextSettings{}, &run.areas);
    run.words = drawnWords(surface);
    return run;
}

std::string repeat(std::string_view piece, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += piece;
    }
    return out;
}

TEST(RichLinks, RecognisedWordsAreBlueUnderlinedAreas) {
    struct Case {
        const char* text;
        Words words;
        std::vector<MarkupArea> areas;
    };
    const Case cases[] = {
        {"see www.example.com now",
         {"3,2 see ", "23,2 www.example.com |U|#0000ff", "103,2 now"},
         {{Rect{23, 2, 103, 12}, AreaKind::WebLink, "www.example.com "}}},
        {"http://",
         {"3,2 http://|U|#0000ff"},
         {{Rect{3, 2, 38, 12}, AreaKind::WebLink, "http://"}}},
        // A mail link shows and keeps only the address, and takes only its room.
        {"mailto:a@b.de x",
         {"3,2 a@b.de |U|#0000ff", "38,2 x"},
         {{Rect{3, 2, 38, 12}, AreaKind::MailLink, "a@b.de "}}},
        {"mailto: www. HTTP://x", {"3,2 mailto: ", "43,2 www. ", "68,2 HTTP://x"}, {}},
        // A link inside bold text is drawn in the normal font; bold goes on after it.
        {"<strong>www.x.de b",
         {"3,2 www.x.de |U|#0000ff", "48,2 b|B"},
         {{Rect{3, 2, 48, 12}, AreaKind::WebLink, "www.x.de "}}},
        {"<red>www.x.de b",
         {"3,2 www.x.de |U|#0000ff", "48,2 b|#e00000"},
         {{Rect{3, 2, 48, 12}, AreaKind::WebLink, "www.x.de "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LaidOut run = layOut(c.text);
        EXPECT_EQ(run.words, c.words);
        EXPECT_EQ(run.areas, c.areas);
    }
}

TEST(RichLinks, ElevenAndLaterLinksArePlainWords) {
    const LaidOut run = layOut(repeat("www.a.de<br>", 12));
    ASSERT_EQ(run.areas.size(), 10u);
    EXPECT_EQ(run.areas[9].rect, (Rect{3, 110, 43, 120}));
    ASSERT_EQ(run.words.size(), 12u);
    EXPECT_EQ(run.words[9], "3,110 www.a.de|U|#0000ff");
    EXPECT_EQ(run.words[10], "3,122 www.a.de");
}

TEST(RichAreas, ButtonAreaSpansToTheWidestPointOfItsLine) {
    const LaidOut run = layOut("<button>Click me</button>");
    ASSERT_EQ(run.areas.size(), 1u);
    EXPECT_EQ(run.areas[0], (MarkupArea{Rect{3, 2, 43, 14}, AreaKind::Button, "Click me"}));
    const LaidOut second = layOut("abcd<br><button>x</button>");
    ASSERT_EQ(second.areas.size(), 1u);
    EXPECT_EQ(second.areas[0].rect, (Rect{3, 14, 23, 26}));
}

TEST(RichAreas, AtMostTwentyAreasAndLinksOnlyBeforeTen) {
    EXPECT_EQ(layOut(repeat("<button>b</button>", 25)).areas.size(), 20u);
    // Buttons count toward the link limit; links count toward the area limit.
    const LaidOut buttonsFirst = layOut(repeat("<button>b</button>", 10) + "www.x.de");
    EXPECT_EQ(buttonsFirst.areas.size(), 10u);
    EXPECT_EQ(buttonsFirst.words.back().find("|U"), std::string::npos);
    const LaidOut linksFirst = layOut(repeat("www.x.de ", 10) + repeat("<button>b</button>", 15));
    EXPECT_EQ(linksFirst.areas.size(), 20u);
    EXPECT_EQ(linksFirst.areas[10].kind, AreaKind::Button);
}

} // namespace
} // namespace veltrano

// The text a screen reader gets for a markup text: the words as drawn, no tag.

#include "core/markup_literal.h"
#include "widgets/engine/markup_plain_text.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(MarkupPlainText, RichTextKeepsWordsAndLinesOnly) {
    const struct {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"<strong>Speichern?</strong><br>Die Datei  <red>fehlt</red>.",
         "Speichern?\nDie Datei fehlt."},
        {"<img2><tab40>Text<hr>weiter<br><br><br>Ende ", "Text\nweiter\nEnde"},
        {"<h1>Titel</h1><button><tab 120>Knopf</button>", "Titel\nKnopf"},
        {"a <lt>b> <unbekannt>c", "a <b> c"},
        {"offen <ohne Ende", "offen [Syntax Error]"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(richMarkupPlainText(c.markup), c.plain) << c.markup;
}

TEST(MarkupPlainText, LabelTextKeepsWordsAndLinesOnly) {
    const struct {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"<b>Kalender:</b> <link>/home/anna/<lt>2027>.cal</link>",
         "Kalender: /home/anna/<2027>.cal"},
        {"<big>Zeile</big><br>zwei<line>drei", "Zeile\nzwei\ndrei"},
        {"<u>x</u> <nolink>www.a.b</nolink>", "x www.a.b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labelMarkupPlainText(c.markup), c.plain) << c.markup;
}

TEST(MarkupPlainText, LabelLinkGivesTheWordsOfItsCompleteLink) {
    const struct {
        const char* markup;
        std::optional<std::string> link;
    } cases[] = {
        {"Mehr im <link><b>Handbuch</b> lesen</link>.", "Handbuch lesen"},
        {"<link>a<br>b</link> c", "a\nb"},
        {"kein Link", std::nullopt},
        {"<link>offen", std::nullopt},
        {"</link>x<link>", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labelMarkupLinkText(c.markup), c.link) << c.markup;
}

TEST(MarkupPlainText, ListRowsLoseTheirLookPrefixes) {
    EXPECT_EQ(listRowPlainText("<red><line>01 Mo\tNeujahr\r\nFeiertag"), "01 Mo Neujahr Feiertag");
    EXPECT_EQ(listRowPlainText("<group>Januar 2027"), "Januar 2027");
    EXPECT_EQ(listRowPlainText("<line>"), "");
    EXPECT_EQ(listRowPlainText("05 Fr\t<b>Ski</b>"), "05 Fr <b>Ski</b>");
}

TEST(MarkupPlainText, OutsideTextComesBackAsItWas) {
    for (const char* text : {"Urlaub <2027>.cal", "<b>fett</b> <lt>", "www.example.org a@b.c <x"}) {
        EXPECT_EQ(richMarkupPlainText(markupLiteral(text)), text);
        EXPECT_EQ(labelMarkupPlainText(markupLiteral(text)), text);
    }
}

} // namespace
} // namespace veltrano

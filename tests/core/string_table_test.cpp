#include "core/encoding.h"
#include "resources/strings/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace veltrano {
namespace {

std::string entry(int id) {
    const char* text = findStringTableEntry(id);
    return text ? text : "<missing>";
}

std::size_t count(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(part); pos != std::string_view::npos;
         pos = text.find(part, pos + part.size()))
        ++n;
    return n;
}

TEST(StringTable, IsSortedWithoutDuplicatesAndHoldsUtf8Texts) {
    auto entries = stringTableEntries();
    ASSERT_FALSE(entries.empty());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_NE(entries[i].text, nullptr) << entries[i].id;
        EXPECT_TRUE(isValidUtf8(entries[i].text)) << entries[i].id;
        if (i > 0) {
            EXPECT_LT(entries[i - 1].id, entries[i].id) << "at index " << i;
        }
        EXPECT_EQ(findStringTableEntry(entries[i].id), entries[i].text) << entries[i].id;
    }
}

TEST(StringTable, NumbersWithoutEntryGiveNothing) {
    for (int id : {-1, 0, 99, 101, 135, 1055, 1063, 29031, 29575, 29669, 29858, 2147483647})
        EXPECT_EQ(findStringTableEntry(id), nullptr) << id;
}

TEST(StringTable, NumberedRangesAreComplete) {
    struct Range {
        int first;
        int last;
    };
    // Months, weekdays, colours, time, yes/no, date formats, regions, holidays, languages.
    for (Range r : {Range{29016, 29030}, Range{1056, 1062}, Range{1072, 1076}, Range{29500, 29504},
                    Range{29532, 29574}, Range{29596, 29668}, Range{29852, 29857}}) {
        for (int id = r.first; id <= r.last; ++id) {
            const char* text = findStringTableEntry(id);
            ASSERT_NE(text, nullptr) << id;
            EXPECT_NE(std::string(text), "") << id;
        }
    }
}

TEST(StringTable, SpotChecksMatchTheGermanTextsByteForByte) {
    struct Case {
        int id;
        std::string text;
    };
    const Case cases[] = {
        {100, "202"},
        {128, "Veltrano"},
        {129, "Monat bearbeiten"},
        {132, "Neuer Kalender"},
        {134, "mm"},
        {57344, "Veltrano"},
        {1056, "Montag"},
        {1062, "Sonntag"},
        {1072, "Weiss"},
        {1076, "Gr\xC3\xBCn"},
        {29016, "Januar"},
        {29018, "M\xC3\xA4rz"},
        {29027, "Dezember"},
        {29028, "%02d:%02d Uhr"},
        {29029, "Ja"},
        {29030, "Nein"},
        {29500, "dd.mm.yyyy"},
        {29503, "mm/dd/yyyy"},
        {29504, "mm-dd-yyyy"},
        {29532, "Deutschland (Baden-W\xC3\xBCrttemberg)"},
        {29548, "\xC3\x96sterreich"},
        {29552, "Alle Feiertage"},
        {29574, "Spanien"},
        {29596, "Neujahr"},
        {29605, "Buss- und Bettag"},
        {29614, "Mari\xC3\xA4 Empf\xC3\xA4ngnis"},
        {29621, "Washington's Birthday"},
        {29629, "Canada Day "},
        {29644, "2. Januar"},
        {29660, "Gr\xC3\xBCndonnerstag"},
        {29855, "Fran\xC3\xA7"
                "ais"},
        {29856, "Espa\xC3\xB1ol"},
        {29857, "Italiano"},
        {32784, "Neuer Kalender\nNeu"},
        {32776, "Drucken\nDrucken"},
        {32810,
         "Druckt den Kalender wie auf dem Bildschirm auf ein A4-Blatt aus.\n1 Blatt drucken"},
        {59138, "NUM"},
        {130, "<strong>Fehler beim \xC3\x96"
              "ffnen</strong><br>Die gew\xC3\xA4hlte Kalenderdatei konnte nicht geladen werden."},
        {133, "<bmp%d><tab40><strong>Kalender %04d drucken</strong><br><tab40>Bitte "
              "w\xC3\xA4hlen Sie die Monate, die gedruckt werden sollen."},
        {140, "<strong>Geburtstage eingetragen</strong><br>Es wurden %d Geburtstag(e) im "
              "Kalender eingetragen."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entry(c.id), c.text) << c.id;
}

TEST(StringTable, MessagesKeepTheirMarkupAndPlaceholders) {
    struct Case {
        int id;
        std::string_view part;
        std::size_t times;
    };
    const Case cases[] = {
        {136, "<br><br>", 1},
        {137, "<bmp%d>", 2},
        {137, "<tab 120>", 4},
        {137, "</button><newline60>", 2},
        {141, "<strong>Alle Termine l\xC3\xB6schen</strong><br>", 1},
        {143, "Veltrano", 2},
        {146, "<strong>\xC3\x84nderungen speichern?</strong>", 1},
        {131, "schreibgesch\xC3\xBCtzt", 1},
        {138, "Tessaplan", 2},
        {139, "Murello", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(count(entry(c.id), c.part), c.times) << c.id << " " << c.part;
    // The import message ends in a word the markup engine turns into a web link.
    std::string links = entry(137);
    EXPECT_EQ(links.rfind("finden Sie unter www."), links.find("finden Sie unter www."));
    EXPECT_NE(links.find("finden Sie unter www."), std::string::npos);
}

TEST(StringTable, CommandStringsHaveAStatusPromptAndAShortText) {
    for (int id : {32774, 32776, 32780, 32781, 32782, 32784, 32786, 32788, 32789, 32806, 32808,
                   32810, 32813, 32814, 40004, 57664, 57665}) {
        std::string text = entry(id);
        std::size_t lineBreak = text.find('\n');
        ASSERT_NE(lineBreak, std::string::npos) << id;
        EXPECT_GT(lineBreak, 0u) << id;
        EXPECT_LT(lineBreak + 1, text.size()) << id;
        EXPECT_EQ(text.find('\n', lineBreak + 1), std::string::npos) << id;
    }
}

} // namespace
} // namespace veltrano

#include "core/clock.h"
#include "core/date_array.h"
#include "records/appointment.h"
#include "records/contact.h"
#include "records/record_stream.h"
#include "tests/records/vdt_writer.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using test::Bytes;
using test::PayloadBuilder;

RecordStream readerOf(const Bytes& payload) {
    RecordStream stream(RecordStream::Direction::Reading);
    stream.load(payload);
    return stream;
}

TEST(RecordStream, ReadsTimesByTheHourAndMinuteBytes) {
    struct Row {
        std::uint8_t hour, minute;
        TimeOfDay expected;
    };
    const TimeOfDay kept{7, 7}; // the value before reading
    const Row rows[] = {
        {0, 0, TimeOfDay{0, 0}},     // two zero bytes are midnight, not the empty time
        {0xFF, 0, TimeOfDay{}},      // the empty time
        {23, 59, TimeOfDay{23, 59}}, //
        {24, 0, kept},               // hour out of range
        {12, 60, kept},              // minute out of range
        {0xFF, 1, kept},             // -1 with a minute is no time
        {0x80, 0, kept},             // hour byte read as signed: -128
    };
    for (const Row& row : rows) {
        RecordStream stream = readerOf(PayloadBuilder().time(row.hour, row.minute).bytes());
        TimeOfDay value = kept;
        stream.time(value);
        EXPECT_EQ(value, row.expected) << int(row.hour) << ":" << int(row.minute);
        EXPECT_EQ(stream.position(), 2u);
    }
}

TEST(RecordStream, ReadsDatesThroughTheValidatingUnpack) {
    DateValue kept;
    kept.setExact(5, 5, 2005);
    struct Row {
        std::uint32_t packed;
        DateValue expected;
    };
    DateValue leapDay, unCut, widened;
    leapDay.setExact(29, 2, 2024);
    unCut.setExact(31, 2, 2023); // the day is not cut to the month
    widened.setExact(3, 5, 1999);
    const Row rows[] = {
        {0, DateValue{}},
        {test::packedDate(29, 2, 2024), leapDay},
        {test::packedDate(31, 2, 2023), unCut},
        {test::packedDate(3, 5, 99), widened},
        {test::packedDate(1, 13, 2020), kept}, // month refused
        {test::packedDate(32, 1, 2020), kept}, // day refused
        {test::packedDate(1, 1, 5000), kept},  // year refused
        {0xFFFFFFFFu, kept},
    };
    for (const Row& row : rows) {
        RecordStream stream = readerOf(PayloadBuilder().u32(row.packed).bytes());
        DateValue value = kept;
        stream.date(value);
        EXPECT_EQ(value, row.expected) << std::hex << row.packed;
    }
}

TEST(RecordStream, ReadsTextsAsWindows1252UpToTheirZeroByte) {
    RecordStream stream =
        readerOf(PayloadBuilder().text("M\xFCller \x80").text("").text("x").bytes());
    std::string a = "old", b = "old", c, d = "old";
    stream.text(a);
    stream.text(b);
    stream.text(c);
    stream.text(d); // past the payload: zeros, so the empty text
    EXPECT_EQ(a, "Müller €");
    EXPECT_EQ(b, "");
    EXPECT_EQ(c, "x");
    EXPECT_EQ(d, "");
}

TEST(RecordStream, ReadsFlagsBitByBit) {
    RecordStream stream = readerOf(PayloadBuilder().raw({0x81, 0x02, 0xFE, 0x03}).bytes());
    std::array<std::uint8_t, 10> flags;
    flags.fill(7);
    stream.flagSet(flags);
    EXPECT_EQ(flags, (std::array<std::uint8_t, 10>{1, 0, 0, 0, 0, 0, 0, 1, 0, 1}));
    std::uint8_t single = 9;
    stream.flag(single);
    EXPECT_EQ(single, 0); // 0xFE: only bit 0 carries the flag
    stream.flag(single);
    EXPECT_EQ(single, 1);
}

TEST(RecordStream, CapsDateListsAndReadsNothingForCountsBelowOne) {
    struct Row {
        std::int32_t count;
        std::int32_t expected;
    };
    for (Row row : {Row{0, 0}, Row{-5, 0}, Row{3, 3}, Row{10000, 10000}, Row{50000, 10000},
                    Row{INT32_MAX, 10000}}) {
        PayloadBuilder p;
        p.i32(row.count);
        for (int i = 0; i < std::min(row.count, 3); ++i)
            p.u32(100 + static_cast<std::uint32_t>(i));
        RecordStream stream = readerOf(p.bytes());
        CDateArray list;
        list.add(42);
        stream.dateList(list);
        ASSERT_EQ(list.count(), row.expected) << row.count;
        if (row.expected >= 3) {
            EXPECT_EQ(list.at(2), 102u);
            EXPECT_EQ(list.at(row.expected - 1), row.expected > 3 ? 0u : 102u);
        }
        EXPECT_EQ(stream.position(), 4u + 4u * static_cast<std::size_t>(row.expected));
    }
}

TEST(RecordStream, FieldsPastTheLimitAreSkippedWithoutMovingTheCursor) {
    // 59998 bytes of texts bring the cursor two bytes short of the limit.
    Bytes payload(59997, 'a');
    payload.push_back(0);
    payload.push_back(9);  // hour byte
    payload.push_back(15); // minute byte
    RecordStream stream = readerOf(payload);
    std::string filler;
    stream.text(filler);
    ASSERT_EQ(stream.position(), 59998u);
    std::int32_t number = 5;
    stream.int32(number); // 4 bytes do not fit
    EXPECT_EQ(number, 5);
    EXPECT_EQ(stream.position(), 59998u);
    TimeOfDay time;
    stream.time(time); // 2 bytes still do
    EXPECT_EQ(time, (TimeOfDay{9, 15}));
    std::string text = "kept";
    stream.text(text); // no room for even the zero byte
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(stream.position(), 60000u);
}

TEST(RecordStream, ATextWithoutZeroByteInsideTheBufferIsSkipped) {
    RecordStream stream = readerOf(Bytes(60000, 'b'));
    std::string text = "kept";
    stream.text(text);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(stream.position(), 0u);
}

TEST(RecordStream, DateListValuesPastTheLimitAreKeptAsZero) {
    RecordStream stream = readerOf(PayloadBuilder().zeros(59990).i32(4).u32(1).u32(2).bytes());
    std::string skip;
    for (int i = 0; i < 59990; ++i)
        stream.text(skip); // each zero byte is an empty text
    CDateArray dates;
    stream.dateList(dates); // count at 59990, values at 59994 and 59998 (the second does not fit)
    ASSERT_EQ(dates.count(), 4);
    EXPECT_EQ(dates.at(0), 1u);
    EXPECT_EQ(dates.at(1), 0u);
    EXPECT_EQ(dates.at(3), 0u);
    EXPECT_EQ(stream.position(), 59998u);
}

TEST(RecordStream, WritingSkipsFieldsThatDoNotFit) {
    RecordStream stream(RecordStream::Direction::Writing);
    std::string big(59995, 'z');
    stream.text(big);
    std::int32_t a = 0x01020304, b = 7;
    stream.int32(a);
    stream.int32(b); // would end at 60004
    std::uint8_t f = 1;
    stream.flag(f);
    ASSERT_EQ(stream.position(), 60000u);
    auto bytes = stream.written();
    EXPECT_EQ(bytes[59995], 0);
    EXPECT_EQ(bytes[59996], 0x04);
    EXPECT_EQ(bytes[59999], 0x01);
}

TEST(RecordStream, AppointmentFieldsRoundTripAndMatchTheFileLayout) {
    setTodayProvider([] { return CivilDate{1, 6, 2024}; });
    CTermin written;
    written.kind = 2;
    written.date.setExact(3, 5, 1970);
    written.time4.set(9, 30);
    written.text = "Geburtstag Jörg";
    written.int8 = -4;
    written.time15.set(0, 0);
    written.flag18 = 1;
    written.int20 = 77;
    written.dates.add(0x07E80C18);
    written.dates.add(0);
    RecordStream out(RecordStream::Direction::Writing);
    written.Serialize(out);
    Bytes bytes(out.written().begin(), out.written().end());

    // Independent layout: 4 + 4 + 4 + 2 + 2 + text, then the rest.
    ASSERT_EQ(bytes.size(),
              16u + 16u + 4 + 4 + 4 + 4 + 4 + 4 + 2 + 4 + 2 + 4 + 4 + 1 + 4 + 4 + 4 + 8);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(test::packedDate(3, 5, 1970),
              bytes[4] | bytes[5] << 8 | bytes[6] << 16 | bytes[7] << 24);
    EXPECT_EQ(bytes[12], 9); // time 4: hour byte, minute byte
    EXPECT_EQ(bytes[13], 30);
    EXPECT_EQ(bytes[14], 0xFF); // time 5 empty
    EXPECT_EQ(bytes[15], 0);
    EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 31), "Geburtstag J\xF6rg");

    CTermin read;
    RecordStream in(RecordStream::Direction::Reading);
    in.load(bytes);
    read.Serialize(in);
    EXPECT_EQ(read.kind, 2);
    EXPECT_EQ(read.date, written.date);
    EXPECT_EQ(read.time4, written.time4);
    EXPECT_TRUE(read.time5.isEmpty());
    EXPECT_EQ(read.text, written.text);
    EXPECT_EQ(read.int8, -4);
    EXPECT_EQ(read.time15, (TimeOfDay{0, 0}));
    EXPECT_EQ(read.flag18, 1);
    EXPECT_EQ(read.int20, 77);
    ASSERT_EQ(read.dates.count(), 2);
    EXPECT_EQ(read.dates.at(0), 0x07E80C18u);
    EXPECT_EQ(in.position(), bytes.size());
    setTodayProvider({});
}

TEST(RecordStream, ContactsReadAtMostSeventeenTexts) {
    struct Row {
        std::int32_t count;
        int textsInPayload;
        int expectedRead;
    };
    for (Row row : {Row{20, 20, 17}, Row{17, 17, 17}, Row{3, 5, 3}, Row{0, 2, 0}, Row{-1, 2, 0}}) {
        std::vector<std::string> texts;
        for (int i = 0; i < row.textsInPayload; ++i)
            texts.push_back("t" + std::to_string(i));
        Bytes payload = test::contactPayload(test::packedDate(3, 5, 1980), texts, row.count);
        CAdress contact;
        RecordStream in = readerOf(payload);
        contact.Serialize(in);
        for (int i = 0; i < CAdress::kTextCount; ++i)
            EXPECT_EQ(contact.texts[static_cast<std::size_t>(i)],
                      i < row.expectedRead ? "t" + std::to_string(i) : "")
                << "count " << row.count << " text " << i;
        EXPECT_EQ(contact.birthday.day, 3);
    }
}

} // namespace
} // namespace veltrano

#include "widgets/engine/command_images.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(CommandImageTable, LooksUpReplacesAndFillsFirstFree) {
    CommandImageTable table;
    EXPECT_EQ(table.imageFor(32771), CommandImageTable::kNoImage);
    EXPECT_TRUE(table.registerImage(32771, 4));
    EXPECT_TRUE(table.registerImage(32772, 9));
    EXPECT_EQ(table.imageFor(32771), 4);
    EXPECT_TRUE(table.registerImage(32771, 11)); // replaces, takes no new entry
    EXPECT_EQ(table.imageFor(32771), 11);
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.imageFor(1), -1);
}

TEST(CommandImageTable, HoldsTwoHundredEntriesAndRefusesMore) {
    CommandImageTable table;
    for (int i = 0; i < CommandImageTable::kCapacity; ++i) {
        ASSERT_TRUE(table.registerImage(1000 + i, i % 50));
    }
    EXPECT_FALSE(table.registerImage(5000, 1));
    EXPECT_EQ(table.imageFor(5000), -1);
    // Replacing still works when full.
    EXPECT_TRUE(table.registerImage(1199, 7));
    EXPECT_EQ(table.imageFor(1199), 7);
    EXPECT_EQ(table.size(), 200);
}

TEST(CommandImageTable, NegativeImageRemovesAndFreesTheEntry) {
    CommandImageTable table;
    for (int i = 0; i < CommandImageTable::kCapacity; ++i) {
        ASSERT_TRUE(table.registerImage(1000 + i, 3));
    }
    EXPECT_TRUE(table.registerImage(1005, -1));
    EXPECT_EQ(table.imageFor(1005), CommandImageTable::kNoImage);
    EXPECT_EQ(table.size(), 199);
    EXPECT_TRUE(table.registerImage(5000, 8)) << "the freed entry takes a new command";
    EXPECT_EQ(table.imageFor(5000), 8);
    EXPECT_TRUE(table.registerImage(6000, -1)) << "removing what is not there changes nothing";
    EXPECT_EQ(table.size(), 200);
}

TEST(CommandImageTable, CommandZeroNeverHasAnImage) {
    CommandImageTable table;
    EXPECT_FALSE(table.registerImage(0, 5));
    EXPECT_EQ(table.imageFor(0), CommandImageTable::kNoImage);
    EXPECT_EQ(table.size(), 0);
}

} // namespace
} // namespace veltrano

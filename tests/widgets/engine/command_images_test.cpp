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

} // namespace
} // namespace veltrano

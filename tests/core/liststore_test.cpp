#include <gtest/gtest.h>

#include "gbk.h"
#include "liststore.h"

namespace namer {
namespace {

TEST(ListStoreTest, CellsOutsideTheStoreAreNotText) {
    ListStore store(3, 2);
    store.setCell(1, 1, GbkText("x"));
    EXPECT_EQ(store.getCell(1, 1), GbkText("x"));
    EXPECT_EQ(store.getCell(0, 0), GbkText());  // never set: empty text, not missing
    for (auto [row, column] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) {
        EXPECT_FALSE(store.getCell(row, column).has_value()) << row << "," << column;
        store.setCell(row, column, GbkText("y"));
    }
    EXPECT_EQ(store.rowCount(), 3);
    EXPECT_EQ(store.columnCount(), 2);
}

TEST(ListStoreTest, SetRowCountKeepsAndAddsRows) {
    ListStore store(2, 2);
    store.setCell(0, 1, GbkText("a"));
    store.setCell(1, 1, GbkText("b"));
    for (int32_t ignored : {0, -1, -2147483647 - 1}) {
        store.setRowCount(ignored);
        EXPECT_EQ(store.rowCount(), 2);
        EXPECT_EQ(store.getCell(1, 1), GbkText("b"));
    }
    store.setRowCount(4);
    EXPECT_EQ(store.getCell(0, 1), GbkText("a"));
    EXPECT_EQ(store.getCell(3, 1), GbkText());
    store.setRowCount(1);
    EXPECT_EQ(store.getCell(0, 1), GbkText("a"));
    EXPECT_FALSE(store.getCell(1, 1).has_value());
}

TEST(FillStoreTest, FeaturedFillSplitsCharacterAndMeaning) {
    ListStore store(5, 3);
    const std::vector<GbkText> lines = {gbk("佳|含义美好。"), GbkText("a"), GbkText(), gbk("雪")};
    fillStore(store, lines, Fill::featured);
    EXPECT_EQ(store.rowCount(), 4);
    EXPECT_EQ(store.getCell(0, 0), GbkText("1"));
    EXPECT_EQ(store.getCell(0, 1), gbk("佳"));
    EXPECT_EQ(store.getCell(0, 2), gbk("含义美好。"));
    // A line shorter than two bytes gives column 1 all of it; shorter than four, no meaning.
    EXPECT_EQ(store.getCell(1, 1), GbkText("a"));
    EXPECT_EQ(store.getCell(1, 2), GbkText());
    EXPECT_EQ(store.getCell(2, 0), GbkText("3"));
    EXPECT_EQ(store.getCell(2, 1), GbkText());
    EXPECT_EQ(store.getCell(3, 1), gbk("雪"));
    EXPECT_EQ(store.getCell(3, 2), GbkText());
}

TEST(FillStoreTest, MeaningIsCutAt999Bytes) {
    ListStore store(1, 3);
    fillStore(store, {GbkText("ab|" + std::string(1200, 'x'))}, Fill::featured);
    EXPECT_EQ(byteLength(*store.getCell(0, 2)), 999);
}

TEST(FillStoreTest, CommonFillCopiesTheWholeLine) {
    ListStore store(3, 2);
    fillStore(store, {gbk("风 "), gbk("秀")}, Fill::common);
    EXPECT_EQ(store.rowCount(), 2);
    EXPECT_EQ(store.getCell(0, 1), gbk("风 "));
    EXPECT_EQ(store.getCell(1, 0), GbkText("2"));
    EXPECT_FALSE(store.getCell(0, 2).has_value());
}

TEST(FillStoreTest, NoLinesLeavesTheStoreAsItWas) {
    ListStore store(75, 3);
    fillStore(store, {}, Fill::featured);
    EXPECT_EQ(store.rowCount(), 75);
    EXPECT_EQ(store.getCell(74, 1), GbkText());
}

}  // namespace
}  // namespace namer

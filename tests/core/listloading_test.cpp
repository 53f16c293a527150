#include <gtest/gtest.h>

#include <filesystem>

#include "gbk.h"
#include "listloading.h"
#include "tempfolder.h"

namespace namer {
namespace {

class LoadAllListsTest : public testing::Test {
protected:
    TempFolder folder;
    ListStores stores;
    LineSequence featuredLines;
    LineSequence commonLines;

    void load() { loadAllLists(folder.path(), stores, featuredLines, commonLines); }

    GbkText cell(ListId id, int32_t row, int32_t column) const {
        return stores[id].getCell(row, column).value_or(GbkText("<missing>"));
    }
};

TEST_F(LoadAllListsTest, WritesEveryListByteForByte) {
    writeFile(folder.file("nhz.txt"), "an older, different file");
    load();
    for (ListId id : allLists()) {
        const CharacterList &list = characterList(id);
        EXPECT_EQ(readFile(folder.file(std::string(list.fileName))), list.bytes) << list.fileName;
    }
    EXPECT_EQ(characterList(ListId::nzz).bytes.size(), 5080u);
    EXPECT_EQ(characterList(ListId::nhz).bytes.size(), 2274u);
    EXPECT_EQ(characterList(ListId::azz).bytes.size(), 6213u);
    EXPECT_EQ(characterList(ListId::ahz).bytes.size(), 4247u);
}

TEST_F(LoadAllListsTest, FillsEveryStoreFromItsFile) {
    load();
    EXPECT_EQ(stores[ListId::nzz].rowCount(), 75);
    EXPECT_EQ(cell(ListId::nzz, 0, 0), GbkText("1"));
    EXPECT_EQ(cell(ListId::nzz, 0, 1), gbk("佳"));
    EXPECT_EQ(cell(ListId::nzz, 0, 2), gbk("含义是美好。意为美好、美丽、出众。"));
    EXPECT_EQ(cell(ListId::nzz, 50, 2), gbk("含义美好。"));
    EXPECT_EQ(cell(ListId::nzz, 74, 0), GbkText("75"));
    EXPECT_EQ(cell(ListId::nzz, 74, 1), gbk("心"));
    EXPECT_EQ(cell(ListId::nhz, 568, 0), GbkText("569"));
    EXPECT_EQ(cell(ListId::nhz, 568, 1), gbk("榆"));
    EXPECT_EQ(cell(ListId::azz, 0, 2), gbk("含义儿，儿或女；意为有学问、有德行的人。"));
    EXPECT_EQ(cell(ListId::azz, 70, 1), gbk("贤"));
    EXPECT_EQ(cell(ListId::azz, 78, 1), gbk("山"));
    EXPECT_EQ(cell(ListId::ahz, 141, 0), GbkText("142"));
    EXPECT_EQ(cell(ListId::ahz, 141, 1), gbk("风 "));
    EXPECT_EQ(cell(ListId::ahz, 317, 1), gbk("风"));
    EXPECT_EQ(cell(ListId::ahz, 1061, 1), gbk("作"));
    // The sequences keep the boys' lines after start-up.
    EXPECT_EQ(featuredLines.size(), 79u);
    EXPECT_EQ(commonLines.size(), 1062u);
}

TEST_F(LoadAllListsTest, UnwritableFolderFallsBackToBuiltInLists) {
    const std::string missing = folder.file("missing");
    loadAllLists(missing, stores, featuredLines, commonLines);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(cell(ListId::nzz, 74, 1), gbk("心"));
    EXPECT_EQ(cell(ListId::ahz, 141, 1), gbk("风 "));
    EXPECT_EQ(cell(ListId::nhz, 568, 1), gbk("榆"));
    EXPECT_EQ(cell(ListId::azz, 0, 1), gbk("子"));
}

// A file read back with another line count than built in must not leave a store short of rows
// (the generator would stop at the first draw past its end) or with rows the generator never
// reaches.
TEST(ReadBackListTest, WrongLineCountFallsBackToBuiltInList) {
    TempFolder folder;
    const std::string builtIn(characterList(ListId::nhz).bytes);
    const std::string shorter = gbk("甲").bytes() + "\r\n" + gbk("乙").bytes();
    const std::string longer = gbk("甲").bytes() + "\r\n" + builtIn;
    for (const std::string &bytes : {shorter, longer}) {
        writeFile(folder.file("nhz.txt"), bytes);
        LineSequence read;
        ListStore store(569, 2);
        readBackList(folder.file("nhz.txt"), ListId::nhz, read, store);
        EXPECT_EQ(read.size(), 569u);
        EXPECT_EQ(store.rowCount(), 569);
        EXPECT_EQ(store.getCell(0, 1), gbk("秀"));
        EXPECT_EQ(store.getCell(568, 1), gbk("榆"));
    }
}

TEST(ReadBackListTest, FileWithTheRightLineCountIsUsed) {
    TempFolder folder;
    std::string bytes(characterList(ListId::nhz).bytes);
    bytes.replace(0, 2, gbk("甲").bytes());
    writeFile(folder.file("nhz.txt"), bytes);
    LineSequence read;
    ListStore store(569, 2);
    readBackList(folder.file("nhz.txt"), ListId::nhz, read, store);
    EXPECT_EQ(store.getCell(0, 1), gbk("甲"));
}

}  // namespace
}  // namespace namer

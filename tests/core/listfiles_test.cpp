#include <gtest/gtest.h>

#include "casename.h"

#include <filesystem>

#include "listfiles.h"
#include "tempfolder.h"

namespace namer {
namespace {

std::vector<std::string> bytesOf(const LineSequence &lines) {
    std::vector<std::string> result;
    for (const GbkText &line : lines) {
        result.push_back(line.bytes());
    }
    return result;
}

struct SplitCase {
    const char *what;
    std::string bytes;
    std::vector<std::string> lines;
};

class SplitListLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitListLinesTest, FollowsTheLineRules) {
    EXPECT_EQ(bytesOf(splitListLines(GetParam().bytes)), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitListLinesTest,
    testing::Values(SplitCase{"last line without CR LF", "a\r\nb", {"a", "b"}},
                    SplitCase{"a final CR LF adds no empty line", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"blank line inside", "a\r\n\r\nb", {"a", "", "b"}},
                    SplitCase{"a CR elsewhere stays", "a\rb\r\nc", {"a\rb", "c"}},
                    SplitCase{"only one CR before LF is dropped", "a\r\r\nb", {"a\r", "b"}},
                    SplitCase{"LF alone ends a line", "a\nb", {"a", "b"}},
                    SplitCase{"zero bytes are dropped", std::string("a\0b\r\nc", 6), {"ab", "c"}},
                    SplitCase{"0x1A is an ordinary byte", "a\x1a\r\nb", {"a\x1a", "b"}},
                    SplitCase{"empty file", "", {}},
                    SplitCase{"a lone LF is one empty line", "\n", {""}}),
    CaseName());

TEST(WriteWholeFileTest, CreatesAndReplaces) {
    TempFolder folder;
    const std::string path = folder.file("list.txt");
    ASSERT_TRUE(writeWholeFile(path, "a much longer first content"));
    ASSERT_TRUE(writeWholeFile(path, "short"));
    EXPECT_EQ(readFile(path), "short");
}

TEST(WriteWholeFileTest, FailsQuietlyWithoutItsFolder) {
    TempFolder folder;
    EXPECT_FALSE(writeWholeFile(folder.file("missing/list.txt"), "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

TEST(LoadListTest, AppendsTheFileLines) {
    TempFolder folder;
    writeFile(folder.file("list.txt"), "b\r\nc");
    LineSequence lines = {GbkText("a")};
    loadList(folder.file("list.txt"), lines);
    EXPECT_EQ(bytesOf(lines), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(LoadListTest, AddsNothingWhenTheFileCannotBeOpened) {
    TempFolder folder;
    LineSequence lines;
    loadList(folder.file("missing.txt"), lines);
    loadList(folder.path(), lines);  // a folder cannot be opened for reading and writing
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace namer

#include <gtest/gtest.h>

#include <ostream>

#include <cstdlib>
#include <filesystem>

#include <QTemporaryDir>

#include "listfolder.h"

namespace {

struct FolderCase {
    const char *what;
    const char *xdgDataHome;
    const char *expected;

    friend std::ostream &operator<<(std::ostream &os, const FolderCase &c) { return os << c.what; }
};

class ListFolderFor : public testing::TestWithParam<FolderCase> {};

TEST_P(ListFolderFor, FollowsTheXdgDataHomeRule) {
    EXPECT_EQ(listFolderFor(GetParam().xdgDataHome, "/home/mei"),
              std::filesystem::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ListFolderFor,
    testing::Values(FolderCase{"absolute", "/srv/data", "/srv/data/tavelin-namer"},
                    FolderCase{"unset", "", "/home/mei/.local/share/tavelin-namer"},
                    FolderCase{"relative", "data", "/home/mei/.local/share/tavelin-namer"},
                    FolderCase{"tilde", "~/data", "/home/mei/.local/share/tavelin-namer"}),
    [](const testing::TestParamInfo<FolderCase> &info) { return std::string(info.param.what); });

TEST(ListFolder, IsCreatedWhenMissing) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string dataHome = root.path().toStdString() + "/not/yet";
    ASSERT_EQ(setenv("XDG_DATA_HOME", dataHome.c_str(), 1), 0);
    const std::string folder = listFolder();
    EXPECT_EQ(folder, dataHome + "/tavelin-namer");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace

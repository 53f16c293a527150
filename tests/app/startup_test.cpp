#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include <QTemporaryDir>

#include "characterlists.h"
#include "mainwindow.h"
#include "startup.h"
#include "tooltipfacility.h"

using namespace Qt::StringLiterals;

namespace {

std::string fileBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class Startup : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        releaseListLines();
    }

    void expectStoresFilled() const {
        for (namer::ListId id : namer::allLists()) {
            const namer::CharacterList &list = namer::characterList(id);
            SCOPED_TRACE(std::string(list.fileName));
            const namer::ListStore &store = window.stores()[id];
            ASSERT_EQ(store.rowCount(), list.lineCount);
            EXPECT_EQ(store.getCell(list.lineCount - 1, 0), namer::intToText(list.lineCount));
            EXPECT_NE(store.getCell(list.lineCount - 1, 1), namer::GbkText());
        }
    }

    QTemporaryDir folder;
    MainWindow window;
};

TEST_F(Startup, WritesTheListsAndFillsEveryStore) {
    onMainWindowCreated(window, folder.path().toStdString());
    for (namer::ListId id : namer::allLists()) {
        const namer::CharacterList &list = namer::characterList(id);
        EXPECT_EQ(fileBytes(folder.filePath(QString::fromUtf8(list.fileName)).toStdString()),
                  list.bytes);
    }
    expectStoresFilled();
    // The boys' pair is read last and stays until the exit clean-up.
    EXPECT_EQ(featuredLines.size(), 79u);
    EXPECT_EQ(commonLines.size(), 1062u);
}

TEST_F(Startup, AttachesTheButtonsTooltips) {
    onMainWindowCreated(window, folder.path().toStdString());
    const TooltipFacility &tips = TooltipFacility::instance();
    EXPECT_EQ(tips.tipOf(window.findChild<QWidget *>(u"按钮2"_s)), u"关闭软件."_s);
    EXPECT_EQ(tips.tipOf(window.findChild<QWidget *>(u"超级按钮1"_s)), u"开始起名字."_s);
}

TEST_F(Startup, GoesOnWithoutAWritableFolder) {
    const std::string blocked = folder.filePath(u"a-file"_s).toStdString();
    std::ofstream(blocked) << "not a folder";
    onMainWindowCreated(window, blocked + "/lists");
    expectStoresFilled();
}

TEST_F(Startup, ExitCleanUpGivesTheLinesBack) {
    onMainWindowCreated(window, folder.path().toStdString());
    releaseListLines();
    EXPECT_EQ(featuredLines.capacity(), 0u);
    EXPECT_EQ(commonLines.capacity(), 0u);
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "fatalerror.h"
#include "gbk.h"
#include "listfiles.h"
#include "namegenerator.h"
#include "random.h"

namespace namer {
namespace {

// The window as the generator sees it, recording what it is told.
class FakeForm : public NamingForm {
public:
    GbkText surnameText;
    GbkText middle;
    std::map<FormOption, bool> checked = {{FormOption::oneCharacter, true},
                                          {FormOption::twoCharacters, false},
                                          {FormOption::boy, true}};
    std::array<GbkText, resultSlotCount + 1> captions;
    std::array<GbkText, resultSlotCount + 1> tooltips;
    int captionWrites = 0;
    bool groupShown = false;
    std::vector<std::pair<GbkText, GbkText>> messages;

    void chooseFeatured(bool boy) {
        checked = {{FormOption::oneCharacter, false},
                   {FormOption::twoCharacters, true},
                   {FormOption::boy, boy}};
    }

    GbkText surname() const override { return surnameText; }
    void setSurname(const GbkText &text) override { surnameText = text; }
    GbkText middleText() const override { return middle; }
    bool isChecked(FormOption option) const override { return checked.at(option); }
    void setSlotCaption(int32_t slot, const GbkText &caption) override {
        captions.at(static_cast<size_t>(slot)) = caption;
        ++captionWrites;
    }
    void setSlotTooltip(int32_t slot, const GbkText &tooltip) override {
        tooltips.at(static_cast<size_t>(slot)) = tooltip;
    }
    void showResultGroup() override { groupShown = true; }
    void showMessage(const GbkText &text, const GbkText &title) override {
        messages.emplace_back(text, title);
    }
};

ListStores builtInStores() {
    ListStores stores;
    for (ListId id : allLists()) {
        fillStore(stores[id], splitListLines(characterList(id).bytes), characterList(id).fill);
    }
    return stores;
}

GbkText lineOf(ListId id, int32_t line) {
    return splitListLines(characterList(id).bytes).at(static_cast<size_t>(line - 1));
}

std::vector<int32_t> recordedFatalCodes;
void recordFatalError(int32_t code, const GbkText &) {
    recordedFatalCodes.push_back(code);
}

class GenerateNamesTest : public testing::Test {
protected:
    const ListStores stores = builtInStores();
    FakeForm form;

    void SetUp() override {
        seedRandom(1);
        recordedFatalCodes.clear();
        previousHandler = setFatalErrorHandler(recordFatalError);
        form.surnameText = gbk("李");
    }
    void TearDown() override { setFatalErrorHandler(previousHandler); }

private:
    FatalErrorHandler previousHandler = nullptr;
};

TEST_F(GenerateNamesTest, OneCharacterBoyDrawsFromRowsOneOnward) {
    generateNames(form, stores);
    // Seed 1 draws rows 42, 431, 1030, 1037: lines 43, 432, 1031 and 1038 of ahz.
    EXPECT_EQ(form.captions[1], gbk("李富"));
    EXPECT_EQ(form.captions[2], gbk("李简"));
    EXPECT_EQ(form.captions[3], gbk("李瞩"));
    EXPECT_EQ(form.captions[4], gbk("李专"));
    EXPECT_EQ(form.captionWrites, 20);
    EXPECT_TRUE(form.groupShown);
    EXPECT_TRUE(form.messages.empty());
}

TEST_F(GenerateNamesTest, FeaturedModeDrawsFeaturedThenCommonRowPerSlot) {
    form.chooseFeatured(false);
    generateNames(form, stores);
    // Raw draws 41, 18467, 6334, 26500: nzz row 42 and nhz row 292 for slot 1, nzz row 45 and
    // nhz row 373 for slot 2.
    EXPECT_EQ(form.captions[1], gbk("李小诗"));
    EXPECT_EQ(form.captions[2], gbk("李瑞品"));
    EXPECT_EQ(form.tooltips[1], midBytes(lineOf(ListId::nzz, 43), 4, 999));
    EXPECT_EQ(form.tooltips[2], midBytes(lineOf(ListId::nzz, 46), 4, 999));
    for (int slot = 1; slot <= resultSlotCount; ++slot) {
        EXPECT_EQ(byteLength(form.captions[slot]), 6) << slot;
        EXPECT_EQ(findText(form.tooltips[slot], gbk("含义"), 1, false), 1) << slot;
    }
}

TEST_F(GenerateNamesTest, FeaturedBoyUsesTheBoysLists) {
    form.chooseFeatured(true);
    generateNames(form, stores);
    EXPECT_EQ(form.captions[1], gbk("李恒简"));
}

TEST_F(GenerateNamesTest, FixedMiddleInsertsTheMiddleTextAsTyped) {
    struct Case {
        const char *middle;
        bool boy;
    };
    for (const Case &c : {Case{"晓", true}, Case{" ", false}, Case{"ab", true}}) {
        seedRandom(1);
        form.chooseFeatured(c.boy);
        form.middle = gbk(c.middle);
        form.tooltips.fill(gbk("旧"));
        generateNames(form, stores);
        const GbkText prefix = joinText(gbk("李"), gbk(c.middle));
        for (int slot = 1; slot <= resultSlotCount; ++slot) {
            EXPECT_EQ(leftBytes(form.captions[slot], byteLength(prefix)), prefix) << c.middle;
            EXPECT_EQ(form.tooltips[slot], GbkText()) << c.middle;
        }
        if (c.boy) {
            EXPECT_EQ(form.captions[1], joinText(prefix, gbk("富")));
        }
    }
}

TEST_F(GenerateNamesTest, NonFeaturedRunsLeaveNoStaleTooltips) {
    form.chooseFeatured(false);
    generateNames(form, stores);
    generateNames(form, stores);
    ASSERT_FALSE(form.tooltips[7].empty());
    form.checked[FormOption::oneCharacter] = true;
    generateNames(form, stores);
    for (int slot = 1; slot <= resultSlotCount; ++slot) {
        EXPECT_EQ(form.tooltips[slot], GbkText()) << slot;
    }
}

TEST_F(GenerateNamesTest, BothOptionsCheckedIsOneCharacterMode) {
    form.checked[FormOption::twoCharacters] = true;
    form.middle = gbk("晓");
    generateNames(form, stores);
    EXPECT_EQ(form.captions[1], gbk("李富"));
}

TEST_F(GenerateNamesTest, NoOptionCheckedWritesNothingButShowsTheGroup) {
    form.checked[FormOption::oneCharacter] = false;
    form.captions[3] = gbk("旧名");
    generateNames(form, stores);
    EXPECT_EQ(form.captionWrites, 0);
    EXPECT_EQ(form.captions[3], gbk("旧名"));
    EXPECT_TRUE(form.groupShown);
}

TEST_F(GenerateNamesTest, SurnameIsTrimmedAndValidatedInBytes) {
    struct Case {
        const char *typed;
        const char *trimmed;
        bool accepted;
    };
    for (const Case &c :
         {Case{"  王 ", "王", true}, Case{"a", "a", false}, Case{" 　 ", "", false},
          Case{"", "", false}, Case{"ab", "ab", true}, Case{"　欧阳　", "欧阳", true}}) {
        FakeForm fresh;
        fresh.surnameText = gbk(c.typed);
        fresh.checked[FormOption::oneCharacter] = false;  // validation comes before the mode
        generateNames(fresh, stores);
        EXPECT_EQ(fresh.surnameText, gbk(c.trimmed)) << c.typed;
        EXPECT_EQ(fresh.groupShown, c.accepted) << c.typed;
        if (c.accepted) {
            EXPECT_TRUE(fresh.messages.empty()) << c.typed;
        } else {
            ASSERT_EQ(fresh.messages.size(), 1u) << c.typed;
            EXPECT_EQ(fresh.messages[0].first, gbk("没有添写宝宝的姓氏."));
            EXPECT_EQ(fresh.messages[0].second, gbk("出错啦："));
        }
    }
}

TEST_F(GenerateNamesTest, FirstLineOfAListIsNeverDrawn) {
    // 伟 stands only on line 1 of ahz.
    for (int run = 0; run < 200; ++run) {
        generateNames(form, stores);
        for (int slot = 1; slot <= resultSlotCount; ++slot) {
            ASSERT_NE(form.captions[slot], gbk("李伟"));
        }
    }
}

TEST_F(GenerateNamesTest, StoresLeftAsCreatedGiveBareSurnames) {
    const ListStores empty;
    form.chooseFeatured(false);
    generateNames(form, empty);
    EXPECT_EQ(form.captions[20], gbk("李"));
    EXPECT_EQ(form.tooltips[20], GbkText());
    form.middle = gbk("晓");
    generateNames(form, empty);
    EXPECT_EQ(form.captions[20], gbk("李晓"));
    EXPECT_TRUE(recordedFatalCodes.empty());
}

TEST_F(GenerateNamesTest, ShortStoreStopsWithFatalErrorFive) {
    ListStores shortStores = builtInStores();
    shortStores[ListId::ahz].setRowCount(40);  // row 42, the first draw, is missing
    form.captions[1] = gbk("旧名");
    generateNames(form, shortStores);
    EXPECT_EQ(recordedFatalCodes, std::vector<int32_t>{5});
    EXPECT_EQ(form.captions[1], gbk("旧名"));
    EXPECT_FALSE(form.groupShown);
}

TEST_F(GenerateNamesTest, ShortFeaturedStoreStopsBeforeTheTooltip) {
    ListStores shortStores = builtInStores();
    shortStores[ListId::nzz].setRowCount(10);
    form.chooseFeatured(false);
    generateNames(form, shortStores);
    EXPECT_EQ(recordedFatalCodes, std::vector<int32_t>{5});
    EXPECT_EQ(form.tooltips[1], GbkText());
    EXPECT_EQ(form.captionWrites, 0);
}

TEST(FatalErrorTextTest, ListsCodeAndMessageOnTheirOwnLines) {
    EXPECT_EQ(fatalErrorText(5, gbk("数据或数组类型不匹配")),
              gbk("运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：数据或数组类型不匹配\r\n"));
    EXPECT_EQ(fatalErrorText(0, gbk("分配 64 字节内存失败!")),
              gbk("运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n"));
    EXPECT_EQ(fatalErrorText(0, GbkText()), gbk("运行时出错!\r\n\r\n"));
}

TEST(FatalErrorTest, ReportsReachTheInstalledHandler) {
    static std::vector<std::pair<int32_t, GbkText>> reports;
    const FatalErrorHandler previous = setFatalErrorHandler(
        [](int32_t code, const GbkText &message) { reports.emplace_back(code, message); });
    reportTypeMismatch();
    reportOutOfMemory(4096);
    setFatalErrorHandler(previous);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], std::make_pair(5, gbk("数据或数组类型不匹配")));
    EXPECT_EQ(reports[1], std::make_pair(0, gbk("分配 4096 字节内存失败!")));
}

TEST(FatalErrorDeathTest, WithoutAHandlerTheProcessEndsWithMinusOne) {
    EXPECT_EXIT(fatalError(5, gbk("x")), testing::ExitedWithCode(255), "错误代码：5");
}

}  // namespace
}  // namespace namer

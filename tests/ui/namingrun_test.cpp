#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "listloading.h"
#include "mainwindow.h"
#include "textbridge.h"
#include "tooltipfacility.h"
#include "typing.h"

using namespace Qt::StringLiterals;

namespace {

enum class Mode { oneCharacter, fixedMiddle, featured };

struct ModeCase {
    const char *what;
    bool boy;
    bool twoCharacters;
    QString middle;
    Mode mode;

    friend std::ostream &operator<<(std::ostream &os, const ModeCase &c) { return os << c.what; }
};

// What the stores allow a name to be made of: the characters of the rows that are drawn (all but
// the first) and, for a featured character, the meanings that go with it.
struct Characters {
    std::set<std::string> common;
    std::map<std::string, std::set<std::string>> featuredMeanings;
};

Characters charactersOf(const namer::ListStores &stores, bool boy) {
    Characters characters;
    const namer::ListStore &common = stores[boy ? namer::ListId::ahz : namer::ListId::nhz];
    for (int32_t row = 1; row < common.rowCount(); ++row)
        characters.common.insert(common.getCell(row, 1)->bytes());
    const namer::ListStore &featured = stores[boy ? namer::ListId::azz : namer::ListId::nzz];
    for (int32_t row = 1; row < featured.rowCount(); ++row) {
        characters.featuredMeanings[featured.getCell(row, 1)->bytes()].insert(
            featured.getCell(row, 2)->bytes());
    }
    return characters;
}

std::vector<QString> shownTips;

class NamingRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        namer::LineSequence featuredLines;
        namer::LineSequence commonLines;
        namer::loadAllLists(folder.path().toStdString(), window.stores(), featuredLines,
                            commonLines);
        window.setMessageFunction([this](const QString &text, const QString &title) {
            messages.emplace_back(text, title);
        });
        window.show();
    }

    template <typename Control = QWidget>
    Control *control(const QString &name) const {
        return window.findChild<Control *>(name);
    }

    QLabel *slotLabel(int slot) const {
        return control<QLabel>(u"标签"_s + QString::number(slot + 4));
    }

    void click(const QString &name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    void chooseMode(const ModeCase &c) {
        click(c.boy ? u"单选框1"_s : u"单选框2"_s);
        click(c.twoCharacters ? u"选择框2"_s : u"选择框1"_s);
        typeInto(control(u"编辑框4"_s), c.middle);
    }

    void startWith(const QString &surname) {
        auto *surnameBox = control<QLineEdit>(u"编辑框1"_s);
        surnameBox->clear();
        typeInto(surnameBox, surname);
        click(u"超级按钮1"_s);
    }

    // Every slot holds the surname and characters drawn for the mode, and a featured name carries
    // the meaning of its first given character as its tooltip; no other name has a tooltip.
    void expectNames(const QString &surname, const ModeCase &c) {
        const Characters characters = charactersOf(window.stores(), c.boy);
        const std::string surnameBytes = toGbkText(surname).bytes();
        const std::string middleBytes = toGbkText(c.middle).bytes();
        for (int slot = 1; slot <= 20; ++slot) {
            SCOPED_TRACE(slot);
            QLabel *label = slotLabel(slot);
            const std::string caption = toGbkText(label->text()).bytes();
            const std::string tip = toGbkText(TooltipFacility::instance().tipOf(label)).bytes();
            ASSERT_TRUE(caption.starts_with(surnameBytes)) << label->text().toStdString();
            std::string given = caption.substr(surnameBytes.size());
            switch (c.mode) {
                case Mode::oneCharacter:
                    EXPECT_TRUE(characters.common.contains(given));
                    EXPECT_EQ(tip, "");
                    break;
                case Mode::fixedMiddle:
                    ASSERT_TRUE(given.starts_with(middleBytes));
                    EXPECT_TRUE(characters.common.contains(given.substr(middleBytes.size())));
                    EXPECT_EQ(tip, "");
                    break;
                case Mode::featured: {
                    const auto meanings = characters.featuredMeanings.find(given.substr(0, 2));
                    ASSERT_NE(meanings, characters.featuredMeanings.end());
                    EXPECT_TRUE(meanings->second.contains(tip));
                    EXPECT_FALSE(tip.empty());
                    EXPECT_TRUE(characters.common.contains(given.substr(2)));
                    break;
                }
            }
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
            EXPECT_EQ(accessible->text(QAccessible::Name), label->text());
            EXPECT_EQ(toGbkText(accessible->text(QAccessible::Description)).bytes(), tip);
        }
        EXPECT_FALSE(control(u"分组框3"_s)->isHidden());
        EXPECT_TRUE(messages.empty());
    }

    QTemporaryDir folder;
    MainWindow window;
    std::vector<std::pair<QString, QString>> messages;
};

const ModeCase oneCharacterBoy{"oneCharacterBoy", true, false, {}, Mode::oneCharacter};
const ModeCase featuredGirl{"featuredGirl", false, true, {}, Mode::featured};

class EveryMode : public NamingRun, public testing::WithParamInterface<ModeCase> {};

TEST_P(EveryMode, FillsAllTwentySlots) {
    chooseMode(GetParam());
    startWith(u"李"_s);
    expectNames(u"李"_s, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EveryMode,
    testing::Values(oneCharacterBoy,
                    ModeCase{"oneCharacterGirl", false, false, {}, Mode::oneCharacter},
                    ModeCase{"fixedMiddleBoy", true, true, u"文"_s, Mode::fixedMiddle},
                    ModeCase{"fixedMiddleGirlWithBlankAndAscii", false, true, u"a "_s,
                             Mode::fixedMiddle},
                    ModeCase{"featuredBoy", true, true, {}, Mode::featured}, featuredGirl),
    [](const testing::TestParamInfo<ModeCase> &info) { return std::string(info.param.what); });

TEST_F(NamingRun, NamesOfARareSurnameKeepIt) {
    chooseMode(featuredGirl);
    startWith(u"𠮷"_s);
    expectNames(u"𠮷"_s, featuredGirl);
}

TEST_F(NamingRun, ARunWithoutMeaningsTakesTheEarlierTooltipsAway) {
    chooseMode(featuredGirl);
    startWith(u"王"_s);
    expectNames(u"王"_s, featuredGirl);
    chooseMode(oneCharacterBoy);
    startWith(u"王"_s);
    expectNames(u"王"_s, oneCharacterBoy);
}

TEST_F(NamingRun, EachFeaturedRunReplacesTheTooltips) {
    chooseMode(featuredGirl);
    startWith(u"王"_s);
    startWith(u"欧阳"_s);
    expectNames(u"欧阳"_s, featuredGirl);
}

TEST_F(NamingRun, HoveringANameShowsItsMeaning) {
    shownTips.clear();
    TooltipFacility::instance().setPresenter(
        [](const QPoint &, const QString &text, QWidget *) { shownTips.push_back(text); });
    chooseMode(featuredGirl);
    startWith(u"王"_s);
    QLabel *label = slotLabel(7);
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(label, &hover);
    ASSERT_EQ(shownTips.size(), 1u);
    EXPECT_EQ(shownTips.front(), TooltipFacility::instance().tipOf(label));
}

struct SurnameCase {
    const char *what;
    QString typed;
    QString kept;
    bool accepted;

    friend std::ostream &operator<<(std::ostream &os, const SurnameCase &c) { return os << c.what; }
};

class Surname : public NamingRun, public testing::WithParamInterface<SurnameCase> {};

TEST_P(Surname, IsTrimmedAndNeedsTwoBytes) {
    const SurnameCase &c = GetParam();
    startWith(c.typed);
    EXPECT_EQ(control<QLineEdit>(u"编辑框1"_s)->text(), c.kept);
    if (c.accepted) {
        expectNames(c.kept, oneCharacterBoy);
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().first, u"没有添写宝宝的姓氏."_s);
    EXPECT_EQ(messages.front().second, u"出错啦："_s);
    EXPECT_TRUE(control(u"分组框3"_s)->isHidden());
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(slotLabel(slot)->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Surnames, Surname,
    testing::Values(SurnameCase{"empty", {}, {}, false},
                    SurnameCase{"blanksOnly", u" 　 "_s, {}, false},
                    SurnameCase{"oneAsciiLetter", u" a "_s, u"a"_s, false},
                    SurnameCase{"oneChineseBetweenBlanks", u"　李 "_s, u"李"_s, true},
                    SurnameCase{"twoAsciiLetters", u"Li"_s, u"Li"_s, true}),
    [](const testing::TestParamInfo<SurnameCase> &info) { return std::string(info.param.what); });

}  // namespace

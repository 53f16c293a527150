#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "look.h"
#include "mainwindow.h"
#include "typing.h"

using namespace Qt::StringLiterals;

namespace {

QWidget *control(const QWidget &window, const QString &name) {
    return window.findChild<QWidget *>(name);
}

template <typename Control>
Control *control(const QWidget &window, const QString &name) {
    return window.findChild<Control *>(name);
}

// The caption a control shows, whatever its kind.
QString captionOf(const QWidget *widget) {
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return QString();
}

struct ControlRow {
    QString name;
    const char *kind;
    QString parent;  // empty: the main window itself
    QRect geometry;
    QString text;
    bool visible;
    bool enabled;
    std::optional<bool> checked;
    bool tabStop;
};

std::vector<ControlRow> controlTable() {
    std::vector<ControlRow> rows = {
        {u"图片框1"_s, "PictureBox", {}, {0, 0, 623, 408}, {}, true, true, {}, false},
        {u"状态条1"_s, "StatusBar", {}, {1, 387, 621, 20}, {}, true, true, {}, false},
        {u"透明标签2"_s,
         "ShadowLabel",
         u"图片框1"_s,
         {196, 10, 368, 47},
         u"Tavelin宝宝起名软件"_s,
         true,
         true,
         {},
         false},
        {u"按钮2"_s, "ImageButton", u"图片框1"_s, {598, 0, 24, 24}, {}, true, true, {}, true},
        {u"分组框1"_s,
         "QGroupBox",
         u"图片框1"_s,
         {255, 90, 182, 118},
         u"宝宝资料："_s,
         true,
         true,
         {},
         false},
        {u"分组框2"_s,
         "QGroupBox",
         u"图片框1"_s,
         {437, 90, 168, 118},
         u"起名选择："_s,
         true,
         true,
         {},
         false},
        {u"分组框3"_s, "QGroupBox", u"图片框1"_s, {255, 247, 350, 135}, {}, false, true, {}, false},
        {u"超级按钮1"_s,
         "FlatButton",
         u"图片框1"_s,
         {282, 211, 300, 40},
         u"开 始 起 名"_s,
         true,
         true,
         {},
         true},
        {u"超级链接框1"_s,
         "HyperlinkLabel",
         u"图片框1"_s,
         {66, 355, 139, 17},
         u"Tavelin软件：tavelin.cn"_s,
         true,
         true,
         {},
         false},
        {u"标签1"_s,
         "QLabel",
         u"分组框1"_s,
         {21, 20, 48, 24},
         u"宝宝姓："_s,
         true,
         true,
         {},
         false},
        {u"编辑框1"_s, "QLineEdit", u"分组框1"_s, {69, 22, 71, 20}, {}, true, true, {}, true},
        {u"标签2"_s,
         "QLabel",
         u"分组框1"_s,
         {8, 51, 58, 24},
         u"宝宝性别："_s,
         true,
         true,
         {},
         false},
        {u"单选框1"_s,
         "QRadioButton",
         u"分组框1"_s,
         {70, 53, 31, 24},
         u"男"_s,
         true,
         true,
         true,
         true},
        {u"单选框2"_s,
         "QRadioButton",
         u"分组框1"_s,
         {108, 53, 31, 24},
         u"女"_s,
         true,
         true,
         false,
         true},
        {u"标签3"_s,
         "QLabel",
         u"分组框1"_s,
         {8, 83, 58, 24},
         u"宝宝生日："_s,
         true,
         true,
         {},
         false},
        {u"日期框1"_s, "QDateEdit", u"分组框1"_s, {68, 84, 107, 20}, {}, true, true, {}, true},
        {u"选择框1"_s,
         "QCheckBox",
         u"分组框2"_s,
         {11, 20, 70, 24},
         u"取单字名"_s,
         true,
         true,
         true,
         true},
        {u"选择框3"_s,
         "QCheckBox",
         u"分组框2"_s,
         {91, 20, 70, 24},
         u"五行风水"_s,
         true,
         true,
         false,
         true},
        {u"选择框2"_s,
         "QCheckBox",
         u"分组框2"_s,
         {11, 50, 70, 24},
         u"取双字名"_s,
         true,
         true,
         false,
         true},
        {u"选择框4"_s,
         "QCheckBox",
         u"分组框2"_s,
         {91, 49, 70, 24},
         u"易经八卦"_s,
         true,
         true,
         false,
         true},
        {u"标签4"_s,
         "QLabel",
         u"分组框2"_s,
         {10, 82, 72, 24},
         u"指定中间字："_s,
         true,
         true,
         {},
         false},
        {u"编辑框4"_s, "QLineEdit", u"分组框2"_s, {86, 84, 70, 20}, {}, true, false, {}, true},
    };
    const int lefts[] = {6, 75, 145, 214, 282};
    const int tops[] = {13, 44, 74, 104};
    for (int slot = 0; slot < 20; ++slot) {
        rows.push_back({u"标签"_s + QString::number(slot + 5),
                        "QLabel",
                        u"分组框3"_s,
                        QRect(lefts[slot / 4], tops[slot % 4], 63, 24),
                        {},
                        true,
                        true,
                        {},
                        false});
    }
    return rows;
}

class MainWindowTest : public testing::Test {
protected:
    MainWindow window;
};

TEST_F(MainWindowTest, IsABorderlessFixedWindowCentredOnThePrimaryScreen) {
    EXPECT_EQ(window.windowTitle(), u"Tavelin宝宝起名软件 v1.1        [Tavelin科技]"_s);
    EXPECT_TRUE(window.isWindow());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window.minimumSize(), QSize(623, 408));
    EXPECT_EQ(window.maximumSize(), QSize(623, 408));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), QPoint(screen.left() + (screen.width() - 623) / 2,
                                   screen.top() + (screen.height() - 408) / 2));
}

TEST_F(MainWindowTest, EveryControlStartsAsDesigned) {
    for (const ControlRow &row : controlTable()) {
        SCOPED_TRACE(row.name.toStdString());
        QWidget *widget = control(window, row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(row.kind)) << widget->metaObject()->className();
        const QWidget *parent = row.parent.isEmpty() ? &window : control(window, row.parent);
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(widget->geometry(), row.geometry);
        EXPECT_EQ(captionOf(widget), row.text);
        EXPECT_EQ(!widget->isHidden(), row.visible);
        EXPECT_EQ(widget->isEnabled(), row.enabled);
        if (row.checked) {
            EXPECT_EQ(qobject_cast<QAbstractButton *>(widget)->isChecked(), *row.checked);
        }
        EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, row.tabStop);
    }
}

TEST_F(MainWindowTest, ClockRunsEverySecond) {
    auto *clock = window.findChild<QTimer *>(u"时钟1"_s);
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 1000);
}

TEST_F(MainWindowTest, DateBoxShowsTodayInTheLongFormatWithACalendar) {
    auto *date = control<QDateEdit>(window, u"日期框1"_s);
    EXPECT_EQ(date->date(), QDate::currentDate());
    EXPECT_EQ(date->displayFormat(), QLocale().dateFormat(QLocale::LongFormat));
    EXPECT_TRUE(date->calendarPopup());
    EXPECT_FALSE(date->isReadOnly());
}

TEST_F(MainWindowTest, LabelsShowPlainTextOnOneLine) {
    for (int number = 1; number <= 24; ++number) {
        SCOPED_TRACE(number);
        auto *label = control<QLabel>(window, u"标签"_s + QString::number(number));
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_FALSE(label->wordWrap());
        const bool result = number >= 5;
        EXPECT_EQ(label->alignment(),
                  result ? Qt::Alignment(Qt::AlignCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
        EXPECT_EQ(label->frameShape(), result ? QFrame::Box : QFrame::NoFrame);
        EXPECT_EQ(label->lineWidth(), 1);
    }
}

TEST_F(MainWindowTest, PanelControlsMergeIntoTheBackground) {
    const QString panelled[] = {u"标签1"_s,   u"标签9"_s,   u"编辑框1"_s,
                                u"编辑框4"_s, u"单选框2"_s, u"选择框3"_s,
                                u"分组框1"_s, u"分组框3"_s, u"超级链接框1"_s};
    for (const QString &name : panelled) {
        SCOPED_TRACE(name.toStdString());
        const QWidget *widget = control(window, name);
        EXPECT_TRUE(widget->autoFillBackground());
        const QPalette::ColorRole field =
            widget->inherits("QLineEdit") ? QPalette::Base : QPalette::Window;
        EXPECT_EQ(widget->palette().color(field), QColor(panelColour));
    }
    EXPECT_EQ(control(window, u"超级链接框1"_s)->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_EQ(control(window, u"标签1"_s)->palette().color(QPalette::WindowText), Qt::black);
    EXPECT_EQ(control<QLineEdit>(window, u"编辑框1"_s)->alignment(), Qt::AlignCenter);
}

// The interface of target, searched from the top of the tree down.
QAccessibleInterface *findAccessible(QAccessibleInterface *from, const QObject *target) {
    if (from->object() == target)
        return from;
    for (int i = 0; i < from->childCount(); ++i) {
        if (QAccessibleInterface *found = findAccessible(from->child(i), target))
            return found;
    }
    return nullptr;
}

// Every control can be found through the accessibility tree, named by its caption or, for an edit
// box and the date box, by the label in front of it.
TEST_F(MainWindowTest, OptionCaptionsFitBesideTheirBoxes) {
    for (const QString &name :
         {u"选择框1"_s, u"选择框2"_s, u"选择框3"_s, u"选择框4"_s, u"单选框1"_s, u"单选框2"_s}) {
        SCOPED_TRACE(name.toStdString());
        const auto *button = control<QAbstractButton>(window, name);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<const QRadioButton *>(button)
                                                ? QStyle::SE_RadioButtonContents
                                                : QStyle::SE_CheckBoxContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), room.width());
    }
}

TEST_F(MainWindowTest, ControlsAreNamedInTheAccessibilityTree) {
    const struct {
        QString control;
        QString name;
    } expected[] = {
        {u"透明标签2"_s, u"Tavelin宝宝起名软件"_s},
        {u"按钮2"_s, u"关闭软件."_s},
        {u"分组框1"_s, u"宝宝资料："_s},
        {u"超级按钮1"_s, u"开 始 起 名"_s},
        {u"标签1"_s, u"宝宝姓："_s},
        {u"编辑框1"_s, u"宝宝姓："_s},
        {u"单选框2"_s, u"女"_s},
        {u"日期框1"_s, u"宝宝生日："_s},
        {u"选择框4"_s, u"易经八卦"_s},
        {u"编辑框4"_s, u"指定中间字："_s},
        {u"超级链接框1"_s, u"Tavelin软件：tavelin.cn"_s},
    };
    window.show();
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(root, nullptr);
    for (const auto &e : expected) {
        SCOPED_TRACE(e.control.toStdString());
        QAccessibleInterface *item = findAccessible(root, control(window, e.control));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), e.name);
    }
}

// A click is a mouse click, Space on the focused box or a screen reader's toggle; a step may also
// type into 编辑框4.
enum class Step { clickOne, clickTwo, spaceOnTwo, toggleOne, toggleTwo, typeMiddle };

void toggleByAccessibility(QWidget *box) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

struct InterlockCase {
    const char *what;
    std::vector<Step> steps;
    bool oneChecked;
    bool middleEnabled;
    QString middleText;

    friend std::ostream &operator<<(std::ostream &os, const InterlockCase &c) {
        return os << c.what;
    }
};

class Interlock : public testing::TestWithParam<InterlockCase> {
protected:
    MainWindow window;
};

TEST_P(Interlock, KeepsExactlyOneModeChecked) {
    window.show();
    auto *one = control<QCheckBox>(window, u"选择框1"_s);
    auto *two = control<QCheckBox>(window, u"选择框2"_s);
    auto *middle = control<QLineEdit>(window, u"编辑框4"_s);
    for (Step step : GetParam().steps) {
        switch (step) {
            case Step::clickOne:
                QTest::mouseClick(one, Qt::LeftButton);
                break;
            case Step::clickTwo:
                QTest::mouseClick(two, Qt::LeftButton);
                break;
            case Step::spaceOnTwo:
                two->setFocus();
                QTest::keyClick(two, Qt::Key_Space);
                break;
            case Step::toggleOne:
                toggleByAccessibility(one);
                break;
            case Step::toggleTwo:
                toggleByAccessibility(two);
                break;
            case Step::typeMiddle:
                typeInto(middle, u"中"_s);
                break;
        }
    }
    const InterlockCase &c = GetParam();
    EXPECT_EQ(one->isChecked(), c.oneChecked);
    EXPECT_EQ(two->isChecked(), !c.oneChecked);
    EXPECT_EQ(middle->isEnabled(), c.middleEnabled);
    EXPECT_EQ(middle->text(), c.middleText);
    EXPECT_FALSE(control<QCheckBox>(window, u"选择框3"_s)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, u"选择框4"_s)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    ClickSequences, Interlock,
    testing::Values(
        InterlockCase{"checkedOneStaysChecked", {Step::clickOne}, true, false, {}},
        InterlockCase{"twoTakesOver", {Step::clickTwo}, false, true, {}},
        InterlockCase{"spaceClicksToo", {Step::spaceOnTwo}, false, true, {}},
        InterlockCase{"screenReaderToggleClicksToo", {Step::toggleTwo}, false, true, {}},
        InterlockCase{"screenReaderCannotClearTheCheckedOne",
                      {Step::toggleTwo, Step::typeMiddle, Step::toggleOne, Step::toggleOne},
                      true,
                      false,
                      {}},
        InterlockCase{"checkedTwoKeepsItsText",
                      {Step::clickTwo, Step::typeMiddle, Step::clickTwo},
                      false,
                      true,
                      u"中"_s},
        InterlockCase{"oneEmptiesTheMiddle",
                      {Step::clickTwo, Step::typeMiddle, Step::clickOne},
                      true,
                      false,
                      {}},
        InterlockCase{"typedMiddleIsGoneAfterSwitchingBack",
                      {Step::clickTwo, Step::typeMiddle, Step::clickOne, Step::clickTwo},
                      false,
                      true,
                      {}},
        InterlockCase{"disabledMiddleTakesNoTyping", {Step::typeMiddle}, true, false, {}}),
    [](const testing::TestParamInfo<InterlockCase> &info) { return std::string(info.param.what); });

TEST_F(MainWindowTest, SettingACheckedStateIsNoClick) {
    control<QCheckBox>(window, u"选择框2"_s)->setChecked(true);
    EXPECT_TRUE(control<QCheckBox>(window, u"选择框1"_s)->isChecked());
    EXPECT_FALSE(control(window, u"编辑框4"_s)->isEnabled());
}

TEST_F(MainWindowTest, SexButtonsExcludeEachOther) {
    window.show();
    auto *boy = control<QAbstractButton>(window, u"单选框1"_s);
    auto *girl = control<QAbstractButton>(window, u"单选框2"_s);
    QTest::mouseClick(girl, Qt::LeftButton);
    EXPECT_TRUE(girl->isChecked());
    EXPECT_FALSE(boy->isChecked());
    QTest::mouseClick(girl, Qt::LeftButton);
    EXPECT_TRUE(girl->isChecked());
    QTest::mouseClick(boy, Qt::LeftButton);
    EXPECT_TRUE(boy->isChecked());
    EXPECT_FALSE(girl->isChecked());
}

struct LimitCase {
    const char *what;
    QString typed;
    QString kept;

    friend std::ostream &operator<<(std::ostream &os, const LimitCase &c) { return os << c.what; }
};

class MiddleBoxLimit : public testing::TestWithParam<LimitCase> {
protected:
    MainWindow window;
};

TEST_P(MiddleBoxLimit, HoldsAtMostFourGbkBytes) {
    window.show();
    QTest::mouseClick(control<QCheckBox>(window, u"选择框2"_s), Qt::LeftButton);
    auto *middle = control<QLineEdit>(window, u"编辑框4"_s);
    typeInto(middle, GetParam().typed);
    EXPECT_EQ(middle->text(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Typing, MiddleBoxLimit,
                         testing::Values(LimitCase{"twoChinese", u"中文"_s, u"中文"_s},
                                         LimitCase{"thirdChineseRefused", u"中文字"_s, u"中文"_s},
                                         LimitCase{"fifthAsciiRefused", u"abcde"_s, u"abcd"_s},
                                         LimitCase{"mixed", u"a中文"_s, u"a中"_s},
                                         LimitCase{"blank", u" "_s, u" "_s},
                                         // Four bytes in GB18030: it fills the box alone.
                                         LimitCase{"beyondGbk", u"𠮷a"_s, u"𠮷"_s}),
                         [](const testing::TestParamInfo<LimitCase> &info) {
                             return std::string(info.param.what);
                         });

TEST_F(MainWindowTest, SurnameBoxHasNoLimit) {
    window.show();
    const QString longSurname(300, u'姓');
    auto *surname = control<QLineEdit>(window, u"编辑框1"_s);
    typeInto(surname, longSurname);
    EXPECT_EQ(surname->text(), longSurname);
}

class QuietKey : public testing::TestWithParam<Qt::Key> {
protected:
    MainWindow window;
};

// Esc closes nothing, Enter neither moves the focus nor presses a button, F1 opens no help.
TEST_P(QuietKey, DoesNothing) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto *surname = control<QLineEdit>(window, u"编辑框1"_s);
    auto *startButton = control(window, u"超级按钮1"_s);
    typeInto(surname, u"李"_s);
    startButton->setFocus();
    QTest::keyClick(startButton, GetParam());
    QTest::keyClick(&window, GetParam());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(startButton->hasFocus());
    EXPECT_TRUE(control(window, u"分组框3"_s)->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Keys, QuietKey,
                         testing::Values(Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1),
                         [](const testing::TestParamInfo<Qt::Key> &info) {
                             return QKeySequence(info.param).toString().toStdString();
                         });

}  // namespace

namespace {

struct DragCase {
    const char *what;
    QString control;
    QPoint at;  // in the control's coordinates
    bool moves;

    friend std::ostream &operator<<(std::ostream &os, const DragCase &c) { return os << c.what; }
};

class SurfaceDrag : public testing::TestWithParam<DragCase> {
protected:
    MainWindow window;
};

// The window moves when pressed on its background, a group box or a label, and on a disabled
// control, whose press goes to what lies behind it; not from a control that takes presses.
TEST_P(SurfaceDrag, MovesTheWindowOnlyFromItsSurface) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const DragCase &c = GetParam();
    const QPoint press = control(window, c.control)->mapTo(&window, c.at);
    const QPoint offset(30, 20);
    const QPoint start = window.pos();
    QWindow *handle = window.windowHandle();
    const QPoint pointer = handle->mapToGlobal(press + offset);

    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    QTest::mouseMove(handle, press + offset);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(pointer));

    EXPECT_EQ(window.pos(), c.moves ? start + offset : start);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SurfaceDrag,
    testing::Values(DragCase{"background", u"图片框1"_s, {100, 300}, true},
                    DragCase{"groupBox", u"分组框1"_s, {178, 112}, true},
                    DragCase{"label", u"标签2"_s, {10, 12}, true},
                    DragCase{"disabledMiddleBox", u"编辑框4"_s, {35, 10}, true},
                    DragCase{"surnameBox", u"编辑框1"_s, {35, 10}, false},
                    DragCase{"title", u"透明标签2"_s, {184, 23}, false},
                    DragCase{"statusBar", u"状态条1"_s, {300, 10}, false}),
    [](const testing::TestParamInfo<DragCase> &info) { return std::string(info.param.what); });

}  // namespace

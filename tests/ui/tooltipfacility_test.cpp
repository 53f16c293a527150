#include <gtest/gtest.h>

#include <vector>

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>

#include "tooltipfacility.h"

using namespace Qt::StringLiterals;

namespace {

struct Shown {
    QString text;
    QPoint globalPos;
    QWidget *control;
};

class TooltipFacilityTest : public testing::Test {
protected:
    void SetUp() override {
        TooltipFacility::instance().setPresenter(
            [this](const QPoint &globalPos, const QString &text, QWidget *control) {
                shown.push_back({text, globalPos, control});
            });
        label = new QLabel(&window);
    }

    void TearDown() override {
        TooltipFacility::instance().setPresenter([](const QPoint &, const QString &, QWidget *) {});
    }

    // What hovering over the label makes the facility show; false when it lets the event pass.
    bool hover() {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 3), QPoint(102, 203));
        QCoreApplication::sendEvent(label, &event);
        return !shown.empty();
    }

    QString description() const {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description);
    }

    QWidget window;
    QLabel *label = nullptr;
    std::vector<Shown> shown;
};

TEST_F(TooltipFacilityTest, ShowsTheTipAtThePointer) {
    attachTooltip(label, u"开始起名字."_s);
    ASSERT_TRUE(hover());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"开始起名字."_s);
    EXPECT_EQ(shown[0].globalPos, QPoint(102, 203));
    EXPECT_EQ(shown[0].control, label);
    EXPECT_EQ(description(), u"开始起名字."_s);
    EXPECT_TRUE(window.testAttribute(Qt::WA_AlwaysShowToolTips));
}

TEST_F(TooltipFacilityTest, ALaterTipReplacesTheEarlierOne) {
    attachTooltip(label, u"秀美"_s);
    attachTooltip(label, u"聪慧 & 温和"_s);
    ASSERT_TRUE(hover());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"聪慧 & 温和"_s);
    EXPECT_EQ(TooltipFacility::instance().tipOf(label), u"聪慧 & 温和"_s);
    EXPECT_EQ(description(), u"聪慧 & 温和"_s);
}

TEST_F(TooltipFacilityTest, TheEmptyTipRemovesIt) {
    attachTooltip(label, u"秀美"_s);
    attachTooltip(label, QString());
    EXPECT_FALSE(hover());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(TooltipFacility::instance().tipOf(label), QString());
    EXPECT_EQ(description(), QString());
}

TEST_F(TooltipFacilityTest, ANullControlIsIgnored) {
    attachTooltip(nullptr, u"秀美"_s);
    EXPECT_EQ(TooltipFacility::instance().tipOf(nullptr), QString());
}

TEST_F(TooltipFacilityTest, ForgetsAControlThatIsGone) {
    auto *gone = new QLabel(&window);
    attachTooltip(gone, u"秀美"_s);
    const QWidget *address = gone;
    delete gone;
    // A control created later at the same address must not inherit the tip.
    EXPECT_EQ(TooltipFacility::instance().tipOf(address), QString());
}

}  // namespace

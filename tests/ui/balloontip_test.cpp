#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QString>

#include "balloontip.h"

namespace namer {
namespace {

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString longestMeaning() {
    return QString(120, QChar(0x5B9D));  // 宝
}

TEST(BalloonTip, ShowsTheWholeTextOnOneLine) {
    const QPoint pointer = screenArea().topLeft() + QPoint(20, 20);
    for (const QString &text : {QStringLiteral("关闭软件."), QStringLiteral("A & B"),
                                QStringLiteral("Tavelin 宝宝起名 ") + longestMeaning()}) {
        SCOPED_TRACE(text.toStdString());
        BalloonTip balloon;
        balloon.showText(pointer, text);
        ASSERT_TRUE(balloon.isVisible());
        const QFontMetrics metrics(balloon.font());
        const QRect textRect = balloon.textRect();
        EXPECT_GE(textRect.width(), metrics.horizontalAdvance(text));
        EXPECT_GE(textRect.height(), metrics.height());
        EXPECT_LT(textRect.height(), 2 * metrics.lineSpacing());
        EXPECT_TRUE(balloon.rect().contains(textRect));
    }
}

struct Placement {
    const char *name;
    QPoint pointer;  // from the screen's top left
    bool below;      // whether the balloon hangs below the pointer
};

void PrintTo(const Placement &placement, std::ostream *out) {
    *out << placement.name;
}

class BalloonPlacement : public testing::TestWithParam<Placement> {};

TEST_P(BalloonPlacement, PointsAtThePointerAndStaysOnTheScreen) {
    const QRect area = screenArea();
    const QPoint pointer = area.topLeft() + GetParam().pointer;
    BalloonTip balloon;
    balloon.showText(pointer, QStringLiteral("开始起名字."));

    EXPECT_EQ(balloon.tailTip(), pointer);
    EXPECT_TRUE(balloon.geometry().contains(pointer));
    EXPECT_TRUE(area.contains(balloon.geometry()))
        << "balloon at " << balloon.geometry().x() << ", " << balloon.geometry().y();
    if (GetParam().below) {
        EXPECT_EQ(balloon.geometry().top(), pointer.y());
    } else {
        EXPECT_EQ(balloon.geometry().bottom(), pointer.y());
    }
}

QPoint fromRight(int dx, int y) {
    return QPoint(screenArea().width() - 1 - dx, y);
}

QPoint fromBottom(int x, int dy) {
    return QPoint(x, screenArea().height() - 1 - dy);
}

INSTANTIATE_TEST_SUITE_P(BalloonTip, BalloonPlacement,
                         testing::Values(Placement{"Middle", QPoint(300, 200), true},
                                         Placement{"TopLeftCorner", QPoint(0, 0), true},
                                         Placement{"NearRightEdge", fromRight(3, 200), true},
                                         Placement{"NearBottomEdge", fromBottom(300, 5), false},
                                         Placement{"BottomRightCorner",
                                                   fromRight(0, 0) + fromBottom(0, 0), false},
                                         Placement{"BottomLeftCorner", fromBottom(0, 0), false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(BalloonTip, HidesOnHideTextAndOnEmptyText) {
    BalloonTip balloon;
    balloon.showText(QPoint(100, 100), QStringLiteral("关闭软件."));
    balloon.hideText();
    EXPECT_FALSE(balloon.isVisible());

    balloon.showText(QPoint(100, 100), QStringLiteral("关闭软件."));
    balloon.showText(QPoint(100, 100), QString());
    EXPECT_FALSE(balloon.isVisible());
}

}  // namespace
}  // namespace namer

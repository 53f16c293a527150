#include <cstdlib>

#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>

#include "pictures.h"

namespace namer {
namespace {

const QColor panelColour(232, 178, 46);

testing::AssertionResult near(const QImage &image, int x, int y, const QColor &expected,
                              int tolerance) {
    const QColor actual = image.pixelColor(x, y);
    if (std::abs(actual.red() - expected.red()) <= tolerance &&
        std::abs(actual.green() - expected.green()) <= tolerance &&
        std::abs(actual.blue() - expected.blue()) <= tolerance) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is " << actual.name().toStdString()
           << ", expected about " << expected.name().toStdString();
}

TEST(BackgroundPicture, IsPlainPanelColourWhereTheControlsStand) {
    const QImage picture = backgroundPicture();
    ASSERT_EQ(picture.size(), QSize(999, 643));
    // In picture pixels: the controls from 255 of the 621 client pixels on, and the title
    // label at (196, 10) 368 x 47, which lets the picture show through.
    const QRect controls(411, 0, 588, 643);
    const QRect title(316, 16, 592, 75);
    for (const QRect &area : {controls, title}) {
        for (int y = area.top(); y <= area.bottom(); y += 7) {
            for (int x = area.left(); x <= area.right(); x += 7) {
                ASSERT_TRUE(near(picture, x, y, panelColour, 10));
            }
        }
    }
}

TEST(BackgroundPicture, HasBlackCharactersOutlinedInWhiteOnTheLeft) {
    const QImage picture = backgroundPicture();
    ASSERT_FALSE(picture.isNull());
    int black = 0;
    int white = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < 411; ++x) {
            const int lightness = picture.pixelColor(x, y).lightness();
            black += lightness < 30 ? 1 : 0;
            white += lightness > 235 ? 1 : 0;
        }
    }
    // Two characters of about 190 pixels: thousands of pixels each way.
    EXPECT_GT(black, 5000);
    EXPECT_GT(white, 2000);
}

TEST(ClosePicture, IsARedSquareWithAWhiteDiagonalCross) {
    const QImage picture = closePicture();
    ASSERT_EQ(picture.size(), QSize(23, 23));
    const QColor red(210, 40, 30);
    // Corners and the middle of each edge are red; the middle of an edge is what tells a
    // diagonal cross from an upright one.
    for (const auto &[x, y] :
         {std::pair{2, 2}, {20, 2}, {2, 20}, {20, 20}, {11, 2}, {2, 11}, {20, 11}, {11, 20}}) {
        EXPECT_TRUE(near(picture, x, y, red, 45));
    }
    for (const auto &[x, y] : {std::pair{11, 11}, {8, 8}, {14, 8}, {8, 14}, {14, 14}}) {
        EXPECT_TRUE(near(picture, x, y, Qt::white, 30));
    }
}

TEST(ProgramIcon, HasItsEightSizesWithTransparentCorners) {
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {128, 96, 72, 64, 48, 32, 24, 16}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(image.pixelColor(size / 2, size / 2).alpha(), 255);
    }
}

}  // namespace
}  // namespace namer

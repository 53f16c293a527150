#include <deque>
#include <vector>

#include <gtest/gtest.h>
#include <QColor>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include "hyperlinklabel.h"

namespace {

const QColor blue(0, 0, 255);
const QColor hoverColour(49, 106, 197);
const QColor visitedColour(128, 0, 0);

// A link on a window, with an opener that records its calls and answers from a list.
class HyperlinkLabelTest : public testing::Test {
protected:
    HyperlinkLabelTest() {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 300, 100);
        link.setGeometry(66, 40, 139, 17);
        link.setOpener([this](const QUrl &url) {
            opened.push_back(url);
            const bool result = results.front();
            results.pop_front();
            return result;
        });
    }

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // A move to where the pointer already is gets dropped, so start from away.
        pointAway();
    }

    QColor textColour() const { return link.palette().color(QPalette::WindowText); }
    QWindow *handle() { return window.windowHandle(); }

    void pointAtLink() { QTest::mouseMove(handle(), linkCentre); }
    void pointAway() { QTest::mouseMove(handle(), QPoint(10, 10)); }
    void clickLink() {
        pointAtLink();
        QTest::mouseClick(handle(), Qt::LeftButton, {}, linkCentre);
    }

    const QUrl target{QStringLiteral("https://www.example.com/")};
    QWidget window;
    HyperlinkLabel link{QStringLiteral("Tavelin软件：www.example.com"), target, &window};
    const QPoint linkCentre{66 + 139 / 2, 40 + 17 / 2};
    std::deque<bool> results;
    std::vector<QUrl> opened;
};

TEST_F(HyperlinkLabelTest, StartsBlueOnThePanelColourUnderAPointingHand) {
    EXPECT_EQ(textColour(), blue);
    EXPECT_TRUE(link.autoFillBackground());
    EXPECT_EQ(link.palette().color(QPalette::Window), QColor(232, 178, 46));
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.alignment(), Qt::AlignCenter);
    EXPECT_FALSE(link.wordWrap());
}

TEST_F(HyperlinkLabelTest, HoldsTheCaptureInTheHoverColourWhileThePointerIsOverIt) {
    pointAtLink();
    EXPECT_EQ(textColour(), hoverColour);
    EXPECT_EQ(QWidget::mouseGrabber(), &link);

    QTest::mouseMove(handle(), QPoint(67, 41));
    EXPECT_EQ(textColour(), hoverColour);
    EXPECT_EQ(QWidget::mouseGrabber(), &link);

    pointAway();
    EXPECT_EQ(textColour(), blue);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(opened.empty());
}

TEST_F(HyperlinkLabelTest, OpensItsTargetOnThePressBeforeTheRelease) {
    results = {true};
    pointAtLink();
    QTest::mousePress(handle(), Qt::LeftButton, {}, linkCentre);
    EXPECT_EQ(opened, std::vector<QUrl>{target});

    QTest::mouseRelease(handle(), Qt::LeftButton, {}, linkCentre);
    EXPECT_EQ(opened.size(), 1U);
    EXPECT_EQ(textColour(), hoverColour);
}

TEST_F(HyperlinkLabelTest, OtherButtonsDoNotOpen) {
    pointAtLink();
    QTest::mouseClick(handle(), Qt::RightButton, {}, linkCentre);
    EXPECT_TRUE(opened.empty());
}

struct OpenCase {
    std::deque<bool> results;
    bool visited;
};

void PrintTo(const OpenCase &c, std::ostream *out) {
    for (bool result : c.results) {
        *out << (result ? "succeeds " : "fails ");
    }
}

class HyperlinkLabelOpenTest : public HyperlinkLabelTest,
                               public testing::WithParamInterface<OpenCase> {};

TEST_P(HyperlinkLabelOpenTest, IsVisitedExactlyWhenTheLastOpenSucceeded) {
    const OpenCase &c = GetParam();
    results = c.results;
    for (size_t i = 0; i < c.results.size(); ++i) {
        clickLink();
        pointAway();
    }
    EXPECT_EQ(opened.size(), c.results.size());
    EXPECT_EQ(link.isVisited(), c.visited);
    EXPECT_EQ(textColour(), c.visited ? visitedColour : blue);

    pointAtLink();
    EXPECT_EQ(textColour(), hoverColour);
}

INSTANTIATE_TEST_SUITE_P(Attempts, HyperlinkLabelOpenTest,
                         testing::Values(OpenCase{{true}, true}, OpenCase{{false}, false},
                                         OpenCase{{true, false}, false},
                                         OpenCase{{false, true}, true}));

}  // namespace

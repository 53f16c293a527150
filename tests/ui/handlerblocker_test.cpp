#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "handlerblocker.h"

namespace {

// A window of the program and a box that alone may run handlers while the blocker stands.
class HandlerBlockerTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        window.show();
        box.show();
        QWidget *owner = GetParam() ? &box : &window;
        button = new QPushButton(owner);
        button->resize(40, 20);
        button->show();
        timer = new QTimer(owner);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(timer, &QTimer::timeout, [this] { ++ticks; });
        timer->start(0);
    }

    void clickAndWait() {
        QTest::mouseClick(button, Qt::LeftButton);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QWidget window;
    QWidget box;
    QPushButton *button = nullptr;
    QTimer *timer = nullptr;
    int clicks = 0;
    int ticks = 0;
};

TEST_P(HandlerBlockerTest, LetsHandlersRunOnlyInsideTheAllowedWidget) {
    const bool inside = GetParam();
    {
        HandlerBlocker blocker(&box);
        clickAndWait();
        EXPECT_EQ(clicks > 0, inside);
        EXPECT_EQ(ticks > 0, inside);
    }
    clicks = 0;
    ticks = 0;
    clickAndWait();
    EXPECT_GT(clicks, 0);
    EXPECT_GT(ticks, 0);
}

INSTANTIATE_TEST_SUITE_P(Owners, HandlerBlockerTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "insideBox" : "inMainWindow");
                         });

}  // namespace

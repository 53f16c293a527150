#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "balloonpresenter.h"

using namespace Qt::StringLiterals;

namespace {

// What takes a shown balloon away again.
enum class Ending { leave, press, hide };

class BalloonPresenterTest : public testing::TestWithParam<Ending> {
protected:
    void SetUp() override {
        window.resize(200, 100);
        label = new QLabel(u"李秀"_s, &window);
        label->setGeometry(10, 10, 60, 24);
        window.show();
        pointer = label->mapToGlobal(QPoint(5, 5));
        presenter.show(pointer, u"秀美"_s, label);
    }

    QWidget window;
    QLabel *label = nullptr;
    QPoint pointer;
    BalloonPresenter presenter;
};

TEST_P(BalloonPresenterTest, ShowsBesideThePointerUntilThePointerGoes) {
    namer::BalloonTip *balloon = presenter.balloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    // A balloon under the pointer would take the pointer from the label at once.
    EXPECT_FALSE(balloon->geometry().contains(pointer));
    EXPECT_LE((balloon->tailTip() - pointer).manhattanLength(), 2);

    switch (GetParam()) {
        case Ending::leave: {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(label, &leave);
            break;
        }
        case Ending::press:
            QTest::mousePress(label, Qt::LeftButton);
            break;
        case Ending::hide:
            label->hide();
            break;
    }
    EXPECT_FALSE(balloon->isVisible());
}

std::string endingName(const testing::TestParamInfo<Ending> &info) {
    const char *const names[] = {"leave", "press", "hide"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Endings, BalloonPresenterTest,
                         testing::Values(Ending::leave, Ending::press, Ending::hide), endingName);

}  // namespace

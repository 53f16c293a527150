#include <map>
#include <string>

#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "windowdrag.h"

namespace {

// A window laid out like the main one: the window itself, a group box and a label are watched;
// the edit boxes and a title label are not.
class DragFixtureWindow : public QWidget {
public:
    DragFixtureWindow() {
        setWindowFlags(Qt::FramelessWindowHint);
        setGeometry(100, 100, 360, 240);
        box.setGeometry(10, 60, 250, 150);
        label.setGeometry(10, 20, 60, 24);
        enabledEdit.setGeometry(80, 22, 70, 20);
        disabledEdit.setGeometry(80, 84, 70, 20);
        disabledEdit.setEnabled(false);
        title.setGeometry(10, 5, 200, 40);
        drag.watch(this);
        drag.watch(&box);
        drag.watch(&label);
    }

    QGroupBox box{QStringLiteral("box"), this};
    QLabel label{QStringLiteral("label"), &box};
    QLineEdit enabledEdit{&box};
    QLineEdit disabledEdit{&box};
    QLabel title{QStringLiteral("title"), this};
    WindowDrag drag;
};

struct DragCase {
    const char *pressedOn;
    Qt::MouseButton button;
    bool moves;
};

void PrintTo(const DragCase &c, std::ostream *out) {
    *out << c.pressedOn;
}

class WindowDragTest : public testing::TestWithParam<DragCase> {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Where a press on the named part lands, in window coordinates.
    QPoint pressPoint(const std::string &name) {
        if (name == "window surface") {
            return {300, 200};
        }
        if (name == "box surface") {
            return window.box.mapTo(&window, QPoint(200, 120));
        }
        const std::map<std::string, QWidget *> controls{{"label", &window.label},
                                                        {"enabled edit", &window.enabledEdit},
                                                        {"disabled edit", &window.disabledEdit},
                                                        {"title", &window.title}};
        QWidget *control = controls.at(name);
        return control->mapTo(&window, control->rect().center());
    }

    DragFixtureWindow window;
};

TEST_P(WindowDragTest, PressAndMoveDragsOnlyFromTheSurface) {
    const DragCase &c = GetParam();
    const QPoint press = pressPoint(c.pressedOn);
    const QPoint offset(30, 20);
    const QPoint start = window.pos();
    QWindow *handle = window.windowHandle();

    // The pointer stays where it went while the window moves beneath it.
    const QPoint pointer = handle->mapToGlobal(press + offset);

    QTest::mousePress(handle, c.button, {}, press);
    QTest::mouseMove(handle, press + offset);
    QTest::mouseRelease(handle, c.button, {}, handle->mapFromGlobal(pointer));

    EXPECT_EQ(window.pos(), c.moves ? start + offset : start);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, WindowDragTest,
    testing::Values(DragCase{"window surface", Qt::LeftButton, true},
                    DragCase{"box surface", Qt::LeftButton, true},
                    DragCase{"label", Qt::LeftButton, true},
                    // A disabled control passes the press to the group box behind it.
                    DragCase{"disabled edit", Qt::LeftButton, true},
                    DragCase{"enabled edit", Qt::LeftButton, false},
                    // An enabled control that ignores presses passes them to the watched window;
                    // the press still belongs to that control.
                    DragCase{"title", Qt::LeftButton, false},
                    DragCase{"label", Qt::RightButton, false}));

}  // namespace

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "fatalerror.h"
#include "fatalerrorbox.h"
#include "textbridge.h"

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Runs in the death test's child: a ticking window, then fatal error 5. A helper thread later
// describes the box on stderr and presses its OK button.
void reportWhileTicking() {
    installFatalErrorBox();
    std::atexit([] { std::fputs("exit clean-up ran\n", stderr); });
    QWidget window;
    window.show();
    QTimer clock(&window);
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    clock.start(0);
    while (ticks == 0)
        QCoreApplication::processEvents();
    const int ticksBefore = ticks;

    std::thread([&ticks, ticksBefore] {
        std::this_thread::sleep_for(300ms);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&ticks, ticksBefore] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (box == nullptr) {
                    std::fputs("no box\n", stderr);
                    std::_Exit(3);
                }
                QString text = box->text();
                text.replace(u"\r\n"_s, u"/"_s);
                std::fprintf(stderr, "title=%s critical=%d ok=%d text=%s ticks=%d\n",
                             box->windowTitle().toStdString().c_str(),
                             box->icon() == QMessageBox::Critical,
                             box->standardButtons() == QMessageBox::Ok, text.toStdString().c_str(),
                             ticks - ticksBefore);
                box->button(QMessageBox::Ok)->click();
            },
            Qt::QueuedConnection);
    }).detach();
    namer::fatalError(5, toGbkText(u"数据或数组类型不匹配"_s));
}

TEST(FatalErrorBoxDeathTest, ShowsTheReportWhileNothingRunsThenEndsWithMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Anchored at the end: nothing, the exit clean-up included, may run after the box.
    EXPECT_EXIT(reportWhileTicking(), testing::ExitedWithCode(255),
                "title=错误 critical=1 ok=1 "
                "text=运行时出错!//错误代码：5//错误信息：数据或数组类型不匹配/ ticks=0\n$");
}

}  // namespace

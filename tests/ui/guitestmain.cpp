#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

// GoogleTest's main with the application object that widgets, icons and screens need. The
// application comes first, since test parameters may depend on the screen. Without a platform
// chosen the tests run offscreen, so that listing them needs no display either.
int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

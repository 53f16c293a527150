// The main of every GUI test: one application object for the whole run, on the offscreen
// platform unless told otherwise, since listing the tests must not need a display either.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char *argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>
#include <QApplication>

// Widgets need a QApplication. Test discovery runs without the tests' environment, so the
// offscreen platform is chosen here too unless one is set.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

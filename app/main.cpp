#include <cstdlib>

#include <QApplication>

#include "fatalerrorbox.h"
#include "listfolder.h"
#include "mainwindow.h"
#include "startup.h"

int main(int argc, char *argv[]) {
    std::atexit(releaseListLines);
    QApplication app(argc, argv);
    installFatalErrorBox();
    MainWindow window;
    onMainWindowCreated(window, listFolder());
    window.show();
    return app.exec();
}

#include "fatalerrorbox.h"

#include <cstdlib>

#include <QApplication>
#include <QMessageBox>

#include "fatalerror.h"
#include "handlerblocker.h"
#include "textbridge.h"

using namespace Qt::StringLiterals;

namespace {

namer::FatalErrorHandler handlerWithoutWindows = nullptr;

void showFatalErrorBox(int32_t code, const namer::GbkText &message) {
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) == nullptr) {
        namer::setFatalErrorHandler(handlerWithoutWindows);
        namer::fatalError(code, message);
        std::_Exit(-1);
    }
    QMessageBox box(QMessageBox::Critical, u"错误"_s,
                    toQString(namer::fatalErrorText(code, message)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    HandlerBlocker blocker(&box);
    box.exec();
    // _Exit: the exit clean-up must not run after a fatal error.
    std::_Exit(-1);
}

}  // namespace

void installFatalErrorBox() {
    handlerWithoutWindows = namer::setFatalErrorHandler(showFatalErrorBox);
}

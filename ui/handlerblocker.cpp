#include "handlerblocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool startsHandler(const QEvent *event) {
    switch (event->type()) {
        case QEvent::Timer:
        case QEvent::Shortcut:
        case QEvent::ToolTip:
            return true;
        default:
            return event->isInputEvent();
    }
}

}  // namespace

HandlerBlocker::HandlerBlocker(QWidget *allowed, QObject *parent)
    : QObject(parent), allowed(allowed) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HandlerBlocker::eventFilter(QObject *watched, QEvent *event) {
    // Native windows pass: they hand input on to their widgets, which are filtered in turn, and
    // their own timers only drive painting.
    if (!startsHandler(event) || watched->isWindowType())
        return false;
    return !isInsideAllowed(watched);
}

bool HandlerBlocker::isInsideAllowed(const QObject *object) const {
    for (; object != nullptr; object = object->parent()) {
        if (object == allowed)
            return true;
    }
    return false;
}

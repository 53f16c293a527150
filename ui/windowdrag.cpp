#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// A press reaches a watched surface directly or propagated from the child under the pointer.
// A disabled child takes no mouse input, so its press belongs to the surface; an enabled child
// that merely ignored the press (a caption, the margin of a check box) keeps it.
bool pressedOnSurface(QWidget *surface, QPoint position) {
    for (QWidget *child = surface->childAt(position); child && child != surface;
         child = child->parentWidget()) {
        if (child->isEnabled()) {
            return false;
        }
    }
    return true;
}

}  // namespace

WindowDrag::WindowDrag(QObject *parent) : QObject(parent) {}

void WindowDrag::watch(QWidget *widget) {
    widget->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *press = static_cast<QMouseEvent *>(event);
            return press->button() == Qt::LeftButton &&
                   startDrag(static_cast<QWidget *>(watched), press);
        }
        case QEvent::MouseMove:
            return draggedWindow && follow(static_cast<QMouseEvent *>(event));
        case QEvent::MouseButtonRelease:
            if (draggedWindow && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                draggedWindow = nullptr;
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool WindowDrag::startDrag(QWidget *surface, const QMouseEvent *press) {
    if (!pressedOnSurface(surface, press->position().toPoint())) {
        return false;
    }
    QWidget *window = surface->window();
    QWindow *handle = window->windowHandle();
    if (handle && handle->startSystemMove()) {
        return true;
    }
    draggedWindow = window;
    pressGlobal = press->globalPosition().toPoint();
    windowStart = window->pos();
    return true;
}

bool WindowDrag::follow(const QMouseEvent *move) {
    // A release that never arrived (taken by another window) ends the drag at the next move.
    if (!(move->buttons() & Qt::LeftButton)) {
        draggedWindow = nullptr;
        return false;
    }
    draggedWindow->move(windowStart + move->globalPosition().toPoint() - pressGlobal);
    return true;
}

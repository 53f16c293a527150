#include "balloonpresenter.h"

#include <QEvent>
#include <QWidget>

namespace {

// As long as Qt keeps its own tooltips up.
constexpr int displayTimeMs = 10000;

}  // namespace

BalloonPresenter::BalloonPresenter(QObject *parent) : QObject(parent) {
    expiry.setSingleShot(true);
    expiry.setInterval(displayTimeMs);
    connect(&expiry, &QTimer::timeout, this, &BalloonPresenter::hide);
}

void BalloonPresenter::show(const QPoint &globalPos, const QString &text, QWidget *control) {
    if (tip == nullptr)
        tip = new namer::BalloonTip(control->window());
    if (shownFor != control) {
        if (shownFor != nullptr)
            shownFor->removeEventFilter(this);
        shownFor = control;
        control->installEventFilter(this);
    }
    // The tail ends just below the pointer, not under it: a window under the pointer would take
    // the pointer from the control.
    tip->showText(globalPos + QPoint(0, 2), text);
    expiry.start();
}

void BalloonPresenter::hide() {
    expiry.stop();
    if (tip != nullptr)
        tip->hideText();
}

bool BalloonPresenter::eventFilter(QObject *watched, QEvent *event) {
    if (watched != shownFor)
        return false;
    switch (event->type()) {
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
    }
    return false;
}

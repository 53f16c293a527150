#include "hyperlinklabel.h"

#include <utility>

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

#include "linkopener.h"
#include "look.h"

namespace {

const QColor linkColour(0, 0, 255);
const QColor hoverColour(49, 106, 197);
const QColor visitedColour(128, 0, 0);

}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString &text, const QUrl &target, QWidget *parent)
    : QLabel(text, parent), target(target), opener(&openLink) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    // Without tracking, moves without a button held would not reach the capture.
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(panelColour));
    setPalette(colours);
    updateColour();
}

void HyperlinkLabel::setOpener(Opener opener) {
    this->opener = std::move(opener);
}

void HyperlinkLabel::enterEvent(QEnterEvent *event) {
    setHovered(true);
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent *event) {
    setHovered(false);
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent *event) {
    // The capture delivers every move here, so leaving the rectangle ends the hover. A move
    // inside also starts it, for a pointer that arrived without an enter event.
    setHovered(rect().contains(event->position().toPoint()));
}

void HyperlinkLabel::mousePressEvent(QMouseEvent *event) {
    // A press outside reaches us only through the capture, before a move released it; it is not
    // a press on the link.
    if (!rect().contains(event->position().toPoint())) {
        setHovered(false);
        event->ignore();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    visited = opener(target);
    updateColour();
}

void HyperlinkLabel::setHovered(bool on) {
    if (on == hovered) {
        return;
    }
    hovered = on;
    if (hovered) {
        grabMouse();
    } else {
        releaseMouse();
    }
    updateColour();
}

void HyperlinkLabel::updateColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     hovered ? hoverColour : (visited ? visitedColour : linkColour));
    setPalette(colours);
}

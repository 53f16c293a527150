#include "balloontip.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QRegion>
#include <QScreen>
#include <QToolTip>

namespace namer {

namespace {

constexpr int horizontalPadding = 8;
constexpr int verticalPadding = 5;
constexpr int cornerRadius = 6;
constexpr int tailLength = 14;
constexpr int tailHalfWidth = 7;

QRect screenArea(const QPoint &globalPointer) {
    const QScreen *screen = QGuiApplication::screenAt(globalPointer);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen->availableGeometry();
}

// Body and tail as one outline; the tail's base slides along the body's edge so that it stays
// clear of the rounded corners, leaning over when the tip is near a corner.
QPainterPath balloonOutline(const QRect &body, const QPoint &tip) {
    const bool tailAbove = tip.y() < body.top();
    const qreal edge = tailAbove ? body.top() + 1.0 : body.bottom();
    const qreal lowest = body.left() + cornerRadius + tailHalfWidth;
    const qreal highest = std::max(lowest, body.right() + 1.0 - cornerRadius - tailHalfWidth);
    const qreal baseCentre = std::clamp<qreal>(tip.x() + 0.5, lowest, highest);

    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    QPainterPath tail;
    tail.addPolygon(
        QPolygonF({QPointF(baseCentre - tailHalfWidth, edge), QPointF(tip) + QPointF(0.5, 0.5),
                   QPointF(baseCentre + tailHalfWidth, edge)}));
    tail.closeSubpath();
    return balloon.united(tail);
}

}  // namespace

BalloonTip::BalloonTip(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
}

void BalloonTip::showText(const QPoint &globalPointer, const QString &text) {
    if (text.isEmpty()) {
        hideText();
        return;
    }
    tipText = text;

    const QFontMetrics metrics(font());
    const QSize bodySize(metrics.horizontalAdvance(text) + 2 * horizontalPadding,
                         metrics.height() + 2 * verticalPadding);
    const QRect area = screenArea(globalPointer);
    const bool fitsBelow = globalPointer.y() + tailLength + bodySize.height() <= area.bottom();
    QRect globalBody(QPoint(globalPointer.x() - cornerRadius - 2 * tailHalfWidth,
                            fitsBelow ? globalPointer.y() + tailLength + 1
                                      : globalPointer.y() - tailLength - bodySize.height()),
                     bodySize);
    // A text wider than the screen keeps its beginning on the screen.
    globalBody.moveLeft(
        std::max(area.left(), std::min(globalBody.left(), area.right() + 1 - bodySize.width())));

    const QRect window = globalBody.united(QRect(globalPointer, QSize(1, 1)));
    body = globalBody.translated(-window.topLeft());
    tip = globalPointer - window.topLeft();
    outline = balloonOutline(body, tip);
    // Without a compositor the translucent corners would show black: clip the window to the
    // balloon's own shape.
    setMask(QRegion(outline.toFillPolygon().toPolygon(), Qt::WindingFill));
    setGeometry(window);
    update();
    show();
}

void BalloonTip::hideText() {
    hide();
}

QRect BalloonTip::textRect() const {
    return body.adjusted(horizontalPadding, verticalPadding, -horizontalPadding, -verticalPadding);
}

QPoint BalloonTip::tailTip() const {
    return geometry().topLeft() + tip;
}

void BalloonTip::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(outline);
    painter.drawText(textRect(), Qt::AlignCenter | Qt::TextSingleLine, tipText);
}

}  // namespace namer

#include "flatbutton.h"

#include <QPainter>

#include "look.h"

FlatButton::FlatButton(const QString &text, QWidget *parent) : QAbstractButton(parent) {
    setText(text);
}

void FlatButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(panelColour));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect textRect = isDown() ? rect().translated(1, 1) : rect();
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

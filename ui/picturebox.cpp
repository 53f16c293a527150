#include "picturebox.h"

#include <QPainter>

#include "look.h"

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setImage(const QImage &image) {
    picture = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (picture.isNull())
        painter.fillRect(inside, QColor(panelColour));
    else
        painter.drawImage(inside, picture);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

#include "imagebutton.h"

#include <QPainter>

ImageButton::ImageButton(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void ImageButton::setImage(const QImage &image) {
    face = image;
    update();
}

void ImageButton::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    if (face.isNull()) {
        painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::red);
        return;
    }
    QRect target(QPoint(), face.size());
    target.moveCenter(rect().center());
    painter.drawImage(target, face);
}

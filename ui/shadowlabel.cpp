#include "shadowlabel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

ShadowLabel::ShadowLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    // Where the designed face is not installed, the first installed CJK sans face stands in.
    QFont titleFont;
    titleFont.setFamilies({u"微软雅黑"_s, u"WenQuanYi Micro Hei"_s});
    titleFont.setPixelSize(40);
    titleFont.setWeight(QFont::Bold);
    setFont(titleFont);
}

void ShadowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawText(rect().translated(2, 2), Qt::AlignCenter | Qt::TextSingleLine, text());
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

#include "statusbar.h"

#include <QLabel>

#include "maker.h"

using namespace Qt::StringLiterals;

namespace {

struct PartDesign {
    int width;
    bool sunken;
    QString text;
};

std::array<PartDesign, StatusBar::partCount> partDesigns() {
    return {{
        {66, false, u"当前日期："_s},
        {100, false, QString()},
        {66, false, u"当前时间："_s},
        {200, false, QString()},
        {105, true, u"公司：Tavelin软件"_s},
        {83, true, u"作者："_s + QString::fromUtf16(authorName)},
    }};
}

}  // namespace

StatusBar::StatusBar(QWidget *parent) : QWidget(parent) {
    setAutoFillBackground(true);
    int left = 0;
    int index = 0;
    for (const PartDesign &design : partDesigns()) {
        auto *part = new QLabel(design.text, this);
        part->setTextFormat(Qt::PlainText);
        part->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (design.sunken)
            part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setGeometry(left, 0, design.width, 20);
        left += design.width;
        parts[index++] = part;
    }
}

void StatusBar::setPartText(int part, const QString &text) {
    if (part >= 0 && part < partCount)
        parts[part]->setText(text);
}

QString StatusBar::partText(int part) const {
    return part >= 0 && part < partCount ? parts[part]->text() : QString();
}

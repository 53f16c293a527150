#include "look.h"

#include <QPalette>
#include <QWidget>

void applyPanelLook(QWidget *widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, QColor(panelColour));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

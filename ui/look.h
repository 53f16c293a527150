#pragma once

#include <QColor>

class QWidget;

// The golden yellow of the background picture: controls filled with it merge into the picture.
inline constexpr QRgb panelColour = qRgb(232, 178, 46);

// Fills the widget's background (and an edit box's field) with panelColour and draws its text in
// black, in every state. Check boxes and radio buttons keep their caption close to the box.
void applyPanelLook(QWidget *widget);

#pragma once

#include <QIcon>
#include <QImage>

namespace namer {

// The background picture, 999 x 643; a null image when it cannot be decoded. The window draws
// it with QPainter::drawImage(clientRect, picture), which stretches width and height apart.
QImage backgroundPicture();
// The close button's image, 23 x 23; a null image when it cannot be decoded.
QImage closePicture();
// The program icon in its eight sizes, 16 to 128 pixels.
QIcon programIcon();

}  // namespace namer

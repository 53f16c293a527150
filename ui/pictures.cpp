#include "pictures.h"

#include "jpegdecoder.h"
#include "picturedata.h"

namespace namer {

QImage backgroundPicture() {
    return decodeJpeg(embedded::backgroundJpeg, QSize(999, 643)).value_or(QImage());
}

QImage closePicture() {
    return decodeJpeg(embedded::closeJpeg, QSize(23, 23)).value_or(QImage());
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {128, 96, 72, 64, 48, 32, 24, 16}) {
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/tavelin-namer.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace namer

#include "textbridge.h"

#include "textcodec.h"

QString toQString(const namer::GbkText &text) {
    return QString::fromStdString(namer::utf8FromGbk(text));
}

namer::GbkText toGbkText(const QString &text) {
    return namer::gbkFromUtf8(text.toStdString());
}

#include "gbklengthvalidator.h"

#include "textbridge.h"

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject *parent)
    : QValidator(parent), maxBytes(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString &input, int &) const {
    return namer::byteLength(toGbkText(input)) <= maxBytes ? Acceptable : Invalid;
}

#pragma once

#include <QValidator>

// Refuses input that takes more than maxBytes bytes as GbkText, so that a box holds at most
// maxBytes / 2 Chinese characters or maxBytes ASCII ones.
class GbkLengthValidator : public QValidator {
    Q_OBJECT

public:
    explicit GbkLengthValidator(int maxBytes, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    int maxBytes;
};

#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text one character at a time, as a keyboard or an input method delivers it; unlike
// QTest::keyClicks it keeps a character beyond the 16-bit range in one piece.
inline void typeInto(QWidget *widget, const QString &text) {
    for (char32_t character : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
}

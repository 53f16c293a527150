#pragma once

#include <QAbstractButton>

// A flat push button: panelColour face with a line around it and black text in every state,
// no focus line. Pressed, the caption moves down and right by a pixel.
class FlatButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

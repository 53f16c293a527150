#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace namer {

// A tooltip window shaped as a balloon: a rounded body on one line of text, with a tail whose
// tip is at the pointer. It shows without activating and lets the mouse through to the window
// beneath, so it also shows while the program's window is not the active one.
class BalloonTip : public QWidget {
    Q_OBJECT

public:
    explicit BalloonTip(QWidget *parent = nullptr);

    // Shows text, however long, on one line with the tail's tip at globalPointer. The balloon
    // hangs below the pointer, or stands above it when the screen ends too soon, and is shifted
    // sideways into the screen. Empty text hides the balloon.
    void showText(const QPoint &globalPointer, const QString &text);
    void hideText();

    // Where the text is drawn, in widget coordinates.
    QRect textRect() const;
    // The tail's tip, in global coordinates.
    QPoint tailTip() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString tipText;
    QRect body;
    QPoint tip;
    QPainterPath outline;
};

}  // namespace namer

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

// Moves a frameless window by its surface: a left press on a watched widget drags the whole
// window until the button is released. Presses that an enabled child of a watched widget ignored
// do not drag; presses on a disabled child, which takes no mouse input, do.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    explicit WindowDrag(QObject *parent = nullptr);

    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool startDrag(QWidget *surface, const QMouseEvent *press);
    bool follow(const QMouseEvent *move);

    // Set while the window follows the pointer by itself, where the platform has no system move.
    QPointer<QWidget> draggedWindow;
    QPoint pressGlobal;
    QPoint windowStart;
};

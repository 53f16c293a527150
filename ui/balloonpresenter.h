#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "balloontip.h"

// Shows the program's tooltips in one balloon, for as long as a tip stays: leaving the control,
// pressing a button on it or hiding it takes the balloon away, and so does the end of the
// display time.
class BalloonPresenter : public QObject {
    Q_OBJECT

public:
    explicit BalloonPresenter(QObject *parent = nullptr);

    void show(const QPoint &globalPos, const QString &text, QWidget *control);
    // The balloon shown last; null before the first tip.
    namer::BalloonTip *balloon() const { return tip; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hide();

    // Owned by the window of the control it first showed for, so that it goes with the windows.
    QPointer<namer::BalloonTip> tip;
    QPointer<QWidget> shownFor;
    QTimer expiry;
};

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// While it exists, keeps timer ticks and input away from every object of the program except
// allowed and what lies inside it, so that no handler runs but allowed's own.
class HandlerBlocker : public QObject {
    Q_OBJECT

public:
    explicit HandlerBlocker(QWidget *allowed, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInsideAllowed(const QObject *object) const;

    QPointer<QWidget> allowed;
};

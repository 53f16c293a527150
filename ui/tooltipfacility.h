#pragma once

#include <functional>

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>

class QWidget;

// The program's one tooltip facility. A control's tip shows at the pointer while the pointer
// rests on the control, also while the window is not the active one, on a single line. The
// control's accessible description carries the same text, so screen readers announce it too.
class TooltipFacility : public QObject {
    Q_OBJECT

public:
    // Shows text near globalPos for control; a balloon unless replaced.
    using Presenter =
        std::function<void(const QPoint &globalPos, const QString &text, QWidget *control)>;

    static TooltipFacility &instance();

    // Gives control the tip text, replacing the one it had; the empty text leaves it without a
    // tip. A null control is ignored.
    void attach(QWidget *control, const QString &text);
    // The empty text for a control without a tip.
    QString tipOf(const QWidget *control) const;
    void setPresenter(Presenter presenter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TooltipFacility(QObject *parent);

    void detach(QWidget *control);

    QHash<const QObject *, QString> tips;
    Presenter presenter;
};

// attach on the shared facility.
void attachTooltip(QWidget *control, const QString &text);

#include "tooltipfacility.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QWidget>

#include "balloonpresenter.h"

TooltipFacility::TooltipFacility(QObject *parent) : QObject(parent) {
    auto *balloons = new BalloonPresenter(this);
    presenter = [balloons](const QPoint &globalPos, const QString &text, QWidget *control) {
        balloons->show(globalPos, text, control);
    };
}

TooltipFacility &TooltipFacility::instance() {
    // Owned by the application, so that it goes when the application goes.
    static QPointer<TooltipFacility> facility;
    if (!facility)
        facility = new TooltipFacility(QCoreApplication::instance());
    return *facility;
}

void TooltipFacility::attach(QWidget *control, const QString &text) {
    if (control == nullptr)
        return;
    if (text.isEmpty()) {
        detach(control);
        return;
    }
    if (!tips.contains(control)) {
        control->installEventFilter(this);
        connect(control, &QObject::destroyed, this, [this](QObject *gone) { tips.remove(gone); });
    }
    tips.insert(control, text);
    control->setAccessibleDescription(text);
    // Qt asks for tips over an inactive window only when the window allows it.
    control->window()->setAttribute(Qt::WA_AlwaysShowToolTips);
}

void TooltipFacility::detach(QWidget *control) {
    if (!tips.remove(control))
        return;
    control->removeEventFilter(this);
    disconnect(control, &QObject::destroyed, this, nullptr);
    control->setAccessibleDescription(QString());
}

QString TooltipFacility::tipOf(const QWidget *control) const {
    return tips.value(control);
}

void TooltipFacility::setPresenter(Presenter newPresenter) {
    presenter = std::move(newPresenter);
}

bool TooltipFacility::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ToolTip || !tips.contains(watched))
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    presenter(help->globalPos(), tips.value(watched), static_cast<QWidget *>(watched));
    return true;
}

void attachTooltip(QWidget *control, const QString &text) {
    TooltipFacility::instance().attach(control, text);
}

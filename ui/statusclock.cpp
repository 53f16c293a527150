#include "statusclock.h"

#include <utility>

#include <QDateTime>
#include <QTimer>

using namespace namer;

StatusClock::StatusClock(PartTextSetter setPartText, QObject *parent)
    : StatusClock(std::move(setPartText), &StatusClock::localNow, parent) {}

StatusClock::StatusClock(PartTextSetter setPartText, DateTimeSource now, QObject *parent)
    : QObject(parent),
      setPartText(std::move(setPartText)),
      now(std::move(now)),
      clockTimer(new QTimer(this)) {
    clockTimer->setObjectName(QStringLiteral("时钟1"));
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &StatusClock::onClockTick);
    clockTimer->start();
}

DateTime StatusClock::localNow() {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

void StatusClock::onClockTick() {
    const GbkText t = dateTimeText(now());
    const int32_t p = findText(t, dayMark(), 1, false);
    setPartText(1, leftBytes(t, p + 1));

    const GbkText u = dateTimeText(now());
    const int32_t q = findText(u, dayMark(), 1, false);
    setPartText(3, midBytes(u, q + 2, 99));
}

#pragma once

#include <functional>

#include <QObject>

#include "datetimetext.h"
#include "gbktext.h"

class QTimer;

// The status-bar clock: its timer 时钟1 starts at creation and writes the date into part 1 and
// the time into part 3 once a second.
class StatusClock : public QObject {
    Q_OBJECT

public:
    using PartTextSetter = std::function<void(int part, const namer::GbkText &text)>;
    using DateTimeSource = std::function<namer::DateTime()>;

    explicit StatusClock(PartTextSetter setPartText, QObject *parent = nullptr);
    // now is read twice per tick, first for the date and then for the time.
    StatusClock(PartTextSetter setPartText, DateTimeSource now, QObject *parent = nullptr);

    QTimer *timer() const { return clockTimer; }

    // The local clock in whole seconds.
    static namer::DateTime localNow();

public slots:
    void onClockTick();

private:
    PartTextSetter setPartText;
    DateTimeSource now;
    QTimer *clockTimer;
};

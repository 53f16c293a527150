#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <QTimer>

#include "statusclock.h"
#include "textcodec.h"

using namer::DateTime;

namespace {

struct PartText {
    int part;
    std::string utf8;
    bool operator==(const PartText &) const = default;
};

// A status bar that records what it is told and a clock that returns the given instants in turn.
class StatusClockTest : public testing::Test {
protected:
    StatusClock &makeClock(std::deque<DateTime> instants) {
        readings = std::move(instants);
        clock = std::make_unique<StatusClock>(
            [this](int part, const namer::GbkText &text) {
                written.push_back({part, namer::utf8FromGbk(text)});
            },
            [this] {
                const DateTime next = readings.front();
                readings.pop_front();
                return next;
            });
        return *clock;
    }

    std::deque<DateTime> readings;
    std::vector<PartText> written;
    std::unique_ptr<StatusClock> clock;
};

struct TickCase {
    DateTime now;
    const char *date;
    const char *time;
};

void PrintTo(const TickCase &c, std::ostream *out) {
    *out << c.date << c.time;
}

class StatusClockTickTest : public StatusClockTest, public testing::WithParamInterface<TickCase> {};

TEST_P(StatusClockTickTest, WritesDateToPartOneAndTimeToPartThree) {
    const TickCase &c = GetParam();
    makeClock({c.now, c.now}).onClockTick();
    EXPECT_EQ(written, (std::vector<PartText>{{1, c.date}, {3, c.time}}));
}

INSTANTIATE_TEST_SUITE_P(
    Instants, StatusClockTickTest,
    testing::Values(TickCase{{2012, 12, 7, 10, 50, 14}, "2012年12月7日", "10时50分14秒"},
                    TickCase{{2012, 12, 7, 10, 5, 0}, "2012年12月7日", "10时5分"},
                    TickCase{{2012, 12, 7, 10, 0, 0}, "2012年12月7日", "10时"},
                    // At midnight the time part is cleared.
                    TickCase{{2012, 12, 8, 0, 0, 0}, "2012年12月8日", ""},
                    TickCase{{2012, 12, 8, 0, 0, 1}, "2012年12月8日", "0时0分1秒"},
                    TickCase{{2013, 1, 5, 9, 3, 7}, "2013年1月5日", "9时3分7秒"},
                    TickCase{{2013, 12, 31, 23, 59, 59}, "2013年12月31日", "23时59分59秒"}));

TEST_F(StatusClockTest, TakesTheDateFromTheFirstReadingAndTheTimeFromTheSecond) {
    makeClock({{2012, 12, 31, 23, 59, 59}, {2013, 1, 5, 9, 3, 7}}).onClockTick();
    EXPECT_EQ(written, (std::vector<PartText>{{1, "2012年12月31日"}, {3, "9时3分7秒"}}));
    EXPECT_TRUE(readings.empty());
}

TEST_F(StatusClockTest, TimerRunsFromCreationAndTicksTheClock) {
    QTimer *timer = makeClock({{2012, 12, 7, 10, 50, 14}, {2012, 12, 7, 10, 50, 14}}).timer();
    EXPECT_EQ(timer->objectName(), QStringLiteral("时钟1"));
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(written.empty());

    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    EXPECT_EQ(written, (std::vector<PartText>{{1, "2012年12月7日"}, {3, "10时50分14秒"}}));
}

}  // namespace

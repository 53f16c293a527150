#pragma once

#include <cstdint>

#include "gbktext.h"

namespace namer {

// A local calendar date and time of day in whole seconds.
struct DateTime {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// "<year>年<month>月<day>日" followed by the time: "<h>时<m>分<s>秒", shortened to "<h>时<m>分"
// when the second is 0, to "<h>时" when minute and second are 0, and to nothing at 00:00:00.
// Numbers carry no leading zeros, so the length varies.
GbkText dateTimeText(const DateTime &value);

// "日", which ends the date part of a dateTimeText: the time part is everything after it.
GbkText dayMark();

}  // namespace namer

#include "datetimetext.h"

#include <string>
#include <string_view>

namespace namer {

namespace {

// The unit characters as GBK bytes: the compiler reads sources as UTF-8.
constexpr std::string_view yearBytes = "\xC4\xEA";    // 年
constexpr std::string_view monthBytes = "\xD4\xC2";   // 月
constexpr std::string_view dayBytes = "\xC8\xD5";     // 日
constexpr std::string_view hourBytes = "\xCA\xB1";    // 时
constexpr std::string_view minuteBytes = "\xB7\xD6";  // 分
constexpr std::string_view secondBytes = "\xC3\xEB";  // 秒

void appendField(std::string &text, int32_t number, std::string_view unit) {
    text += std::to_string(number);
    text += unit;
}

}  // namespace

GbkText dateTimeText(const DateTime &value) {
    std::string text;
    appendField(text, value.year, yearBytes);
    appendField(text, value.month, monthBytes);
    appendField(text, value.day, dayBytes);
    // Trailing zero fields are left out, from the second upwards.
    if (value.hour != 0 || value.minute != 0 || value.second != 0) {
        appendField(text, value.hour, hourBytes);
    }
    if (value.minute != 0 || value.second != 0) {
        appendField(text, value.minute, minuteBytes);
    }
    if (value.second != 0) {
        appendField(text, value.second, secondBytes);
    }
    return GbkText(text);
}

GbkText dayMark() {
    return GbkText(dayBytes);
}

}  // namespace namer

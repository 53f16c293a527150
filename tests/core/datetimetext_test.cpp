#include <gtest/gtest.h>

#include "casename.h"

#include "datetimetext.h"
#include "gbk.h"

namespace namer {
namespace {

struct DateTimeCase {
    const char *what;
    DateTime value;
    const char *expected;
};

class DateTimeTextTest : public testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimeTextTest, WritesTheDateAndTheShortestTimePart) {
    const DateTimeCase &c = GetParam();
    EXPECT_EQ(dateTimeText(c.value).bytes(), gbk(c.expected).bytes()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DateTimeTextTest,
    testing::Values(
        DateTimeCase{"second set", {2012, 12, 7, 10, 50, 14}, "2012年12月7日10时50分14秒"},
        DateTimeCase{"second zero", {2012, 12, 7, 10, 5, 0}, "2012年12月7日10时5分"},
        DateTimeCase{"minute and second zero", {2012, 12, 7, 10, 0, 0}, "2012年12月7日10时"},
        DateTimeCase{"midnight", {2012, 12, 7, 0, 0, 0}, "2012年12月7日"},
        DateTimeCase{"second after midnight", {2012, 12, 8, 0, 0, 1}, "2012年12月8日0时0分1秒"},
        DateTimeCase{"zero hour before a second", {2013, 1, 5, 0, 0, 9}, "2013年1月5日0时0分9秒"},
        DateTimeCase{"zero hour before a minute", {2013, 1, 5, 0, 7, 0}, "2013年1月5日0时7分"},
        DateTimeCase{"single digits", {2013, 1, 5, 9, 3, 7}, "2013年1月5日9时3分7秒"},
        DateTimeCase{"zero minute before a second", {2013, 1, 5, 9, 0, 7}, "2013年1月5日9时0分7秒"},
        DateTimeCase{"longest", {1999, 12, 31, 23, 59, 59}, "1999年12月31日23时59分59秒"}),
    CaseName());

TEST(DateTimeText, WritesTheUnitCharactersAsGbkBytes) {
    // 年 C4 EA, 月 D4 C2, 日 C8 D5, 时 CA B1, 分 B7 D6, 秒 C3 EB, independent of the converter.
    EXPECT_EQ(dateTimeText({2012, 12, 7, 10, 50, 14}).bytes(),
              "2012\xC4\xEA"
              "12\xD4\xC2"
              "7\xC8\xD5"
              "10\xCA\xB1"
              "50\xB7\xD6"
              "14\xC3\xEB");
    EXPECT_EQ(dayMark().bytes(), "\xC8\xD5");
}

}  // namespace
}  // namespace namer

#include <gtest/gtest.h>

#include "casename.h"

#include "gbk.h"
#include "gbktext.h"

namespace namer {
namespace {

const GbkText abc("abc");
const GbkText abcdef("abcdef");

TEST(GbkTextTest, ConstructionStopsAtAZeroByte) {
    EXPECT_EQ(GbkText(std::string_view("ab\0cd", 5)).bytes(), "ab");
}

struct SliceCase {
    const char *what;
    GbkText result;
    GbkText expected;
};

class SliceTest : public testing::TestWithParam<SliceCase> {};

TEST_P(SliceTest, GivesTheExpectedBytes) {
    EXPECT_EQ(GetParam().result.bytes(), GetParam().expected.bytes()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    LeftAndMid, SliceTest,
    testing::Values(SliceCase{"left 0", leftBytes(abc, 0), GbkText()},
                    SliceCase{"left -1", leftBytes(abc, -1), GbkText()},
                    SliceCase{"left past the end", leftBytes(abc, 5), abc},
                    SliceCase{"left inside", leftBytes(abc, 2), GbkText("ab")},
                    // Two characters cut after byte 3: the first whole, the lead byte of the next.
                    SliceCase{"left cuts a character", leftBytes(gbk("张三"), 3),
                              GbkText(gbk("张").bytes() + gbk("三").bytes().substr(0, 1))},
                    SliceCase{"mid start 0", midBytes(abcdef, 0, 2), GbkText()},
                    SliceCase{"mid start past the end", midBytes(abcdef, 7, 1), GbkText()},
                    SliceCase{"mid count 0", midBytes(abcdef, 2, 0), GbkText()},
                    SliceCase{"mid count negative", midBytes(abcdef, 2, -3), GbkText()},
                    SliceCase{"mid clamps the count", midBytes(abcdef, 4, 999), GbkText("def")},
                    SliceCase{"mid inside", midBytes(abcdef, 2, 3), GbkText("bcd")},
                    SliceCase{"mid of empty", midBytes(GbkText(), 1, 1), GbkText()},
                    SliceCase{"mid huge count", midBytes(abcdef, 6, 2147483647), GbkText("f")}),
    CaseName());

struct FindCase {
    const char *what;
    GbkText text;
    GbkText sought;
    int32_t start;
    bool ignoreCase;
    int32_t expected;
};

class FindTextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsAtCharacterBoundariesOnly) {
    const FindCase &c = GetParam();
    EXPECT_EQ(findText(c.text, c.sought, c.start, c.ignoreCase), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    testing::Values(
        // 比张 is B1 C8 D5 C5: its bytes 2-3 are 日 (C8 D5), which must not match.
        FindCase{"across a character boundary", gbk("比张"), gbk("日"), 1, false, -1},
        FindCase{"at the very beginning", gbk("日期"), gbk("日"), 1, false, 1},
        FindCase{"date text", gbk("2012年12月7日10时"), gbk("日"), 1, false, 12},
        FindCase{"start 0 searches from the first byte", GbkText("abc"), GbkText("a"), 0, false, 1},
        FindCase{"negative start", GbkText("abc"), GbkText("b"), -4, false, 2},
        FindCase{"start beyond the last byte", GbkText("abc"), GbkText("c"), 4, false, -1},
        FindCase{"position counts from the whole text", GbkText("abcabc"), GbkText("a"), 2, false,
                 4},
        FindCase{"sought longer than the rest", GbkText("abc"), GbkText("bcd"), 1, false, -1},
        FindCase{"case differs", GbkText("xABc"), GbkText("ab"), 1, false, -1},
        FindCase{"ignoring case", GbkText("xABc"), GbkText("ab"), 1, true, 2},
        // A start on a trail byte scans from that byte without realigning.
        FindCase{"start on a trail byte", gbk("比张"), gbk("日"), 2, false, 2},
        // A lead byte as the last byte ends the search.
        FindCase{"lone lead byte at the end", GbkText("a\xB1"), GbkText("z"), 1, false, -1}),
    CaseName());

struct TrimCase {
    const char *what;
    GbkText text;
    GbkText expected;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesOnlyBlanksAtBothEnds) {
    EXPECT_EQ(trimBothEnds(GetParam().text).bytes(), GetParam().expected.bytes())
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimTest,
    testing::Values(
        TrimCase{"mixed full-width and ASCII blanks", gbk("　张　 "), gbk("张")},
        TrimCase{"inner blank stays", gbk("张 三"), gbk("张 三")},
        TrimCase{"inner full-width blank stays", gbk(" 张　三 "), gbk("张　三")},
        TrimCase{"tab and line break stay", GbkText("\tab\n"), GbkText("\tab\n")},
        TrimCase{"blanks only", gbk(" 　 　"), GbkText()}, TrimCase{"empty", GbkText(), GbkText()},
        TrimCase{"leading 、 is not a blank", gbk("、张"), gbk("、张")},
        // A character whose trail byte is A1 followed by A1 of the next character: not a blank.
        TrimCase{"trail byte A1 is not the start of a blank", GbkText("\xB0\xA1\xA1\xA2"),
                 GbkText("\xB0\xA1\xA1\xA2")},
        // A lone lead byte at the end is dropped; the blanks before it stay.
        TrimCase{"lone lead byte", GbkText(gbk("张").bytes() + "  \xB1"),
                 GbkText(gbk("张").bytes() + "  ")},
        TrimCase{"lone lead byte after leading blanks", GbkText("  \xB1"), GbkText()}),
    CaseName());

TEST(GbkTextTest, SameTextComparesBytes) {
    EXPECT_TRUE(sameText(GbkText(), GbkText()));
    EXPECT_FALSE(sameText(GbkText(" "), GbkText()));
    EXPECT_TRUE(sameText(gbk("张"), gbk("张")));
    EXPECT_FALSE(sameText(gbk("张"), gbk("章")));
}

TEST(GbkTextTest, JoinTextPutsArgumentsInOrder) {
    EXPECT_EQ(joinText(gbk("王"), GbkText()), gbk("王"));
    EXPECT_EQ(joinText(gbk("王"), gbk("小"), gbk("明")), gbk("王小明"));
    EXPECT_EQ(joinText(GbkText(), GbkText(), GbkText()), GbkText());
}

TEST(GbkTextTest, IntToTextWritesPlainDecimal) {
    EXPECT_EQ(intToText(0).bytes(), "0");
    EXPECT_EQ(intToText(-5).bytes(), "-5");
    EXPECT_EQ(intToText(2147483647).bytes(), "2147483647");
    EXPECT_EQ(intToText(-2147483647 - 1).bytes(), "-2147483648");
}

TEST(TextCodecTest, RoundTripsCharactersOutsideGbk) {
    // 𠀀 (U+20000) has no GBK code; GB18030 keeps it as four bytes.
    const char *rare = "\xF0\xA0\x80\x80";
    EXPECT_EQ(byteLength(gbk(rare)), 4);
    EXPECT_EQ(utf8FromGbk(gbk(rare)), rare);
    EXPECT_EQ(gbk("张").bytes(), "\xD5\xC5");
}

}  // namespace
}  // namespace namer

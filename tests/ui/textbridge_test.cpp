#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "textbridge.h"

using namespace Qt::StringLiterals;

namespace {

struct BridgeCase {
    const char *what;
    QString text;
    std::string bytes;

    friend std::ostream &operator<<(std::ostream &os, const BridgeCase &c) { return os << c.what; }
};

class TextBridge : public testing::TestWithParam<BridgeCase> {};

TEST_P(TextBridge, ConvertsBothWaysWithoutLoss) {
    const BridgeCase &c = GetParam();
    EXPECT_EQ(toGbkText(c.text).bytes(), c.bytes);
    EXPECT_EQ(toQString(namer::GbkText(c.bytes)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextBridge,
    testing::Values(BridgeCase{"empty", QString(), ""}, BridgeCase{"ascii", u"Li"_s, "Li"},
                    BridgeCase{"chinese", u"张"_s, "\xD5\xC5"},
                    BridgeCase{"fullWidthBlank", u"　"_s, "\xA1\xA1"},
                    // Not in GBK: GB18030's four bytes keep it instead of a "?".
                    BridgeCase{"beyondGbk", u"𠮷"_s, "\x95\x34\xB2\x35"},
                    BridgeCase{"mixed", u"李 a"_s, "\xC0\xEE a"}),
    [](const testing::TestParamInfo<BridgeCase> &info) { return std::string(info.param.what); });

}  // namespace

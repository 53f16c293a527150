#include <gtest/gtest.h>

#include <climits>

#include <QLabel>

#include "statusbar.h"

using namespace Qt::StringLiterals;

namespace {

std::vector<QLabel *> parts(const StatusBar &bar) {
    std::vector<QLabel *> labels;
    for (QLabel *label : bar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        labels.push_back(label);
    return labels;
}

TEST(StatusBar, HasSixPartsOfFixedWidths) {
    const struct {
        int left;
        int width;
        bool sunken;
        QString text;
    } expected[] = {{0, 66, false, u"当前日期："_s},          {66, 100, false, {}},
                    {166, 66, false, u"当前时间："_s},        {232, 200, false, {}},
                    {432, 105, true, u"公司：Tavelin软件"_s}, {537, 83, true, u"作者：林晓禾"_s}};
    StatusBar bar;
    const std::vector<QLabel *> labels = parts(bar);
    ASSERT_EQ(labels.size(), std::size(expected));
    for (std::size_t part = 0; part < labels.size(); ++part) {
        SCOPED_TRACE(part);
        EXPECT_EQ(labels[part]->geometry(),
                  QRect(expected[part].left, 0, expected[part].width, 20));
        EXPECT_EQ(labels[part]->frameShadow() == QFrame::Sunken &&
                      labels[part]->frameShape() == QFrame::Panel,
                  expected[part].sunken);
        EXPECT_EQ(bar.partText(static_cast<int>(part)), expected[part].text);
        EXPECT_EQ(labels[part]->text(), expected[part].text);
    }
}

class SetPartText : public testing::TestWithParam<int> {};

TEST_P(SetPartText, ChangesOnlyAPartThatExists) {
    StatusBar bar;
    QStringList before;
    for (QLabel *label : parts(bar))
        before << label->text();
    const int part = GetParam();
    bar.setPartText(part, u"2012年12月7日"_s);
    const std::vector<QLabel *> labels = parts(bar);
    for (int i = 0; i < StatusBar::partCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(labels[i]->text(), i == part ? u"2012年12月7日"_s : before[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(PartNumbers, SetPartText,
                         testing::Values(INT_MIN, -1, 0, 1, 3, 5, 6, INT_MAX));

}  // namespace

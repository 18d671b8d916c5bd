// The scale of the records' charts.
#include <gtest/gtest.h>

#include "qt/records/chartwidget.h"

using namespace vantorelle;

TEST(RecordsChart, ResultsBelowZeroHaveRoomUnderTheAxis)
{
    // A Bob's 27 that ended at -3 beside one of 21: 0 stays on a step.
    const ChartScale s = chartScale(-3, 21);
    EXPECT_DOUBLE_EQ(s.bottom, -5);
    EXPECT_DOUBLE_EQ(s.top, 25);
    EXPECT_EQ(s.steps, 6);
    const ChartScale alone = chartScale(-3, -3);
    EXPECT_LE(alone.bottom, -3);
    EXPECT_GT(alone.top, 0);
    // Nothing below zero: the scale is the usual one.
    const ChartScale usual = chartScale(0, 21);
    EXPECT_DOUBLE_EQ(usual.bottom, 0);
    EXPECT_DOUBLE_EQ(usual.top, chartScale(21).top);
}

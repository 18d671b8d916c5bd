#include <gtest/gtest.h>

#include "rules/app/theme.h"

using namespace vantorelle;

TEST(Theme, CodesAreExactAndTheGradientRunsToBlack)
{
    ASSERT_TRUE(themeFor("EM"));
    EXPECT_EQ(themeFor("EM")->colour, (Rgb{0, 0, 255}));
    EXPECT_STREQ(themeFor("WCh")->name, "WORLD CHAMPIONSHIP");
    EXPECT_FALSE(themeFor("em"));
    EXPECT_FALSE(themeFor("WCH"));
    // The dark look still counts as a colour, so later repaints keep it.
    EXPECT_FALSE(isNoColour(themeFor("AllBlack")->colour));

    const Rgb c{255, 128, 1};
    EXPECT_EQ(gradientStroke(c, 0, 1000), c);
    EXPECT_EQ(gradientStroke(c, 1000, 1000), (Rgb{0, 0, 0}));
    // Halves round to even: 255 * 998 / 1000 = 254.49, 128 * 500 / 1000 = 64, 1 * 500 / 1000 = 0.5 -> 0.
    EXPECT_EQ(gradientStroke(c, 2, 1000), (Rgb{254, 128, 1}));
    EXPECT_EQ(gradientStroke(c, 500, 1000), (Rgb{128, 64, 0}));
    EXPECT_EQ(gradientStroke({3, 0, 0}, 500, 1000), (Rgb{2, 0, 0})); // 1.5 -> 2
}

#include <gtest/gtest.h>

#include "rules/match/aim.h"
#include "rules/match/throwmodel.h"

using namespace vantorelle;

TEST(AimCircle, PulsesBetweenItsLimitsAtEachSpeed)
{
    struct Case {
        int speed, ticks, smallest;
    };
    for (const Case c : {Case{104, 19, 24}, Case{112, 17, 96}, Case{120, 16, 80}, Case{128, 15, 80}}) {
        AimCircle a;
        a.start(2595, 2595);
        EXPECT_EQ(a.left, 1595);
        int ticks = 0;
        while (a.shrinkX) {
            a.tick(c.speed);
            ++ticks;
        }
        EXPECT_EQ(ticks, c.ticks) << c.speed;
        EXPECT_EQ(a.width, c.smallest) << c.speed;
        EXPECT_EQ(a.height, c.smallest);
        EXPECT_EQ(a.centreX(), 2595); // it keeps its centre
        ticks = 0;
        while (!a.shrinkX) {
            a.tick(c.speed);
            ++ticks;
        }
        EXPECT_EQ(ticks, c.ticks) << c.speed;
        EXPECT_EQ(a.width, 2000);
    }
}

TEST(AimCircle, FrozenWidthStaysWhileTheHeightPulses)
{
    AimCircle a;
    a.start(1000, 1000);
    for (int i = 0; i < 5; ++i)
        a.tick(104);
    a.freeX = false;
    const int w = a.width;
    for (int i = 0; i < 10; ++i)
        a.tick(104);
    EXPECT_EQ(a.width, w);
    EXPECT_NE(a.height, w);
    a.clear();
    EXPECT_FALSE(a.visible || a.freeX || a.freeY || a.shrinkX || a.shrinkY);
}

TEST(HumanThrow, SpreadFollowsTheFrozenCircle)
{
    Rng rng(7);
    int minX = 1 << 30, maxX = 0, minY = 1 << 30, maxY = 0;
    bool left = false, right = false, up = false, down = false;
    for (int i = 0; i < 20000; ++i) {
        const Point p = humanLanding(2595, 2595, 2000, 2000, rng);
        const int dx = std::abs(p.x - 2595), dy = std::abs(p.y - 2595);
        minX = std::min(minX, dx), maxX = std::max(maxX, dx);
        minY = std::min(minY, dy), maxY = std::max(maxY, dy);
        left |= p.x<2595, right |= p.x> 2595, up |= p.y<2595, down |= p.y> 2595;
    }
    // Horizontally W/4 to 5W/4, vertically H/80 to H/4 + H/80.
    EXPECT_GE(minX, 500);
    EXPECT_LT(maxX, 2500);
    EXPECT_GT(maxX, 2400);
    EXPECT_GE(minY, 25);
    EXPECT_LT(maxY, 525);
    EXPECT_GT(maxY, 500);
    EXPECT_TRUE(left && right && up && down);

    // The smallest circle throws within 120 across and 25 up or down.
    for (int i = 0; i < 5000; ++i) {
        const Point p = humanLanding(2595, 2595, 96, 96, rng);
        EXPECT_LE(std::abs(p.x - 2595), 120);
        EXPECT_LE(std::abs(p.y - 2595), 25);
    }
}

TEST(ComputerSkill, LevelAndQByRankAndDifficulty)
{
    EXPECT_EQ(computerLevel(5, 3), 1); // top-16 PRO
    EXPECT_EQ(computerLevel(16, 0), 4);
    EXPECT_EQ(computerLevel(17, 3), 2);
    EXPECT_EQ(computerLevel(32, 2), 4);
    EXPECT_EQ(computerLevel(80, 1), 9);
    EXPECT_EQ(computerLevel(81, 3), 4);
    EXPECT_EQ(computerLevel(100, 0), 16);
    EXPECT_EQ(computerLevel(0, 3), 1); // not in the roster counts as top rank

    EXPECT_EQ(computerQ(2), 0); // 0.5 to even
    EXPECT_EQ(computerQ(5), 1);
    EXPECT_EQ(computerQ(6), 2);  // 1.5 to even
    EXPECT_EQ(computerQ(10), 2); // 2.5 to even
    EXPECT_EQ(computerQ(100), 25);
    EXPECT_EQ(computerQ(160), 40);

    EXPECT_EQ(threeDartAverage(0, 0), 0);
    EXPECT_EQ(threeDartAverage(300, 20), 45);
    EXPECT_EQ(threeDartAverage(101, 6), 50); // 50.5 to even
}

TEST(ComputerSkill, KFollowsTheAverageAgainstTheLevelMark)
{
    EXPECT_EQ(averageK(1, 0), 100);
    EXPECT_EQ(averageK(1, 100), 100);
    EXPECT_EQ(averageK(1, 101), 200);
    EXPECT_EQ(averageK(1, 103), 200);
    EXPECT_EQ(averageK(1, 105), 400);
    EXPECT_EQ(averageK(16, 64), 100);
    EXPECT_EQ(averageK(16, 65), 200);
    EXPECT_EQ(averageK(16, 70), 400);
    EXPECT_EQ(averageK(9, 80), 200);

    // Against a real-board human the computer is held near the stated average D.
    EXPECT_EQ(realBoardK(1, 60, 60), 100);
    EXPECT_EQ(realBoardK(1, 67, 60), 200);  // above D + 6
    EXPECT_EQ(realBoardK(1, 69, 60), 400);  // above D + 8
    EXPECT_EQ(realBoardK(16, 53, 60), 200); // above D - 8
    EXPECT_EQ(realBoardK(16, 55, 60), 400); // above D - 6
    EXPECT_EQ(realBoardK(16, 52, 60), 100);
}

TEST(ComputerSkill, NervousAddsPressure)
{
    Pressure calm;
    calm.player1Remaining = 300;
    calm.setsToWin = 3;
    EXPECT_EQ(Nervous("T20", calm), 0);
    EXPECT_EQ(Nervous("D16", calm), 0); // the human is far from home

    Pressure p = calm;
    p.player1Remaining = 120;
    p.legs1 = 1;
    p.legs2 = 1;
    EXPECT_EQ(Nervous("D16", p), 6);
    EXPECT_EQ(Nervous("S50", p), 6);
    EXPECT_EQ(Nervous("S25", p), 0);
    p.legs1 = 2;
    EXPECT_EQ(Nervous("D16", p), 12);
    p.legs2 = 2;
    p.sets1 = 2;
    p.sets2 = 2;
    EXPECT_EQ(Nervous("D16", p), 30);

    // In a one-set match both set terms hold from the first dart.
    Pressure one;
    one.player1Remaining = 501;
    one.setsToWin = 1;
    EXPECT_EQ(Nervous("T20", one), 12);
}

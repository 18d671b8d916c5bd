#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/practicehelpers.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// The bed of double `i` (1..20, 21 the bull).
std::string doubleBed(int i)
{
    return i == 21 ? "S50" : makeBed('D', i);
}

// One turn at double `i` with the first `hits` darts on it; the misses go to
// the treble of the number (the outer bull at the bull), then off the board.
PracticeDart turnAt(PracticeSession& s, int i, int hits)
{
    const std::string misses[] = {i == 21 ? "S25" : makeBed('T', i), "000", "000"};
    PracticeDart d;
    for (int dart = 0; dart < 3; ++dart) {
        d = s.dart(dart < hits ? doubleBed(i) : misses[dart - hits]);
        EXPECT_TRUE(d.accepted);
    }
    return d;
}

} // namespace

TEST(Bobs27, APerfectGameIs1437AndTheBullComesLast)
{
    PracticeSession s(PracticeChoice::bobs27());
    EXPECT_EQ(s.openingText(1000), "BOB'S 27. 27 points, aim at D1. Best: 1000 points.");
    for (int i = 1; i <= 21; ++i) {
        ASSERT_EQ(s.targetBeds(), std::vector<std::string>{doubleBed(i)});
        EXPECT_EQ(s.targetText(), i == 21 ? "BULL" : "D" + std::to_string(i));
        const PracticeDart d = turnAt(s, i, 3);
        ASSERT_EQ(d.gameOver, i == 21) << i;
        EXPECT_EQ(d.targetChanged, i < 21);
    }
    EXPECT_EQ(s.result(), 1437);
    EXPECT_EQ(s.dartsUsed(), 63);
    EXPECT_EQ(s.closingText(1437), "Bob's 27 over: 1437 points. Best: 1437 points.");
}

// Hits per double worked out by hand: 27 +2 -4 +12 -8 +10 +36 -14 +16 -18
// -20 +22 +48 -26 +28 -30 +32 -34 -36 +38 -40 = 41, then the bull once: 91.
TEST(Bobs27, AMixedGameAndItsCommentary)
{
    const int hits[] = {1, 0, 2, 0, 1, 3, 0, 1, 0, 0, 1, 2, 0, 1, 0, 1, 0, 0, 1, 0};
    PracticeSession s(PracticeChoice::bobs27());
    PracticeDart d = s.dart("D01");
    EXPECT_EQ(d.comment, "Dart 1 hits D1. Plus 2, 29 points.");
    EXPECT_EQ(d.points, 2);
    s.dart("000");
    d = s.dart("S01");
    EXPECT_EQ(d.comment, "Dart 3 hits S1. On to D2.");
    EXPECT_EQ(d.penalty, 0);
    d = turnAt(s, 2, 0);
    EXPECT_EQ(d.comment, "Dart 3 misses. No hit: minus 4, 25 points. On to D3.");
    EXPECT_EQ(d.penalty, 4);
    for (int i = 3; i <= 20; ++i)
        turnAt(s, i, hits[i - 1]);
    EXPECT_EQ(s.points(), 41);
    EXPECT_EQ(s.turn(), 21);
    // The bull is hit by the bull alone, on the last dart here.
    s.dart("S25");
    EXPECT_FALSE(s.dart("D25").accepted); // no such bed: nothing counted
    s.dart("000");
    d = s.dart("S50");
    EXPECT_TRUE(d.hit && d.gameOver && d.turnEnded);
    EXPECT_EQ(d.comment, "Dart 3 hits the bull. Plus 50, 91 points.");
    EXPECT_EQ(s.result(), 91);
    EXPECT_EQ(s.dartsUsed(), 63);
}

// The points are odd throughout (27 plus even numbers), so an early end is
// always below zero; the game stops after that turn, not at once.
TEST(Bobs27, EndsAfterTheTurnThatLeavesNoPoints)
{
    PracticeSession s(PracticeChoice::bobs27());
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(turnAt(s, i, 0).gameOver);
    EXPECT_EQ(s.points(), 7); // 27 - 2 - 4 - 6 - 8
    s.dart("000");
    s.dart("000");
    EXPECT_TRUE(s.playing());
    const PracticeDart d = s.dart("S05");
    EXPECT_TRUE(d.gameOver);
    EXPECT_FALSE(d.targetChanged);
    EXPECT_EQ(d.comment, "Dart 3 hits S5. No hit: minus 10, -3 points. Out of points!");
    EXPECT_EQ(s.result(), -3);
    EXPECT_EQ(s.dartsUsed(), 15);
    EXPECT_EQ(s.closingText(50), "Bob's 27 over at D5: -3 points. Best: 50 points.");
    EXPECT_FALSE(s.dart("D05").accepted);
    EXPECT_EQ(s.result(), -3);
}

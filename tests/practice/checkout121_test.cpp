#include <gtest/gtest.h>

#include <string>

#include "practice/practicehelpers.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// Checks out the current target (up to 160) in three darts: T20, a treble,
// a double.
PracticeDart checkOut(PracticeSession& s)
{
    const int after = s.targetNumber() - 60;
    for (int t = 20; t >= 1; --t) {
        const int left = after - 3 * t;
        if (left >= 2 && left <= 40 && left % 2 == 0) {
            throwDarts(s, {"T20", makeBed('T', t).c_str()});
            return s.dart(makeBed('D', left / 2));
        }
    }
    ADD_FAILURE() << "no route for " << s.targetNumber();
    return {};
}

PracticeDart missNine(PracticeSession& s)
{
    return throwDarts(s, {"000", "000", "000", "000", "000", "000", "000", "000", "000"});
}

} // namespace

TEST(Checkout121, BustsLeavingOneOrZeroOnASingle)
{
    PracticeSession s(PracticeChoice::checkout121(10));
    EXPECT_EQ(s.dart("T20").comment, "Dart 1 hits T20. 61 left.");
    // One left cannot be finished: the turn ends and counts nothing.
    PracticeDart d = s.dart("T20");
    EXPECT_TRUE(d.bust && d.turnEnded);
    EXPECT_EQ(d.points, 0);
    EXPECT_EQ(d.comment, "Bust! Back to 121.");
    EXPECT_EQ(s.remaining(), 121);
    EXPECT_EQ(s.dartsLeftInAttempt(), 6); // the turn's third dart is lost
    EXPECT_EQ(throwDarts(s, {"T20", "S20", "S20"}).comment, "Dart 3 hits S20. 21 left.");
    // Zero on a single is no checkout; in the last turn it ends the attempt.
    d = throwDarts(s, {"S01", "S20"});
    EXPECT_TRUE(d.bust && d.attemptEnded);
    EXPECT_FALSE(d.checkout || d.targetChanged);
    EXPECT_EQ(d.comment, "Bust! Finish on a double. No checkout of 121. Next target 121.");
    EXPECT_EQ(s.attempt(), 2);
    EXPECT_EQ(s.remaining(), 121);
    EXPECT_EQ(s.dartsLeftInAttempt(), 9);
}

TEST(Checkout121, TheBullChecksOutAndTheOuterBullBusts)
{
    PracticeSession s(PracticeChoice::checkout121(10));
    PracticeDart d = throwDarts(s, {"T20", "S11", "S50"});
    EXPECT_TRUE(d.checkout && d.targetChanged && d.attemptEnded);
    EXPECT_EQ(d.comment, "Checked out 121 in 3 darts! Next target 122.");
    EXPECT_EQ(s.targetText(), "122");
    d = throwDarts(s, {"T20", "S20", "S17", "S25"});
    EXPECT_EQ(d.comment, "Bust! Finish on a double. Back to 25.");
}

TEST(Checkout121, ACheckoutOnTheFirstDartOfATurnEndsIt)
{
    PracticeSession s(PracticeChoice::checkout121(10));
    const PracticeDart d = throwDarts(s, {"T20", "T17", "000", "D05"});
    EXPECT_EQ(d.dartInTurn, 1);
    EXPECT_TRUE(d.checkout && d.turnEnded);
    EXPECT_EQ(d.comment, "Checked out 121 in 4 darts! Next target 122.");
    EXPECT_EQ(s.turn(), 3);
    EXPECT_EQ(s.remaining(), 122);
}

// A failed target goes back to the last one checked out, 121 before any.
TEST(Checkout121, TheTargetNeverFallsBelow121)
{
    PracticeSession s(PracticeChoice::checkout121(5));
    PracticeDart d = missNine(s);
    EXPECT_EQ(d.comment, "Dart 3 misses. 121 left. No checkout of 121. Next target 121.");
    checkOut(s);
    EXPECT_TRUE(missNine(s).targetChanged);
    EXPECT_EQ(s.targetNumber(), 121);
    missNine(s);
    d = missNine(s);
    EXPECT_TRUE(d.gameOver);
    EXPECT_EQ(d.comment, "Dart 3 misses. 121 left. No checkout of 121.");
    EXPECT_EQ(s.result(), 121);
    EXPECT_EQ(s.dartsUsed(), 39);
}

TEST(Checkout121, ASessionOfTenTargets)
{
    PracticeSession s(PracticeChoice::checkout121(10));
    checkOut(s); // 121
    checkOut(s); // 122
    missNine(s); // 123, back to 122
    checkOut(s); // 122
    checkOut(s); // 123
    checkOut(s); // 124
    // 125 busts on the ninth dart.
    PracticeDart d = throwDarts(s, {"T20", "S05", "000", "S20", "000", "000", "S20", "S10", "T20"});
    EXPECT_TRUE(d.bust && d.attemptEnded);
    EXPECT_EQ(d.comment, "Bust! No checkout of 125. Next target 124.");
    missNine(s); // 124
    checkOut(s); // 124
    EXPECT_FALSE(s.result());
    d = checkOut(s); // 125
    EXPECT_TRUE(d.gameOver && d.checkout);
    EXPECT_EQ(d.comment, "Checked out 125 in 3 darts!");
    EXPECT_EQ(s.result(), 125);
    EXPECT_EQ(s.dartsUsed(), 7 * 3 + 3 * 9);
    EXPECT_EQ(s.closingText(130), "Session over: 7 of 10 checked out, highest 125. Best: 130.");
    EXPECT_EQ(s.closingText(124), "Session over: 7 of 10 checked out, highest 125. New personal best!");
}

// The route for the darts left in the turn: it leaves a double while turns are
// left, and goes out through the bull in the last one.
TEST(Checkout121, TheHintPlaysSafeUntilTheLastTurn)
{
    Rng rng(3);
    PracticeSession s(PracticeChoice::checkout121(10));
    EXPECT_EQ(s.hint(rng), "121 remaining. Suggest:  T20, T15, D8.");
    s.dart("S20");
    EXPECT_EQ(s.hint(rng), "101 remaining. Suggest:  T17, S10.");
    PracticeSession last(PracticeChoice::checkout121(10));
    throwDarts(last, {"000", "000", "000", "000", "000", "000", "S20"});
    EXPECT_EQ(last.hint(rng), "101 remaining. Suggest:  T17, S50.");
}

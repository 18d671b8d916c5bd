#include <gtest/gtest.h>

#include <set>
#include <string>

#include "practice/practicehelpers.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// Whether `bed` hits `number` (25 the bull), read off the code: any ring of
// the number, or only its double or treble; the bull is a double, and either
// bull counts where trebles are asked for.
bool counts(ClockVariant v, int number, const std::string& bed)
{
    if (number == 25)
        return bed == "S50" || (bed == "S25" && v != ClockVariant::Doubles);
    const char ring = v == ClockVariant::Doubles ? 'D' : v == ClockVariant::Trebles ? 'T' : bed[0];
    return bed != "000" && bed[0] == ring && std::stoi(bed.substr(1)) == number;
}

} // namespace

// Every target of each variant in order: every bed of the board that does not
// count leaves the target where it is, every one that counts moves it on.
TEST(AroundTheClock, EveryTargetInEachVariantWithTheBedsThatCount)
{
    const struct {
        ClockVariant variant;
        const char* seven;
    } variants[] = {{ClockVariant::Any, "7"}, {ClockVariant::Doubles, "D7"}, {ClockVariant::Trebles, "T7"}};
    for (const auto& v : variants) {
        PracticeSession s(PracticeChoice::clock(v.variant));
        int darts = 0;
        for (int target : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25}) {
            SCOPED_TRACE(practiceCode(s.choice()) + " at " + std::to_string(target));
            ASSERT_EQ(s.targetNumber(), target);
            if (target == 7 || target == 25) {
                EXPECT_EQ(s.targetText(), target == 7 ? v.seven : "BULL");
            }
            std::set<std::string> expected;
            for (const std::string& bed : everyBed()) {
                PracticeSession copy = s;
                const PracticeDart d = copy.dart(bed);
                EXPECT_EQ(d.hit, counts(v.variant, target, bed)) << bed;
                EXPECT_EQ(d.targetChanged, d.hit && target != 25) << bed;
                if (d.hit) {
                    expected.insert(bed);
                } else {
                    s.dart(bed); // the misses go on the real session
                    ++darts;
                }
            }
            const auto lit = s.targetBeds();
            EXPECT_EQ(std::set<std::string>(lit.begin(), lit.end()), expected);
            EXPECT_EQ(s.dart(*expected.begin()).gameOver, target == 25);
            ++darts;
        }
        EXPECT_EQ(s.result(), darts);
        EXPECT_TRUE(s.targetBeds().empty());
    }
}

TEST(AroundTheClock, TurnsOfThreeAndTheCommentary)
{
    PracticeSession s(PracticeChoice::clock(ClockVariant::Doubles));
    EXPECT_EQ(s.dart("000").comment, "Dart 1 misses. Still on D1.");
    EXPECT_EQ(s.dart("S01").comment, "Dart 2 hits S1. Still on D1.");
    // A hit with the last dart of a turn: the target and the turn move on.
    PracticeDart d = s.dart("D01");
    EXPECT_EQ(d.comment, "Dart 3 hits D1. On to D2.");
    EXPECT_TRUE(d.turnEnded);
    // A hit on dart 1 sends dart 2 at the next target.
    d = s.dart("D02");
    EXPECT_EQ(d.turn, 2);
    EXPECT_FALSE(d.turnEnded);
    EXPECT_TRUE(s.dart("D03").hit);
    EXPECT_EQ(s.dartsUsed(), 5);
    EXPECT_EQ(s.dartsThrownInTurn(), 2);
    Rng rng(1);
    EXPECT_EQ(s.hint(rng), "Aim at D4.");
}

// The bull ends the game on any dart of a turn; later darts are refused.
TEST(AroundTheClock, TheBullEndsItMidTurn)
{
    PracticeSession s(PracticeChoice::clock(ClockVariant::Trebles));
    s.dart("000");
    for (int n = 1; n <= 20; ++n)
        s.dart(makeBed('T', n));
    EXPECT_EQ(s.dartsThrownInTurn(), 0);
    const PracticeDart d = s.dart("S25");
    EXPECT_TRUE(d.gameOver && d.turnEnded);
    EXPECT_EQ(d.dartInTurn, 1);
    EXPECT_EQ(d.comment, "Dart 1 hits the outer bull. Done in 22 darts!");
    EXPECT_EQ(s.closingText(std::nullopt), "Around the clock in 22 darts. New personal best!");
    EXPECT_EQ(s.closingText(20), "Around the clock in 22 darts. Best: 20 darts.");
    EXPECT_FALSE(s.dart("S50").accepted);
    EXPECT_EQ(s.result(), 22);
}

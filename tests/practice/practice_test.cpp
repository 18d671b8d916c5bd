#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "practice/practicehelpers.h"

using namespace vantorelle;
using namespace vantorelle::testing;

// Stored files keep these codes: a change here loses the players' bests.
TEST(Practice, CodesAndNames)
{
    const struct {
        PracticeChoice choice;
        const char* code;
        const char* name;
    } rows[] = {
        {PracticeChoice::clock(ClockVariant::Any), "CLOCK/ANY", "AROUND THE CLOCK"},
        {PracticeChoice::clock(ClockVariant::Doubles), "CLOCK/DOUBLES", "AROUND THE CLOCK - DOUBLES"},
        {PracticeChoice::clock(ClockVariant::Trebles), "CLOCK/TREBLES", "AROUND THE CLOCK - TREBLES"},
        {PracticeChoice::bobs27(), "BOBS27", "BOB'S 27"},
        {PracticeChoice::checkout121(5), "121/5", "121 CHECKOUT - 5 TARGETS"},
        {PracticeChoice::checkout121(10), "121/10", "121 CHECKOUT - 10 TARGETS"},
        {PracticeChoice::checkout121(20), "121/20", "121 CHECKOUT - 20 TARGETS"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(practiceCode(row.choice), row.code);
        EXPECT_EQ(practiceName(row.choice), row.name);
        EXPECT_EQ(practiceFromCode(row.code), row.choice) << row.code;
    }
    for (const char* bad : {"", "CLOCK", "clock/any", "CLOCK/ANY ", "BOBS", "121/", "121/0", "121/010", "121/-5",
                            "121/101", "121/1x", "121/99999999999"})
        EXPECT_FALSE(practiceFromCode(bad)) << bad;
    EXPECT_EQ(PracticeChoice::checkout121(0).targets, 1);
    EXPECT_EQ(PracticeChoice::checkout121(1000).targets, kMaxCheckoutSession);
}

TEST(Practice, BestsGoTheRightWay)
{
    const auto clock = PracticeChoice::clock(ClockVariant::Any);
    const auto bobs = PracticeChoice::bobs27();
    const auto co = PracticeChoice::checkout121(10);
    EXPECT_TRUE(isNewBest(clock, 40, 41));
    EXPECT_FALSE(isNewBest(clock, 41, 41));
    EXPECT_TRUE(isNewBest(bobs, 42, 41));
    EXPECT_FALSE(isNewBest(bobs, 40, 41));
    EXPECT_TRUE(isNewBest(bobs, -50, std::nullopt));
    EXPECT_FALSE(isNewBest(co, 121, 122));
    // A 121 session without a checkout is nothing to beat.
    EXPECT_FALSE(isNewBest(co, 0, std::nullopt));
    EXPECT_EQ(resultText(co, 0), "no checkout");
}

// The player leaves, or the code is no bed: nothing is booked, and a session
// left has no result to record as a best.
TEST(Practice, RefusedDartsAndAbandonedSessions)
{
    for (const auto& choice :
         {PracticeChoice::clock(ClockVariant::Any), PracticeChoice::bobs27(), PracticeChoice::checkout121(10)}) {
        PracticeSession s(choice);
        for (const char* bad : {"", "S01 ", "s01", "S21", "D25", "T50", "X05", "S1"})
            EXPECT_FALSE(s.dart(bad).accepted) << bad;
        EXPECT_EQ(s.dartsUsed(), 0);
        s.dart("S01");
        s.abandon();
        EXPECT_EQ(s.status(), PracticeStatus::Abandoned);
        EXPECT_FALSE(s.result());
        EXPECT_EQ(s.closingText(std::nullopt), "");
        EXPECT_FALSE(s.dart("D01").accepted);
        EXPECT_EQ(s.dartsUsed(), 1);
        EXPECT_TRUE(s.targetBeds().empty());
    }
    // Once finished, leaving changes nothing.
    PracticeSession s(PracticeChoice::checkout121(1));
    throwDarts(s, {"T20", "S11", "S50"});
    s.abandon();
    EXPECT_EQ(s.result(), 121);
}


// Whole seeded sessions of each game to their end, with the invariants
// checked after every dart.
TEST(Practice, SeededSessionsPlayToTheirEnd)
{
    const std::vector<std::string> beds = everyBed();
    const PracticeChoice choices[] = {
        PracticeChoice::clock(ClockVariant::Any), PracticeChoice::clock(ClockVariant::Doubles),
        PracticeChoice::clock(ClockVariant::Trebles), PracticeChoice::bobs27(), PracticeChoice::checkout121(10)};
    int earlyEnds = 0, emptySessions = 0; // both roads to the end are taken
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        for (const PracticeChoice& choice : choices) {
            SCOPED_TRACE(practiceCode(choice) + " seed " + std::to_string(seed));
            Rng rng(seed);
            PracticeSession s(choice);
            int darts = 0, hits = 0, turns = 0, checkouts = 0, attemptDarts = 0;
            while (s.playing() && darts < 10000) {
                // A good player on even seeds, a poor one on odd ones.
                const PracticeDart d = s.dart(scriptedDart(s, rng, beds, seed % 2 ? 20 : 2));
                ASSERT_TRUE(d.accepted);
                ++darts;
                ++attemptDarts;
                hits += d.hit;
                turns += d.turnEnded;
                checkouts += d.checkout;
                ASSERT_EQ(s.dartsUsed(), darts);
                ASSERT_EQ(s.turn(), turns + (s.playing() ? 1 : 0));
                if (choice.game == PracticeGame::Checkout121) {
                    ASSERT_GE(s.targetNumber(), 121);
                    ASSERT_LE(attemptDarts, 9);
                    if (d.attemptEnded)
                        attemptDarts = 0;
                    ASSERT_GE(s.remaining(), s.playing() ? 2 : 0);
                }
            }
            ASSERT_EQ(s.status(), PracticeStatus::Finished);
            const int result = *s.result();
            switch (choice.game) {
            case PracticeGame::Clock:
                EXPECT_EQ(hits, 21);
                EXPECT_EQ(result, darts);
                break;
            case PracticeGame::Bobs27:
                EXPECT_LE(result, 1437);
                EXPECT_GE(result, 27 - 470);
                // Whole turns always; all 21 of them unless the points ran out.
                EXPECT_EQ(darts, 3 * turns);
                if (result > 0) {
                    EXPECT_EQ(turns, 21);
                }
                earlyEnds += turns < 21;
                break;
            case PracticeGame::Checkout121:
                EXPECT_EQ(checkouts, s.checkedOut());
                EXPECT_EQ(s.attempt(), choice.targets);
                EXPECT_EQ(result == 0, checkouts == 0);
                if (result) {
                    EXPECT_TRUE(result >= 121 && result < 121 + checkouts);
                }
                emptySessions += result == 0;
                break;
            }
            EXPECT_FALSE(s.closingText(std::nullopt).empty());
        }
    }
    EXPECT_GT(earlyEnds, 0);
    EXPECT_GT(emptySessions, 0);
}

// The life of one match: what belongs to it goes with it, and what a flow of
// an old match does on its way out never touches the next one.
#include <gtest/gtest.h>

#include "support/fakehost.h"
#include "rules/match/matchlife.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(MatchLife, GuardsOfAMatchThatWentAwayAreLeftToTheNext)
{
    MatchState match;
    FakeHost host;
    MatchLife life(match, host);
    life.begin({});
    {
        MatchLife::Raise ending(life, &TurnGuards::turnEnding);
        MatchLife::DartInHand dart(life);
        EXPECT_TRUE(life.guards().turnEnding);
        EXPECT_EQ(life.guards().dartDepth, 1);

        // Inside a pause of that dart a new match begins, and is itself in
        // the middle of a dart and an announcement.
        life.begin({});
        EXPECT_FALSE(life.guards().turnEnding);
        EXPECT_EQ(life.guards().dartDepth, 0);
        life.guards().turnEnding = true;
        life.guards().dartDepth = 1;
    }
    EXPECT_TRUE(life.guards().turnEnding);
    EXPECT_EQ(life.guards().dartDepth, 1);

    // Within one match a guard is put back as it was, raised or not.
    {
        MatchLife::Raise outer(life, &TurnGuards::clickBusy);
        {
            MatchLife::Raise inner(life, &TurnGuards::clickBusy);
        }
        EXPECT_TRUE(life.guards().clickBusy);
    }
    EXPECT_FALSE(life.guards().clickBusy);
}

TEST(MatchLife, SeatsAndWaitingDartsBelongToOneMatchAndItsEndIsToldOnceAfterIt)
{
    MatchState match;
    match.networkGame = true;
    match.isChallenger = true;
    FakeHost host;
    MatchLife life(match, host);
    int told = 0;
    const unsigned first = life.begin([&](const MatchResult&) { ++told; });
    match.blnStopped = false;
    EXPECT_EQ(match.seatOf(1), Seat::Human);
    EXPECT_EQ(match.seatOf(2), Seat::Remote);
    life.inbox().push_back({2, 2595, 2595, "S50", false});

    // Settings changed in the middle of the match do not move its seats.
    match.networkGame = false;
    match.numberOfPlayers = 1;
    EXPECT_EQ(match.seatOf(2), Seat::Remote);

    // A pause in which the match is abandoned says so, and the match takes
    // its seats and its waiting darts with it, and tells nothing.
    host.onPause.push_back([&] { life.drop(); });
    EXPECT_FALSE(life.pauseFor(first, 1));
    EXPECT_TRUE(match.blnStopped);
    EXPECT_EQ(match.seatOf(2), Seat::Human);
    EXPECT_TRUE(life.inbox().empty());
    life.finish(first, {2, "Bob Brisk", "The winner is Bob Brisk"});
    EXPECT_EQ(told, 0);

    // The next match takes its seats from the settings as they now are, and
    // its end is told once, after the clean-up.
    match.networkGame = true;
    match.isChallenger = false;
    unsigned next = 0;
    next = life.begin([&](const MatchResult& r) {
        ++told;
        EXPECT_EQ(r.winner, 1);
        EXPECT_FALSE(life.stillOn(next));
        EXPECT_TRUE(match.blnStopped);
        EXPECT_FALSE(match.networkGame);
        EXPECT_EQ(match.seatOf(1), Seat::Human);
        EXPECT_TRUE(life.inbox().empty());
    });
    match.blnStopped = false;
    EXPECT_EQ(match.seatOf(1), Seat::Remote);
    life.inbox().push_back({1, 2595, 2595, "S50", false});
    life.finish(next, {1, "Ann Arbour", "The winner is Ann Arbour"});
    life.finish(next, {1, "Ann Arbour", "The winner is Ann Arbour"});
    EXPECT_EQ(told, 1);
}

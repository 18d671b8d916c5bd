#include <gtest/gtest.h>

#include <algorithm>

#include "rules/match/bed.h"
#include "rules/setup/stats.h"
#include "support/matchfixture.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

int count(const std::vector<std::string>& v, const std::string& s)
{
    return static_cast<int>(std::count(v.begin(), v.end(), s));
}

} // namespace

class X01 : public MatchFixture {};

TEST_F(X01, StartGameShowsThePairingRunsTheBullUpAndHandsTheThrowToItsWinner)
{
    start(2);
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0], "Ann Arbour v Bob Brisk");
    EXPECT_TRUE(host.saidComment("ANN ARBOUR THROW FOR BULLSEYE."));
    EXPECT_TRUE(host.saidComment("BOB BRISK THROW FOR BULLSEYE."));
    EXPECT_EQ(lastComment(), "BOB BRISK TO THE OCHE.");
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(st.view.yellowPlayer, 2);
    EXPECT_EQ(st.match.intBullWinner, 2);
    EXPECT_FALSE(st.match.blnBullUp);
    EXPECT_FALSE(st.match.blnStopped);
    EXPECT_EQ(st.match.player(1).score, 501);
    EXPECT_EQ(st.match.player(2).score, 501);
    EXPECT_EQ((std::array<bool, 6>{false, false, false, true, true, true}), st.view.dartInHand);
    // Bull-up darts score nothing.
    EXPECT_EQ(st.match.stat(1, kStatDarts) + st.match.stat(2, kStatDarts), 0);
}

TEST_F(X01, BullUpNearestWinsAndATieGoesToPlayerOne)
{
    host.onWait.push_back([this] { engine.ThrowDart(2595, 2595); }); // 7.07 from the bull-up centre
    host.onWait.push_back([this] { engine.ThrowDart(2600, 2604); }); // 4
    engine.StartGame();
    EXPECT_EQ(st.match.intBullWinner, 2);

    host.onWait.push_back([this] { engine.ThrowDart(2600, 2600); });
    host.onWait.push_back([this] { engine.ThrowDart(2600, 2600); });
    engine.StartGame();
    EXPECT_EQ(st.match.intBullWinner, 1);

    // A bull-up dart in the treble 20 scores nothing.
    host.onWait.push_back([this] { dart("T20"); });
    host.onWait.push_back([this] { engine.ThrowDart(2600, 2600); });
    engine.StartGame();
    EXPECT_EQ(st.match.intBullWinner, 2);
    EXPECT_EQ(st.match.player(1).score, 501);
}

TEST_F(X01, AbandonedBullUpStartsNoMatch)
{
    host.onWait.push_back([this] { st.flags.unloading = true; });
    engine.StartGame();
    EXPECT_EQ(std::count_if(host.comments.begin(), host.comments.end(),
                            [](const std::string& c) { return c.find("TO THE OCHE") != std::string::npos; }),
              0);
    EXPECT_TRUE(st.match.blnBullUp);
    st.flags.unloading = false;

    // Nothing ever arrives and the board goes away: no match either.
    engine.StartGame();
    EXPECT_NE(lastComment().find("THROW FOR BULLSEYE"), std::string::npos);
}

TEST_F(X01, FinishingNeedsADoubleOrTheBull)
{
    start(1, 501, 3, 1);
    leave(1, 2);
    dart("D01");
    EXPECT_EQ(st.match.player(1).legs, 1);
    EXPECT_TRUE(host.saidComment("GAME, SHOT AND THE LEG, ANN ARBOUR"));
    EXPECT_EQ(st.match.player(1).score, 501);
    EXPECT_EQ(st.match.player(2).score, 501);

    leave(st.match.currentPlayer, 2);
    const int p = st.match.currentPlayer;
    dart("S02");
    EXPECT_TRUE(host.saidComment(upperCase(st.match.player(p).name) + " HAS BUST! YOU MUST FINISH ON A DOUBLE!"));
    EXPECT_EQ(st.match.player(p).score, 2);
    EXPECT_EQ(st.match.currentPlayer, otherPlayer(p));

    const int q = st.match.currentPlayer;
    leave(q, 3);
    dart("S02"); // would leave 1
    EXPECT_TRUE(host.saidComment("NO SCORE! " + upperCase(st.match.player(q).name) + " HAS BUST!"));
    EXPECT_EQ(st.match.player(q).score, 3);

    const int r = st.match.currentPlayer;
    leave(r, 25);
    dart("S25"); // the outer bull is no double
    EXPECT_EQ(st.match.player(r).score, 25);
    EXPECT_EQ(st.match.player(r).legs, r == 1 ? 1 : 0);

    const int s = st.match.currentPlayer;
    const int legsBefore = st.match.player(s).legs;
    leave(s, 50);
    dart("S50");
    EXPECT_EQ(st.match.player(s).legs, legsBefore + 1);
}

TEST_F(X01, BustEndsTheTurnAtOnceAndCountsForNothing)
{
    start(1);
    leave(1, 40);
    dart("T20");
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(st.match.player(1).score, 40);
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_EQ(st.match.bytTurnScore, 0);
    EXPECT_EQ(st.match.player(1).legDarts, 1);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 1);
    EXPECT_EQ(st.match.stat(1, kStatDartsAtDouble), 1); // 40 is a finish on a double
}

TEST_F(X01, CheckoutWithTheSecondDartEndsTheTurn)
{
    start(1, 501, 2, 1);
    leave(1, 100);
    dart("T20");
    EXPECT_EQ(lastComment(), "DART 1 HITS 60");
    dart("D20");
    EXPECT_EQ(st.match.player(1).legs, 1);
    EXPECT_EQ(st.match.stat(1, kStatDoublesHit), 1);
    EXPECT_EQ(st.match.stat(1, kStatDartsAtDouble), 1);
    EXPECT_EQ(st.match.currentPlayer, 2); // the other player starts the next leg
    EXPECT_EQ(st.match.bytDart, 0);
}

TEST_F(X01, TurnCommentsAndTheBouncedDart)
{
    start(1);
    engine.ThrowDart(100, 100); // off the board
    EXPECT_EQ(lastComment(), "DART 1 HITS 0");
    dart("S50");
    EXPECT_EQ(lastComment(), "DART 2 HITS THE BULLSEYE!");
    dart("S25");
    EXPECT_TRUE(host.saidComment("DART 3 HITS THE OUTER BULLSEYE! ANN ARBOUR SCORES 75."));
    EXPECT_EQ(lastComment(), "BOB BRISK TO THE OCHE.");
    EXPECT_EQ(st.match.player(1).score, 426);
    EXPECT_EQ(st.match.player(1).legDarts, 3);

    dart("T20");
    dart("T20");
    dart("T20");
    EXPECT_TRUE(host.saidComment("DART 3 HITS 60. BOB BRISK SCORES 180."));
    EXPECT_EQ(st.match.player(2).score, 321);
    EXPECT_EQ(st.match.stat(2, kStat180), 1);
    EXPECT_EQ(st.match.stat(2, kStatPoints), 180);
}

TEST_F(X01, BustedHighTurnStillCountsInTheStatistics)
{
    start(1);
    leave(1, 170);
    dart("T20");
    dart("T20");
    EXPECT_EQ(st.match.currentPlayer, 1);
    dart("T20");
    EXPECT_TRUE(host.saidComment("NO SCORE! ANN ARBOUR HAS BUST!"));
    EXPECT_EQ(st.match.player(1).score, 170);
    EXPECT_EQ(st.match.stat(1, kStat180), 1);
    EXPECT_EQ(st.match.stat(1, kStatPoints), 180);

    leave(2, 240);
    turn("T20", "T20", "S20"); // 140 turn
    turn("T19", "T19", "T19"); // player 1: 171 busts from 170; counts as 140+
    EXPECT_EQ(st.match.stat(2, kStat140), 1);
    EXPECT_EQ(st.match.stat(1, kStat140), 1);
    turn("T20", "S20", "S20"); // 100
    EXPECT_EQ(st.match.stat(2, kStat100), 1);
}

TEST_F(X01, NineDartFinishIsCalledIn501Only)
{
    start(1, 501, 2, 1);
    turn("T20", "T20", "T20");
    turn("S01", "S01", "S01");
    turn("T20", "T20", "T20");
    turn("S01", "S01", "S01");
    turn("T20", "T19", "D12");
    EXPECT_TRUE(host.saidComment("9 - DART FINISH !!!"));
    const auto nine = std::find(host.comments.begin(), host.comments.end(), "9 - DART FINISH !!!");
    ASSERT_NE(nine, host.comments.end());
    EXPECT_EQ(*(nine + 1), "GAME, SHOT AND THE LEG, ANN ARBOUR");
}

TEST_F(X01, ThreeOhOneInNineDartsHasNoMessage)
{
    start(1, 301, 2, 1);
    turn("T20", "T20", "T20");
    turn("S01", "S01", "S01");
    turn("S20", "S20", "S20");
    turn("S01", "S01", "S01");
    turn("T15", "S08", "D04"); // 301 in nine darts
    EXPECT_EQ(st.match.player(1).legs, 1);
    for (const auto& c : host.comments)
        EXPECT_EQ(c.find("DART FINISH"), std::string::npos) << c;
}

TEST_F(X01, TwelveDartLegIsCalledAndThirteenIsNot)
{
    start(1, 501, 3, 1);
    turn("T20", "T20", "T20"); // 321
    turn("S01", "S01", "S01");
    turn("T20", "T20", "T20"); // 141
    turn("S01", "S01", "S01");
    turn("S20", "S20", "S01"); // 100 left after nine darts
    turn("S01", "S01", "S01");
    turn("T20", "S20", "D10"); // twelfth dart
    EXPECT_TRUE(host.saidComment("12 - DART FINISH !!!"));

    // Bob starts leg 2; he throws 13 darts before finishing.
    host.comments.clear();
    turn("S20", "S20", "S20"); // 441
    turn("S01", "S01", "S01");
    turn("T20", "T20", "T20"); // 261
    turn("S01", "S01", "S01");
    turn("T20", "T20", "T20"); // 81
    turn("S01", "S01", "S01");
    turn("S20", "S20", "S01"); // 40, twelve darts
    turn("S01", "S01", "S01");
    dart("D20"); // thirteenth
    EXPECT_EQ(st.match.player(2).legs, 1);
    for (const auto& c : host.comments)
        EXPECT_EQ(c.find("DART FINISH"), std::string::npos) << c;
}

// Wins a leg for player w: the player on throw busts first when it is not w.
static void winLegBy(MatchFixture& f, GameState& st, int w)
{
    if (st.match.currentPlayer != w) {
        st.match.player(st.match.currentPlayer).score = 3;
        const Point p = at("S02");
        f.engine.ThrowDart(p.x, p.y);
    }
    st.match.player(w).score = 2;
    const Point p = at("D01");
    f.engine.ThrowDart(p.x, p.y);
}

class Starters : public MatchFixture {};

TEST_F(Starters, LegsAndSetsAlternateFromTheBullUpWinner)
{
    start(2, 501, 3, 3);
    std::vector<int> starters;
    // Set 1 goes to five legs, set 2 too, then set 3.
    const int winners[] = {1, 2, 1, 2, 1, /* set 2 */ 2, 1, 2, 1, 2, /* set 3 */ 1, 1, 1, /* set 4 */ 1, 1, 1};
    for (int w : winners) {
        if (st.match.blnStopped)
            break;
        starters.push_back(st.match.currentPlayer);
        winLegBy(*this, st, w);
    }
    const std::vector<int> expected{2, 1, 2, 1, 2, /* set 2 */ 1, 2, 1, 2, 1, /* set 3 */ 2, 1, 2, /* set 4 */ 1, 2, 1};
    EXPECT_EQ(starters, expected);
    EXPECT_EQ(st.match.player(1).sets, 3);
    EXPECT_TRUE(st.match.blnStopped);
}

TEST_F(Starters, PastFourSetsTheLoserOfTheLastLegStarts)
{
    start(1, 501, 1, 9);
    std::vector<int> starters;
    const int winners[] = {1, 2, 1, 2, /* from here N > 4 */ 2, 1, 1, 2};
    for (int w : winners) {
        starters.push_back(st.match.currentPlayer);
        winLegBy(*this, st, w);
    }
    // Sets of one leg: N = 1..4 alternate O, F, O, F; then the loser starts.
    const std::vector<int> expected{1, 2, 1, 2, 1, 1, 2, 2};
    EXPECT_EQ(starters, expected);
}

TEST_F(X01, MatchEndsWithTheCallsTheStatisticsAndTheWinner)
{
    st.settings.soundOn = true;
    start(1, 301, 1, 1);
    turn("T20", "T20", "T20"); // 121 left
    turn("S05", "S05", "S05");
    host.clips.clear();
    host.comments.clear();
    turn("T20", "T19", "D02");
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_EQ(st.match.player(1).sets, 1);
    EXPECT_TRUE(host.saidComment("GAME, SHOT AND THE MATCH, ANN ARBOUR"));
    // Statistics: averages, then the high turns, then the old caption back.
    const std::vector<std::string> tail(host.comments.end() - 3, host.comments.end());
    EXPECT_EQ(tail[0], "ANN ARBOUR 150.50(50.17) 1/1(100.00%), BOB BRISK 15.00(5.00) 0/0(0.00%)");
    EXPECT_EQ(tail[1], "ANN ARBOUR 100+:1 140+:0 180:1, BOB BRISK 100+:0 140+:0 180:0");
    EXPECT_EQ(tail[2], "GAME, SHOT AND THE MATCH, ANN ARBOUR");
    EXPECT_EQ(host.infos.back(), "The winner is Ann Arbour");
    EXPECT_EQ(host.setupShown, 1);
    EXPECT_EQ(st.view.setupHeading, "SELECT GAME TYPE");
    EXPECT_EQ(st.view.setupOption[2], "EXHIBITION");
    EXPECT_EQ(st.view.setupOption[3], "CAREER");
    EXPECT_FALSE(st.view.scoreboardVisible);
    EXPECT_EQ(count(host.clips, "Sounds/Referee/General/Match.wav (wait)"), 1);
    EXPECT_EQ((std::array<bool, 6>{true, true, true, false, false, false}), st.view.dartInHand);

    // Darts after the match are ignored.
    const auto darts = st.match.stat(1, kStatDarts);
    dart("T20");
    EXPECT_EQ(st.match.stat(1, kStatDarts), darts);
}

TEST_F(X01, SetWonIsCalled)
{
    st.settings.soundOn = true;
    start(1, 501, 1, 2);
    host.clips.clear();
    winLegBy(*this, st, 1);
    EXPECT_TRUE(host.saidComment("GAME, SHOT AND THE SET, ANN ARBOUR"));
    EXPECT_EQ(count(host.clips, "Sounds/Referee/General/Set.wav (wait)"), 1);
    EXPECT_EQ(st.match.player(1).sets, 1);
    EXPECT_EQ(st.match.player(1).legs, 0);
    EXPECT_FALSE(st.match.blnStopped);
}

TEST(Calls, WordsAndScoresWithTheirPauses)
{
    GameState st;
    FakeHost host;
    Rng rng(1);
    MatchEngine engine(st, host, rng);
    st.settings.soundOn = true;

    engine.referee().Say("Game");
    EXPECT_EQ(host.clips, std::vector<std::string>{"Sounds/Referee/General/Game.wav (wait)"});
    EXPECT_EQ(host.pauses, std::vector<double>{1});

    host.clips.clear(), host.pauses.clear();
    engine.referee().Say("Leg");
    EXPECT_EQ(host.clips, std::vector<std::string>{"Sounds/Referee/General/Leg.wav (wait)"});
    EXPECT_EQ(host.pauses, (std::vector<double>{0.5, 1}));

    host.clips.clear(), host.pauses.clear();
    engine.referee().Say("Bullseye");
    EXPECT_EQ(host.clips, std::vector<std::string>{"Sounds/Referee/General/Bullseye.wav"});

    host.clips.clear(), host.pauses.clear();
    engine.referee().Say("Bull"); // not a call: silence, but the pause stays
    EXPECT_TRUE(host.clips.empty());
    EXPECT_EQ(host.pauses, std::vector<double>{1});

    host.clips.clear(), host.pauses.clear();
    engine.referee().SayScore(180);
    EXPECT_EQ(host.clips, std::vector<std::string>{"Sounds/Referee/Score/180.wav (wait)"});
    EXPECT_EQ(host.pauses, std::vector<double>{0.5});

    st.settings.soundOn = false;
    host.clips.clear(), host.pauses.clear();
    engine.referee().Say("Match");
    engine.referee().SayScore(60);
    EXPECT_TRUE(host.clips.empty());
    EXPECT_TRUE(host.pauses.empty());
}

TEST_F(X01, BustPausesWithAndWithoutSound)
{
    start(1);
    host.pauses.clear();
    leave(1, 40);
    dart("T20");
    EXPECT_EQ(host.pauses, std::vector<double>{1.5});

    st.settings.soundOn = true;
    host.pauses.clear();
    host.clips.clear();
    leave(2, 40);
    dart("T20");
    EXPECT_EQ(host.pauses, (std::vector<double>{0.5, 1.5}));
    ASSERT_EQ(host.clips.size(), 2u); // the landing, then the call of nothing scored
    EXPECT_EQ(host.clips[1], "Sounds/Referee/Score/0.wav (wait)");
}

TEST_F(X01, LandingSoundsCleanOrClash)
{
    start(1);
    st.settings.soundOn = true;
    host.clips.clear();
    engine.ThrowDart(1000, 1000);
    engine.ThrowDart(1099, 1099); // within 99 on both axes
    engine.ThrowDart(1200, 1000); // 101 from dart 2 across, 200 from dart 1
    ASSERT_GE(host.clips.size(), 3u);
    EXPECT_EQ(host.clips[0].rfind("Sounds/Dart/Clean", 0), 0u) << host.clips[0];
    EXPECT_EQ(host.clips[1].rfind("Sounds/Dart/Clash", 0), 0u) << host.clips[1];
    EXPECT_EQ(host.clips[2].rfind("Sounds/Dart/Clean", 0), 0u) << host.clips[2];

    // A bounced dart plays the bounce, whatever its neighbours.
    host.clips.clear();
    engine.ThrowDart(0, 0, "000", "T");
    EXPECT_EQ(host.clips.at(0), "Sounds/Dart/Bounce.wav");
    EXPECT_EQ(st.match.intDartX[1], 1);
    EXPECT_EQ(st.match.intDartY[1], 1);
}

TEST_F(X01, DartArrivingAfterTheMatchWasAbandonedIsIgnored)
{
    start(1);
    turn("T20", "T20", "S20");
    // During the announcement of Bob's turn the game is abandoned, and a dart arrives.
    host.onPause.push_back([this] {
        st.match.blnStopped = true;
        dart("T20");
    });
    dart("S20");
    dart("S20");
    dart("S20");
    EXPECT_EQ(st.match.stat(2, kStatDarts), 3);
    EXPECT_EQ(st.match.player(2).score, 441);
    dart("T20");
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
}

TEST_F(X01, DartsToTheOtherMachineInANetworkMatch)
{
    start(1);
    st.match.networkGame = true;
    dart("T20");
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0], "$ZEKO$TX2580Y1425ST20F");
    // A received dart is not sent back, and its bed is not scored again.
    engine.ThrowDart(100, 100, "D16", "F");
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(st.match.bytTurnScore, 92);
}

TEST(Statistics, Messages)
{
    GameState st;
    st.match.player(1).name = "Ann";
    st.match.player(2).name = "Bob";
    EXPECT_FALSE(averagesMessage(st.match));
    EXPECT_EQ(highTurnsMessage(st.match), "Ann 100+:0 140+:0 180:0, Bob 100+:0 140+:0 180:0");

    st.match.stat(1, kStatDarts) = 20, st.match.stat(1, kStatPoints) = 300;
    st.match.stat(1, kStatDartsAtDouble) = 4, st.match.stat(1, kStatDoublesHit) = 1;
    EXPECT_FALSE(averagesMessage(st.match)); // Bob has scored nothing yet
    st.match.stat(2, kStatDarts) = 9, st.match.stat(2, kStatPoints) = 200;
    st.match.stat(2, kStatDartsAtDouble) = 3, st.match.stat(2, kStatDoublesHit) = 2;
    EXPECT_EQ(*averagesMessage(st.match), "Ann 45.00(15.00) 1/4(25.00%), Bob 66.67(22.22) 2/3(66.67%)");
    st.match.stat(2, kStat100) = 3, st.match.stat(2, kStat180) = 1;
    EXPECT_EQ(highTurnsMessage(st.match), "Ann 100+:0 140+:0 180:0, Bob 100+:3 140+:0 180:1");
    EXPECT_EQ(formatTwoPlaces(0), "0.00");
    EXPECT_EQ(formatTwoPlaces(7.005), "7.00");
}

TEST(Statistics, DoStatsShowsBothMessagesThenRestoresTheCaption)
{
    GameState st;
    FakeHost host;
    Rng rng(1);
    MatchEngine engine(st, host, rng);
    setUpPlayers(st, "Ann", "Bob");
    engine.comment("Ann to the oche.");
    host.comments.clear();
    engine.DoStats();
    // Nobody has scored: only the second message.
    EXPECT_EQ(host.comments,
              (std::vector<std::string>{"ANN 100+:0 140+:0 180:0, BOB 100+:0 140+:0 180:0", "ANN TO THE OCHE."}));
    EXPECT_EQ(host.pauses, (std::vector<double>{3, 3}));
}

TEST(Statistics, DartsAtADoubleAreCountedFromFinishableScores)
{
    GameState st;
    FakeHost host;
    Rng rng(3);
    MatchEngine engine(st, host, rng);
    setUpPlayers(st);
    st.match.blnStopped = false;
    st.match.currentPlayer = 1;
    st.view.yellowPlayer = 1;
    auto throwAt = [&](int left, const std::string& bed) {
        st.match.player(1).score = left;
        st.match.bytDart = 0;
        st.match.bytTurnScore = 0;
        st.match.currentPlayer = 1;
        const Point p = *GetCoords(bed);
        engine.ThrowDart(p.x, p.y);
        return st.match.stat(1, kStatDartsAtDouble);
    };
    EXPECT_EQ(throwAt(300, "S01"), 0);
    EXPECT_EQ(throwAt(50, "S01"), 1);
    EXPECT_EQ(throwAt(40, "S01"), 2);
    EXPECT_EQ(throwAt(41, "S01"), 2);
    EXPECT_EQ(throwAt(42, "S01"), 2);
    EXPECT_EQ(throwAt(2, "S05"), 3); // a bust still was a dart at a double
    EXPECT_EQ(throwAt(3, "S01"), 3);
}

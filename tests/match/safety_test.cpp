// Whatever arrives in the middle of a turn (New, a new match, a dart from the
// other machine), the match being played stays whole or goes away whole.
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/network/protocol.h"
#include "rules/match/bed.h"
#include "support/matchfixture.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// A match that is abandoned, or abandoned and replaced by a new one, at one
// of its pauses or in one of its flights.
struct Abandon : MatchRig {
    enum class Then { Nothing, NewMatch };

    int overCalls = 0;       // the abandoned match's end handler
    int newOverCalls = 0;    // the new match's
    bool abandoned = false;
    std::size_t logAtAbandon = 0;
    MatchStatsTable statsAtAbandon{};
    std::string commentAtAbandon;

    Abandon() { st.settings.soundOn = true; } // the calls pause too

    void abandonNow(Then then)
    {
        if (abandoned)
            return;
        abandoned = true;
        engine.abandon();
        if (then == Then::NewMatch) {
            // The player starts a new match at once, inside the old one's pause.
            host.onWait.clear();
            st.match.numberOfPlayers = 2;
            st.match.player(1).name = "Cleo New";
            st.match.player(2).name = "Dan New";
            queueBullUp(2);
            engine.StartGame([this](const MatchResult&) { ++newOverCalls; });
        }
        logAtAbandon = host.log.size();
        statsAtAbandon = st.match.matchStats;
        commentAtAbandon = st.view.comments;
    }

    // Player 1 throws nine-darters; player 2 throws treble 20s and busts on
    // his third turn when he gets one. Stops when the match ends or goes away.
    void playX01(int legs, int sets)
    {
        static const char* kNine[] = {"T20", "T20", "T20", "T20", "T20", "T20", "T20", "T19", "D12"};
        st.match.intStartScore = 501;
        st.match.bytLegsToWin = legs;
        st.match.bytSetstoWin = sets;
        queueBullUp(1);
        engine.StartGame([this](const MatchResult&) { ++overCalls; });
        std::size_t next1 = 0;
        for (int guard = 0; guard < 500 && !abandoned && !st.match.blnStopped; ++guard) {
            if (st.match.currentPlayer == 1)
                dart(kNine[next1++ % 9]);
            else
                dart("T20");
        }
    }

    // Player 1 closes everything in eight darts; player 2 misses.
    void playCricket()
    {
        static const char* kClose[] = {"T20", "T19", "T18", "T17", "T16", "T15", "S50", "S25"};
        queueBullUp(1);
        engine.StartCricket([this](const MatchResult&) { ++overCalls; });
        std::size_t next1 = 0;
        for (int guard = 0; guard < 100 && !abandoned && !st.match.blnStopped; ++guard) {
            if (st.match.currentPlayer == 1)
                dart(kClose[next1++ % 8]);
            else
                dart("S01");
        }
    }

    // After an abandonment: nothing of the old match was shown, heard, booked
    // or reported.
    void expectNothingAfter(Then then, const std::string& where)
    {
        ASSERT_TRUE(abandoned) << where;
        EXPECT_EQ(overCalls, 0) << where;
        if (then == Then::Nothing) {
            EXPECT_EQ(host.log.size(), logAtAbandon) << where << ": then " << host.log.back();
            EXPECT_EQ(st.match.matchStats, statsAtAbandon) << where;
            EXPECT_EQ(st.view.comments, commentAtAbandon) << where;
            EXPECT_TRUE(st.match.blnStopped) << where;
            EXPECT_EQ(st.view.dartInHand, (std::array<bool, 6>{})) << where;
            EXPECT_FALSE(st.view.aimTimerOn) << where;
        } else {
            // The new match is untouched: its scoreboard up, its player on throw.
            EXPECT_EQ(newOverCalls, 0) << where;
            EXPECT_FALSE(st.match.blnStopped) << where;
            EXPECT_TRUE(st.view.scoreboardVisible) << where;
            EXPECT_EQ(st.match.currentPlayer, 2) << where;
            EXPECT_EQ(st.view.yellowPlayer, 2) << where;
            EXPECT_EQ(st.match.player(1).score, 501) << where;
            EXPECT_EQ(st.match.player(2).score, 501) << where;
            EXPECT_EQ(st.view.comments, "DAN NEW TO THE OCHE.") << where;
            EXPECT_EQ(st.match.stat(1, kStatDarts) + st.match.stat(2, kStatDarts), 0) << where;
            EXPECT_TRUE(host.infos.empty() || host.infos.back().rfind("The winner is", 0) != 0) << where;
            EXPECT_EQ(host.setupShown, 0) << where;
        }
    }
};

// How many pauses and flights a whole match has, played through.
template <class Play>
std::pair<std::size_t, std::size_t> countWholeMatch(Play play)
{
    Abandon probe;
    play(probe);
    EXPECT_EQ(probe.overCalls, 1);
    return {probe.host.pauses.size(), probe.host.flights.size()};
}

} // namespace

// Plays the match once for each pause (or flight) it has, abandoning it there
// (and, with NewMatch, starting another at once), and checks the aftermath.
template <class Play>
void abandonAtEach(Play play, bool inFlights, std::size_t count, Abandon::Then then)
{
    for (std::size_t k = 1; k <= count; ++k) {
        Abandon a;
        auto hook = [&a, k, then](std::size_t n) {
            if (n == k)
                a.abandonNow(then);
        };
        if (inFlights)
            a.host.onFlight = hook;
        else
            a.host.onAnyPause = hook;
        play(a);
        a.expectNothingAfter(then, std::string(inFlights ? "flight " : "pause ") + std::to_string(k));
        if (inFlights && then == Abandon::Then::Nothing && a.st.match.cricket) {
            EXPECT_EQ(a.host.infos.size(), 1u) << "the dart in flight revived the game at " << k;
        }
    }
}

TEST(AbandonMatch, X01AtEveryPauseAndInEveryFlight)
{
    auto play = [](Abandon& a) { a.playX01(2, 2); };
    const auto [pauses, flights] = countWholeMatch(play);
    ASSERT_GT(pauses, 50u); // bull-up, calls, busts, legs, sets, the match and its statistics
    for (auto then : {Abandon::Then::Nothing, Abandon::Then::NewMatch}) {
        abandonAtEach(play, false, pauses, then);
        abandonAtEach(play, true, flights, then);
    }
}

TEST(AbandonMatch, AgainstTheComputerAtEveryPause)
{
    auto play = [](Abandon& a) {
        a.st.match.numberOfPlayers = 1;
        a.st.roster.lines = {"5,Bob,Brisk,WAL,80,0,0,0,0,0,0,0,0,0,0,0,80"};
        a.playX01(1, 1);
    };
    const auto [pauses, flights] = countWholeMatch(play);
    for (auto then : {Abandon::Then::Nothing, Abandon::Then::NewMatch}) {
        abandonAtEach(play, false, pauses, then);
        abandonAtEach(play, true, flights, then);
    }
}

TEST(AbandonMatch, CricketInEveryFlightAndAtEveryPause)
{
    auto play = [](Abandon& a) { a.playCricket(); };
    const auto [pauses, flights] = countWholeMatch(play);
    ASSERT_GE(flights, 10u);
    abandonAtEach(play, true, flights, Abandon::Then::Nothing);
    abandonAtEach(play, false, pauses, Abandon::Then::Nothing);
}

TEST(AbandonMatch, BoardClicksAreRefusedAfterwardsAndTheNextMatchTakesThem)
{
    Abandon a;
    a.host.onAnyPause = [&a](std::size_t n) {
        if (n == 4) // the last pause of the bull-up
            a.abandonNow(Abandon::Then::Nothing);
    };
    a.playX01(1, 1);
    a.engine.boardMouseDown(1, 2600, 1500);
    EXPECT_FALSE(a.st.view.aimTimerOn);

    // A new match after it plays normally, from the first click.
    a.host.onAnyPause = nullptr;
    a.st.settings.soundOn = false;
    a.start(1);
    a.engine.boardMouseDown(1, 2600, 1500);
    EXPECT_TRUE(a.st.view.aimTimerOn);
}

TEST(MatchEnd, ReportedOnceAfterTheCleanUpToWhoeverStartedIt)
{
    Abandon a;
    a.st.settings.soundOn = false;
    std::vector<MatchResult> results;
    std::size_t logAtEnd = 0;
    a.st.match.intStartScore = 301;
    a.queueBullUp(2);
    a.engine.StartGame([&](const MatchResult& r) {
        results.push_back(r);
        // The engine has cleaned up before it tells.
        EXPECT_TRUE(a.st.match.blnStopped);
        EXPECT_FALSE(a.st.view.scoreboardVisible);
        EXPECT_FALSE(a.st.view.aimTimerOn);
        EXPECT_EQ(a.st.view.dartInHand, (std::array<bool, 6>{true, true, true, false, false, false}));
        logAtEnd = a.host.log.size();
    });
    a.leave(2, 40);
    a.dart("D20");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].winner, 2);
    EXPECT_EQ(results[0].name, "Bob Brisk");
    EXPECT_EQ(results[0].announcement, "The winner is Bob Brisk");
    // Nothing of the match follows its end, and later darts are dropped.
    EXPECT_EQ(a.host.log.size(), logAtEnd);
    a.dart("T20");
    EXPECT_EQ(a.host.log.size(), logAtEnd);
    EXPECT_EQ(results.size(), 1u);

    // A typed checkout ends the match the same way.
    a.st.match.player(1).realBoard = true;
    a.queueBullUp(1);
    a.engine.StartGame([&](const MatchResult& r) { results.push_back(r); });
    a.leave(1, 100);
    ASSERT_TRUE(a.engine.canEnterScore());
    a.engine.bookEnteredTurn(2, 100, 1);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].winner, 1);
    EXPECT_EQ(results[1].announcement, "The winner is Ann Arbour");
}

TEST(MatchEnd, CricketResultCarriesItsLine)
{
    Abandon a;
    a.st.settings.soundOn = false;
    std::vector<MatchResult> results;
    a.queueBullUp(1);
    a.engine.StartCricket([&](const MatchResult& r) { results.push_back(r); });
    for (const char* bed : {"T20", "T19", "T18"})
        a.dart(bed);
    for (int i = 0; i < 3; ++i)
        a.dart("S01");
    for (const char* bed : {"T17", "T16", "T15"})
        a.dart(bed);
    for (int i = 0; i < 3; ++i)
        a.dart("S01");
    a.dart("S50");
    a.dart("S25");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].winner, 1);
    EXPECT_EQ(results[0].announcement, "Ann Arbour WINS BY CLOSING OUT FIRST");
    EXPECT_TRUE(a.host.infos.size() == 1u); // the pairing only: the starter shows the result
}

// The other machine throws for player 2; its darts arrive at the worst moments.
class RemoteDarts : public MatchFixture {
public:
    std::vector<ReceivedDart> sentFromThere;

    void SetUp() override
    {
        MatchFixture::SetUp();
        st.match.networkGame = true;
        st.match.isChallenger = true; // this machine throws for player 1
    }

    // A remote dart that claims a bed its point does not lie in: the received
    // bed is what counts.
    ReceivedDart remote(const std::string& bed, bool bounceOut = false)
    {
        const Point p = at("S01");
        ReceivedDart d{2, p.x, p.y, bed, bounceOut};
        sentFromThere.push_back(d);
        return d;
    }
    void deliver(const std::string& bed, bool bounceOut = false) { engine.receiveDart(remote(bed, bounceOut)); }

    // Where in the log the remote player was called to the oche for the nth time.
    std::vector<std::size_t> callsToOche(const std::string& name) const
    {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < host.log.size(); ++i)
            if (host.log[i] == "comment " + name + " TO THE OCHE.")
                at.push_back(i);
        return at;
    }
};

TEST_F(RemoteDarts, WaitUntilTheirTurnAndAreBookedWithTheirOwnBed)
{
    // Player 2's bull-up dart arrives during player 1's bull-up pause.
    host.onWait.push_back([this] { dart("S25"); });
    host.onPause.push_back([this] { engine.receiveDart({2, board::kBullUpX, board::kBullUpY, "S50", false}); });
    st.match.intStartScore = 501;
    engine.StartGame(exhibition());
    ASSERT_FALSE(st.match.blnBullUp);
    EXPECT_DOUBLE_EQ(st.match.dblBullDist2, 0);
    EXPECT_EQ(st.match.intBullWinner, 2);
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(engine.dartsWaiting(), 0u);

    // Player 2's whole turn arrives at once: taken in order, dart by dart.
    deliver("T20");
    deliver("T19");
    deliver("D25"); // not a real bed: dropped
    deliver("000", true);
    EXPECT_EQ(st.match.player(2).score, 501 - 60 - 57);
    EXPECT_EQ(st.match.stat(2, kStatDarts), 3);
    EXPECT_EQ(st.match.currentPlayer, 1);
    ASSERT_GE(host.flights.size(), 5u);
    EXPECT_TRUE(host.flights.back().bounceOut);
    EXPECT_EQ(st.match.intDartX[3], 1); // the bounce-out lies off the board

    // Player 2's next darts arrive while player 1's darts are in flight, and
    // during the announcement of his third dart: they wait for their turn.
    host.onFlight = [this](std::size_t) { deliver("T20"); };
    dart("S05");
    dart("S05");
    host.onFlight = nullptr;
    host.onPause.push_back([this] { deliver("S20"); }); // the 2 seconds after the third dart
    dart("S05");
    // Player 1's darts kept their own beds.
    EXPECT_EQ(st.match.player(1).score, 501 - 15);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
    // Player 2's three waited for his turn, and were taken after the call to the oche.
    EXPECT_EQ(st.match.stat(2, kStatDarts), 6);
    EXPECT_EQ(st.match.player(2).score, 501 - 117 - 140);
    EXPECT_EQ(st.match.currentPlayer, 1);
    const auto called = callsToOche("BOB BRISK");
    ASSERT_GE(called.size(), 2u);
    std::size_t remoteFlights = 0;
    for (std::size_t i = called.back(); i < host.log.size(); ++i)
        remoteFlights += host.log[i].rfind("animate", 0) == 0;
    EXPECT_EQ(remoteFlights, 3u);

    // No dart of player 1 was sent back as if it were player 2's, and every
    // dart thrown here went out once.
    EXPECT_EQ(host.sent.size(), 4u); // the bull-up dart and three darts of the turn
}

TEST_F(RemoteDarts, ABustAnnouncedHereDelaysTheNextRemoteDartButDoesNotLoseIt)
{
    start(1);
    leave(1, 40);
    // During the bust announcement the remote player's first dart arrives.
    host.onPause.push_back([this] { deliver("T20"); });
    dart("T20");
    EXPECT_EQ(st.match.player(1).score, 40);
    EXPECT_EQ(st.match.stat(2, kStatDarts), 1);
    EXPECT_EQ(st.match.bytTurnScore, 60);
    EXPECT_EQ(st.match.bytDart, 1);
    EXPECT_EQ(st.match.currentPlayer, 2);
}

TEST_F(RemoteDarts, ADartFarOffTheBoardIsSentAsItLandedHereWithinSixteenBits)
{
    start(1);
    const std::size_t before = host.sent.size();
    engine.ThrowDart(100000, -70000);
    ASSERT_EQ(host.sent.size(), before + 1);
    const auto m = readGameMessage(host.sent.back());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->x, 32767);
    EXPECT_EQ(m->y, -32768);
    EXPECT_EQ(m->bed, st.match.strBed);
    EXPECT_EQ(st.match.intDartX[1], 32767);
}

TEST_F(RemoteDarts, DartsForTheWrongSeatOrNoMatchAreDropped)
{
    deliver("T20"); // no match yet
    EXPECT_EQ(engine.dartsWaiting(), 0u);
    start(1);
    engine.receiveDart({1, 100, 100, "T20", false}); // player 1 throws here
    engine.receiveDart({3, 100, 100, "T20", false});
    EXPECT_EQ(engine.dartsWaiting(), 0u);
    deliver("T20"); // player 1's turn: it waits
    EXPECT_EQ(engine.dartsWaiting(), 1u);
    for (int i = 0; i < 100; ++i) // a flood is not kept
        deliver("S01");
    EXPECT_EQ(engine.dartsWaiting(), 32u);
    engine.abandon();
    EXPECT_EQ(engine.dartsWaiting(), 0u); // it belonged to the abandoned match
    EXPECT_EQ(st.match.stat(2, kStatDarts), 0);
}

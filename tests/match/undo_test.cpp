// Corrections of players at a real board, and the record of the match as
// it is played. Both players click their darts at real boards unless a test
// says otherwise.
#include <gtest/gtest.h>

#include "support/matchfixture.h"
#include "support/memorysink.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

class Undo : public MatchFixture {
public:
    MemorySink sink;
    records::MatchRecorder recorder;
    void SetUp() override
    {
        st.match.player(1).realBoard = true;
        st.match.player(2).realBoard = true;
        recorder.setSink(&sink);
        engine.setRecorder(&recorder);
    }
    const std::vector<records::TurnRecord>& stored() { return sink.turns.begin()->second; }
};

// Two rigs that should end alike: one where a wrong dart was clicked and
// taken back, one where it never was.
struct Twin : MatchRig {
    MemorySink sink;
    records::MatchRecorder recorder;
    Twin()
    {
        st.match.player(1).realBoard = true;
        st.match.player(2).realBoard = true;
        recorder.setSink(&sink);
        engine.setRecorder(&recorder);
    }
};

void expectSameMatch(Twin& a, Twin& b)
{
    EXPECT_EQ(a.st.match.matchStats, b.st.match.matchStats);
    for (int p : {1, 2}) {
        EXPECT_EQ(a.st.match.player(p).score, b.st.match.player(p).score) << p;
        EXPECT_EQ(a.st.match.player(p).legs, b.st.match.player(p).legs) << p;
        EXPECT_EQ(a.st.match.player(p).sets, b.st.match.player(p).sets) << p;
        EXPECT_EQ(a.st.match.player(p).legDarts, b.st.match.player(p).legDarts) << p;
    }
    EXPECT_EQ(a.st.match.currentPlayer, b.st.match.currentPlayer);
    EXPECT_EQ(a.st.match.bytDart, b.st.match.bytDart);
    EXPECT_EQ(a.recorder.turns(), b.recorder.turns());
    ASSERT_EQ(a.sink.turns.size(), 1u);
    ASSERT_EQ(b.sink.turns.size(), 1u);
    EXPECT_EQ(a.sink.turns.begin()->second, b.sink.turns.begin()->second);
}

} // namespace

TEST_F(Undo, HisLastDartsOneByOneBackToTheStartOfHisTurn)
{
    start(1, 501, 3, 1);
    dart("T20");
    dart("T19");
    ASSERT_TRUE(engine.canUndo());
    EXPECT_EQ(engine.undo(), "T19");
    EXPECT_EQ(lastComment(), "T19 TAKEN BACK. ANN ARBOUR CLICK OR TYPE SCORE.");
    EXPECT_EQ(st.match.bytDart, 1);
    EXPECT_EQ(st.match.bytTurnScore, 60);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 1);
    EXPECT_EQ(st.match.stat(1, kStatPoints), 60);
    EXPECT_EQ(recorder.visit().size(), 1u);
    EXPECT_EQ(engine.undo(), "T20");
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 0);
    EXPECT_TRUE(recorder.visit().empty());
    // Nothing was thrown before his first dart of the match.
    EXPECT_FALSE(engine.canUndo());
    EXPECT_EQ(engine.undo(), "");
    // He goes on as if the darts had never been clicked.
    turn("T20", "T20", "T20");
    EXPECT_EQ(st.match.player(1).score, 321);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].score, 180);
}

TEST_F(Undo, TheWholeLastTurnWhileTheNextPlayerHereHasNotThrown)
{
    start(1, 501, 3, 1);
    turn("T20", "T05", "T20");
    ASSERT_EQ(st.match.currentPlayer, 2); // Bob is on throw and has not thrown
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(engine.undo(), "T20");
    // Ann is back on throw, with her first two darts, and the turn is out of the record.
    EXPECT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(st.view.yellowPlayer, 1);
    EXPECT_EQ(st.match.bytDart, 2);
    EXPECT_EQ(st.match.player(1).score, 501);
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(engine.undo(), "T5");
    EXPECT_EQ(engine.undo(), "T20");
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_FALSE(engine.canUndo());

    // Against the computer, its turn comes at once: Ann's is not taken back after it.
    Twin vsComputer;
    vsComputer.st.match.numberOfPlayers = 1;
    vsComputer.st.match.player(2).realBoard = false;
    vsComputer.start(1, 501, 3, 1);
    vsComputer.turn("T20", "T20", "T20");
    EXPECT_EQ(vsComputer.st.match.currentPlayer, 1); // the computer has thrown its turn
    EXPECT_FALSE(vsComputer.engine.canUndo());
}

TEST_F(Undo, ALegWinningDartReopensTheLegAsItStood)
{
    Twin wrong, right;
    for (Twin* t : {&wrong, &right}) {
        t->start(1, 501, 2, 1);
        t->turn("T20", "T20", "T20");
        t->turn("S01", "S01", "S01");
        t->leave(1, 40);
        t->dart("S20");
    }
    // 20 left. The wrong one clicks D10 for the S10 he hit: a leg won, it seems.
    wrong.dart("D10");
    ASSERT_EQ(wrong.st.match.player(1).legs, 1);
    ASSERT_TRUE(wrong.engine.canUndo());
    EXPECT_EQ(wrong.engine.undo(), "D10");
    EXPECT_EQ(wrong.st.match.player(1).legs, 0);
    EXPECT_EQ(wrong.st.match.player(1).score, 40);
    EXPECT_EQ(wrong.st.match.bytTurnScore, 20);
    EXPECT_EQ(wrong.st.match.currentPlayer, 1);
    EXPECT_EQ(wrong.st.match.bytDart, 1);
    EXPECT_EQ(wrong.st.match.stat(1, kStatDoublesHit), 0);
    // Then he clicks what he really hit, as the other did from the start, and
    // finishes the leg on the dart after.
    for (Twin* t : {&wrong, &right}) {
        t->dart("S10");
        t->dart("S02");                     // 8 left, his turn over
        t->turn("S01", "S01", "S01");       // Bob
        t->dart("D04");                     // the leg
    }
    expectSameMatch(wrong, right);
    EXPECT_EQ(wrong.st.match.player(1).legs, 1);
    // And the next leg starts alike.
    wrong.turn("T20", "T20", "T20");
    right.turn("T20", "T20", "T20");
    expectSameMatch(wrong, right);
}

TEST_F(Undo, TheDartThatBustAndTheTurnAfterIt)
{
    start(1, 501, 3, 1);
    leave(1, 40);
    dart("T20"); // bust: Bob on throw
    ASSERT_EQ(st.match.currentPlayer, 2);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_TRUE(stored()[0].bust);
    EXPECT_EQ(engine.undo(), "T20");
    EXPECT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(st.match.player(1).score, 40);
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 0);
    EXPECT_TRUE(stored().empty());
    dart("D20"); // what he really hit: the leg
    EXPECT_EQ(st.match.player(1).legs, 1);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_TRUE(stored()[0].checkout);
}

TEST_F(Undo, ACallUnderWayForTheUndoneDartGivesUp)
{
    start(1, 501, 3, 1);
    dart("T20");
    dart("T20");
    // The third dart's score is called (a pause); he takes it back meanwhile.
    host.onPause.push_back([this] { engine.undo(); });
    dart("T01");
    // The call gave up: no change of thrower came after it.
    EXPECT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(st.view.yellowPlayer, 1);
    EXPECT_EQ(st.match.bytDart, 2);
    EXPECT_EQ(st.match.player(1).score, 501);
    EXPECT_TRUE(stored().empty());
    dart("T20");
    EXPECT_EQ(st.match.player(1).score, 321);
    EXPECT_EQ(st.match.currentPlayer, 2);
}

TEST_F(Undo, ATypedTurnIsTakenBackWhole)
{
    start(1, 501, 3, 1);
    ASSERT_TRUE(engine.canEnterScore());
    engine.bookEnteredTurn(3, 60, 0);
    ASSERT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(engine.undo(), "a typed 60");
    EXPECT_EQ(lastComment(), "A TYPED 60 TAKEN BACK. ANN ARBOUR CLICK OR TYPE SCORE.");
    EXPECT_EQ(st.match.player(1).score, 501);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 0);
    EXPECT_TRUE(stored().empty());
}

TEST_F(Undo, NotForScreenDartsTheNetworkOrAWonMatch)
{
    // Darts thrown on the screen are the player's skill.
    st.match.player(1).realBoard = false;
    start(1, 501, 3, 1);
    dart("T20");
    EXPECT_FALSE(engine.canUndo());
    engine.abandon();

    // A network match: the other machine has booked the dart too.
    st.match.player(1).realBoard = true;
    st.match.networkGame = true;
    st.match.isChallenger = true;
    queueBullUp(1);
    engine.StartGame(exhibition());
    dart("T20");
    EXPECT_FALSE(engine.canUndo());
    engine.abandon();
    st.match.networkGame = false;

    // The match won: the dart that won it was confirmed as it was clicked.
    start(1, 301, 1, 1);
    leave(1, 40);
    dart("D20");
    ASSERT_TRUE(st.match.blnStopped);
    EXPECT_FALSE(engine.canUndo());
}

TEST(Recorder, AMatchIsRecordedTurnByTurnAndItsEnd)
{
    MatchRig rig;
    MemorySink sink;
    records::MatchRecorder recorder([] { return std::int64_t{1700000000}; });
    recorder.setSink(&sink);
    rig.engine.setRecorder(&recorder);
    rig.st.match.player(1).realBoard = true;
    rig.start(1, 301, 1, 1);
    rig.turn("T20", "T20", "T20"); // 121
    rig.turn("S05", "S05", "S05"); // Bob
    rig.turn("T20", "T11", "D14"); // out
    ASSERT_TRUE(rig.st.match.blnStopped);
    ASSERT_EQ(sink.matches.size(), 1u);
    const records::MatchRecord& m = sink.matches.begin()->second;
    EXPECT_EQ(m.game, "301");
    EXPECT_EQ(m.kind, records::MatchKind::Exhibition);
    EXPECT_EQ(m.outcome, records::Outcome::Finished);
    EXPECT_EQ(m.winner, 1);
    EXPECT_EQ(m.legs, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(m.players[0].kind, records::PlayerKind::RealBoard);
    EXPECT_EQ(m.players[1].kind, records::PlayerKind::Screen);
    EXPECT_EQ(m.started, 1700000000);
    const auto& turns = sink.turns.begin()->second;
    ASSERT_EQ(turns.size(), 3u);
    EXPECT_EQ(turns[0].score, 180);
    EXPECT_EQ(turns[1].key.player, 2);
    EXPECT_EQ(turns[2].score, 121);
    EXPECT_TRUE(turns[2].checkout);
    EXPECT_EQ(turns[2].dartList.back().bed, "D14");
    EXPECT_EQ(turns[2].dartList.back().remainingBefore, 28);
    // The record's darts add up to the match's own count of them.
    int darts = 0;
    for (const auto& t : turns)
        darts += t.key.player == 1 ? t.darts : 0;
    EXPECT_EQ(darts, rig.st.match.stat(1, kStatDarts));

    // A match left in the middle of a turn: abandoned, the turn kept unfinished.
    rig.start(1, 301, 1, 1);
    rig.dart("T20");
    rig.engine.abandon();
    const records::MatchRecord& left = sink.matches.rbegin()->second;
    EXPECT_EQ(left.outcome, records::Outcome::Abandoned);
    ASSERT_EQ(sink.turns.rbegin()->second.size(), 1u);
    EXPECT_FALSE(sink.turns.rbegin()->second[0].complete);
}

TEST(Recorder, AStoreThatStopsWritingNeverStopsTheMatch)
{
    MatchRig rig;
    MemorySink sink;
    records::MatchRecorder recorder;
    recorder.setSink(&sink);
    rig.engine.setRecorder(&recorder);
    rig.start(1, 301, 1, 1);
    rig.turn("T20", "T20", "T20");
    sink.refuse = true; // the disk is full
    rig.turn("S05", "S05", "S05");
    rig.turn("T20", "T11", "D14");
    EXPECT_TRUE(rig.st.match.blnStopped);
    EXPECT_EQ(rig.st.match.player(1).sets, 1);
    EXPECT_EQ(sink.turns.begin()->second.size(), 1u); // what was written before stays
    EXPECT_EQ(recorder.turns().size(), 3u);           // the match itself knew it all
}

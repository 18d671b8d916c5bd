#include <gtest/gtest.h>

#include "rules/cricket/cricket.h"
#include "support/matchfixture.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(Cricket, AddCodesMarksAndExtras)
{
    const char* captions[] = {"", "\\", "X", "O"};
    const char* expected[4][3] = {
        {"\\0", "X0", "O0"},
        {"X0", "O0", "O1"},
        {"O0", "O1", "O2"},
        {"O1", "O2", "O3"},
    };
    const char* beds[] = {"S20", "D20", "T20"};
    for (int c = 0; c < 4; ++c)
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(AddCodes(captions[c], beds[b]), expected[c][b]) << captions[c] << " " << beds[b];
    EXPECT_EQ(AddCodes("", "000"), "");
    EXPECT_EQ(cricketIndex(20), 0);
    EXPECT_EQ(cricketIndex(25), 6);
    EXPECT_EQ(cricketIndex(14), -1);
}

class CricketGame : public MatchFixture {
public:
    // A Cricket game between the two humans, player 1 to throw first.
    void startCricket(int winner = 1)
    {
        queueBullUp(winner);
        engine.StartCricket(exhibition());
    }
    const std::string& mark(int p, int number)
    {
        return st.match.cricketMarks[static_cast<std::size_t>(p)][static_cast<std::size_t>(cricketIndex(number))];
    }
    void setMarks(int p, const std::array<std::string, 7>& marks)
    {
        st.match.cricketMarks[static_cast<std::size_t>(p)] = marks;
    }
};

TEST_F(CricketGame, StartsWithEmptyMarksAndNoPoints)
{
    st.match.player(1).score = 77;
    st.match.cricketMarks[1][0] = "X";
    startCricket(2);
    EXPECT_TRUE(st.view.cricketBoardShown);
    EXPECT_EQ(host.infos.front(), "Ann Arbour v Bob Brisk");
    EXPECT_EQ(st.match.player(1).score, 0);
    EXPECT_EQ(mark(1, 20), "");
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(lastComment(), "BOB BRISK TO THE OCHE.");
}

TEST_F(CricketGame, ClosingAndScoringOnOpenNumbersOnly)
{
    startCricket();
    dart("T20"); // closes 20 at once
    EXPECT_EQ(mark(1, 20), "O");
    EXPECT_EQ(st.match.player(1).score, 0);
    EXPECT_EQ(lastComment(), "DART 1 HITS T20");
    dart("S20"); // Bob's 20 is open: 20 points
    EXPECT_EQ(st.match.player(1).score, 20);
    dart("S14"); // not in play
    EXPECT_EQ(st.match.player(1).score, 20);
    EXPECT_EQ(st.match.currentPlayer, 2);   // three darts and the throw passes
    EXPECT_EQ(host.pauses.back(), 2); // after a short pause

    dart("T20"); // Bob closes 20
    dart("S20"); // no points: Ann has closed it
    EXPECT_EQ(st.match.player(2).score, 0);
    dart("D19");
    EXPECT_EQ(mark(2, 19), "X");
    EXPECT_TRUE(host.saidComment("DART 3 HITS D19"));

    setMarks(1, {"O", "X", "", "", "", "", ""});
    dart("T19"); // X plus a treble closes and scores twice
    EXPECT_EQ(mark(1, 19), "O");
    EXPECT_EQ(st.match.player(1).score, 20 + 38);
}

TEST_F(CricketGame, TheBullCountsTwoMarksAndTheOuterBullOne)
{
    startCricket();
    dart("S50");
    EXPECT_EQ(mark(1, 25), "X");
    EXPECT_EQ(lastComment(), "DART 1 HITS THE DOUBLE BULLSEYE!");
    dart("S25");
    EXPECT_EQ(mark(1, 25), "O");
    EXPECT_EQ(lastComment(), "DART 2 HITS THE SINGLE BULLSEYE!");
    dart("S50");
    EXPECT_EQ(st.match.player(1).score, 50);
}

TEST_F(CricketGame, WinningNeedsAllClosedAndLevelOrAhead)
{
    startCricket();
    const std::array<std::string, 7> allButBull{"O", "O", "O", "O", "O", "O", "X"};
    // Behind on points: closing out does not win yet.
    setMarks(1, allButBull);
    st.match.player(1).score = 90;
    st.match.player(2).score = 100;
    dart("S25");
    EXPECT_TRUE(ClosedOut(st.match, 1));
    EXPECT_FALSE(st.match.blnStopped);
    // Catching up on a later dart of his own wins.
    dart("S20");
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_EQ(host.infos.back(), "Ann Arbour WINS BY 110 TO 100");
}

TEST_F(CricketGame, OnlyThePlayerOnThrowCanWin)
{
    startCricket();
    // Ann has closed out but trails; Bob's darts cannot hand her the game.
    setMarks(1, {"O", "O", "O", "O", "O", "O", "O"});
    st.match.player(1).score = 40;
    st.match.player(2).score = 60;
    turn("S01", "S01", "S01");
    turn("S01", "S01", "S01");
    EXPECT_FALSE(st.match.blnStopped);
    EXPECT_EQ(st.match.currentPlayer, 1);
}

TEST_F(CricketGame, WinTextsAndTheMenuComesBack)
{
    startCricket();
    setMarks(1, {"O", "O", "O", "O", "O", "O", "X"});
    st.match.player(1).score = 100;
    st.match.player(2).score = 100;
    dart("S25");
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_TRUE(host.saidComment("THAT'S THE WINNER!"));
    EXPECT_EQ(host.infos.back(), "Ann Arbour WINS BY CLOSING OUT FIRST");
    EXPECT_EQ(st.view.setupHeading, "SELECT GAME TYPE");
    EXPECT_TRUE(st.view.setupVisible);
    EXPECT_FALSE(st.view.scoreboardVisible);

    startCricket();
    setMarks(1, {"O", "O", "O", "O", "O", "O", "X"});
    st.match.player(1).score = 120;
    st.match.player(2).score = 95;
    dart("S25");
    EXPECT_EQ(host.infos.back(), "Ann Arbour WINS BY 120 TO 95");
}

TEST_F(CricketGame, ANetworkCricketWinEndsNetworkPlayAndItsSeats)
{
    // This machine challenged: player 1 throws here, player 2 at the other machine.
    st.match.networkGame = true;
    st.match.isChallenger = true;
    startCricket();
    ASSERT_EQ(st.match.seatOf(2), Seat::Remote);
    setMarks(1, {"O", "O", "O", "O", "O", "O", "X"});
    dart("S25");
    EXPECT_TRUE(st.match.blnStopped);
    // Network play ended with the match, as an x01 win ends it.
    EXPECT_FALSE(st.match.networkGame);
    EXPECT_EQ(st.match.seatOf(2), Seat::Human);
    // The next game against the computer seats the computer, not the other machine.
    st.match.numberOfPlayers = 1;
    startCricket(1);
    EXPECT_EQ(st.match.seatOf(2), Seat::Computer);
    const std::size_t sent = host.sent.size();
    dart("T20");
    EXPECT_EQ(host.sent.size(), sent); // nothing goes to the other machine
}

TEST_F(CricketGame, ADartFromTheOtherMachineDuringTheOpeningOverlayIsKept)
{
    // The other machine challenged: its player 1 throws the first bull-up
    // dart, which may come while the pairing is still shown here.
    st.match.networkGame = true;
    st.match.isChallenger = false;
    host.onInfo = [this] { engine.receiveDart({1, board::kBullUpX, board::kBullUpY, "S50", false}); };
    host.onWait.push_back([this] {
        const Point p{board::kBullUpX + 300, board::kBullUpY};
        engine.ThrowDart(p.x, p.y);
    });
    engine.StartCricket(exhibition());
    // Its dart was kept and thrown for its player: it won the bull-up.
    EXPECT_DOUBLE_EQ(st.match.dblBullDist1, GetDistance(board::kBullUpX, board::kBullUpY));
    EXPECT_EQ(st.match.intBullWinner, 1);
}

TEST(CricketComputer, ChoosesBetweenPointsAndClosing)
{
    MatchState st;
    Rng rng(3);
    // Start of a game: points first, the treble 20.
    EXPECT_EQ(ThrowCricketComp(st, rng), "T20");

    // Well ahead, the human's 20 closed, its own 20 on two marks: the single closes it.
    st.player(2).score = 80;
    st.cricketMarks[1][0] = "O";
    st.cricketMarks[2][0] = "X";
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ThrowCricketComp(st, rng), "S20");

    // One mark on a number the human has closed: the double one time in five.
    st.cricketMarks[2][0] = "\\";
    int doubles = 0, trebles = 0;
    for (int i = 0; i < 2000; ++i) {
        const auto t = ThrowCricketComp(st, rng);
        doubles += t == "D20";
        trebles += t == "T20";
    }
    EXPECT_EQ(doubles + trebles, 2000);
    EXPECT_GT(doubles, 300);
    EXPECT_LT(doubles, 500);

    // Ahead by 30: points (the human's open 19) 44 times in 50, thresholds 31..74;
    // otherwise it closes its own 20, which the human has closed.
    MatchState mid;
    mid.player(2).score = 30;
    mid.cricketMarks[1][0] = "O";
    int scoring = 0;
    for (int i = 0; i < 5000; ++i)
        scoring += ThrowCricketComp(mid, rng) == "T19";
    EXPECT_GT(scoring, 4200);
    EXPECT_LT(scoring, 4600);

    // Six closed and ahead: go for the last one, the bull.
    MatchState last;
    last.player(2).score = 1;
    last.cricketMarks[2] = {"O", "O", "O", "O", "O", "O", ""};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(ThrowCricketComp(last, rng), "S50");

    // The human has closed everything and leads: close the own numbers in order.
    MatchState behind;
    behind.player(1).score = 200;
    behind.cricketMarks[1] = {"O", "O", "O", "O", "O", "O", "O"};
    behind.cricketMarks[2] = {"O", "", "", "", "", "", ""};
    EXPECT_EQ(ThrowCricketComp(behind, rng), "T19");

    // Everything closed: nothing to throw at.
    MatchState done;
    done.cricketMarks[1] = done.cricketMarks[2] = {"O", "O", "O", "O", "O", "O", "O"};
    done.player(2).score = 500; // no scoring mode either
    EXPECT_EQ(ThrowCricketComp(done, rng), "");
}

TEST_F(CricketGame, ComputerPlaysItsCricketTurns)
{
    st.match.numberOfPlayers = 1;
    st.roster.lines = {"5,Bob,Brisk,WAL,80,0,0,0,0,0,0,0,0,0,0,0,80"};
    startCricket(1);
    turn("S01", "S01", "S01");
    // The computer threw its three darts and handed the throw back.
    EXPECT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(st.match.player(2).legDarts, 3);
}

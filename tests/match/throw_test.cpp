#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "rules/app/utf8path.h"
#include "rules/match/bed.h"
#include "support/matchfixture.h"

using namespace vantorelle;
using namespace vantorelle::testing;

class Aiming : public MatchFixture {};

TEST_F(Aiming, RealBoardClickAsksAndThrowsOnlyOnYes)
{
    st.match.player(1).realBoard = true;
    start(1);
    EXPECT_EQ(lastComment(), "ANN ARBOUR CLICK OR TYPE SCORE.");
    host.answerYes = false;
    engine.boardMouseDown(1, 2580, 1425);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "T20 - CONFIRM DART?");
    EXPECT_EQ(st.match.bytDart, 0);

    host.answerYes = true;
    engine.boardMouseDown(1, 2580, 1425);
    EXPECT_EQ(st.match.bytDart, 1);
    EXPECT_EQ(st.match.bytTurnScore, 60);
    EXPECT_EQ(st.match.intDartX[1], 2580); // no spread
    EXPECT_EQ(st.match.intDartY[1], 1425);

    // On the double wire a real-board dart always stays in.
    for (int i = 0; i < 2; ++i) {
        engine.boardMouseDown(1, 2595, 635);
    }
    EXPECT_EQ(host.questions.back(), "D20 - CONFIRM DART?");
    EXPECT_EQ(st.match.stat(1, kStatPoints), 60 + 40 + 40);
}

TEST_F(Aiming, LeftRightLeftThrowsWithTheSpreadOfTheFrozenCircle)
{
    start(1);
    engine.boardMouseDown(2, 2595, 2595); // a right click while idle does nothing
    EXPECT_FALSE(st.view.aimTimerOn);
    engine.boardMouseDown(1, 2595, 2595);
    EXPECT_TRUE(st.view.aimTimerOn);
    EXPECT_TRUE(st.view.aim.visible);
    EXPECT_EQ(st.view.aim.width, 2000);

    for (int i = 0; i < 18; ++i)
        engine.aimTick();
    engine.boardMouseDown(1, 2595, 2595); // the width still pulses: nothing happens
    EXPECT_EQ(st.match.bytDart, 0);
    engine.aimTick();
    engine.boardMouseDown(2, 0, 0); // freeze the width at its smallest
    EXPECT_FALSE(st.view.aim.freeX);
    EXPECT_EQ(st.view.aim.width, 24);
    for (int i = 0; i < 3; ++i)
        engine.aimTick();
    EXPECT_EQ(st.view.aim.width, 24);
    EXPECT_GT(st.view.aim.height, 24);
    const int H = st.view.aim.height;
    engine.boardMouseDown(1, 0, 0);
    EXPECT_EQ(st.match.bytDart, 1);
    EXPECT_FALSE(st.view.aimTimerOn);
    EXPECT_FALSE(st.view.aim.visible);
    const int dx = std::abs(st.match.intDartX[1] - 2595), dy = std::abs(st.match.intDartY[1] - 2595);
    EXPECT_GE(dx, 6);
    EXPECT_LE(dx, 30);
    EXPECT_GE(dy, H / 80);
    EXPECT_LE(dy, H / 4 + H / 80 + 1);
}

TEST_F(Aiming, AimSpeedOverrideTakesOver)
{
    start(1);
    st.settings.aimSpeedOverride = 150;
    engine.boardMouseDown(1, 2595, 2595);
    engine.aimTick();
    EXPECT_EQ(st.match.aimSpeed, 150);
    EXPECT_EQ(st.view.aim.width, 1850);
}

TEST_F(Aiming, ClicksOutOfTurnAreIgnored)
{
    // No match yet.
    engine.boardMouseDown(1, 2595, 2595);
    EXPECT_FALSE(st.view.aimTimerOn);

    st.match.player(1).realBoard = true;
    st.match.player(2).realBoard = true;
    start(1);

    // While the end of a turn is announced.
    host.onPause.push_back([this] { engine.boardMouseDown(1, 2580, 1425); });
    turn("S01", "S01", "S01");
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
    EXPECT_EQ(st.match.stat(2, kStatDarts), 0);

    // While a bust is announced, the busted player throws nothing more.
    leave(2, 40);
    host.onPause.push_back([this] { engine.boardMouseDown(1, 2580, 1425); });
    dart("T20");
    EXPECT_EQ(st.match.stat(2, kStatDarts), 1);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
    EXPECT_EQ(st.match.currentPlayer, 1);

    // The remote player's darts in a network match.
    st.match.seat = seatsFor(2, true, false); // this machine plays player 2
    engine.boardMouseDown(1, 2580, 1425);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
}

TEST_F(Aiming, NoDartDuringTheGameCallBeforeTheThrowIsHandedOver)
{
    st.settings.soundOn = true;
    st.match.player(2).realBoard = true;
    queueBullUp(2);
    // Pauses: the bull-up's three, the lead-out of "Bullseye", then "Game".
    for (int i = 0; i < 4; ++i)
        host.onPause.push_back(nullptr);
    host.onPause.push_back([this] { engine.boardMouseDown(1, 2580, 1425); });
    engine.StartGame();
    EXPECT_EQ(host.pauses.size(), 5u);
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_EQ(st.match.stat(2, kStatDarts), 0);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(Aiming, EachPlayerThrowsOneBullUpDart)
{
    st.match.player(1).realBoard = true;
    st.match.player(2).realBoard = true;
    // Player 1 clicks twice, player 2 clicks again while the result is awaited.
    host.onWait.push_back([this] {
        engine.boardMouseDown(1, 2600, 2600);
        engine.boardMouseDown(1, 3000, 3000);
    });
    host.onWait.push_back([this] { engine.boardMouseDown(1, 2700, 2600); });
    host.onPause.push_back(nullptr);
    host.onPause.push_back([this] { engine.boardMouseDown(1, 2600, 2601); });
    host.onPause.push_back([this] { engine.boardMouseDown(1, 2600, 2600); });
    engine.StartGame();
    EXPECT_DOUBLE_EQ(st.match.dblBullDist1, 0);
    EXPECT_DOUBLE_EQ(st.match.dblBullDist2, 1); // the click during the prompt counts, the late one does not
    EXPECT_EQ(st.match.intBullWinner, 1);
}

class Computer : public MatchFixture {
public:
    void SetUp() override
    {
        MatchFixture::SetUp();
        st.match.numberOfPlayers = 1;
        st.match.difficulty = 3;
        // The computer is rank 5 of a small roster.
        st.roster.lines = {"1,Al,One,ENG,100,0,0,0,0,0,0,0,0,0,0,0,100", "5,Bob,Brisk,WAL,80,0,0,0,0,0,0,0,0,0,0,0,80"};
    }
};

TEST_F(Computer, ThrowsItsBullUpAndItsTurnsByItself)
{
    start(1);
    EXPECT_EQ(st.match.currentPlayer, 1);
    host.pauses.clear();
    turn("T20", "T20", "T20");
    // The computer has thrown three darts and the throw is back with Ann.
    EXPECT_EQ(st.match.stat(2, kStatDarts), 3);
    EXPECT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(st.view.yellowPlayer, 1);
    const int thinking = static_cast<int>(
        std::count_if(host.pauses.begin(), host.pauses.end(), [](double s) { return s >= 1.5 && s < 3.5; }));
    EXPECT_GE(thinking, 3);
    EXPECT_LT(st.match.player(2).score, 501);
}

TEST_F(Computer, NewGameDuringTheThinkingPauseThrowsNoDart)
{
    start(1);
    host.onPause.push_back(nullptr);                                // Ann's score is called
    host.onPause.push_back([this] { st.match.blnStopped = true; }); // New game while the computer thinks
    turn("S01", "S01", "S01");
    EXPECT_EQ(st.match.stat(2, kStatDarts), 0);
    EXPECT_EQ(st.match.bytDart, 0);
}

TEST_F(Computer, SpreadFollowsRankDifficultyAverageAndPressure)
{
    start(1, 501, 3, 3); // no pressure on a treble 20 at the start
    int points = 0, thrown = 0;
    auto keepStats = [&](int p, int d) { points = p, thrown = d; };
    auto spreads = [&](int darts) {
        std::vector<int> out;
        for (int i = 0; i < darts; ++i) {
            st.match.stat(2, kStatPoints) = points; // the average stays as set
            st.match.stat(2, kStatDarts) = thrown;
            st.match.currentPlayer = 2;
            st.match.bytDart = 0;
            st.match.bytTurnScore = 0;
            st.match.player(2).score = 501;
            st.match.blnStopped = false;
            engine.Throw("T20");
            if (st.match.intDartX[1] == 1 && st.match.intDartY[1] == 1)
                continue; // bounced out
            const int dx = std::abs(st.match.intDartX[1] - 2580), dy = std::abs(st.match.intDartY[1] - 1425);
            EXPECT_EQ(dx, dy); // on a diagonal of the aim point
            out.push_back(dx);
        }
        return out;
    };

    // Rank 5 at PRO, no darts yet: K = 100, q = 1.
    keepStats(0, 0);
    auto s = spreads(400);
    EXPECT_GE(*std::min_element(s.begin(), s.end()), 1);
    EXPECT_LE(*std::max_element(s.begin(), s.end()), 100);
    EXPECT_GT(*std::max_element(s.begin(), s.end()), 90);

    // Averaging 103 loosens it to K = 200.
    keepStats(103 * 100, 300);
    s = spreads(400);
    EXPECT_LE(*std::max_element(s.begin(), s.end()), 200);
    EXPECT_GT(*std::max_element(s.begin(), s.end()), 150);

    // Rank 100 at BEGINNER averaging 70: K = 400, q = 25.
    st.roster.lines[1] = "100,Bob,Brisk,WAL,1,0,0,0,0,0,0,0,0,0,0,0,1";
    st.match.difficulty = 0;
    keepStats(70 * 100, 300);
    s = spreads(600);
    EXPECT_GE(*std::min_element(s.begin(), s.end()), 25);
    EXPECT_LE(*std::max_element(s.begin(), s.end()), 424);
    EXPECT_GT(*std::max_element(s.begin(), s.end()), 380);

    // Against a real-board human of average 60 the computer plays near it.
    st.match.player(1).realBoard = true;
    st.career.playerAverage = 60;
    keepStats(0, 0); // A takes the stated average: level 16, 60 > 60 - 6 gives K = 400
    s = spreads(600);
    EXPECT_GE(*std::min_element(s.begin(), s.end()), 25);
    EXPECT_LE(*std::max_element(s.begin(), s.end()), 100 + 400 + 25);
    EXPECT_GT(*std::max_element(s.begin(), s.end()), 450);
}

TEST_F(Computer, NervousReadsTheScoreboard)
{
    st.match.bytSetstoWin = 3;
    st.match.bytLegsToWin = 3;
    st.match.player(1).score = 120;
    st.match.player(1).legs = 1;
    st.match.player(2).legs = 1;
    EXPECT_EQ(engine.computer().Nervous("D16"), 6);
    EXPECT_EQ(engine.computer().Nervous("T20"), 0);
    st.match.player(2).sets = 2;
    EXPECT_EQ(engine.computer().Nervous("T20"), 6);
}

TEST_F(Computer, HitLandsExactlyOnTheAimingTableWithoutSpread)
{
    st.appFolder = VANTORELLE_ASSETS;
    start(1);
    engine.Hit("D16");
    EXPECT_EQ(st.match.intDartX[1], 1065);
    EXPECT_EQ(st.match.intDartY[1], 3720);
    EXPECT_EQ(st.match.bytTurnScore, 32);
    // A code the table does not hold throws nothing.
    engine.Hit("X99");
    EXPECT_EQ(st.match.bytDart, 1);

    // The game installed in a folder with an accent in its name.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         pathFromUtf8("vantorelle-Jürgen-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(pathFromUtf8(VANTORELLE_ASSETS "/compaim.dat"), folder / "compaim.dat");
    st.appFolder = utf8FromPath(folder);
    engine.Hit("T20");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(st.match.bytDart, 2);
}

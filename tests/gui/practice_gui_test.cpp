// Practice games in the running program: chosen on the setup panel, played
// at a real board by clicks, shown on the board and the scoreboard, kept in
// the match records with the player's best, and left by New.
#include <QLabel>
#include <set>

#include "gui/guihelpers.h"
#include "qt/records/recordkeeper.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/practice/practicesession.h"
#include "platform/matchstore.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// A checkout from 121 to 125 in three darts: the treble 20, a treble that
// leaves a double, the double.
std::string wayOut(int left)
{
    if (left > 100)
        return "T20";
    if (left <= 40 && left % 2 == 0)
        return makeBed('D', left / 2);
    for (int n = 1; n <= 20; ++n)
        if (const int rest = left - 3 * n; rest >= 2 && rest <= 40 && rest % 2 == 0)
            return makeBed('T', n);
    return "S01";
}

// Oriel at her board: she clicks a bed of the target every time she has a
// dart to throw, and says yes when asked whether it was that bed; but her
// first `misses` darts go into the single 25. Everything the commentary says
// is kept.
class AtTheClock : public QObject {
public:
    AtTheClock(RunningGame& g, int misses) : m_g(g), m_misses(misses)
    {
        connect(&g.win(), &frmDarts::dartDrawn, this, [this] { ++drawn; });
        connect(&m_timer, &QTimer::timeout, this, [this] { step(); });
        m_timer.start(2);
    }
    int drawn = 0;
    std::vector<std::string> said;
    std::set<std::string> targetsSeen;

private:
    void step()
    {
        GameState& st = m_g.st();
        if (said.empty() || said.back() != st.view.comments)
            said.push_back(st.view.comments);
        const PracticeSession* session = m_g.win().engine().practice();
        if (!session || st.match.blnStopped || QApplication::activeModalWidget() || st.view.yellowPlayer != 1 ||
            st.match.bytDart >= 3)
            return;
        std::string bed;
        if (session->choice().game == PracticeGame::Checkout121) {
            bed = drawn < m_misses ? "S25" : wayOut(session->remaining());
        } else {
            if (st.view.targetBeds.empty())
                return;
            targetsSeen.insert(st.view.targetBeds.front());
            bed = drawn < m_misses ? "S25" : st.view.targetBeds.front();
        }
        const auto p = GetCoords(bed);
        ASSERT_TRUE(p) << bed;
        clickBoard(m_g.win().board(), p->x, p->y);
    }

    RunningGame& m_g;
    int m_misses;
    QTimer m_timer;
    AutoAnswer m_yes{QMessageBox::Yes};
};

::testing::AssertionResult saidSomewhere(const std::vector<std::string>& said, const std::string& part)
{
    std::string all;
    for (const std::string& s : said) {
        if (s.find(part) != std::string::npos)
            return ::testing::AssertionSuccess() << s;
        all += s + " | ";
    }
    return ::testing::AssertionFailure() << all;
}

std::vector<records::MatchRecord> practices(RunningGame& g, const std::string& name)
{
    Selection all;
    all.name = name;
    all.kind = records::MatchKind::Practice;
    auto found = g.win().records().store().matches(all);
    EXPECT_TRUE(found);
    return found ? found.value : std::vector<records::MatchRecord>{};
}

void chooseTrebles(RunningGame& g)
{
    clickOption(g, 4); // PRACTICE
    EXPECT_EQ(g.find<QLabel>("lblHeading")->text(), "PRACTICE GAME");
    clickOption(g, 2); // AROUND THE CLOCK
    EXPECT_EQ(g.find<QLabel>("lblHeading")->text(), "AROUND THE CLOCK");
    clickOption(g, 4); // TREBLES, then the player's window
}

// Oriel's program, her name filled in at her real board whenever asked.
struct OrielsGame {
    RunningGame game;
    PlayersFiller players;
    explicit OrielsGame(std::uint64_t seed) : game(seed)
    {
        players.name1 = QStringLiteral("Oriel Vasquez");
        players.realBoard1 = true;
    }
};

bool backAtTheSetup(RunningGame& g)
{
    return waitUntil([&] { return g.st().match.blnStopped && g.st().view.setupVisible; }, 20000);
}

} // namespace

TEST(PracticeWindows, AroundTheClockIsPlayedRecordedAndItsBestKept)
{
    OrielsGame oriels(61);
    RunningGame& game = oriels.game;
    ASSERT_TRUE(game.app);

    {
        AtTheClock oriel(game, 0);
        chooseTrebles(game);
        EXPECT_EQ(oriels.players.opened, 1);
        // The scoreboard shows the game while it is played.
        ASSERT_TRUE(waitUntil([&] { return oriel.drawn >= 4; }, 10000));
        EXPECT_EQ(game.find<QLabel>("lblPlayer_2")->text(), "PERSONAL BEST");
        EXPECT_EQ(game.find<QLabel>("lblLegsHead_1")->text(), "DARTS");
        EXPECT_EQ(game.find<QLabel>("lblSetsHead_1")->text(), "TURN");
        EXPECT_TRUE(game.find<QLabel>("lblInfo_2")->text().contains("NONE YET"));
        ASSERT_TRUE(backAtTheSetup(game));
        EXPECT_EQ(oriel.drawn, 21); // T1 to T20 and the bull, none missed
        EXPECT_TRUE(oriel.targetsSeen.count("T01") && oriel.targetsSeen.count("T20"));
        EXPECT_EQ(game.st().view.comments, "AROUND THE CLOCK IN 21 DARTS. NEW PERSONAL BEST!");
    }
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_TRUE(game.st().view.targetBeds.empty());

    auto kept = practices(game, "ORIEL VASQUEZ");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].game, "CLOCK/TREBLES");
    EXPECT_EQ(kept[0].outcome, records::Outcome::Finished);
    ASSERT_TRUE(kept[0].practiceResult);
    EXPECT_EQ(*kept[0].practiceResult, 21);
    EXPECT_EQ(kept[0].players[0].kind, records::PlayerKind::RealBoard);
    const auto turns = game.win().records().store().turns(kept[0].id);
    ASSERT_TRUE(turns);
    ASSERT_EQ(turns.value.size(), 7u);
    EXPECT_EQ(turns.value.front().dartList.front().bed, "T01");

    // A worse session: the best is shown from the start and stays.
    {
        AtTheClock oriel(game, 3);
        chooseTrebles(game);
        ASSERT_TRUE(waitUntil([&] { return oriel.drawn >= 1; }, 10000));
        EXPECT_EQ(game.find<QLabel>("lblScore_2")->text(), "21");
        ASSERT_TRUE(backAtTheSetup(game));
        EXPECT_EQ(oriel.drawn, 24);
        EXPECT_TRUE(saidSomewhere(oriel.said, "AIM AT T1. BEST: 21 DARTS."));
        EXPECT_EQ(game.st().view.comments, "AROUND THE CLOCK IN 24 DARTS. BEST: 21 DARTS.");
    }
    EXPECT_EQ(game.win().records().practiceBest("ORIEL VASQUEZ", "CLOCK/TREBLES").best, 21);
    EXPECT_EQ(practices(game, "ORIEL VASQUEZ").size(), 2u);
}

TEST(PracticeWindows, NewLeavesASessionRecordedAsAbandoned)
{
    OrielsGame oriels(62);
    RunningGame& game = oriels.game;
    ASSERT_TRUE(game.app);
    {
        AtTheClock oriel(game, 0);
        chooseTrebles(game);
        ASSERT_TRUE(waitUntil([&] { return oriel.drawn >= 5; }, 10000));
        AutoAnswer yes(QMessageBox::Yes);
        game.win().mnuNewGame_Click();
        ASSERT_TRUE(waitUntil([&] { return game.st().view.setupVisible; }, 10000));
    }
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_TRUE(game.st().view.targetBeds.empty());
    const auto kept = practices(game, "ORIEL VASQUEZ");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].outcome, records::Outcome::Abandoned);
    EXPECT_FALSE(kept[0].practiceResult);
    const auto best = game.win().records().practiceBest("ORIEL VASQUEZ", "CLOCK/TREBLES");
    EXPECT_TRUE(best.known);
    EXPECT_FALSE(best.best);
}

TEST(PracticeWindows, A121SessionIsCheckedOutTargetByTarget)
{
    OrielsGame oriels(63);
    RunningGame& game = oriels.game;
    ASSERT_TRUE(game.app);
    AtTheClock oriel(game, 0);
    clickOption(game, 4); // PRACTICE
    clickOption(game, 4); // 121 CHECKOUT
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "NO. OF TARGETS");
    clickOption(game, 2); // 5 TARGETS
    ASSERT_TRUE(waitUntil([&] { return oriel.drawn >= 1; }, 10000));
    EXPECT_EQ(game.find<QLabel>("lblScore_1")->text(), "61");
    EXPECT_EQ(game.find<QLabel>("lblLegsHead_1")->text(), "TARGET");
    EXPECT_EQ(game.find<QLabel>("lblSetsHead_1")->text(), "DARTS");
    ASSERT_TRUE(backAtTheSetup(game));
    EXPECT_EQ(oriel.drawn, 15); // three darts at each of 121 to 125
    EXPECT_EQ(game.st().view.comments, "SESSION OVER: 5 OF 5 CHECKED OUT, HIGHEST 125. NEW PERSONAL BEST!");
    const auto kept = practices(game, "ORIEL VASQUEZ");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].game, "121/5");
    EXPECT_EQ(kept[0].practiceResult, std::optional<double>(125));
}

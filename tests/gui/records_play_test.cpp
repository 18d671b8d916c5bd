// The match records as a match is played in the running program: the
// scoreboard that follows every dart, the figures at the end of a leg, the
// corrections of a real-board player, the record kept in the store and a
// store that cannot be written.
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTimer>
#include <csignal>
#include <deque>

#include "gui/guihelpers.h"
#include "gui/networkhelpers.h"
#include "qt/app/matchinfo.h"
#include "qt/records/frmRecords.h"
#include "qt/records/recordkeeper.h"
#include "qt/ui/fittedlabel.h"
#include "rules/match/board.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// Nia plays at a real board against the computer, clicking the beds of a
// script, one dart each time she is on throw.
class NiaAtHerBoard : public QObject {
public:
    NiaAtHerBoard(RunningGame& g, std::deque<std::string> beds) : m_g(g), m_beds(std::move(beds))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { step(); });
        m_timer.start(1);
    }
    std::function<void()> afterEachDart;

private:
    void step()
    {
        GameState& st = m_g.st();
        if (st.match.blnStopped || QApplication::activeModalWidget())
            return;
        if (st.match.blnBullUp) {
            if (st.match.currentPlayer == 1 && st.match.bytDart == 0 && !st.match.blnBullDartDown)
                m_g.win().engine().ThrowDart(board::kBullUpX, board::kBullUpY);
            return;
        }
        if (st.view.yellowPlayer != 1 || st.match.currentPlayer != 1 || st.match.bytDart >= 3 || m_beds.empty())
            return;
        const auto p = GetCoords(m_beds.front());
        m_beds.pop_front();
        m_g.win().engine().ThrowDart(p->x, p->y);
        if (afterEachDart)
            afterEachDart();
    }

    RunningGame& m_g;
    std::deque<std::string> m_beds;
    QTimer m_timer;
};

void againstTheComputer(RunningGame& g, int startScore = 301, int legs = 1)
{
    GameState& st = g.st();
    st.match.numberOfPlayers = 1;
    st.match.intStartScore = startScore;
    st.match.bytLegsToWin = legs;
    st.match.bytSetstoWin = 1;
    st.match.player(1).name = "NIA QUARRELL";
    st.match.player(2).name = "KEITH CHADWELL";
    st.match.player(1).realBoard = true;
    st.view.setupVisible = false;
}

QString text(RunningGame& g, const char* name)
{
    auto* l = g.find<QLabel>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("(none)");
}

} // namespace

TEST(RecordsInPlay, TheScoreboardFollowsEveryDartAndALegEndsWithItsFigures)
{
    RunningGame game(401);
    ASSERT_TRUE(game.app);
    againstTheComputer(game, 301, 2);
    QStringList visits, routes, infos, summary;
    // 180, then 121 in three: T20 T11 D14.
    NiaAtHerBoard nia(game, {"T20", "T20", "T20", "T20", "T11", "D14"});
    nia.afterEachDart = [&] {
        visits << text(game, "lblVisit_1") + "|" + text(game, "lblVisit_2") + "|" + text(game, "lblVisit_3");
        routes << text(game, "lblRoute");
        infos << text(game, "lblInfo_1");
        if (summary.isEmpty() && game.win().summary()->isVisibleTo(&game.win()))
            summary = game.win().summary()->shownRows();
    };
    // Every visit the panel shows beside the commentary, as they change, also
    // while a score is called.
    QStringList shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString now = text(game, "lblComments") + " = " + text(game, "lblVisit_1") + "|" +
                            text(game, "lblVisit_2") + "|" + text(game, "lblVisit_3");
        if (shown.isEmpty() || shown.back() != now)
            shown << now;
    });
    watch.start(0);
    QObject::connect(&game.win(), &frmDarts::dartDrawn, [&] {
        if (summary.isEmpty() && !game.win().summary()->shownRows().isEmpty())
            summary = game.win().summary()->shownRows();
    });
    game.win().startExhibition(false);
    // (The match waits for her clicks in the event loop from the bull-up on.)
    ASSERT_TRUE(waitUntil([&] { return game.st().match.player(1).legs == 1 && !summary.isEmpty(); }, 10000));
    game.win().engine().abandon();
    EXPECT_EQ(text(game, "lblFormat"), QString::fromUtf8("301 · FIRST TO 2 LEGS"));
    ASSERT_GE(visits.size(), 5);
    EXPECT_EQ(visits[0], QString::fromUtf8("T20 60 · 241||"));
    EXPECT_EQ(visits[1], QString::fromUtf8("T20 60 · 241|T20 60 · 181|"));
    // The whole visit stays on once its last dart is in, while it is called.
    EXPECT_TRUE(shown.contains(QString::fromUtf8(
        "DART 3 HITS 60. NIA QUARRELL SCORES 180. = T20 60 · 241|T20 60 · 181|T20 60 · 121")))
        << shown.join(QStringLiteral(" / ")).toStdString();
    EXPECT_EQ(visits[4], QString::fromUtf8("T20 60 · 61|T11 33 · 28|"));
    // From 121 with three darts to come, 61 with two and 28 with one, the way out is shown.
    EXPECT_EQ(routes[0], QString()); // 241 is no finish
    EXPECT_EQ(routes[2], QStringLiteral("CHECKOUT: T20 T15 D8"));
    EXPECT_EQ(routes[3], QStringLiteral("CHECKOUT: S11 BULL"));
    EXPECT_EQ(routes[4], QStringLiteral("CHECKOUT: D14"));
    EXPECT_TRUE(infos[3].startsWith(QString::fromUtf8("AVG 180.00 · LAST 180 · DARTS 4"))) << infos[3].toStdString();
    // The leg's figures, both players side by side.
    ASSERT_FALSE(summary.isEmpty());
    EXPECT_TRUE(summary.front().startsWith(QStringLiteral("3-DART AVERAGE: 150.50 | "))) << summary.front().toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("HIGHEST FINISH: 121 | -")));
}

TEST(RecordsInPlay, BackspaceTakesBackAClickedDartAndTheMenuSaysWhenItCan)
{
    RunningGame game(402);
    ASSERT_TRUE(game.app);
    againstTheComputer(game);
    auto* undo = game.win().menuBar()->findChild<QAction*>(QStringLiteral("mnuUndo"));
    ASSERT_NE(undo, nullptr);
    bool offered = false, refusedAtStart = false;
    QString said;
    int dartsAfter = -1;
    NiaAtHerBoard nia(game, {"T20", "T19"});
    Once firstDart([&] { return game.st().match.bytDart == 0 && game.st().view.yellowPlayer == 1 && !game.st().match.blnBullUp; },
                   [&] { refusedAtStart = !undo->isEnabled(); });
    Once correct([&] { return game.st().match.bytDart == 2; },
                 [&] {
                     offered = undo->isEnabled();
                     QTest::keyClick(&game.win(), Qt::Key_Backspace);
                     said = QString::fromStdString(game.st().view.comments);
                     dartsAfter = game.st().match.bytDart;
                 });
    game.win().startExhibition(false);
    ASSERT_TRUE(waitUntil([&] { return correct.done(); }, 10000));
    game.win().engine().abandon();
    EXPECT_TRUE(refusedAtStart);
    EXPECT_TRUE(offered);
    EXPECT_EQ(dartsAfter, 1);
    EXPECT_EQ(said, "T19 TAKEN BACK. NIA QUARRELL CLICK OR TYPE SCORE.");
    EXPECT_FALSE(undo->isEnabled()); // the match is gone
}

TEST(RecordsInPlay, AMatchPlayedIsInTheStoreAndTheRecordsWindow)
{
    RunningGame game(403);
    ASSERT_TRUE(game.app);
    againstTheComputer(game);
    NiaAtHerBoard nia(game, {"T20", "T20", "T20", "T20", "T11", "D14"});
    game.win().startExhibition(false);
    ASSERT_TRUE(waitUntil([&] { return game.st().match.blnStopped && game.st().view.setupVisible; }, 10000));
    MatchStore& store = game.win().records().store();
    Selection all;
    all.name = "NIA QUARRELL";
    const auto matches = store.matches(all);
    ASSERT_TRUE(matches);
    ASSERT_EQ(matches.value.size(), 1u);
    const records::MatchRecord& m = matches.value.front();
    EXPECT_EQ(m.outcome, records::Outcome::Finished);
    EXPECT_EQ(m.winner, 1);
    EXPECT_EQ(m.players[1].kind, records::PlayerKind::Computer);
    const auto turns = store.turns(m.id);
    ASSERT_TRUE(turns);
    EXPECT_EQ(turns.value, game.win().records().recorder().turns());
    // Its figures in the window the menu opens, on the name last typed here.
    game.st().settings.savedPlayer1Name = "Nia Quarrell";
    game.win().menuBar()->findChild<QAction*>(QStringLiteral("mnuRecords"))->trigger();
    auto* window = qobject_cast<frmRecords*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "VANTORELLE! RECORDS!");
    EXPECT_TRUE(window->message().isEmpty()) << window->message().toStdString();
    window->close();
}

#ifndef _WIN32
TEST(RecordsInPlay, AStoreThatCannotBeWrittenNeverStopsTheMatchAndIsToldOnce)
{
    // A damaged file is kept aside and a new one begun.
    RunningGame game(404, true, [](const QString& dir) {
        QFile f(dir + "/Records.db");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, '\x5a'));
    });
    ASSERT_TRUE(game.app);
    RecordKeeper& keeper = game.win().records();
    ASSERT_EQ(keeper.told().size(), 1);
    EXPECT_TRUE(keeper.told().front().startsWith("The match records file was damaged"));
    QStringList files = QDir(game.data.path()).entryList(QDir::Files);
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const QString& f) { return f.startsWith("Records.db.damaged-"); }));
    // The disk is full in the middle of a match: the match goes on to its end,
    // the player is told once, and no other file of his changes.
    QFile career(game.data.path() + "/Nia Quarrell.car");
    ASSERT_TRUE(career.open(QIODevice::WriteOnly));
    career.write("a career of his own\r\n");
    career.close();
    const auto before = filesUnder(game.data.path());
    againstTheComputer(game);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    NiaAtHerBoard nia(game, {"T20", "T20", "T20", "T20", "T11", "D14"});
    Once full([&] { return game.st().match.stat(1, kStatDarts) == 3; },
              [&] {
                  rlimit small = was;
                  small.rlim_cur = 0;
                  setrlimit(RLIMIT_FSIZE, &small);
              });
    game.win().startExhibition(false);
    const bool over = waitUntil([&] { return game.st().match.blnStopped; }, 10000);
    setrlimit(RLIMIT_FSIZE, &was);
    ASSERT_TRUE(over);
    EXPECT_TRUE(game.st().match.blnStopped);
    EXPECT_EQ(game.st().match.player(1).sets, 1);
    ASSERT_EQ(keeper.told().size(), 2);
    EXPECT_TRUE(keeper.told().back().contains("The game goes on without recording its matches."));
    for (const auto& [path, bytes] : filesUnder(game.data.path()))
        if (!QFileInfo(path).fileName().startsWith("Records.db")) {
            EXPECT_EQ(bytes, before.at(path)) << path.toStdString();
        }
}
#endif

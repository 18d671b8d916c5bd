// Challenges as players make them: at the worst moment (a click flashing, a
// career's question open, a match being played), two at once, and a network
// Cricket match to its end. Two programs on this machine over 127.0.0.1;
// every wait is bounded.
#include <QComboBox>
#include <QLineEdit>

#include "gui/careerhelpers.h"
#include "gui/guihelpers.h"
#include "gui/networkhelpers.h"
#include "qt/career/careerwindows.h"
#include "qt/career/frmRosters.h"
#include "qt/career/frmSchedule.h"
#include "qt/career/frmStructure.h"
#include "qt/persistence/frmPlayerEditor.h"
#include "rules/cricket/cricket.h"
#include "rules/match/bed.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// Plays this machine's own player of a network Cricket match at a real
// board: trebles from 20 down, then the bull.
class CricketSeat : public QObject {
public:
    explicit CricketSeat(RunningGame& g) : m_g(g)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { step(); });
        m_timer.start(2);
    }

private:
    void step()
    {
        GameState& st = m_g.st();
        const int own = ownThrow(st);
        if (own == 0)
            return;
        std::string bed = "S50";
        if (!st.match.blnBullUp) {
            const auto& marks = st.match.cricketMarks[static_cast<std::size_t>(own)];
            for (int i = 0; i < 6; ++i)
                if (marks[static_cast<std::size_t>(i)] != "O") {
                    bed = makeBed('T', 20 - i);
                    break;
                }
        }
        const auto p = GetCoords(bed);
        clickBoard(m_g.win().board(), p->x, p->y);
    }

    RunningGame& m_g;
    QTimer m_timer;
};

} // namespace

TEST(NetworkChallenge, ACricketMatchToItsEndEndsNetworkPlayOnBothMachines)
{
    RunningGame a(301), b(302);
    ASSERT_TRUE(a.app && b.app);
    a.st().settings.cricketUnlocked = b.st().settings.cricketUnlocked = true;
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 60000);
    AnswerAll answers;
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame && b.st().view.setupVisible; }, 5000));
    a.st().match.player(1).realBoard = true;
    b.st().match.player(2).realBoard = true;
    {
        CricketSeat nia(a), tomas(b);
        a.win().lblOption_Click(4); // CRICKET
        for (int i = 0; i < 3 && a.st().match.blnStopped; ++i)
            a.win().lblOption_Click(1);
        ASSERT_TRUE(waitUntil([&] { return !a.st().match.blnStopped; }, 5000));
        ASSERT_TRUE(a.st().match.cricket);
        ASSERT_TRUE(waitUntil([&] { return a.st().match.blnStopped && b.st().match.blnStopped; }, 30000));
    }
    ASSERT_TRUE(waitUntil([&] { return a.st().view.setupVisible && b.st().view.setupVisible; }, 5000));
    EXPECT_FALSE(a.st().match.networkGame);
    EXPECT_FALSE(b.st().match.networkGame);

    // The challenged machine takes its own clicks again.
    b.win().lblOption_Click(2); // EXHIBITION
    EXPECT_EQ(b.st().view.setupHeading, "SELECT NO. OF PLAYERS");
    // The challenger's next game against the computer: the computer throws,
    // and nothing goes to the other machine.
    DartLog seenByTomas(b);
    bool computerSeated = false;
    GameState& st = a.st();
    st.match.numberOfPlayers = 1;
    st.match.player(1).name = "NIA";
    st.match.player(2).name = "KEITH CHADWELL";
    st.match.player(1).realBoard = true;
    st.view.setupVisible = false;
    QTimer bullUp;
    QObject::connect(&bullUp, &QTimer::timeout, [&] {
        if (st.match.blnBullUp && !st.match.blnStopped && st.match.currentPlayer == 1 && !st.match.blnBullDartDown &&
            !QApplication::activeModalWidget()) {
            computerSeated = st.match.seatOf(2) == Seat::Computer;
            a.win().engine().ThrowDart(2595, 2595);
        }
        if (st.match.blnBullUp && st.match.currentPlayer == 2 && st.match.bytDart >= 1)
            a.win().engine().abandon(); // the computer has thrown its bull-up dart
    });
    bullUp.start(2);
    a.win().startExhibition(false);
    bullUp.stop();
    EXPECT_TRUE(computerSeated);
    qtPause(0.2);
    EXPECT_TRUE(seenByTomas.darts.empty());
}

TEST(NetworkChallenge, AChoiceReplayedWhileTheChallengedPlayersClickFlashesIsTakenAfterIt)
{
    // Tomas's game runs in game time, so that his click's flash lasts a moment.
    RunningGame a(303), b(304, true, {}, 0.5);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    // Tomas clicks EXHIBITION; during its flash Nia challenges and chooses 301.
    bool sent = false;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (sent || !b.win().optionBusy())
            return;
        sent = true;
        a.win().network().lobby()->cmdChallenge_Click();
        a.win().lblOption_Click(1); // 301
    });
    during.start(1);
    b.win().lblOption_Click(2);
    during.stop();
    ASSERT_TRUE(sent);
    // His flash had begun before the challenge, and led nowhere; her choice
    // was not dropped: both stand at the match length of a 301.
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH"; }, 5000));
    EXPECT_EQ(b.st().match.intStartScore, 301);
    EXPECT_EQ(a.st().view.setupHeading, "MATCH LENGTH");
    EXPECT_FALSE(b.st().match.isChallenger);
    // The name Tomas is offered the next time stays his own.
    EXPECT_EQ(b.st().settings.savedPlayer1Name, "Tomas");
}

TEST(NetworkChallenge, AClickKeptDuringAFlashDiesWithItsSetup)
{
    RunningGame a(305), b(306);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 30000);
    b.win().lblOption_Click(2); // EXHIBITION
    // A double click on TWO PLAYER: the second is kept while the first flashes;
    // the players window opens, and Nia's challenge comes while it is up.
    bool doubled = false, challenged = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!doubled && b.win().optionBusy()) {
            doubled = true;
            b.win().lblOption_Click(3);
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!challenged && modal && modal->objectName() == "frmPlayers") {
            challenged = true;
            a.win().network().lobby()->cmdChallenge_Click();
        }
    });
    watch.start(0);
    b.win().lblOption_Click(3);
    ASSERT_TRUE(waitUntil([&] { return challenged && b.st().match.networkGame; }, 5000));
    watch.stop();
    ASSERT_TRUE(doubled);
    // Her choices are taken there one for one, and nothing of his kept click.
    a.win().lblOption_Click(1); // 301
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH"; }, 5000));
    qtPause(0.2);
    EXPECT_EQ(b.st().view.setupHeading, "MATCH LENGTH");
    a.win().lblOption_Click(2); // first to two sets
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading != "MATCH LENGTH"; }, 5000));
    EXPECT_EQ(b.st().view.setupHeading, a.st().view.setupHeading);
    EXPECT_EQ(b.st().match.bytSetstoWin, 2);
}

namespace {

// Tomas has a career going and one of its windows asks him something when
// Nia challenges: the challenge takes over, the career's windows all close,
// no career step runs afterwards and no file of his is written.
void challengeDuring(const std::function<void(RunningGame&)>& openTheQuestion, const QString& modalName,
                     const std::function<void(RunningGame&)>& prepare = {})
{
    RunningGame a(307), b(308);
    ASSERT_TRUE(a.app && b.app);
    createCareer(b, QStringLiteral("Tomas"), QStringLiteral("Brink"));
    if (prepare)
        prepare(b);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 30000);
    std::map<QString, QByteArray> before;
    bool challenged = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (challenged || !modal)
            return;
        const bool mine = modal->objectName() == modalName ||
                          (modalName.isEmpty() && qobject_cast<QMessageBox*>(modal));
        if (!mine) {
            // Anything asked on the way there (the length of a match) is answered.
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
            return;
        }
        challenged = true;
        before = filesUnder(b.data.path());
        a.win().network().lobby()->cmdChallenge_Click();
        waitUntil([&] { return b.st().match.networkGame; }, 5000);
    });
    watch.start(2);
    openTheQuestion(b);
    ASSERT_TRUE(waitUntil([&] { return challenged && b.st().match.networkGame; }, 10000));
    qtPause(0.3);
    watch.stop();
    CareerWindows& career = b.win().career();
    EXPECT_EQ(career.schedule(), nullptr);
    EXPECT_EQ(career.rosters(), nullptr);
    EXPECT_EQ(career.editor(), nullptr);
    EXPECT_EQ(career.rankingPoints(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(b.st().view.setupHeading, "LEG LENGTH");
    EXPECT_EQ(b.st().career.careerName, "Nia");
    EXPECT_EQ(filesUnder(b.data.path()), before);
}

} // namespace

TEST(NetworkChallenge, DuringTheStructureWindow)
{
    challengeDuring([](RunningGame& b) { b.win().career().schedule()->cmdContinue_Click(); }, "frmStructure");
}

TEST(NetworkChallenge, DuringTheDrawsLengthBox)
{
    challengeDuring(
        [](RunningGame& b) {
            frmRosters* draw = openFirstDraw(b);
            ASSERT_NE(draw, nullptr);
            draw->cmdContinue_Click();
        },
        QString());
}

TEST(NetworkChallenge, DuringTheEditorsOverwriteQuestion)
{
    challengeDuring(
        [](RunningGame& b) {
            b.win().career().closeAll();
            b.win().backToStartMenu();
            for (int option : {3, 1, 1}) // CAREER, SHORT, BEGINNER
                b.win().lblOption_Click(option);
            frmPlayerEditor* editor = b.win().career().editor();
            ASSERT_NE(editor, nullptr);
            fillEditor(editor, QStringLiteral("Tomas"), QStringLiteral("Brink"), QStringLiteral("ENG"));
            editor->cmdSave_Click();
        },
        QString());
}

TEST(NetworkChallenge, DuringTheCalendarsQuitQuestion)
{
    challengeDuring([](RunningGame& b) { b.win().career().schedule()->close(); }, QString());
}

TEST(NetworkChallenge, DuringTheCricketUnlockBox)
{
    challengeDuring(
        [](RunningGame& b) {
            frmRosters* draw = openFirstDraw(b);
            ASSERT_NE(draw, nullptr);
            // He has just won the final of the World Championship.
            GameState& st = b.st();
            st.career.tournamentNo = 12;
            st.career.FinalDraw.set(61, st.career.careerName);
            st.career.FinalDraw.set(62, "KEITH CHADWELL");
            RostersState& rs = draw->rostersState();
            rs.intHumanSlot = 63;
            rs.bytHumanDraw = 3;
            rs.humanSlotA = 61;
            rs.humanSlotB = 62;
            rs.strWinner = upperCase(st.career.careerName);
            draw->tmrHuman_Timer();
        },
        QString(), [](RunningGame& b) { b.st().settings.cricketUnlocked = false; });
}

TEST(NetworkChallenge, AMachineInAMatchAnswersBusyAndTheChallengerStaysInTheLobby)
{
    RunningGame a(309), b(310);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    // Tomas plays the computer; his bull-up waits for him.
    GameState& st = b.st();
    st.match.numberOfPlayers = 1;
    st.match.player(1).name = "TOMAS";
    st.match.player(2).name = "KEITH CHADWELL";
    st.view.setupVisible = false;
    AnswerAll answers;
    bool challenged = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (challenged || !st.match.blnBullUp || st.match.blnStopped || QApplication::activeModalWidget())
            return;
        challenged = true;
        a.win().network().lobby()->cmdChallenge_Click();
        waitUntil([&] { return answers.texts.contains(QStringLiteral("Tomas is busy. Try again when the game there is over.")); },
                  5000);
        b.win().engine().abandon(); // his match is left, and the test goes on
    });
    watch.start(2);
    b.win().startExhibition(false);
    watch.stop();
    ASSERT_TRUE(challenged);
    EXPECT_TRUE(answers.texts.contains(QStringLiteral("Tomas is busy. Try again when the game there is over.")));
    // Nia is back at the first page, with her lobby; Tomas was not taken over.
    EXPECT_FALSE(a.st().match.networkGame);
    EXPECT_EQ(a.st().view.setupHeading, "SELECT GAME TYPE");
    EXPECT_NE(a.win().network().lobby(), nullptr);
    EXPECT_FALSE(b.st().match.networkGame);
}

// A practice game is a game: the machine answers busy and the session
// plays on.
TEST(NetworkChallenge, AMachineAtPracticeAnswersBusy)
{
    RunningGame a(313), b(314);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    GameState& st = b.st();
    st.match.player(1).name = "TOMAS";
    st.view.setupVisible = false;
    AnswerAll answers;
    bool challenged = false;
    bool practising = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (challenged || !b.win().engine().practice() || st.match.blnStopped || st.view.yellowPlayer != 1 ||
            QApplication::activeModalWidget())
            return;
        challenged = true;
        a.win().network().lobby()->cmdChallenge_Click();
        waitUntil([&] { return answers.texts.contains(QStringLiteral("Tomas is busy. Try again when the game there is over.")); },
                  5000);
        practising = b.win().engine().practice() && !st.match.blnStopped && !st.match.networkGame;
        b.win().engine().abandon();
    });
    watch.start(2);
    b.win().engine().StartPractice(PracticeChoice::bobs27(), std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return challenged && st.match.blnStopped; }, 10000));
    watch.stop();
    EXPECT_TRUE(answers.texts.contains(QStringLiteral("Tomas is busy. Try again when the game there is over.")));
    EXPECT_TRUE(practising); // his session was not taken over
    EXPECT_FALSE(a.st().match.networkGame);
    EXPECT_EQ(a.st().view.setupHeading, "SELECT GAME TYPE");
}

TEST(NetworkChallenge, TwoChallengesThatCrossAreSettledForTheHost)
{
    RunningGame a(311), b(312);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    // Both press Start Game at once (the joiner's lobby offers it too when
    // his address is the session's).
    a.win().network().lobby()->cmdChallenge_Click();
    b.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return !b.st().match.isChallenger && b.st().match.networkGame; }, 5000));
    qtPause(0.2);
    // Nia, the host, drives the match; Tomas follows her.
    EXPECT_TRUE(a.st().match.networkGame);
    EXPECT_TRUE(a.st().match.isChallenger);
    EXPECT_EQ(a.st().career.careerName, "Nia");
    EXPECT_EQ(b.st().career.careerName, "Nia");
    EXPECT_EQ(b.st().match.player2Name, "Tomas");
    a.win().lblOption_Click(2); // 501
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH"; }, 5000));
    EXPECT_EQ(b.st().match.intStartScore, 501);
}

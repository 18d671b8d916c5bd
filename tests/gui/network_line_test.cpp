// The line between the two machines as real lines are: it falls silent
// without closing, or it is cut without a word. Over 127.0.0.1 only; every
// wait is bounded.
#include <QTcpSocket>
#include <QThread>

#include "gui/guihelpers.h"
#include "gui/networkhelpers.h"
#include "rules/network/frames.h"
#include "rules/network/protocol.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// The other machine as a bare line: it joins the session here, keeps the line
// alive and says what it is told to, until it falls silent: from then on it
// neither writes nor reads, and never closes.
class SilentPeer : public QObject {
public:
    SilentPeer(quint16 port, const std::string& name)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(2000))
            raw(frame(helloPayload(name)));
        m_keepAlive.setInterval(100);
        connect(&m_keepAlive, &QTimer::timeout, this, [this] { raw(frame(keepAlivePayload())); });
        m_keepAlive.start();
    }
    void raw(const std::string& bytes) { socket.write(bytes.data(), static_cast<qint64>(bytes.size())); }
    void say(const std::string& text) { raw(frame(messagePayload(0, text))); }
    void fallSilent()
    {
        m_keepAlive.stop();
        socket.setReadBufferSize(1); // and it reads no more
    }

    QTcpSocket socket;

private:
    QTimer m_keepAlive;
};

const QString kLost = QStringLiteral("The connection to Ghost was lost.");

// A program hosting here with Ghost joined from a bare line.
struct HostWithGhost {
    RunningGame game;
    std::unique_ptr<SilentPeer> ghost;
    explicit HostWithGhost(std::uint64_t seed, double timeScale = 0) : game(seed, true, {}, timeScale)
    {
        if (!game.app || !hostHere(game, QStringLiteral("Nia")))
            return;
        ghost = std::make_unique<SilentPeer>(game.win().network().session()->hostPort(), "Ghost");
        waitUntil([this] { return playersListed(game) == 2; }, 3000);
    }
    bool ready() { return ghost && game.app && playersListed(game) == 2; }
    GameState& st() { return game.st(); }
};

// Ghost challenges and drives the setup to a match of 301, first to one set.
void ghostStartsAMatch(HostWithGhost& h)
{
    h.ghost->say("$ZEKO$CNia$ZEKO$PGhost");
    h.ghost->say("$ZEKO$G301");
    h.ghost->say("$ZEKO$G1");
    h.ghost->say("$ZEKO$GL");
}

} // namespace

TEST(NetworkLine, ASilentLineInTheLobbyIsLostAndTheSessionTakesAPlayerAgain)
{
    HostWithGhost h(201);
    ASSERT_TRUE(h.ready());
    AnswerAll answers;
    h.ghost->fallSilent();
    ASSERT_TRUE(waitUntil([&] { return answers.texts.contains(kLost); }, 5000));
    EXPECT_EQ(playersListed(h.game), 1);
    EXPECT_EQ(answers.texts.count(kLost), 1);
    // A new player can join the session that is still here.
    DirPlay there(kHere);
    EXPECT_TRUE(joinHere(there, QStringLiteral("Tomas")));
    EXPECT_TRUE(waitUntil([&] { return playersListed(h.game) == 2; }, 3000));
}

TEST(NetworkLine, ASilentLineDuringTheReplayedSetupEndsIt)
{
    HostWithGhost h(202);
    ASSERT_TRUE(h.ready());
    AnswerAll answers;
    h.ghost->say("$ZEKO$CNia$ZEKO$PGhost");
    h.ghost->say("$ZEKO$G301");
    ASSERT_TRUE(waitUntil([&] { return h.st().view.setupHeading == "MATCH LENGTH"; }, 3000));
    h.ghost->fallSilent();
    ASSERT_TRUE(waitUntil([&] { return answers.texts.contains(kLost); }, 5000));
    EXPECT_FALSE(h.st().match.networkGame);
    EXPECT_EQ(h.st().view.setupHeading, "SELECT GAME TYPE");
    EXPECT_TRUE(h.st().view.setupVisible);
}

TEST(NetworkLine, ASilentLineDuringTheBullUpEndsTheMatch)
{
    HostWithGhost h(203);
    ASSERT_TRUE(h.ready());
    AnswerAll answers;
    // His bull-up dart never comes: his line falls silent while it is awaited.
    Once silent([&] { return h.st().match.blnBullUp && !h.st().match.blnStopped; }, [&] { h.ghost->fallSilent(); });
    ghostStartsAMatch(h);
    ASSERT_TRUE(waitUntil([&] { return answers.texts.contains(kLost); }, 5000));
    EXPECT_TRUE(silent.done());
    EXPECT_TRUE(h.st().match.blnStopped);
    EXPECT_FALSE(h.st().match.networkGame);
    EXPECT_EQ(h.st().view.setupHeading, "SELECT GAME TYPE");
    EXPECT_TRUE(h.st().view.setupVisible);
    EXPECT_FALSE(answers.texts.contains("Your opponent has quit."));
}

TEST(NetworkLine, ASilentLineInTheMiddleOfATurnEndsTheMatchAfterItsDartsArePlayed)
{
    HostWithGhost h(204);
    ASSERT_TRUE(h.ready());
    AnswerAll answers;
    GameState& st = h.st();
    st.match.player(2).realBoard = true;
    OwnSeat nia(h.game);
    // Ghost's bull-up dart lands wide, Nia's on the bull: she starts.
    Once bullUp([&] { return st.match.blnBullUp && !st.match.blnStopped && st.match.currentPlayer == 1; },
                [&] { h.ghost->say(throwMessage(2595, 1200, "S20", false)); });
    // Her turn thrown, Ghost throws one dart of his, then his line goes quiet;
    // the dart he threw is played before the line is called lost.
    Once midTurn(
        [&] { return !st.match.blnBullUp && !st.match.blnStopped && st.match.currentPlayer == 1 && st.view.yellowPlayer == 1; },
        [&] {
            h.ghost->say(throwMessage(2580, 1425, "T20", false));
            h.ghost->fallSilent();
        });
    ghostStartsAMatch(h);
    ASSERT_TRUE(waitUntil([&] { return answers.texts.contains(kLost); }, 10000));
    nia.stop();
    EXPECT_TRUE(midTurn.done());
    EXPECT_EQ(st.match.stat(1, kStatDarts), 1);
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_FALSE(st.match.networkGame);
}

TEST(NetworkLine, ASilentLineDuringTheClosingOverlayIsToldAndTheSetupComesBack)
{
    // A game that takes a little time, so that the closing overlay stays up
    // for a moment (75 s of game time).
    HostWithGhost h(205, 0.03);
    ASSERT_TRUE(h.ready());
    AnswerAll answers;
    GameState& st = h.st();
    st.match.player(2).realBoard = true;
    OwnSeat nia(h.game);
    Once bullUp([&] { return st.match.blnBullUp && !st.match.blnStopped && st.match.currentPlayer == 1; },
                [&] { h.ghost->say(throwMessage(2595, 1200, "S20", false)); });
    // Ghost misses every dart of his turns; Nia checks out.
    QTimer misses;
    int turn = 0, lastTurn = -1, lastDart = -1, onThrow = 0;
    QObject::connect(&misses, &QTimer::timeout, [&] {
        const MatchState& m = st.match;
        if (m.currentPlayer != onThrow && (onThrow = m.currentPlayer) == 1)
            ++turn;
        // One dart for each dart of his turn, sent once the last one was taken.
        if (m.networkGame && !m.blnBullUp && m.currentPlayer == 1 && st.view.yellowPlayer == 1 && m.bytDart < 3 &&
            !(turn == lastTurn && m.bytDart == lastDart)) {
            h.ghost->say(throwMessage(100, 100, "000", false));
            lastTurn = turn;
            lastDart = m.bytDart;
        }
    });
    misses.start(5);
    // (Once waits for no window to be up; the overlay is one, so a timer of its own.)
    bool silentDuringOverlay = false;
    QTimer overlay;
    QObject::connect(&overlay, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!silentDuringOverlay && modal && modal->objectName() == QLatin1String("frmInfo") &&
            h.game.win().infosShown().last().startsWith(QStringLiteral("The winner is"))) {
            silentDuringOverlay = true;
            h.ghost->fallSilent();
        }
    });
    overlay.start(5);
    ghostStartsAMatch(h);
    ASSERT_TRUE(waitUntil([&] { return answers.texts.contains(kLost); }, 30000));
    nia.stop();
    EXPECT_TRUE(silentDuringOverlay);
    EXPECT_TRUE(st.match.blnStopped);
    ASSERT_TRUE(waitUntil([&] { return st.view.setupVisible && st.view.setupHeading == "SELECT GAME TYPE"; }, 5000));
}

TEST(NetworkLine, ALineCutWithoutGoodbyeIsALostConnectionAndTheJoinerCanJoinAgain)
{
    RunningGame a(211), b(212);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    AnswerAll answers;
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame; }, 3000));
    // Nia's end of the line is cut, with no goodbye said (a cable pulled).
    for (QTcpSocket* s : a.win().network().session()->findChildren<QTcpSocket*>())
        s->abort();
    ASSERT_TRUE(waitUntil([&] { return !b.st().match.networkGame && b.win().network().lobby() == nullptr; }, 5000));
    EXPECT_TRUE(answers.texts.contains(QStringLiteral("The connection to Nia was lost.")));
    EXPECT_FALSE(answers.texts.contains(QStringLiteral("Your opponent has quit.")));
    // Tomas is back at the connection window and joins Nia's session again.
    ASSERT_NE(b.win().network().devices(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return b.win().network().devices()->isVisible(); }, 3000));
    ASSERT_TRUE(waitUntil([&] { return playersListed(a) == 1; }, 5000));
    b.win().network().devices()->cmdJoin_Click();
    ASSERT_NE(b.win().network().join(), nullptr);
    ASSERT_EQ(b.win().network().join()->sessions()->count(), 1);
    b.win().network().join()->cmdJoin_Click();
    EXPECT_TRUE(waitUntil([&] { return playersListed(a) == 2 && playersListed(b) == 2; }, 5000));
}

TEST(NetworkLine, AGameThatStoodStillDoesNotCallTheOtherMachineLost)
{
    RunningGame a(213), b(214);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    AnswerAll answers;
    // This thread stands still for twice the bound (a slow disk, a busy
    // machine): when it runs again, neither side is taken for lost.
    QThread::msleep(2500);
    qtPause(0.5);
    EXPECT_EQ(playersListed(a), 2);
    EXPECT_EQ(playersListed(b), 2);
    EXPECT_TRUE(answers.texts.isEmpty()) << answers.texts.join("|").toStdString();
}

// Two programs in one process playing a match over 127.0.0.1, each throwing
// only for its own player, and a peer that breaks every rule of the session.
// Every wait is bounded.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTcpSocket>
#include <map>
#include <tuple>

#include "gui/guihelpers.h"
#include "gui/networkhelpers.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/network/frames.h"
#include "rules/network/protocol.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(NetworkMatch, PlayedInStepToItsEndWithBothBoardsAgreeingDartByDart)
{
    RunningGame a(81), b(82);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 60000);
    DartLog logA(a), logB(b);
    AutoAnswer ok(QMessageBox::Ok), yes(QMessageBox::Yes); // a real board confirms each dart

    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame && b.st().view.setupVisible; }, 5000));
    // Nia aims with the circle, quickly; Tomas plays at a real board.
    a.st().settings.aimSpeedOverride = 600;
    b.st().match.player(2).realBoard = true;
    OwnSeat nia(a), tomas(b);

    a.win().lblOption_Click(1); // 301
    a.win().lblOption_Click(1); // first to one set: three legs
    a.win().lblOption_Click(1); // beginner
    ASSERT_TRUE(waitUntil([&] { return a.st().match.blnStopped && b.st().match.blnStopped; }, 60000));
    nia.stop();
    tomas.stop();

    // The same match on both machines, dart by dart, and the same ending.
    ASSERT_GE(logA.darts.size(), 2u + 3 * 6);
    EXPECT_EQ(logA.darts, logB.darts);
    for (int p : {1, 2}) {
        EXPECT_EQ(a.st().match.player(p).sets, b.st().match.player(p).sets) << p;
        for (int c = kStatDarts; c <= kStat180; ++c)
            EXPECT_EQ(a.st().match.stat(p, c), b.st().match.stat(p, c)) << p << " " << c;
    }
    EXPECT_EQ(a.st().match.player(2).sets, 1); // the real board's six-dart legs win
    EXPECT_EQ(a.st().match.player(1).name, "NIA");
    EXPECT_EQ(b.st().match.player(2).name, "TOMAS");
    // The match is over on both; the lobby stays open for another challenge.
    EXPECT_FALSE(a.st().match.networkGame);
    EXPECT_FALSE(b.st().match.networkGame);
    EXPECT_NE(a.win().network().lobby(), nullptr);
    EXPECT_NE(b.win().network().lobby(), nullptr);
    EXPECT_EQ(b.win().engine().dartsWaiting(), 0u);
}

TEST(NetworkMatch, ARematchChallengedWhileTheClosingOverlayIsUpKeepsItsPanel)
{
    RunningGame b(103);
    ASSERT_TRUE(b.app);
    GameState& st = b.st();
    ASSERT_NE(hostHere(b, QStringLiteral("Tomas")), nullptr);
    DirPlay there(kHere); // Nia's machine, scripted
    ASSERT_TRUE(joinHere(there, QStringLiteral("Nia")));
    ASSERT_TRUE(waitUntil([&] { return b.win().network().session()->inSession(); }, 3000));
    auto say = [&](const std::string& m) { there.SendChatText(QString::fromStdString(m)); };
    for (const std::string& m : {challengeMessage("Tomas", "Nia"), optionMessage("301"), optionMessage("1"),
                                 optionMessage("L")})
        say(m);

    // Nia throws six-dart legs; Tomas misses the board.
    const std::vector<std::string> leg = {"T20", "T20", "T20", "T20", "T19", "D02"};
    std::size_t next = 0;
    bool rematch = false, networkGameAtTheEnd = true, inFlight = false;
    QObject::connect(&b.win(), &frmDarts::dartDrawn, [&](int p, int, int, const QString&, bool) {
        if (p == 1)
            inFlight = false;
    });
    QTimer play;
    play.setInterval(0);
    QObject::connect(&play, &QTimer::timeout, [&] {
        there.takeGameMessages();
        MatchEngine& engine = b.win().engine();
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == "frmInfo" && st.match.blnStopped && !rematch && next > 0) {
            // The match is over and its overlay up: Nia challenges again.
            rematch = true;
            networkGameAtTheEnd = st.match.networkGame;
            say(challengeMessage("Tomas", "Nia"));
            waitUntil([&] { return st.match.networkGame; }, 5000);
            return;
        }
        if (engine.canTakeDart(1) && !inFlight) {
            inFlight = true;
            const std::string bed = st.match.blnBullUp ? "S50" : leg[next++ % leg.size()];
            const Point p = *GetCoords(bed);
            say(throwMessage(p.x, p.y, bed, false));
        } else if (engine.canTakeDart(2)) {
            engine.ThrowDart(300, 300);
        }
    });
    play.start();
    const bool done = waitUntil([&] { return rematch && !QApplication::activeModalWidget(); }, 30000);
    ASSERT_TRUE(done);
    play.stop();
    qtPause(0);
    EXPECT_FALSE(networkGameAtTheEnd);
    EXPECT_EQ(st.match.player(1).sets, 1);
    EXPECT_TRUE(st.match.networkGame);
    EXPECT_EQ(st.view.setupHeading, "LEG LENGTH");
    EXPECT_TRUE(st.view.setupVisible);
}

TEST(NetworkMatch, AChallengeClosesThePlayersWindowAndItsClickChangesNothing)
{
    RunningGame a(99), b(100);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 30000);
    // Tomas is choosing the players of an exhibition when Nia challenges him.
    bool challenged = false;
    QTimer watch;
    watch.setInterval(2);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (challenged || !modal || modal->objectName() != "frmPlayers")
            return;
        challenged = true;
        a.win().network().lobby()->cmdChallenge_Click();
        waitUntil([&] { return b.st().match.networkGame; }, 5000);
    });
    watch.start();
    b.win().lblOption_Click(2); // EXHIBITION
    b.win().lblOption_Click(3); // TWO PLAYER: the players window, answered by the challenge
    watch.stop();
    ASSERT_TRUE(challenged);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(b.st().view.setupHeading, "LEG LENGTH");
    EXPECT_EQ(b.st().career.careerName, "Nia");
    EXPECT_EQ(b.st().match.player2Name, "Tomas");
    EXPECT_FALSE(b.st().match.player(2).realBoard);
    // Nia's choice is taken there as on her own panel.
    a.win().lblOption_Click(2); // 501
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH"; }, 5000));
    EXPECT_EQ(b.st().match.intStartScore, 501);
}

TEST(NetworkMatch, TheChallengedPlayersClickDuringAReplayedChoiceIsNotTaken)
{
    RunningGame a(101), b(102);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame && b.st().view.setupVisible; }, 5000));
    // Tomas clicks FIRST TO THREE the moment Nia's 301 comes in, while it flashes.
    int clicks = 0;
    QObject::connect(b.win().network().session(), &DirPlay::arrived, &b.win(), [&] {
        QTimer::singleShot(0, &b.win(), [&] {
            ++clicks;
            b.win().lblOption_Click(3);
        });
    });
    a.win().lblOption_Click(1); // 301
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH" && clicks > 0; }, 5000));
    qtPause(0);
    EXPECT_EQ(b.st().view.setupHeading, "MATCH LENGTH");
    EXPECT_EQ(a.st().view.setupHeading, "MATCH LENGTH");
    EXPECT_EQ(b.st().match.intStartScore, 301);
}

TEST(NetworkMatch, TheLineCutMidMatchEndsItOnTheOtherMachineAndANewSessionCanBeMade)
{
    RunningGame a(91), b(92);
    ASSERT_TRUE(a.app && b.app);
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 60000);
    DartLog logA(a);
    AutoAnswer ok(QMessageBox::Ok), yes(QMessageBox::Yes);
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame && b.st().view.setupVisible; }, 5000));
    a.st().match.player(1).realBoard = true;
    b.st().match.player(2).realBoard = true;
    OwnSeat nia(a), tomas(b);
    a.win().lblOption_Click(2); // 501
    a.win().lblOption_Click(3); // first to three sets
    a.win().lblOption_Click(4);
    ASSERT_TRUE(waitUntil([&] { return logA.darts.size() >= 8; }, 20000));
    ASSERT_FALSE(a.st().match.blnStopped);

    // Tomas's line goes dead without a word: Nia's match ends as a quit.
    b.win().network().session()->Dismantle();
    ASSERT_TRUE(waitUntil([&] { return !a.st().match.networkGame && !b.st().match.networkGame; }, 5000));
    nia.stop();
    tomas.stop();
    EXPECT_TRUE(ok.texts.contains("Your opponent has quit."));
    EXPECT_TRUE(a.st().match.blnStopped);
    EXPECT_EQ(a.st().view.setupHeading, "SELECT GAME TYPE");
    EXPECT_TRUE(a.st().view.setupVisible);

    // Both close their lobbies and meet again in a new session.
    a.win().network().lobby()->close();
    if (frmStart* l = b.win().network().lobby())
        l->close();
    ASSERT_TRUE(waitUntil([&] { return a.win().network().devices() && a.win().network().devices()->isVisible(); }, 3000));
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);
    b.win().network().devices()->cmdJoin_Click();
    ASSERT_NE(b.win().network().join(), nullptr);
    ASSERT_EQ(b.win().network().join()->sessions()->count(), 1);
    b.win().network().join()->cmdJoin_Click();
    ASSERT_TRUE(waitUntil([&] { return playersListed(a) == 2; }, 5000));
}

TEST(NetworkMatch, AHostilePeerIsIgnoredOrShownTheDoorAndTouchesNoFile)
{
    RunningGame a(95);
    ASSERT_TRUE(a.app);
    GameState& st = a.st();
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);
    const auto dataBefore = filesUnder(a.data.path());
    const auto settingsBefore = filesUnder(qEnvironmentVariable("XDG_CONFIG_HOME"));
    AutoAnswer ok(QMessageBox::Ok);
    auto* chat = a.win().network().lobby()->findChild<QListWidget*>(QStringLiteral("lstText"));

    HostilePeer peer(a.win().network().session()->hostPort());
    ASSERT_TRUE(peer.socket.waitForConnected(2000));
    peer.raw(frame(helloPayload("Mallory")));
    peer.until([&] { return playersListed(a) == 2; });

    // No match yet: darts, quits, refusals and nonsense change nothing.
    peer.then([&] {
        for (const char* bad : {"$ZEKO$TX100Y100ST20F", "$ZEKO$Q", "$ZEKO$N", "$ZEKO$G301", "$ZEKO$Z", "$ZEKO$",
                                "$ZEKO$C$ZEKO$P", "$ZEKO$TXabcY1ST20F"})
            peer.say(bad);
        peer.raw(frame(messagePayload(7, "$ZEKO$CNia$ZEKO$PMallory"))); // not a text message
        peer.say("Good luck");
    });
    peer.until([&] { return chat->count() == 1; });
    peer.then([&] {
        EXPECT_TRUE(st.match.blnStopped);
        EXPECT_FALSE(st.match.networkGame);
        EXPECT_EQ(st.match.stat(1, kStatDarts) + st.match.stat(2, kStatDarts), 0);
        EXPECT_TRUE(ok.texts.isEmpty()) << ok.texts.join("|").toStdString();
        EXPECT_EQ(chat->item(0)->text(), "Mallor Good luck");
    });

    // Mallory challenges, drives the setup and starts a match.
    peer.then([&] {
        peer.say("$ZEKO$CNia$ZEKO$PMallory");
        peer.say("$ZEKO$G301");
        peer.say("$ZEKO$GCRICKEt"); // unknown: clicks nothing
        peer.say("$ZEKO$G1");
        peer.say("$ZEKO$GL");
    });
    peer.until([&] { return !st.match.blnStopped && st.match.blnBullUp && st.match.currentPlayer == 1; });
    unsigned serial = 0;
    peer.then([&] {
        EXPECT_FALSE(st.match.isChallenger);
        EXPECT_EQ(st.match.intStartScore, 301);
        EXPECT_EQ(st.match.player(1).name, "MALLORY");
        serial = a.win().engine().serial();
        // Darts the board cannot take: ignored, the bull-up still waits.
        for (const char* bad : {"$ZEKO$TXabcY100SS50F", "$ZEKO$TX70000Y100SS50F", "$ZEKO$TX100Y-32769SS50F",
                                "$ZEKO$TX100Y100SQ99F", "$ZEKO$TX100Y100SS50Q", "$ZEKO$TX100Y100S50F",
                                "$ZEKO$TX1e3Y100SS50F"})
            peer.say(bad);
    });
    peer.until([&] { return chat->count() == 1; }); // a beat for them to arrive
    peer.then([&] { peer.say("$ZEKO$TX2595Y2595SS50F"); });
    peer.until([&] { return st.match.blnBullUp && st.match.currentPlayer == 2; });
    peer.then([&] {
        EXPECT_EQ(st.match.bytDart, 1);
        EXPECT_DOUBLE_EQ(st.match.dblBullDist1, GetDistance(2595, 2595));
        // Nia's bull-up dart is hers to throw: one sent for her turn is not hers.
        peer.say("$ZEKO$TX2595Y2595SS50F");
        // A challenge in the middle of a match is ignored.
        peer.say("$ZEKO$CNia$ZEKO$PMallory");
    });
    peer.until([&] { return a.win().engine().dartsWaiting() == 1; });
    peer.then([&] {
        EXPECT_FALSE(st.match.blnBullDartDown);
        EXPECT_EQ(a.win().engine().serial(), serial);
        EXPECT_EQ(st.match.stat(2, kStatDarts), 0);
        // A flood of chat is shown a few lines a poll, the rest counted.
        for (int i = 0; i < 300; ++i)
            peer.say(std::string(64, 'x'));
    });
    peer.until([&] { return !chat->findItems(QStringLiteral("lines of chat not shown"), Qt::MatchContains).isEmpty(); });
    // (At most the burst of lines a person could send is shown.)
    peer.then([&] { EXPECT_LT(chat->count(), 300 * 2); });
    // A flood of game messages: the session ends, and so the match, as a quit.
    peer.then([&] {
        std::string flood;
        for (int i = 0; i < 3000; ++i)
            flood += frame(messagePayload(0, "$ZEKO$GL"));
        peer.raw(flood);
    });
    // (The match ends before the player is told: wait for the message too.)
    peer.until([&] { return !st.match.networkGame && !ok.texts.isEmpty(); });
    peer.then([&] {
        EXPECT_EQ(ok.texts.join("|"), "Your opponent has quit.");
        EXPECT_TRUE(st.match.blnStopped);
        EXPECT_EQ(st.view.setupHeading, "SELECT GAME TYPE");
    });

    peer.start();
    ASSERT_TRUE(waitUntil([&] { return peer.finished(); }, 30000)) << "stopped at step " << peer.at();
    ASSERT_TRUE(waitUntil([&] { return peer.socket.state() == QAbstractSocket::UnconnectedState; }, 3000));

    // A caller whose first frame is too long is shown the door at once.
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, a.win().network().session()->hostPort());
    if (late.waitForConnected(1000)) {
        late.write(QByteArray("\x00\x10\x00\x01", 4) + QByteArray(100, 'x'));
        EXPECT_TRUE(waitUntil([&] { return late.state() == QAbstractSocket::UnconnectedState; }, 3000));
    }
    EXPECT_EQ(filesUnder(a.data.path()), dataBefore);
    EXPECT_EQ(filesUnder(qEnvironmentVariable("XDG_CONFIG_HOME")), settingsBefore);
}

TEST(NetworkMatch, CricketIsRefusedWhereItIsNotUnlockedAndBothAreTold)
{
    RunningGame a(97), b(98);
    ASSERT_TRUE(a.app && b.app);
    a.st().settings.cricketUnlocked = true;
    b.st().settings.cricketUnlocked = false;
    meetInALobby(a, b);
    if (HasFatalFailure())
        return;
    Watchdog watchdog(a, b, 30000);
    AutoAnswer ok(QMessageBox::Ok);
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame && b.st().view.setupVisible; }, 5000));
    EXPECT_EQ(a.st().view.setupOption[4], "CRICKET");
    EXPECT_EQ(b.st().view.setupOption[4], "");

    a.win().lblOption_Click(4); // Nia's Cricket match waits for its bull-up until Tomas says no
    ASSERT_TRUE(waitUntil([&] { return !a.st().match.networkGame && !b.st().match.networkGame; }, 10000));
    EXPECT_TRUE(ok.texts.contains(
        "Your opponent tried to challenge you to Cricket. You haven't unlocked this bonus feature yet."));
    EXPECT_TRUE(ok.texts.contains("Tomas hasn't unlocked Cricket yet. Try another game."));
    for (RunningGame* g : {&a, &b}) {
        EXPECT_TRUE(g->st().match.blnStopped);
        EXPECT_EQ(g->st().view.setupHeading, "SELECT GAME TYPE");
        EXPECT_TRUE(g->st().view.setupVisible);
    }
}

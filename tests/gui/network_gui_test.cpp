// Two sessions' ends on this machine, over 127.0.0.1 only; every wait is
// bounded.
#include <QSignalSpy>
#include <QTcpSocket>

#include "gui/guihelpers.h"
#include "gui/networkhelpers.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include <QAction>
#include <QInputDialog>
#include <QMenuBar>
#include <QLineEdit>
#include "qt/app/settings.h"
#include <QPushButton>
#include <QListWidget>
#include "rules/network/frames.h"
#include "rules/network/protocol.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"

using namespace vantorelle;
using namespace vantorelle::testing;


TEST(DirPlay, HostFindJoinChatAndLeaveOnThisMachine)
{
    DirPlay host(kHere), guest(kHere);
    QStringList providers;
    ASSERT_TRUE(host.InitConnectionList(providers));
    ASSERT_EQ(providers.size(), 1);
    ASSERT_TRUE(host.HostGame(0, QStringLiteral("Nia"), kHere, 2));

    QStringList sessions;
    ASSERT_TRUE(guest.ListSessions(0, sessions, 1000));
    ASSERT_EQ(sessions, QStringList{"127.0.0.1 (1/2)"});
    ASSERT_TRUE(guest.JoinGame(0, QStringLiteral("Tomas")));

    QSignalSpy joined(&host, &DirPlay::playersChanged);
    ASSERT_TRUE(waitUntil([&] { return !host.GetMessages().isNull() || joined.count() > 0; }, 3000));
    QStringList players;
    EXPECT_EQ(host.UpdatePlayers(players), "2 people in the session.");
    EXPECT_EQ(players, (QStringList{"Nia", "Tomas"}));
    EXPECT_EQ(guest.UpdatePlayers(players), "2 people in the session.");
    EXPECT_EQ(players, (QStringList{"Nia", "Tomas"}));

    // Chat goes to the chat; of two game messages in one poll the later counts.
    QSignalSpy chat(&host, &DirPlay::chatReceived);
    guest.SendChatText(QStringLiteral("Good luck"));
    guest.SendChatText(QString());
    guest.SendChatText(QString::fromStdString(optionMessage("501")));
    guest.SendChatText(QString::fromStdString(throwMessage(2580, 1425, "T20", false)));
    QString game;
    ASSERT_TRUE(waitUntil(
        [&] {
            const QString g = host.GetMessages();
            if (!g.isEmpty())
                game = g;
            return !game.isEmpty() && chat.count() == 1;
        },
        3000));
    EXPECT_EQ(chat.at(0).at(0).toString(), "Tomas");
    EXPECT_EQ(chat.at(0).at(1).toString(), "Good luck");
    EXPECT_EQ(game, "$ZEKO$TX2580Y1425ST20F");

    // The match takes every game message, in order, not only the last of a poll.
    guest.SendChatText(QString::fromStdString(optionMessage("501")));
    guest.SendChatText(QString::fromStdString(optionMessage("L")));
    QStringList all;
    ASSERT_TRUE(waitUntil([&] { all << host.takeGameMessages(); return all.size() >= 2; }, 3000));
    EXPECT_EQ(all, (QStringList{"$ZEKO$G501", "$ZEKO$GL"}));

    // A full session is not listed, and a third caller who comes anyway,
    // with this program's hello, is turned away.
    DirPlay third(kHere);
    QStringList again;
    ASSERT_TRUE(third.ListSessions(0, again, 500));
    EXPECT_TRUE(again.isEmpty());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, host.hostPort());
    ASSERT_TRUE(late.waitForConnected(2000));
    const std::string hello = frame(helloPayload("Late"));
    late.write(hello.data(), static_cast<qint64>(hello.size()));
    ASSERT_TRUE(waitUntil([&] { return late.state() == QAbstractSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(host.UpdatePlayers(players), "2 people in the session.");

    // The guest leaves: the host hears of it.
    QSignalSpy left(&host, &DirPlay::playersChanged);
    guest.Dismantle();
    ASSERT_TRUE(waitUntil([&] { host.GetMessages(); return left.count() > 0; }, 3000));
    EXPECT_EQ(host.UpdatePlayers(players), "1 people in the session.");
}

TEST(DirPlay, ASessionClosedToFurtherPlayersIsNotListedAndTurnsCallersAway)
{
    DirPlay host(kHere), guest(kHere);
    ASSERT_TRUE(host.HostGame(0, QStringLiteral("Nia"), QStringLiteral("Nia's board"), 2));
    QStringList sessions;
    ASSERT_TRUE(guest.ListSessions(0, sessions, 500));
    ASSERT_EQ(sessions, QStringList{"Nia's board (1/2)"});
    host.DisableJoin();
    ASSERT_TRUE(guest.ListSessions(0, sessions, 500));
    EXPECT_TRUE(sessions.isEmpty());
    EXPECT_FALSE(guest.JoinGame(0, QStringLiteral("Tomas"), 1000));
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, host.hostPort());
    ASSERT_TRUE(s.waitForConnected(2000));
    ASSERT_TRUE(waitUntil([&] { return s.state() == QAbstractSocket::UnconnectedState; }, 3000));
    QStringList players;
    EXPECT_EQ(host.UpdatePlayers(players), "1 people in the session.");
}

TEST(DirPlay, AnythingButThisProgramsHelloIsShownTheDoor)
{
    DirPlay host(kHere);
    ASSERT_TRUE(host.HostGame(0, QStringLiteral("Nia"), kHere, 2));
    QSignalSpy changed(&host, &DirPlay::playersChanged);
    for (const std::string& first : {std::string("GET / HTTP/1.0\r\n\r\n"), frame("Hsomething-else\t1\tX"),
                                     frame(messagePayload(0, "$ZEKO$Q")), std::string("\x7f\xff\xff\xff", 4)}) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, host.hostPort());
        ASSERT_TRUE(s.waitForConnected(2000));
        s.write(first.data(), static_cast<qint64>(first.size()));
        ASSERT_TRUE(waitUntil([&] { return s.state() == QAbstractSocket::UnconnectedState; }, 3000));
    }
    EXPECT_EQ(host.GetMessages(), "");
    EXPECT_EQ(changed.count(), 0);
    QStringList players;
    EXPECT_EQ(host.UpdatePlayers(players), "1 people in the session.");
}

TEST(Lobby, TwoGamesMeetChatAndTheChallengerDrivesTheSetup)
{
    RunningGame a(51), b(52);
    ASSERT_TRUE(a.app && b.app);
    a.st().settings.savedPlayer1Name = "Nia";
    b.st().settings.savedPlayer1Name = "Tomas";

    a.win().network().open();
    frmDPlayDevices* hostWindow = a.win().network().devices();
    ASSERT_NE(hostWindow, nullptr);
    EXPECT_EQ(hostWindow->windowTitle(), "VANTORELLE! NETWORKING!");
    hostWindow->findChild<QLineEdit*>(QStringLiteral("txtGameName"))->setText(kHere);
    hostWindow->cmdStart_Click();
    frmStart* lobbyA = a.win().network().lobby();
    ASSERT_NE(lobbyA, nullptr);
    EXPECT_TRUE(lobbyA->challengeButton()->isVisibleTo(lobbyA));

    b.win().network().open();
    b.win().network().devices()->cmdJoin_Click();
    frmJoin* join = b.win().network().join();
    ASSERT_NE(join, nullptr);
    ASSERT_EQ(join->sessions()->count(), 1);
    EXPECT_EQ(join->sessions()->item(0)->text(), "127.0.0.1 (1/2)");
    join->cmdJoin_Click();
    frmStart* lobbyB = b.win().network().lobby();
    ASSERT_NE(lobbyB, nullptr);

    // Both lobbies list both players once the join has been heard.
    ASSERT_TRUE(waitUntil([&] { return playersListed(a) == 2 && playersListed(b) == 2; }, 5000));

    // Chat, in the slices and names of the lobby.
    lobbyB->findChild<QLineEdit*>(QStringLiteral("txtChat"))->setText(QStringLiteral("Good darts"));
    lobbyB->cmdSendText_Click();
    auto* chatA = lobbyA->findChild<QListWidget*>(QStringLiteral("lstText"));
    ASSERT_TRUE(waitUntil([&] { return chatA->count() == 1; }, 5000));
    EXPECT_EQ(chatA->item(0)->text(), " Tomas Good darts");

    // The challenge: both setup panels at the leg lengths, Nia as player 1 on both.
    lobbyA->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame; }, 5000));
    for (RunningGame* g : {&a, &b}) {
        EXPECT_EQ(g->st().view.setupHeading, "LEG LENGTH");
        EXPECT_EQ(g->st().career.careerName, "Nia");
        EXPECT_EQ(g->st().match.player2Name, "Tomas");
    }
    EXPECT_TRUE(a.st().match.isChallenger);
    EXPECT_FALSE(b.st().match.isChallenger);

    // Tomas's own clicks do nothing; Nia's choice is replayed on his panel.
    b.win().lblOption_Click(2);
    EXPECT_EQ(b.st().view.setupHeading, "LEG LENGTH");
    a.win().lblOption_Click(1); // 301
    ASSERT_TRUE(waitUntil([&] { return b.st().view.setupHeading == "MATCH LENGTH"; }, 5000));
    EXPECT_EQ(b.st().match.intStartScore, 301);

    // Nia leaves: Tomas is told, and his panel is back on its first page.
    AutoAnswer ok(QMessageBox::Ok);
    AutoAnswer yes(QMessageBox::Yes);
    a.win().mnuNewGame_Click();
    ASSERT_TRUE(waitUntil([&] { return !b.st().match.networkGame; }, 5000));
    EXPECT_TRUE(ok.texts.contains("Your opponent has quit."));
    EXPECT_EQ(b.st().view.setupHeading, "SELECT GAME TYPE");
}

// Answers the host-address prompt with this machine's address; it never
// accepts any other text, so nothing is ever broadcast from a test.
class AddressAnswer : public QObject {
public:
    explicit AddressAnswer(bool cancel, QString answer = kHere) : m_cancel(cancel), m_answer(std::move(answer))
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            labels << box->labelText();
            box->setTextValue(m_answer);
            if (m_cancel || m_answer.isEmpty() || box->textValue() != m_answer)
                box->reject();
            else
                box->accept();
        });
        m_timer.start();
    }
    QStringList labels;

private:
    bool m_cancel;
    QString m_answer;
    QTimer m_timer;
};

TEST(Lobby, WithoutAFixedAddressThePlayerSaysWhereTheHostIs)
{
    RunningGame a(61), b(62);
    ASSERT_TRUE(a.app && b.app);
    a.st().settings.savedPlayer1Name = "Nia";
    b.st().settings.savedPlayer1Name = "Tomas";
    a.win().network().open();
    {
        // Names missing.
        AutoAnswer ok(QMessageBox::Ok);
        a.win().network().devices()->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"))->clear();
        a.win().network().devices()->cmdStart_Click();
        a.win().network().devices()->cmdJoin_Click();
        EXPECT_EQ(ok.texts, (QStringList{"You must fill out both the Player Name and Game Name fields.",
                                         "You must fill out the Player Name field."}));
        EXPECT_EQ(a.win().network().lobby(), nullptr);
        a.win().network().devices()->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"))->setText("Nia");
    }
    // The connection types are listed as the window opens, the first chosen.
    auto* providers = a.win().network().devices()->findChild<QListWidget*>(QStringLiteral("lstServiceProviders"));
    ASSERT_EQ(providers->count(), 1);
    EXPECT_EQ(providers->currentRow(), 0);
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);

    const QByteArray fixed = qgetenv("VANTORELLE_SEARCH_ADDRESS");
    qunsetenv("VANTORELLE_SEARCH_ADDRESS");
    b.win().network().open();
    {
        AddressAnswer cancel(true);
        b.win().network().devices()->cmdJoin_Click();
        EXPECT_EQ(cancel.labels, QStringList{"Host address (leave blank to search the local network):"});
        EXPECT_EQ(b.win().network().join(), nullptr); // nothing looked for
    }
    {
        // An address that is none is told, and the window is there again.
        AddressAnswer nowhere(false, QStringLiteral("999.1.1.1"));
        AutoAnswer ok(QMessageBox::Ok);
        b.win().network().devices()->cmdJoin_Click();
        EXPECT_EQ(ok.texts, QStringList{"Unable to list available games."});
        EXPECT_EQ(b.win().network().join(), nullptr);
        EXPECT_TRUE(b.win().network().devices()->isVisible());
    }
    {
        AddressAnswer here(false);
        b.win().network().devices()->cmdJoin_Click();
    }
    qputenv("VANTORELLE_SEARCH_ADDRESS", fixed);
    ASSERT_NE(b.win().network().join(), nullptr);
    ASSERT_EQ(b.win().network().join()->sessions()->count(), 1);
    EXPECT_EQ(b.win().network().join()->sessions()->item(0)->text(), "127.0.0.1 (1/2)");
    EXPECT_EQ(readSetting(QStringLiteral("SearchAddress")), kHere); // offered the next time
}

TEST(Lobby, NoSessionFoundAFailedJoinAndNobodyToListAreToldPlainly)
{
    RunningGame b(63);
    ASSERT_TRUE(b.app);
    b.st().settings.savedPlayer1Name = "Tomas";
    b.win().network().open();
    {
        // Nobody hosts here: said so, and the connection window stays.
        AutoAnswer ok(QMessageBox::Ok);
        b.win().network().devices()->cmdJoin_Click();
        ASSERT_EQ(ok.texts.size(), 1);
        EXPECT_TRUE(ok.texts.front().startsWith("No session was found at 127.0.0.1."));
        EXPECT_EQ(b.win().network().join(), nullptr);
        EXPECT_TRUE(b.win().network().devices()->isVisible());
    }
    {
        // A session listed, then gone before it is joined.
        DirPlay host(kHere);
        ASSERT_TRUE(host.HostGame(0, QStringLiteral("Nia"), kHere, 2));
        b.win().network().devices()->cmdJoin_Click();
        ASSERT_NE(b.win().network().join(), nullptr);
        host.Dismantle();
        AutoAnswer ok(QMessageBox::Ok);
        b.win().network().join()->cmdJoin_Click();
        EXPECT_TRUE(ok.texts.contains("The session could not be joined: its host did not answer, or it has its two "
                                      "players already."));
        EXPECT_EQ(b.win().network().join(), nullptr);
    }
    // Listing the players of no session at all.
    DirPlay none(kHere);
    QSignalSpy told(&none, &DirPlay::message);
    QStringList players;
    EXPECT_EQ(none.UpdatePlayers(players), "");
    ASSERT_EQ(told.count(), 1);
    EXPECT_EQ(told.front().front().toString(), "Error listing players.");
}

TEST(Lobby, ALostConnectionEndsTheNetworkMatchAsAQuit)
{
    RunningGame a(71), b(72);
    ASSERT_TRUE(a.app && b.app);
    b.st().settings.savedPlayer1Name = "Tomas";
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);
    b.win().network().open();
    b.win().network().devices()->cmdJoin_Click();
    ASSERT_NE(b.win().network().join(), nullptr);
    b.win().network().join()->cmdJoin_Click();
    frmStart* lobbyA = a.win().network().lobby();
    ASSERT_NE(lobbyA, nullptr);
    ASSERT_TRUE(waitUntil([&] { return playersListed(a) == 2; }, 5000));
    lobbyA->cmdChallenge_Click();
    ASSERT_TRUE(waitUntil([&] { return b.st().match.networkGame; }, 5000));

    AutoAnswer ok(QMessageBox::Ok);
    b.win().network().session()->Dismantle(); // the line goes dead, nothing said
    ASSERT_TRUE(waitUntil([&] { return !a.st().match.networkGame; }, 5000));
    EXPECT_TRUE(ok.texts.contains("Your opponent has quit."));
    EXPECT_EQ(a.st().view.setupHeading, "SELECT GAME TYPE");
}

TEST(Lobby, QuittingTheGameTellsTheOtherMachineBeforeTheLineCloses)
{
    RunningGame a(73);
    ASSERT_TRUE(a.app);
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);
    DirPlay there(kHere);
    ASSERT_TRUE(joinHere(there, QStringLiteral("Tomas")));
    ASSERT_TRUE(waitUntil([&] { return a.win().network().session()->inSession(); }, 3000));
    a.win().network().lobby()->cmdChallenge_Click();
    ASSERT_TRUE(a.st().match.networkGame);

    QStringList heard;
    {
        AutoAnswer yes(QMessageBox::Yes);
        a.win().close();
    }
    ASSERT_TRUE(waitUntil([&] { heard << there.takeGameMessages(); return !there.inSession(); }, 3000));
    heard << there.takeGameMessages();
    EXPECT_EQ(heard, (QStringList{"$ZEKO$CTomas$ZEKO$PNia", "$ZEKO$Q"}));
}

TEST(Lobby, EscClosesTheLobbyAsItsCloseBoxDoes)
{
    RunningGame a(74);
    ASSERT_TRUE(a.app);
    frmStart* lobby = hostHere(a, QStringLiteral("Nia"));
    ASSERT_NE(lobby, nullptr);
    DirPlay there(kHere);
    ASSERT_TRUE(joinHere(there, QStringLiteral("Tomas")));
    ASSERT_TRUE(waitUntil([&] { return a.win().network().session()->inSession(); }, 3000));
    lobby->cmdChallenge_Click();
    ASSERT_TRUE(a.st().match.networkGame);

    // During a match the lobby asks first: No keeps it and the match.
    {
        AutoAnswer no(QMessageBox::No);
        QTest::keyClick(lobby, Qt::Key_Escape);
        ASSERT_EQ(no.texts, QStringList{"Closing the lobby ends your match against Tomas. Close it?"});
    }
    EXPECT_EQ(a.win().network().lobby(), lobby);
    EXPECT_TRUE(a.st().match.networkGame);
    AutoAnswer yes(QMessageBox::Yes);
    QTest::keyClick(lobby, Qt::Key_Escape);
    QStringList heard;
    ASSERT_TRUE(waitUntil([&] { heard << there.takeGameMessages(); return !there.inSession(); }, 3000));
    EXPECT_TRUE(heard.contains("$ZEKO$Q"));
    EXPECT_FALSE(a.st().match.networkGame);
    EXPECT_EQ(a.win().network().lobby(), nullptr);
    ASSERT_NE(a.win().network().devices(), nullptr);
    EXPECT_TRUE(a.win().network().devices()->isVisible()); // back at the connection window

    // Esc there too closes it as its close box does: the Network entry is back.
    QTest::keyClick(a.win().network().devices(), Qt::Key_Escape);
    qtPause(0);
    auto* entry = a.win().menuBar()->findChild<QAction*>(QStringLiteral("mnuNetwork"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
}

#pragma once
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QLineEdit>
#include <QListWidget>
#include <QTcpSocket>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "gui/guihelpers.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/network/frames.h"

namespace vantorelle::testing {

// Sessions in the tests are only ever on this machine.
inline const QString kHere = QStringLiteral("127.0.0.1");

// Starts a session on this machine from the connection window (opened when
// it is not), as the player named; the lobby, or null.
inline frmStart* hostHere(RunningGame& g, const QString& name)
{
    NetworkWindows& net = g.win().network();
    if (!net.devices())
        net.open();
    net.devices()->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"))->setText(name);
    net.devices()->findChild<QLineEdit*>(QStringLiteral("txtGameName"))->setText(kHere);
    net.devices()->cmdStart_Click();
    return net.lobby();
}

// The other machine, scripted: finds the one session here and joins it.
inline bool joinHere(DirPlay& there, const QString& name)
{
    QStringList sessions;
    return there.ListSessions(0, sessions, 1000) && sessions.size() == 1 && there.JoinGame(0, name);
}

// How many players the program's lobby lists (0 with no lobby).
inline int playersListed(RunningGame& g)
{
    frmStart* l = g.win().network().lobby();
    return l ? l->findChild<QListWidget*>(QStringLiteral("lstPlayers"))->count() : 0;
}

// Where a player wants his next dart: treble 20 while far off, then a bed
// that leaves a double, then the double.
inline std::string nextBed(int remaining)
{
    if (remaining <= 40 && remaining % 2 == 0)
        return makeBed('D', remaining / 2);
    if (remaining <= 40)
        return makeBed('S', 1);
    if (remaining <= 52)
        return makeBed('S', remaining - 32);
    if (remaining <= 60)
        return makeBed('S', remaining - 40);
    return remaining == 61 ? "T19" : "T20";
}

// This machine's player (1 or 2) when it is his moment to throw in a
// network match (his bull-up dart or a dart of his turn); 0 otherwise.
inline int ownThrow(const GameState& st)
{
    if (!st.match.networkGame || st.match.blnStopped || QApplication::activeModalWidget())
        return 0;
    const int own = st.match.isChallenger ? 1 : 2;
    if (st.match.currentPlayer != own)
        return 0;
    if (st.match.blnBullUp ? (st.match.bytDart != own - 1 || st.match.blnBullDartDown) : st.view.yellowPlayer != own)
        return 0;
    return own;
}

// Answers every message box with Yes where it has one, else OK, and keeps
// its text.
class AnswerAll : public QObject {
public:
    AnswerAll()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                QAbstractButton* b = box->button(QMessageBox::Yes);
                (b ? b : box->button(QMessageBox::Ok))->click();
            }
        });
        m_timer.start(5);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

// Plays this machine's own player of a network match: at a real board it
// clicks the bed it wants; otherwise it aims with the pulsing circle. It
// never touches the board on the other player's turns.
class OwnSeat : public QObject {
public:
    explicit OwnSeat(RunningGame& g) : m_g(g)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &OwnSeat::step);
        m_timer.start();
    }
    void stop() { m_timer.stop(); }

private:
    void step()
    {
        GameState& st = m_g.st();
        const int own = ownThrow(st);
        if (own == 0)
            return;
        const PlayerState& me = st.match.player(own);
        const std::string bed = st.match.blnBullUp ? "S50" : nextBed(me.score - st.match.bytTurnScore);
        const auto p = GetCoords(bed);
        ASSERT_TRUE(p) << bed;
        BoardWidget* board = m_g.win().board();
        if (me.realBoard) {
            clickBoard(board, p->x, p->y);
        } else if (!st.view.aimTimerOn) {
            clickBoard(board, p->x, p->y);
        } else if (st.view.aim.freeX && st.view.aim.width <= 200) {
            clickBoard(board, p->x, p->y, Qt::RightButton);
        } else if (!st.view.aim.freeX && st.view.aim.freeY && st.view.aim.height <= 200) {
            clickBoard(board, p->x, p->y);
        }
    }

    RunningGame& m_g;
    QTimer m_timer;
};

using Dart = std::tuple<int, int, int, QString, bool>;

// Every dart drawn on a program's board, in order.
struct DartLog {
    explicit DartLog(RunningGame& g)
    {
        QObject::connect(&g.win(), &frmDarts::dartDrawn,
                         [this](int p, int x, int y, const QString& bed, bool out) { darts.push_back({p, x, y, bed, out}); });
    }
    std::vector<Dart> darts;
};

// Should the two programs ever wait on each other inside one another's
// pauses, the test fails after a while instead of hanging: both matches are
// abandoned, which ends every wait.
class Watchdog : public QObject {
public:
    Watchdog(RunningGame& a, RunningGame& b, int ms)
    {
        QTimer::singleShot(ms, this, [&a, &b] {
            ADD_FAILURE() << "the two programs stopped playing";
            for (int i = 0; i < 10; ++i)
                if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    d->reject();
            for (RunningGame* g : {&a, &b}) {
                g->st().flags.quitting = true;
                g->win().engine().abandon();
            }
        });
    }
};

// Does something once, from inside the event loop, as soon as a condition
// holds. A match runs inside the event loop (every pause is a nested loop),
// so a test cannot wait for a moment of it from outside: it arranges what
// happens then.
class Once : public QObject {
public:
    Once(std::function<bool()> when, std::function<void()> act) : m_when(std::move(when)), m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_done || QApplication::activeModalWidget() || !m_when())
                return;
            m_done = true;
            m_act();
        });
        m_timer.start(2);
    }
    bool done() const { return m_done; }

private:
    std::function<bool()> m_when;
    std::function<void()> m_act;
    QTimer m_timer;
    bool m_done = false;
};

// Nia hosts, Tomas joins; both lobbies see both players.
inline void meetInALobby(RunningGame& a, RunningGame& b)
{
    b.st().settings.savedPlayer1Name = "Tomas";
    ASSERT_NE(hostHere(a, QStringLiteral("Nia")), nullptr);
    b.win().network().open();
    b.win().network().devices()->cmdJoin_Click();
    ASSERT_NE(b.win().network().join(), nullptr);
    ASSERT_EQ(b.win().network().join()->sessions()->count(), 1);
    b.win().network().join()->cmdJoin_Click();
    ASSERT_TRUE(waitUntil([&] { return playersListed(a) == 2 && playersListed(b) == 2; }, 5000));
}

// A caller who says this program's hello and then breaks every other rule,
// step by step: each step runs on a timer, so the steps go on while the
// program under attack waits inside its own match.
class HostilePeer : public QObject {
public:
    using Step = std::function<bool()>; // true: done, go on to the next
    explicit HostilePeer(quint16 port)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            // Hostile, but not silent: it keeps its line alive.
            if (++m_ticks % 20 == 0 && socket.state() == QAbstractSocket::ConnectedState)
                raw(frame(keepAlivePayload()));
            while (m_next < steps.size() && steps[m_next]())
                ++m_next;
        });
    }
    void start() { m_timer.start(); }
    bool finished() const { return m_next == steps.size(); }
    std::size_t at() const { return m_next; }

    void raw(const std::string& bytes) { socket.write(bytes.data(), static_cast<qint64>(bytes.size())); }
    void say(const std::string& text) { raw(frame(messagePayload(0, text))); }
    // A step that sends and is done.
    void then(std::function<void()> f)
    {
        steps.push_back([f] {
            f();
            return true;
        });
    }
    void until(Step s) { steps.push_back(std::move(s)); }

    QTcpSocket socket;
    std::vector<Step> steps;

private:
    QTimer m_timer;
    std::size_t m_next = 0;
    int m_ticks = 0;
};

// Every file under a folder with its contents.
inline std::map<QString, QByteArray> filesUnder(const QString& folder)
{
    std::map<QString, QByteArray> out;
    QDir dir(folder);
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (f.isDir()) {
            for (auto& [k, v] : filesUnder(f.filePath()))
                out[k] = v;
        } else {
            QFile file(f.filePath());
            file.open(QIODevice::ReadOnly);
            out[f.filePath()] = file.readAll();
        }
    }
    return out;
}

} // namespace vantorelle::testing

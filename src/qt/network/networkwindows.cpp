#include "qt/network/networkwindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/app/frmDarts.h"
#include "qt/app/settings.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkparts.h"
#include "qt/network/networkwindows.h"
#include "qt/ui/disguise.h"
#include "rules/app/gamestate.h"
#include "rules/network/protocol.h"

namespace vantorelle {

namespace {
// More game messages waiting than a match ever sends at once: a flood.
constexpr qsizetype kMostPending = 256;
} // namespace

QString NetworkWindows::fixedSearchAddress()
{
    const QString env = qEnvironmentVariable("VANTORELLE_SEARCH_ADDRESS").trimmed();
    return env.isEmpty() ? QString() : env;
}

QString NetworkWindows::searchAddress()
{
    const QString fixed = fixedSearchAddress();
    return fixed.isNull() ? readSetting(QStringLiteral("SearchAddress")).trimmed() : fixed;
}

NetworkWindows::NetworkWindows(GameState& st, frmDarts& main) : QObject(&main), m_st(st), m_main(main) {}

NetworkWindows::~NetworkWindows()
{
    // The session goes first, while the windows it would tell are still here.
    if (m_play)
        m_play->disconnect(this);
    m_play.reset();
    delete m_lobby.data(); // a window of its own: nobody else deletes it
}

frmDPlayDevices* NetworkWindows::devices() const
{
    return m_devices;
}
frmJoin* NetworkWindows::join() const
{
    return m_join && !m_join->isHidden() ? m_join.data() : nullptr;
}
frmStart* NetworkWindows::lobby() const
{
    return m_lobby && !m_lobby->isHidden() ? m_lobby.data() : nullptr;
}

void NetworkWindows::open()
{
    if (auto* a = networkEntry(m_main))
        a->setEnabled(false);
    if (!m_devices) {
        // The window's load: a new session object and its connection types.
        m_devices = new frmDPlayDevices(*this, &m_main);
        m_devices->setAttribute(Qt::WA_DeleteOnClose);
        ReDisplay();
    }
    m_devices->show();
    m_devices->raise();
}

void NetworkWindows::closeAll()
{
    if (m_lobby)
        m_lobby->close();
    if (m_devices)
        m_devices->close();
    if (m_join)
        m_join->close();
}

void NetworkWindows::minimiseLobby(const QIcon& icon)
{
    disguiseWindow(lobby(), icon);
}

void NetworkWindows::restoreLobby(const QIcon& icon)
{
    if (undisguiseWindow(m_lobby, icon))
        m_lobby->showNormal();
}

void NetworkWindows::ReDisplay()
{
    dropSession();
    // Sessions are hosted on this machine only when the environment keeps the
    // search on it; the address a player types to join is his search's alone.
    m_play.reset(new DirPlay(fixedSearchAddress()));
    // A message is acted on as soon as it comes while the lobby is open, not
    // only at the lobby's next poll.
    connect(m_play.get(), &DirPlay::arrived, this, &NetworkWindows::pollSoon);
    // A line silent for a few seconds of game time is lost; never less than a
    // second, so that a game that takes no time (a time scale of 0) still
    // gives the line a fair chance.
    m_play->setSilenceBound(qMax(1000, qRound(kSilentSeconds * 1000 * m_main.timeScale())));
    connect(m_play.get(), &DirPlay::lineLost, this, [this](const QString& name) {
        // Told once what the other machine said before it went is acted on.
        m_lostPlayer = name;
        m_lostAt.start();
        pollSoon();
    });
    connect(m_play.get(), &DirPlay::message, this, [this](const QString& text) {
        QWidget* over = m_devices ? static_cast<QWidget*>(m_devices) : &m_main;
        QMessageBox::information(over, QStringLiteral("VANTORELLE! NETWORKING!"), text);
    });
    if (m_devices) {
        QStringList list;
        m_play->InitConnectionList(list);
        m_devices->m_lstServiceProviders->clear();
        m_devices->m_lstServiceProviders->addItems(list);
        m_devices->m_lstServiceProviders->setCurrentRow(0);
        m_devices->show();
    }
}

void NetworkWindows::openLobby(bool withChallenge)
{
    // The lobby is a window of its own, not one that belongs to the main
    // window: the desktop keeps a window that belongs to another above it,
    // and the lobby would sit on the board for the whole match.
    m_lobby = new frmStart(*this, nullptr);
    m_lobby->setAttribute(Qt::WA_DeleteOnClose);
    m_lobby->challengeButton()->setVisible(withChallenge);
    m_lobby->show();
    keepLobbyOffTheBoard(false);
}

void NetworkWindows::keepLobbyOffTheBoard(bool raiseBoard)
{
    if (!lobby()) {
        if (raiseBoard) {
            m_main.raise();
            m_main.activateWindow();
        }
        return;
    }
    QWidget* lobbyWindow = m_lobby;
    const QRect mainFrame = m_main.frameGeometry();
    const QRect frame = lobbyWindow->frameGeometry();
    if (QScreen* screen = m_main.screen(); screen && frame.intersects(mainFrame)) {
        // Beside the main window where the screen has room: right, left,
        // below, above; otherwise the board is raised over it.
        const QRect room = screen->availableGeometry();
        const QPoint places[] = {
            {mainFrame.right() + 1, qBound(room.top(), mainFrame.top(), room.bottom() - frame.height())},
            {mainFrame.left() - frame.width(), qBound(room.top(), mainFrame.top(), room.bottom() - frame.height())},
            {qBound(room.left(), mainFrame.left(), room.right() - frame.width()), mainFrame.bottom() + 1},
            {qBound(room.left(), mainFrame.left(), room.right() - frame.width()), mainFrame.top() - frame.height()},
        };
        for (const QPoint& at : places)
            if (room.contains(QRect(at, frame.size()))) {
                lobbyWindow->move(at);
                break;
            }
    }
    if (!raiseBoard)
        return;
    m_main.raise();
    m_main.activateWindow();
}

void NetworkWindows::dropSession()
{
    // The session object may be on the stack below (a flash, a wait for
    // answers): it is closed now and deleted once the event loop is back.
    m_pending.clear(); // what the session brought goes with it
    if (DirPlay* play = m_play.release()) {
        play->disconnect(this);
        play->Dismantle();
        play->deleteLater();
    }
}

void NetworkWindows::send(const std::string& message)
{
    if (m_play && m_play->inSession())
        m_play->SendChatText(qs(message));
}

void NetworkWindows::backToMainMenu(const QString& why)
{
    // The match ends before the player is told, so that a challenge that
    // comes while the message is up starts afresh and is not undone by it.
    m_main.stopWhatIsOnScreen(false);
    m_main.showSetupFirstPage();
    if (m_play)
        m_play->EnableJoin(); // the host's session takes a player again
    if (!why.isEmpty())
        QMessageBox::information(&m_main, m_main.windowTitle(), why);
}

void NetworkWindows::pollSoon()
{
    if (m_pollQueued || !m_lobby)
        return;
    m_pollQueued = true;
    // Queued, not called: the poll may run a whole match (a replayed choice
    // starts it) and must not sit inside the socket's or the timer's handler,
    // which would not be called again until it returned.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pollQueued = false;
            CheckMessages();
        },
        Qt::QueuedConnection);
}

void NetworkWindows::StartANetworkGame(const QString& opponent, bool isChallenger)
{
    // Once a match is on, the session is closed to further players.
    if (m_play)
        m_play->DisableJoin();
    // Whatever was on screen goes: a match, the career, the windows that wait.
    m_main.stopWhatIsOnScreen(false);
    m_main.ChangeTheme("AllBlack");
    MatchState& match = m_st.match;
    match.networkGame = true;
    match.isChallenger = isChallenger;
    m_st.view.flag = {};
    match.numberOfPlayers = 2;
    match.bytGameType = 1;
    // Player 1 is the challenger on both machines. The name remembered for
    // the next time stays this machine's own player's.
    const std::string own = m_ownName.toStdString();
    const std::string other = firstCharacters(opponent.toStdString(), kLongestName).data();
    m_st.career.careerName = isChallenger ? own : other;
    match.player2Name = isChallenger ? other : own;
    m_st.settings.savedPlayer1Name = own;
    match.player(1).realBoard = false;
    match.player(2).realBoard = false;
    m_st.view.dartInHand = {true, true, true, false, false, false};
    m_st.view.scoreboardVisible = false;
    m_st.view.setupHeading = "LEG LENGTH";
    m_st.view.setupOption = {"", "301", "501", "1001", m_st.settings.cricketUnlocked ? "CRICKET" : ""};
    m_st.view.setupVisible = true;
    match.bytLegsToWin = 3;
    m_main.refresh();
    keepLobbyOffTheBoard(true);
}

void NetworkWindows::CheckMessages()
{
    if (m_st.flags.quitting || !m_play)
        return;
    // Acting on a message may run the event loop for a long while (a choice
    // replayed starts the match and its bull-up), and the polls that come
    // meanwhile act on the messages after it: in order, each once.
    DirPlay* play = m_play.get();
    // Between network matches the session takes a player again.
    if (!m_st.match.networkGame)
        play->EnableJoin();
    const QStringList taken = play->takeGameMessages();
    // The flash of the player list runs the event loop: the session may have
    // been closed meanwhile, and what it brought goes with it.
    if (m_play.get() != play)
        return;
    m_pending << taken;
    // More game messages waiting than a match ever sends at once: the other
    // machine is flooding, and the session ends as a lost connection would.
    if (m_pending.size() > kMostPending) {
        m_pending.clear();
        m_play->Dismantle();
    }
    while (!m_pending.isEmpty() && m_play) {
        // A choice being replayed flashes before it takes effect: what the
        // other machine did after it (the bull-up dart of the match the
        // choice starts) waits until it has, or the match would not be there
        // to take it. A choice of the challenger's is never dropped: while a
        // click of this machine's flashes, it waits its turn.
        if ((m_replaying && !m_main.engine().matchRunning()) ||
            (m_main.optionBusy() && m_pending.front().startsWith(QStringLiteral("$ZEKO$G")))) {
            QTimer::singleShot(50, this, &NetworkWindows::pollSoon);
            return;
        }
        act(m_pending.takeFirst().toStdString());
    }
    if (!m_play)
        return;
    if (!m_lostPlayer.isEmpty()) {
        // The darts the other machine threw before its line went are played
        // first: its winning dart is a win, not a lost line. They wait only
        // while the match can still take them.
        const MatchEngine& engine = m_main.engine();
        if (m_st.match.networkGame && engine.matchRunning() && engine.dartsWaiting() > 0 &&
            m_lostAt.elapsed() < kLostDartsWaitMs) {
            QTimer::singleShot(50, this, &NetworkWindows::pollSoon);
            return;
        }
        lineLost();
        return;
    }
    // The other machine gone with a goodbye but without its quit ends the
    // match as a quit would.
    if (m_st.match.networkGame && !m_play->inSession())
        backToMainMenu(QStringLiteral("Your opponent has quit."));
}

void NetworkWindows::lineLost()
{
    const QString name = std::exchange(m_lostPlayer, QString());
    const QString text = QStringLiteral("The connection to %1 was lost.").arg(name);
    if (m_st.match.networkGame) {
        m_main.stopWhatIsOnScreen(false);
        m_main.showSetupFirstPage();
    }
    if (m_play && m_play->hosting()) {
        // The host's session goes on and takes a player again.
        m_play->EnableJoin();
    } else if (m_lobby) {
        // The session was the host's, and it went with him: back to the
        // connection window, to make or join another.
        m_lobby->close();
    }
    QMessageBox::information(&m_main, m_main.windowTitle(), text);
}

void NetworkWindows::act(const std::string& text)
{
    const auto m = readGameMessage(text);
    if (!m)
        return;
    using Kind = GameMessage::Kind;
    MatchState& match = m_st.match;
    switch (m->kind) {
    case Kind::Quit:
        if (match.networkGame)
            backToMainMenu(QStringLiteral("Your opponent has quit."));
        break;
    case Kind::Challenge:
        takeChallenge(qs(m->challenger));
        break;
    case Kind::Busy:
        // The challenge was not taken: the challenger, waiting at his setup,
        // is told and stays in the lobby.
        if (match.networkGame && match.isChallenger && !m_main.engine().matchRunning()) {
            const QString who = qs(match.player2Name);
            backToMainMenu(QStringLiteral("%1 is busy. Try again when the game there is over.").arg(who));
        }
        break;
    case Kind::Option: {
        if (!match.networkGame || match.isChallenger)
            break;
        const int option = optionButton(m->option);
        if (m->option == "CRICKET" && (m_st.view.setupOption[4] != "CRICKET" || !m_st.view.setupVisible)) {
            send(cricketRefusedMessage());
            backToMainMenu(QStringLiteral("Your opponent tried to challenge you to Cricket. You haven't unlocked "
                                          "this bonus feature yet."));
            break;
        }
        if (option != 0 && m_st.view.setupVisible) {
            m_replaying = true;
            m_main.lblOption_Click(option);
            m_replaying = false;
        }
        break;
    }
    case Kind::CricketRefused:
        if (match.networkGame)
            backToMainMenu(qs(match.player2Name) + QStringLiteral(" hasn't unlocked Cricket yet. Try another game."));
        break;
    case Kind::Throw:
        if (match.networkGame)
            m_main.engine().receiveDart({match.isChallenger ? 2 : 1, m->x, m->y, m->bed, m->bounceOut});
        break;
    }
}

void NetworkWindows::takeChallenge(const QString& challenger)
{
    const MatchState& match = m_st.match;
    // A match being played here is not broken off: the challenger is told.
    if (m_main.engine().matchRunning()) {
        send(busyMessage());
        return;
    }
    // Two challenges that cross: the host's stands, the other machine's
    // gives way (the host ignores the one it gets, the other takes it).
    if (match.networkGame && match.isChallenger && m_play && m_play->hosting())
        return;
    StartANetworkGame(challenger, false);
}

} // namespace vantorelle

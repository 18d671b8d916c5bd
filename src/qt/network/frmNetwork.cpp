#include "qt/network/frmNetwork.h"

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
#include "qt/ui/disguise.h"
#include "rules/app/gamestate.h"
#include "rules/network/protocol.h"

namespace vantorelle {

namespace {

constexpr int kChatLinesKept = 500;
constexpr qsizetype kMostPending = 256;

QString qs(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* edit(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(30);
    return e;
}

QAction* networkEntry(frmDarts& main)
{
    return main.menuBar()->findChild<QAction*>(QStringLiteral("mnuNetwork"));
}

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
    m_st.match.networkGame = false;
    m_main.leaveNetworkGame();
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

void NetworkWindows::StartANetworkGame(const QString& opponent)
{
    // Once a match is on, the session is closed to further players.
    if (m_play)
        m_play->DisableJoin();
    m_main.prepareNetworkGame(m_ownName.toStdString(), opponent.toStdString(), m_st.match.isChallenger);
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
        // to take it.
        if (m_replaying && !m_main.engine().matchRunning()) {
            QTimer::singleShot(50, this, &NetworkWindows::pollSoon);
            break;
        }
        act(m_pending.takeFirst().toStdString());
    }
    // The other machine gone without a word (its connection lost) ends the
    // match as a quit would.
    if (m_play && m_st.match.networkGame && !m_play->inSession())
        backToMainMenu(QStringLiteral("Your opponent has quit."));
}

void NetworkWindows::act(const std::string& text)
{
    const auto m = readGameMessage(text);
    if (m) {
        using Kind = GameMessage::Kind;
        switch (m->kind) {
        case Kind::Quit:
            if (m_st.match.networkGame)
                backToMainMenu(QStringLiteral("Your opponent has quit."));
            break;
        case Kind::Challenge:
            // A challenge is taken only between matches.
            if (!m_main.engine().matchRunning()) {
                m_st.match.isChallenger = false;
                m_st.match.networkGame = true;
                StartANetworkGame(qs(m->challenger));
            }
            break;
        case Kind::Option: {
            if (!m_st.match.networkGame || m_st.match.isChallenger)
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
            if (m_st.match.networkGame)
                backToMainMenu(qs(m_st.match.player2Name) + QStringLiteral(" hasn't unlocked Cricket yet. Try another game."));
            break;
        case Kind::Throw:
            if (m_st.match.networkGame)
                m_main.engine().receiveDart({m_st.match.isChallenger ? 2 : 1, m->x, m->y, m->bed, m->bounceOut});
            break;
        }
    }
}

// ---------------------------------------------------------------- connection window

frmDPlayDevices::frmDPlayDevices(NetworkWindows& net, QWidget* parent) : QDialog(parent), m_net(net)
{
    setObjectName(QStringLiteral("frmDPlayDevices"));
    setWindowTitle(QStringLiteral("VANTORELLE! NETWORKING!"));
    auto* grid = new QGridLayout(this);
    m_txtPlayerName = edit(this, QStringLiteral("txtPlayerName"));
    m_txtPlayerName->setText(QString::fromStdString(net.m_st.settings.savedPlayer1Name));
    m_txtGameName = edit(this, QStringLiteral("txtGameName"));
    m_txtGameName->setText(localAddress());
    m_lstServiceProviders = new QListWidget(this);
    m_lstServiceProviders->setObjectName(QStringLiteral("lstServiceProviders"));
    m_lstServiceProviders->setMaximumHeight(80);
    auto* start = button(this, QStringLiteral("cmdStart"), QStringLiteral("Start Session"));
    auto* join = button(this, QStringLiteral("cmdJoin"), QStringLiteral("Join Session"));
    grid->addWidget(new QLabel(QStringLiteral("Your Name:"), this), 0, 0);
    grid->addWidget(m_txtPlayerName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Your IP Address:"), this), 1, 0);
    grid->addWidget(m_txtGameName, 1, 1);
    grid->addWidget(m_lstServiceProviders, 2, 0, 1, 2);
    grid->addWidget(start, 3, 0);
    grid->addWidget(join, 3, 1);
    connect(start, &QPushButton::clicked, this, &frmDPlayDevices::cmdStart_Click);
    connect(join, &QPushButton::clicked, this, &frmDPlayDevices::cmdJoin_Click);
    setMinimumWidth(360);
}

QString frmDPlayDevices::rememberName()
{
    // The name typed is the one offered the next time ("Player1").
    const QString name = m_txtPlayerName->text().trimmed();
    savePlayer1(name);
    m_net.m_st.settings.savedPlayer1Name = name.toStdString();
    return name;
}

void frmDPlayDevices::cmdStart_Click()
{
    const QString name = rememberName(), game = m_txtGameName->text().trimmed();
    if (name.isEmpty() || game.isEmpty()) {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("You must fill out both the Player Name and Game Name fields."));
        return;
    }
    DirPlay* play = m_net.m_play.get();
    if (!play->HostGame(qMax(0, m_lstServiceProviders->currentRow()), name, game, 2)) {
        m_net.ReDisplay();
        return;
    }
    m_net.m_ownName = name;
    hide();
    m_net.m_st.match.isChallenger = true;
    m_net.openLobby(true);
}

void frmDPlayDevices::cmdJoin_Click()
{
    const QString name = rememberName();
    if (name.isEmpty()) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("You must fill out the Player Name field."));
        return;
    }
    // Where to look: the address the environment fixes, else the host's
    // address as the player types it, blank for the whole local network.
    QPointer<frmDPlayDevices> self(this); // the questions and the search run the event loop
    QString address = NetworkWindows::fixedSearchAddress();
    if (address.isNull()) {
        bool ok = false;
        address = QInputDialog::getText(this, windowTitle(),
                                        QStringLiteral("Host address (leave blank to search the local network):"),
                                        QLineEdit::Normal, NetworkWindows::searchAddress(), &ok)
                      .trimmed();
        if (!self || !ok)
            return;
        saveSearchAddress(address);
    }
    QStringList sessions;
    DirPlay* play = m_net.m_play.get();
    if (!play)
        return;
    play->setSearchAddress(address);
    setEnabled(false); // one search at a time
    const bool listed = play->ListSessions(qMax(0, m_lstServiceProviders->currentRow()), sessions);
    if (!self)
        return; // the window was closed meanwhile
    setEnabled(true);
    if (!listed) {
        if (play == m_net.m_play.get())
            m_net.ReDisplay();
        return;
    }
    m_net.m_ownName = name;
    hide();
    m_net.m_join = new frmJoin(m_net, parentWidget());
    m_net.m_join->setAttribute(Qt::WA_DeleteOnClose);
    m_net.m_join->sessions()->addItems(sessions);
    if (!sessions.isEmpty())
        m_net.m_join->sessions()->setCurrentRow(0);
    m_net.m_join->show();
}

void frmDPlayDevices::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (m_net.m_lobby)
        m_net.m_lobby->close();
    if (m_net.m_join)
        m_net.m_join->close();
    m_net.dropSession();
    if (auto* a = networkEntry(m_net.m_main))
        a->setEnabled(true);
}

// ---------------------------------------------------------------- session list

frmJoin::frmJoin(NetworkWindows& net, QWidget* parent) : QDialog(parent), m_net(net)
{
    setObjectName(QStringLiteral("frmJoin"));
    setWindowTitle(QStringLiteral("VANTORELLE! JOIN!"));
    auto* box = new QVBoxLayout(this);
    auto* status = new QLabel(QStringLiteral("Please select a session and click 'Join'"), this);
    status->setObjectName(QStringLiteral("lblStatus"));
    m_lstSessions = new QListWidget(this);
    m_lstSessions->setObjectName(QStringLiteral("lstSessions"));
    auto* join = button(this, QStringLiteral("cmdJoin"), QStringLiteral("Join Session"));
    auto* cancel = button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    box->addWidget(status);
    box->addWidget(m_lstSessions);
    box->addWidget(join);
    box->addWidget(cancel);
    connect(join, &QPushButton::clicked, this, &frmJoin::cmdJoin_Click);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmJoin::cmdJoin_Click()
{
    DirPlay* play = m_net.m_play.get();
    if (!play)
        return;
    // Joining waits for the host, and the event loop runs meanwhile: the
    // window may be closed, or the button pressed again.
    QPointer<frmJoin> self(this);
    setEnabled(false);
    const bool joined = play->JoinGame(m_lstSessions->currentRow(), m_net.m_ownName);
    if (!self)
        return;
    setEnabled(true);
    if (!joined || play != m_net.m_play.get()) {
        close();
        return;
    }
    hide();
    const QString session = m_lstSessions->currentItem() ? m_lstSessions->currentItem()->text() : QString();
    const QString gameName = m_net.m_devices ? m_net.m_devices->m_txtGameName->text() : QString();
    m_net.openLobby(session.startsWith(gameName));
    m_net.m_st.match.isChallenger = false;
    m_joined = true;
    close();
}

void frmJoin::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (!m_joined) {
        if (m_net.m_play)
            m_net.m_play->Dismantle();
        m_net.ReDisplay();
    }
}

// ---------------------------------------------------------------- lobby

frmStart::frmStart(NetworkWindows& net, QWidget* parent) : QDialog(parent), m_net(net)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("VANTORELLE! LOBBY!"));
    auto* grid = new QGridLayout(this);
    m_lstText = new QListWidget(this);
    m_lstText->setObjectName(QStringLiteral("lstText"));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"), 10);
    m_lstText->setFont(fixed);
    m_lstText->setMinimumSize(360, 200);
    m_txtChat = edit(this, QStringLiteral("txtChat"));
    m_txtChat->setMaxLength(200);
    auto* send = button(this, QStringLiteral("cmdSendText"), QStringLiteral("&Send"));
    send->setDefault(true);
    m_lblStatus = new QLabel(QStringLiteral("Current Players:"), this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lstPlayers = new QListWidget(this);
    m_lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    m_lstPlayers->setMaximumWidth(180);
    m_cmdChallenge = button(this, QStringLiteral("cmdChallenge"), QStringLiteral("Start Game"));
    m_cmdChallenge->hide();
    grid->addWidget(new QLabel(QStringLiteral("Chat Text:"), this), 0, 0);
    grid->addWidget(m_lblStatus, 0, 2);
    grid->addWidget(m_lstText, 1, 0, 1, 2);
    grid->addWidget(m_lstPlayers, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Send Text:"), this), 2, 0);
    grid->addWidget(m_txtChat, 2, 1);
    grid->addWidget(send, 2, 2);
    grid->addWidget(m_cmdChallenge, 3, 2);
    connect(send, &QPushButton::clicked, this, &frmStart::cmdSendText_Click);
    connect(m_txtChat, &QLineEdit::returnPressed, this, &frmStart::cmdSendText_Click);
    m_txtChat->setFocus(); // a player in the lobby types to chat at once
    connect(m_cmdChallenge, &QPushButton::clicked, this, &frmStart::cmdChallenge_Click);
    if (DirPlay* play = net.session()) {
        connect(play, &DirPlay::chatReceived, this, &frmStart::AddTheText);
        connect(play, &DirPlay::playersChanged, this, [this] {
            showPlayers(true);
            // The player list flashes with a beep as someone comes or goes;
            // one flash at a time, however many come and go meanwhile.
            if (m_flashing)
                return;
            m_flashing = true;
            QPointer<frmStart> self(this);
            frmDarts& main = m_net.m_main;
            for (int i = 0; i < 6 && self; ++i) {
                m_lstPlayers->setStyleSheet(i % 2 == 0 ? QStringLiteral("background: rgb(255,255,0);")
                                                       : QStringLiteral("background: white;"));
                if (i < 5) {
                    QApplication::beep();
                    main.pause(0.25); // the lobby may be closed meanwhile
                }
            }
            if (self)
                m_flashing = false;
        });
    }
    showPlayers(false);
    m_tmrCheckMessages = new QTimer(this);
    m_tmrCheckMessages->setObjectName(QStringLiteral("tmrCheckMessages"));
    m_tmrCheckMessages->setInterval(600);
    connect(m_tmrCheckMessages, &QTimer::timeout, &net, &NetworkWindows::pollSoon);
    m_tmrCheckMessages->start();
}

void frmStart::showPlayers(bool withCount)
{
    if (DirPlay* play = m_net.session()) {
        QStringList players;
        const QString line = play->UpdatePlayers(players);
        m_lstPlayers->clear();
        m_lstPlayers->addItems(players);
        if (withCount)
            m_lblStatus->setText(line);
    }
}

void frmStart::AddTheText(const QString& user, const QString& text)
{
    for (const auto& line : chatLines(user.toStdString(), text.toStdString()))
        m_lstText->addItem(qs(line));
    // The chat keeps its latest lines: a flood from the other machine
    // cannot fill the memory.
    while (m_lstText->count() > kChatLinesKept)
        delete m_lstText->takeItem(0);
    if (m_lstText->count() > 0)
        m_lstText->setCurrentRow(m_lstText->count() - 1);
}

void frmStart::cmdSendText_Click()
{
    const QString typed = m_txtChat->text();
    if (DirPlay* play = m_net.session())
        play->SendChatText(qs(outgoingChat(typed.toStdString())));
    AddTheText(m_net.m_ownName, typed);
    m_txtChat->clear();
}

void frmStart::cmdChallenge_Click()
{
    // A match being played is left by New or by closing the lobby, not by a
    // second challenge the other machine would not take.
    if (m_net.m_st.match.networkGame && m_net.m_main.engine().matchRunning())
        return;
    QStringList players;
    if (DirPlay* play = m_net.session())
        play->UpdatePlayers(players);
    std::vector<std::string> names;
    for (const auto& p : players)
        names.push_back(p.toStdString());
    const std::string opponent = opponentIn(names, m_net.m_ownName.toStdString());
    if (opponent.empty())
        return; // nobody to play yet
    m_net.send(challengeMessage(opponent, m_net.m_ownName.toStdString()));
    m_net.m_st.match.networkGame = true;
    m_net.m_st.match.isChallenger = true;
    m_net.StartANetworkGame(qs(opponent));
}

void frmStart::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_net.m_pending.clear(); // nothing more of this session is acted on
    m_tmrCheckMessages->stop();
    if (m_net.m_st.match.networkGame) {
        m_net.send(quitMessage());
        m_net.backToMainMenu({});
    }
    if (m_net.m_play)
        m_net.m_play->Dismantle();
    if (m_net.m_devices && !m_net.m_st.flags.quitting)
        m_net.ReDisplay();
}

} // namespace vantorelle

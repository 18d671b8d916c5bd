#include "qt/network/dirplay.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include "rules/network/protocol.h"

namespace vantorelle {

namespace {
// Where hosts listen for searches.
constexpr quint16 kSearchPort = 47300;
constexpr int kTextMessage = 0;
constexpr int kPlayerCreated = 3;
constexpr int kPlayerDestroyed = 5;
// More messages waiting than any match sends between two polls: a flood, and
// the caller goes.
constexpr std::size_t kMostWaiting = 4096;
// The line's beat: how often it is looked at, and how long this side may say
// nothing before it sends a keep-alive. A silence bound is never below five
// beats.
constexpr int kBeatMs = 100;
constexpr int kKeepAliveMs = 300;
// Chat shown at a person's pace: so many lines a second, so many at once;
// and the longest chat line (the chat box's).
constexpr double kChatsASecond = 10;
constexpr double kChatBurst = 40;
constexpr qsizetype kLongestChat = 200;

std::string utf8(const QString& s)
{
    return s.toUtf8().toStdString();
}
QString qs(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Runs the event loop until done() or the time is up.
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        const qint64 left = ms - t.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(qMin<qint64>(left, 10)), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
} // namespace

DirPlay::DirPlay(QString searchAddress, QObject* parent) : QObject(parent), m_searchAddress(std::move(searchAddress))
{
    m_lineTimer = new QTimer(this);
    m_lineTimer->setInterval(kBeatMs);
    connect(m_lineTimer, &QTimer::timeout, this, &DirPlay::lineBeat);
    setSilenceBound(m_silenceBound);
}

void DirPlay::setSilenceBound(int ms)
{
    m_silenceBound = qMax(kBeatMs * 5, ms);
}

void DirPlay::lineBeat()
{
    // A beat long overdue means this machine was busy or frozen, not that
    // the other one fell silent: nobody is judged by a clock that stood still.
    const bool stood = m_lastBeat.isValid() && m_lastBeat.elapsed() > m_silenceBound / 2;
    m_lastBeat.restart();
    std::vector<Peer*> named;
    for (const auto& p : m_peers)
        if (!p->name.isEmpty())
            named.push_back(p.get());
    for (Peer* p : named) {
        const bool still = std::any_of(m_peers.begin(), m_peers.end(), [p](const auto& q) { return q.get() == p; });
        if (!still)
            continue;
        if (p->socket && p->socket->bytesAvailable() > 0)
            readFrom(p); // what has come counts before the clock is read
        if (!std::any_of(m_peers.begin(), m_peers.end(), [p](const auto& q) { return q.get() == p; }))
            continue;
        if (stood)
            p->heard.restart();
        if (p->heard.elapsed() > m_silenceBound) {
            lose(p);
            continue;
        }
        // Often enough for the other machine's bound whatever it is (its
        // game may run faster or slower than this one).
        if (p->said.elapsed() >= kKeepAliveMs)
            sendFrame(p, keepAlivePayload());
    }
}

void DirPlay::lose(Peer* peer)
{
    m_lostPlayer = peer->name;
    const QString name = peer->name;
    QPointer<DirPlay> alive(this);
    drop(peer);
    if (alive)
        emit lineLost(name);
}

void DirPlay::EnableJoin()
{
    m_joinable = true;
}

DirPlay::~DirPlay()
{
    Dismantle();
}

QHostAddress DirPlay::listenAddress() const
{
    // A search kept on this machine keeps the session on it too.
    const QHostAddress search(m_searchAddress);
    return !m_searchAddress.isEmpty() && search.isLoopback() ? QHostAddress(QHostAddress::LocalHost)
                                                             : QHostAddress(QHostAddress::AnyIPv4);
}

bool DirPlay::InitConnectionList(QStringList& list)
{
    list = {QStringLiteral("TCP/IP connection (LAN or internet)")};
    return true;
}

bool DirPlay::HostGame(int connection, const QString& playerName, const QString& sessionName, int maxPlayers)
{
    Dismantle();
    if (connection != 0) {
        emit message(QStringLiteral("Failed to initialize connection."));
        return false;
    }
    m_server = new QTcpServer(this);
    m_searchSocket = new QUdpSocket(this);
    if (!m_server->listen(listenAddress(), 0) ||
        !m_searchSocket->bind(listenAddress(), kSearchPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        Dismantle();
        emit message(QStringLiteral("Unable to create game."));
        return false;
    }
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server->nextPendingConnection())
            adopt(s);
    });
    connect(m_searchSocket, &QUdpSocket::readyRead, this, &DirPlay::answerSearches);
    m_ownName = playerName;
    m_sessionName = sessionName;
    m_maxPlayers = qBound(1, maxPlayers, 2);
    m_joinable = true;
    m_hosting = true;
    m_sessionOpen = true;
    return true;
}

void DirPlay::answerSearches()
{
    while (m_searchSocket && m_searchSocket->hasPendingDatagrams()) {
        const QNetworkDatagram d = m_searchSocket->receiveDatagram(512);
        // Only a session that takes players is listed: a full one, or one
        // closed to further players, keeps quiet.
        if (d.data().toStdString() != kSessionQuery || !m_joinable || namedPeers() + 1 >= m_maxPlayers)
            continue;
        SessionAnswer a;
        a.name = utf8(m_sessionName);
        a.players = 1 + namedPeers();
        a.maxPlayers = m_maxPlayers;
        a.port = m_server->serverPort();
        m_searchSocket->writeDatagram(QByteArray::fromStdString(sessionAnswer(a)), d.senderAddress(), d.senderPort());
    }
}

bool DirPlay::ListSessions(int connection, QStringList& list, int waitMs)
{
    list.clear();
    m_sessions.clear();
    m_sessionHosts.clear();
    if (connection != 0) {
        emit message(QStringLiteral("Failed to initialize connection."));
        return false;
    }
    QUdpSocket ask;
    const QHostAddress to = m_searchAddress.isEmpty() ? QHostAddress(QHostAddress::Broadcast) : QHostAddress(m_searchAddress);
    if (to.isNull() || !ask.bind(listenAddress(), 0) ||
        ask.writeDatagram(QByteArray::fromStdString(std::string(kSessionQuery)), to, kSearchPort) < 0) {
        emit message(QStringLiteral("Unable to list available games."));
        return false;
    }
    // The wait runs the event loop: the window may be closed and this
    // object go meanwhile.
    QPointer<DirPlay> alive(this);
    waitFor(
        [&] {
            if (!alive)
                return true;
            while (ask.hasPendingDatagrams()) {
                const QNetworkDatagram d = ask.receiveDatagram(512);
                const auto a = readSessionAnswer(d.data().toStdString());
                if (!a)
                    continue;
                bool seen = false;
                for (std::size_t i = 0; i < m_sessions.size(); ++i)
                    seen = seen || (m_sessionHosts[i] == d.senderAddress() && m_sessions[i].port == a->port);
                if (seen)
                    continue;
                m_sessions.push_back(*a);
                m_sessionHosts.push_back(d.senderAddress());
                list << qs(sessionLine(*a));
            }
            return false;
        },
        waitMs);
    return static_cast<bool>(alive);
}

bool DirPlay::JoinGame(int sessionIndex, const QString& playerName, int waitMs)
{
    if (sessionIndex < 0 || sessionIndex >= static_cast<int>(m_sessions.size()))
        return false;
    const SessionAnswer a = m_sessions[static_cast<std::size_t>(sessionIndex)];
    const QHostAddress host = m_sessionHosts[static_cast<std::size_t>(sessionIndex)];
    QPointer<DirPlay> alive(this);
    auto* socket = new QTcpSocket(this);
    socket->connectToHost(host, a.port);
    if (!socket->waitForConnected(waitMs)) {
        socket->deleteLater();
        return false;
    }
    m_ownName = playerName;
    m_hosting = false;
    adopt(socket);
    // Joined once the host has answered with its own hello.
    Peer* peer = m_peers.back().get();
    sendFrame(peer, helloPayload(utf8(playerName)));
    // The host may turn us away meanwhile, which drops the peer altogether.
    auto stillThere = [&] {
        return std::any_of(m_peers.begin(), m_peers.end(), [peer](const auto& p) { return p.get() == peer; });
    };
    if (!waitFor([&] { return !alive || !stillThere() || !peer->name.isEmpty(); }, waitMs) || !alive) {
        return false;
    }
    if (!stillThere()) {
        Dismantle();
        return false;
    }
    m_sessionOpen = true;
    return true;
}

void DirPlay::adopt(QTcpSocket* socket)
{
    // Darts are small messages: sent at once, not held back to be joined
    // with the next.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto peer = std::make_unique<Peer>();
    peer->socket = socket;
    peer->heard.start();
    peer->said.start();
    Peer* p = peer.get();
    m_peers.push_back(std::move(peer));
    connect(socket, &QTcpSocket::readyRead, this, [this, p] { readFrom(p); });
    // A player's line closed without his quit is a line lost.
    connect(socket, &QTcpSocket::disconnected, this, [this, p] {
        if (!p->name.isEmpty() && !p->saidBye && !m_closing)
            lose(p);
        else
            drop(p);
    });
    m_lastBeat.restart();
    m_lineTimer->start();
    // A caller that does not say hello soon is not kept waiting on the line.
    QTimer::singleShot(5000, socket, [this, p] {
        const bool kept = std::any_of(m_peers.begin(), m_peers.end(), [p](const auto& q) { return q.get() == p; });
        if (kept && p->name.isEmpty())
            drop(p);
    });
    // A session is two players: a late or unwanted caller is turned away.
    if (m_hosting && !roomForOneMore())
        drop(p);
}

int DirPlay::namedPeers() const
{
    return static_cast<int>(
        std::count_if(m_peers.begin(), m_peers.end(), [](const auto& q) { return !q->name.isEmpty(); }));
}

bool DirPlay::roomForOneMore() const
{
    return m_joinable && 1 + namedPeers() < m_maxPlayers;
}

void DirPlay::sendFrame(Peer* peer, const std::string& payload)
{
    const std::string f = frame(payload);
    if (peer->socket && !f.empty()) {
        peer->socket->write(f.data(), static_cast<qint64>(f.size()));
        peer->said.restart();
    }
}

void DirPlay::readFrom(Peer* peer)
{
    if (!peer->socket)
        return;
    const QByteArray bytes = peer->socket->readAll();
    if (!bytes.isEmpty())
        peer->heard.restart();
    peer->reader.feed(bytes.toStdString());
    if (peer->reader.broken()) {
        drop(peer);
        return;
    }
    while (auto f = peer->reader.next()) {
        if (peer->name.isEmpty()) {
            // The first frame must be this program's hello, or the caller goes.
            // Two callers on the line at once: the one who says hello second
            // finds the session full.
            const auto name = readHello(*f);
            if (!name || (m_hosting && !roomForOneMore())) {
                drop(peer);
                return;
            }
            peer->name = qs(*name);
            m_lostPlayer.clear(); // a player on the line again
            // The host hears of the player who joined; the one who joins
            // finds the host already there.
            if (m_hosting) {
                sendFrame(peer, helloPayload(utf8(m_ownName)));
                m_arrivals.push_back({true, kPlayerCreated, peer->name, {}});
                emit arrived();
            }
            continue;
        }
        if (isByePayload(*f)) {
            peer->saidBye = true; // the close that follows is a leaving, not a lost line
            continue;
        }
        const auto m = readMessage(*f);
        if (!m || m->kind != kTextMessage)
            continue;
        if (m_arrivals.size() >= kMostWaiting) {
            drop(peer);
            return;
        }
        m_arrivals.push_back({false, m->kind, peer->name, qs(m->text)});
        emit arrived();
    }
}

void DirPlay::drop(Peer* peer)
{
    auto it = std::find_if(m_peers.begin(), m_peers.end(), [peer](const auto& p) { return p.get() == peer; });
    if (it == m_peers.end())
        return;
    std::unique_ptr<Peer> gone = std::move(*it);
    m_peers.erase(it);
    const bool wasPlayer = !gone->name.isEmpty();
    if (wasPlayer)
        m_arrivals.push_back({true, kPlayerDestroyed, gone->name, {}});
    if (QTcpSocket* s = gone->socket) {
        s->disconnect(this);
        s->flush(); // a last message (a quit) still goes out
        s->abort();
        s->deleteLater();
    }
    if (wasPlayer && !m_closing)
        emit arrived();
}

void DirPlay::DisableJoin()
{
    m_joinable = false;
}

QString DirPlay::UpdatePlayers(QStringList& list)
{
    list.clear();
    if (!m_sessionOpen) {
        // No session made or joined (or it was closed): nobody to list.
        emit message(QStringLiteral("Error listing players."));
        return {};
    }
    if (m_hosting)
        list << m_ownName;
    for (const auto& p : m_peers)
        if (!p->name.isEmpty())
            list << p->name;
    if (!m_hosting && !m_ownName.isEmpty())
        list << m_ownName;
    return QStringLiteral("%1 people in the session.").arg(list.size());
}

QString DirPlay::GetMessages()
{
    const QStringList game = takeGameMessages();
    return game.isEmpty() ? QString() : game.back(); // a later game message of the same poll replaces it
}

QStringList DirPlay::takeGameMessages()
{
    QStringList game;
    std::vector<Arrival> arrivals;
    arrivals.swap(m_arrivals);
    // The lobby's handlers run the event loop (the flash of the player
    // list), in which the session may be closed and this object go.
    QPointer<DirPlay> alive(this);
    // A flood of chat cannot keep the window busy: chat is shown at a
    // person's pace (a few lines a second, each no longer than a chat box
    // holds), and what comes faster is counted, not shown.
    const double now = m_chatClock.isValid() ? m_chatClock.elapsed() / 1000.0 : 0;
    if (!m_chatClock.isValid())
        m_chatClock.start();
    m_chatBudget = std::min(kChatBurst, m_chatBudget + (now - m_chatLast) * kChatsASecond);
    m_chatLast = now;
    int unshown = 0;
    for (const auto& a : arrivals) {
        if (a.system) {
            emit playersChanged();
        } else if (a.text.startsWith(QString::fromLatin1(kGamePrefix.data(), 6))) {
            game << a.text;
        } else if (m_chatBudget < 1) {
            ++unshown;
        } else {
            m_chatBudget -= 1;
            emit chatReceived(a.sender, a.text.left(kLongestChat));
        }
        if (!alive)
            return {};
    }
    if (unshown > 0)
        emit chatReceived(QString(), QStringLiteral("(%1 lines of chat not shown: too many at once)").arg(unshown));
    if (!alive)
        return {};
    return game;
}

void DirPlay::SendChatText(const QString& text)
{
    if (text.isEmpty())
        return;
    const std::string payload = messagePayload(kTextMessage, utf8(text));
    for (const auto& p : m_peers)
        if (!p->name.isEmpty())
            sendFrame(p.get(), payload);
}

void DirPlay::Dismantle()
{
    // Closed from this side: the others hear a goodbye, and nothing has
    // arrived that anyone here need hear of.
    for (const auto& p : m_peers)
        if (!p->name.isEmpty())
            sendFrame(p.get(), byePayload());
    m_closing = true;
    while (!m_peers.empty())
        drop(m_peers.back().get());
    m_closing = false;
    m_arrivals.clear();
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_searchSocket) {
        m_searchSocket->close();
        m_searchSocket->deleteLater();
        m_searchSocket = nullptr;
    }
    m_hosting = false;
    m_sessionOpen = false;
    if (m_lineTimer)
        m_lineTimer->stop();
}

bool DirPlay::inSession() const
{
    return std::any_of(m_peers.begin(), m_peers.end(), [](const auto& p) { return !p->name.isEmpty(); });
}

quint16 DirPlay::hostPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

QString localAddress()
{
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    return {};
}

} // namespace vantorelle

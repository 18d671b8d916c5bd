#pragma once
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "rules/network/frames.h"

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;

namespace vantorelle {

// The session between two machines: one hosts (listens for the other and
// answers searches), the other finds the session and joins it. Messages are
// texts sent reliably to the other player; what arrives waits until
// GetMessages is called. A connection that does not open with this
// program's hello, or breaks a frame, is closed.
class DirPlay : public QObject {
    Q_OBJECT
public:
    // searchAddress: where a search asks for sessions; empty asks the local
    // network (broadcast). Tests and runs on development machines always
    // give 127.0.0.1, and a host then listens on that address only.
    explicit DirPlay(QString searchAddress, QObject* parent = nullptr);
    ~DirPlay() override;

    // Where the next search asks (see the constructor).
    void setSearchAddress(const QString& address) { m_searchAddress = address; }

    // The kinds of connection there are; item 0 is selected.
    bool InitConnectionList(QStringList& list);
    // Asks for sessions and waits up to waitMs for answers; true even when
    // none answered.
    bool ListSessions(int connection, QStringList& list, int waitMs = 600);
    bool HostGame(int connection, const QString& playerName, const QString& sessionName, int maxPlayers);
    bool JoinGame(int sessionIndex, const QString& playerName, int waitMs = 3000);
    void DisableJoin();
    // The players' names; the line "N people in the session.".
    QString UpdatePlayers(QStringList& list);
    // Handles what has arrived: chat goes to chatReceived, a player joining or
    // leaving to playersChanged; the last game message is returned.
    QString GetMessages();
    // The same, but every game message that has come, in order: the match
    // takes them all, since a dart or a choice left out would put the two
    // boards out of step.
    QStringList takeGameMessages();
    void SendChatText(const QString& text);
    void Dismantle();

    bool inSession() const;
    quint16 hostPort() const;
    // This machine made the session (its challenge wins when two cross).
    bool hosting() const { return m_hosting; }
    // After a match the session takes a player again, when there is room.
    void EnableJoin();

    // The line is kept alive: each side sends a keep-alive when it has had
    // nothing to say for a moment (300 ms), and a player not heard from for
    // the bound is gone, as if his connection had closed.
    void setSilenceBound(int ms);
    int silenceBound() const { return m_silenceBound; }
    // The player whose line was lost (silent, or closed without a word);
    // empty while every line holds.
    QString lostPlayer() const { return m_lostPlayer; }

signals:
    void chatReceived(const QString& sender, const QString& text);
    void playersChanged();
    void message(const QString& text); // a failure to tell the player
    // Something has come that GetMessages would handle: the lobby need not
    // wait for its next poll.
    void arrived();
    // The line to a player was lost (see lostPlayer).
    void lineLost(const QString& name);

private:
    struct Peer {
        QPointer<QTcpSocket> socket;
        FrameReader reader;
        QString name; // empty until its hello
        QElapsedTimer heard; // since anything last came from it
        QElapsedTimer said;  // since anything last went to it
        bool saidBye = false; // it is closing the line on purpose
    };
    struct Arrival {
        bool system = false; // a player came (kind 3) or went (kind 5)
        int kind = 0;
        QString sender;
        QString text;
    };
    void adopt(QTcpSocket* socket);
    void readFrom(Peer* peer);
    void drop(Peer* peer);
    void sendFrame(Peer* peer, const std::string& payload);
    // One beat of the line: keep-alives out, silent lines found.
    void lineBeat();
    void lose(Peer* peer);
    void answerSearches();
    int namedPeers() const;
    bool roomForOneMore() const;
    QHostAddress listenAddress() const;

    QString m_searchAddress;
    QString m_ownName;
    QString m_sessionName;
    int m_maxPlayers = 2;
    bool m_joinable = true;
    bool m_hosting = false;
    bool m_sessionOpen = false; // hosting, or joined: there are players to list
    bool m_closing = false;
    QTcpServer* m_server = nullptr;
    QUdpSocket* m_searchSocket = nullptr;
    std::vector<std::unique_ptr<Peer>> m_peers;
    std::vector<SessionAnswer> m_sessions;
    std::vector<QHostAddress> m_sessionHosts;
    std::vector<Arrival> m_arrivals;
    QTimer* m_lineTimer = nullptr;
    QElapsedTimer m_lastBeat;
    int m_silenceBound = 5000;
    QString m_lostPlayer;
    QElapsedTimer m_chatClock;
    double m_chatLast = 0;    // seconds on the chat clock at the last poll
    double m_chatBudget = 40; // chat lines that may be shown now
};

// The machine's own IPv4 address as dotted decimal text; empty when none.
QString localAddress();

} // namespace vantorelle

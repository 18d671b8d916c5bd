#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <string>

class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace vantorelle {

class DirPlay;
class frmDarts;
struct GameState;

class frmDPlayDevices;
class frmJoin;
class frmStart;

// Network play: the connection window, the session list and the lobby over
// one session, and the game messages between the two machines' matches.
class NetworkWindows : public QObject {
    Q_OBJECT
public:
    NetworkWindows(GameState& st, frmDarts& main);
    ~NetworkWindows() override;

    // The Network menu entry: the connection window, without blocking.
    void open();
    // Sends a game message to the other machine, when there is one.
    void send(const std::string& message);
    // The lobby's poll: the messages that have come, acted on.
    void CheckMessages();
    // The poll, from the lobby's timer or as a message comes: run from the
    // event loop, so that the caller's handler returns first.
    void pollSoon();
    // Both machines, at the challenge: what was on screen stops, and the
    // setup panel shows its leg lengths, driven by the challenger.
    void StartANetworkGame(const QString& opponent, bool isChallenger);
    // The boss key: the lobby is disguised and minimised, and comes back.
    void minimiseLobby(const QIcon& icon);
    void restoreLobby(const QIcon& icon);
    // Quitting: the lobby, the session list and the connection window go.
    void closeAll();
    // A setup choice received is being replayed (the challenged side's own clicks do nothing).
    bool replayingOption() const { return m_replaying; }

    frmDPlayDevices* devices() const;
    frmJoin* join() const;
    frmStart* lobby() const;
    DirPlay* session() const { return m_play.get(); }

    // Where a search for sessions asks when the environment fixes it
    // (VANTORELLE_SEARCH_ADDRESS); a null string when the player is to say.
    static QString fixedSearchAddress();
    // The address a session is looked for at: the fixed one, else the one
    // last typed (the setting "SearchAddress"); empty asks the local network.
    static QString searchAddress();

private:
    friend class frmDPlayDevices;
    friend class frmJoin;
    friend class frmStart;
    void ReDisplay();
    void dropSession();
    // The lobby over the session just made or joined; withChallenge shows Start Game.
    void openLobby(bool withChallenge);
    void backToMainMenu(const QString& why);
    // Moves the lobby beside the main window where the screen has room; with
    // raiseBoard (a match begins) the board comes to the front as well.
    void keepLobbyOffTheBoard(bool raiseBoard);

    GameState& m_st;
    frmDarts& m_main;
    std::unique_ptr<DirPlay> m_play;
    QPointer<frmDPlayDevices> m_devices;
    QPointer<frmJoin> m_join;
    QPointer<frmStart> m_lobby;
    void act(const std::string& text);
    // A challenge from the other machine: taken, answered busy, or (two
    // crossing) settled in the host's favour.
    void takeChallenge(const QString& challenger);
    // The other machine's line is lost: the match ends, the player is told.
    void lineLost();

    QString m_ownName;
    bool m_replaying = false;
    bool m_pollQueued = false;
    QStringList m_pending; // game messages taken, to be acted on in order
    QString m_lostPlayer;  // whose line was lost, until the player is told
    QElapsedTimer m_lostAt;
    // How long a lost line is given, in game seconds, and how long darts
    // received before it may wait to be played.
    static constexpr double kSilentSeconds = 5.0;
    static constexpr int kLostDartsWaitMs = 10000;
};

} // namespace vantorelle

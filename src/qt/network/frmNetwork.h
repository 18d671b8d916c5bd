#pragma once
#include <QDialog>
#include <QPointer>
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
    // Both machines, at the challenge: the setup panel at its leg lengths.
    void StartANetworkGame(const QString& opponent);
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

    QString m_ownName;
    bool m_replaying = false;
    bool m_pollQueued = false;
    QStringList m_pending; // game messages taken, to be acted on in order
};

class frmDPlayDevices : public QDialog {
    Q_OBJECT
public:
    frmDPlayDevices(NetworkWindows& net, QWidget* parent);
    void cmdStart_Click();
    void cmdJoin_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Esc takes the close box's road.
    void reject() override { close(); }

private:
    friend class NetworkWindows;
    friend class frmJoin;
    QString rememberName();
    NetworkWindows& m_net;
    QLineEdit* m_txtPlayerName = nullptr;
    QLineEdit* m_txtGameName = nullptr;
    QListWidget* m_lstServiceProviders = nullptr;
};

class frmJoin : public QDialog {
    Q_OBJECT
public:
    frmJoin(NetworkWindows& net, QWidget* parent);
    void cmdJoin_Click();
    QListWidget* sessions() const { return m_lstSessions; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override { close(); }

private:
    NetworkWindows& m_net;
    QListWidget* m_lstSessions = nullptr;
    bool m_joined = false;
};

class frmStart : public QDialog {
    Q_OBJECT
public:
    frmStart(NetworkWindows& net, QWidget* parent);
    void AddTheText(const QString& user, const QString& text);
    void cmdSendText_Click();
    void cmdChallenge_Click();
    // The players' names; withCount also puts "N people in the session."
    // into the status line (when someone came or went).
    void showPlayers(bool withCount);
    QPushButton* challengeButton() const { return m_cmdChallenge; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override { close(); }

private:
    NetworkWindows& m_net;
    QListWidget* m_lstText = nullptr;
    QLineEdit* m_txtChat = nullptr;
    QListWidget* m_lstPlayers = nullptr;
    QLabel* m_lblStatus = nullptr;
    QPushButton* m_cmdChallenge = nullptr;
    QTimer* m_tmrCheckMessages = nullptr;
    bool m_flashing = false;
};

} // namespace vantorelle

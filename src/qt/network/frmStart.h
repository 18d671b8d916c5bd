#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace vantorelle {

class NetworkWindows;

// The lobby: the chat, the players of the session, and Start Game, the
// challenge. A window of its own beside the main window; its timer polls the
// session for the game messages of a match.
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

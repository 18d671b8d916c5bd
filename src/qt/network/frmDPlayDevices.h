#pragma once
#include <QDialog>

class QLineEdit;
class QListWidget;

namespace vantorelle {

class NetworkWindows;

// The connection window: the player's name, the address shown as the
// session's name, Start Session and Join Session.
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

} // namespace vantorelle

#pragma once
#include <QDialog>

class QListWidget;

namespace vantorelle {

class NetworkWindows;

// The sessions found, to join one.
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

} // namespace vantorelle

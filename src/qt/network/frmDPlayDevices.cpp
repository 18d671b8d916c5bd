#include "qt/network/frmDPlayDevices.h"

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
    if (sessions.isEmpty()) {
        // Nothing to join: said plainly, and the player stays here to try
        // another address or to start a session of his own.
        const QString where = address.isEmpty() ? QStringLiteral("on the local network") : QStringLiteral("at ") + address;
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("No session was found %1. Check the address, or ask the other player "
                                                "to press Start Session first.")
                                     .arg(where));
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

} // namespace vantorelle

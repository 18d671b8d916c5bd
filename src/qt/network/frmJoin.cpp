#include "qt/network/frmJoin.h"

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
    if (play != m_net.m_play.get()) {
        close();
        return;
    }
    if (!joined) {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("The session could not be joined: its host did not answer, or it has "
                                                "its two players already."));
        if (self)
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

} // namespace vantorelle

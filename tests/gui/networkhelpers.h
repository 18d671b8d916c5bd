#pragma once
#include <QLineEdit>
#include <QListWidget>
#include <string>

#include "gui/guihelpers.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmNetwork.h"

namespace vantorelle::testing {

// Sessions in the tests are only ever on this machine.
inline const QString kHere = QStringLiteral("127.0.0.1");

// Starts a session on this machine from the connection window (opened when
// it is not), as the player named; the lobby, or null.
inline frmStart* hostHere(RunningGame& g, const QString& name)
{
    NetworkWindows& net = g.win().network();
    if (!net.devices())
        net.open();
    net.devices()->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"))->setText(name);
    net.devices()->findChild<QLineEdit*>(QStringLiteral("txtGameName"))->setText(kHere);
    net.devices()->cmdStart_Click();
    return net.lobby();
}

// The other machine, scripted: finds the one session here and joins it.
inline bool joinHere(DirPlay& there, const QString& name)
{
    QStringList sessions;
    return there.ListSessions(0, sessions, 1000) && sessions.size() == 1 && there.JoinGame(0, name);
}

// How many players the program's lobby lists (0 with no lobby).
inline int playersListed(RunningGame& g)
{
    frmStart* l = g.win().network().lobby();
    return l ? l->findChild<QListWidget*>(QStringLiteral("lstPlayers"))->count() : 0;
}

} // namespace vantorelle::testing

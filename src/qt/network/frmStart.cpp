#include "qt/network/frmStart.h"

#include <QPointer>

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

namespace {
// The chat keeps its latest lines.
constexpr int kChatLinesKept = 500;
} // namespace

frmStart::frmStart(NetworkWindows& net, QWidget* parent) : QDialog(parent), m_net(net)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("VANTORELLE! LOBBY!"));
    auto* grid = new QGridLayout(this);
    m_lstText = new QListWidget(this);
    m_lstText->setObjectName(QStringLiteral("lstText"));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"), 10);
    m_lstText->setFont(fixed);
    m_lstText->setMinimumSize(360, 200);
    m_txtChat = edit(this, QStringLiteral("txtChat"));
    m_txtChat->setMaxLength(200);
    auto* send = button(this, QStringLiteral("cmdSendText"), QStringLiteral("&Send"));
    send->setDefault(true);
    m_lblStatus = new QLabel(QStringLiteral("Current Players:"), this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lstPlayers = new QListWidget(this);
    m_lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    m_lstPlayers->setMaximumWidth(180);
    m_cmdChallenge = button(this, QStringLiteral("cmdChallenge"), QStringLiteral("Start Game"));
    m_cmdChallenge->hide();
    grid->addWidget(new QLabel(QStringLiteral("Chat Text:"), this), 0, 0);
    grid->addWidget(m_lblStatus, 0, 2);
    grid->addWidget(m_lstText, 1, 0, 1, 2);
    grid->addWidget(m_lstPlayers, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Send Text:"), this), 2, 0);
    grid->addWidget(m_txtChat, 2, 1);
    grid->addWidget(send, 2, 2);
    grid->addWidget(m_cmdChallenge, 3, 2);
    connect(send, &QPushButton::clicked, this, &frmStart::cmdSendText_Click);
    connect(m_txtChat, &QLineEdit::returnPressed, this, &frmStart::cmdSendText_Click);
    m_txtChat->setFocus(); // a player in the lobby types to chat at once
    connect(m_cmdChallenge, &QPushButton::clicked, this, &frmStart::cmdChallenge_Click);
    if (DirPlay* play = net.session()) {
        connect(play, &DirPlay::chatReceived, this, &frmStart::AddTheText);
        connect(play, &DirPlay::playersChanged, this, [this] {
            showPlayers(true);
            // The player list flashes with a beep as someone comes or goes;
            // one flash at a time, however many come and go meanwhile.
            if (m_flashing)
                return;
            m_flashing = true;
            QPointer<frmStart> self(this);
            frmDarts& main = m_net.m_main;
            for (int i = 0; i < 6 && self; ++i) {
                m_lstPlayers->setStyleSheet(i % 2 == 0 ? QStringLiteral("background: rgb(255,255,0);")
                                                       : QStringLiteral("background: white;"));
                if (i < 5) {
                    QApplication::beep();
                    main.pause(0.25); // the lobby may be closed meanwhile
                }
            }
            if (self)
                m_flashing = false;
        });
    }
    showPlayers(false);
    m_tmrCheckMessages = new QTimer(this);
    m_tmrCheckMessages->setObjectName(QStringLiteral("tmrCheckMessages"));
    m_tmrCheckMessages->setInterval(600);
    connect(m_tmrCheckMessages, &QTimer::timeout, &net, &NetworkWindows::pollSoon);
    m_tmrCheckMessages->start();
}

void frmStart::showPlayers(bool withCount)
{
    if (DirPlay* play = m_net.session()) {
        QStringList players;
        const QString line = play->UpdatePlayers(players);
        m_lstPlayers->clear();
        m_lstPlayers->addItems(players);
        if (withCount)
            m_lblStatus->setText(line);
    }
}

void frmStart::AddTheText(const QString& user, const QString& text)
{
    for (const auto& line : chatLines(user.toStdString(), text.toStdString()))
        m_lstText->addItem(qs(line));
    // The chat keeps its latest lines: a flood from the other machine
    // cannot fill the memory.
    while (m_lstText->count() > kChatLinesKept)
        delete m_lstText->takeItem(0);
    if (m_lstText->count() > 0)
        m_lstText->setCurrentRow(m_lstText->count() - 1);
}

void frmStart::cmdSendText_Click()
{
    const QString typed = m_txtChat->text();
    if (DirPlay* play = m_net.session())
        play->SendChatText(qs(outgoingChat(typed.toStdString())));
    AddTheText(m_net.m_ownName, typed);
    m_txtChat->clear();
}

void frmStart::cmdChallenge_Click()
{
    // A match being played is left by New or by closing the lobby, not by a
    // second challenge the other machine would not take.
    if (m_net.m_st.match.networkGame && m_net.m_main.engine().matchRunning())
        return;
    QStringList players;
    if (DirPlay* play = m_net.session())
        play->UpdatePlayers(players);
    std::vector<std::string> names;
    for (const auto& p : players)
        names.push_back(p.toStdString());
    const std::string opponent = opponentIn(names, m_net.m_ownName.toStdString());
    if (opponent.empty())
        return; // nobody to play yet
    m_net.send(challengeMessage(opponent, m_net.m_ownName.toStdString()));
    m_net.StartANetworkGame(qs(opponent), true);
}

void frmStart::closeEvent(QCloseEvent* e)
{
    // Closing the lobby during a match ends the match: the player is asked
    // first (not when the program quits, which asked already).
    const MatchState& match = m_net.m_st.match;
    if (match.networkGame && !m_net.m_st.flags.quitting) {
        const QString opponent = qs(match.isChallenger ? match.player2Name : m_net.m_st.career.careerName);
        QPointer<frmStart> self(this);
        const auto answer = QMessageBox::question(
            this, windowTitle(), QStringLiteral("Closing the lobby ends your match against %1. Close it?").arg(opponent),
            QMessageBox::Yes | QMessageBox::No);
        if (!self)
            return;
        if (answer != QMessageBox::Yes) {
            e->ignore();
            return;
        }
    }
    e->accept();
    m_net.m_pending.clear(); // nothing more of this session is acted on
    m_tmrCheckMessages->stop();
    if (m_net.m_st.match.networkGame) {
        m_net.send(quitMessage());
        m_net.backToMainMenu({});
    }
    if (m_net.m_play)
        m_net.m_play->Dismantle();
    if (m_net.m_devices && !m_net.m_st.flags.quitting)
        m_net.ReDisplay();
}

} // namespace vantorelle

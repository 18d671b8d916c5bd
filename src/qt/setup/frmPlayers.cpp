#include "qt/setup/frmPlayers.h"

#include "qt/app/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "rules/app/gamestate.h"
#include "rules/setup/players.h"

namespace vantorelle {

frmPlayers::frmPlayers(GameState& st, int humans, QWidget* parent, bool practice)
    : QDialog(parent), m_st(st), m_second(humans == 2), m_practice(practice)
{
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(QStringLiteral("Players"));
    setModal(true);

    // A new selection starts with no names.
    m_st.career.careerName.clear();
    m_st.match.player2Name.clear();

    auto* grid = new QGridLayout(this);
    auto nameBox = [this](const QString& name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumWidth(260);
        return c;
    };
    m_lblP1[0] = new QLabel(QStringLiteral("Select or type Player 1's name"), this);
    m_lblP1[0]->setObjectName(QStringLiteral("lblP1_0"));
    m_cbo1 = nameBox(QStringLiteral("cboplayer1"));
    if (!m_st.settings.savedPlayer1Name.empty()) {
        m_cbo1->addItem(QString::fromStdString(m_st.settings.savedPlayer1Name));
        m_cbo1->setCurrentIndex(0);
    }
    m_chk1 = new QCheckBox(QStringLiteral("On real board"), this);
    m_chk1->setObjectName(QStringLiteral("chkScoring1"));

    m_lblP1[1] = new QLabel(QStringLiteral("Select or type Player 2's name"), this);
    m_lblP1[1]->setObjectName(QStringLiteral("lblP1_1"));
    m_cbo2 = nameBox(QStringLiteral("cboplayer2"));
    m_chk2 = new QCheckBox(QStringLiteral("On real board"), this);
    m_chk2->setObjectName(QStringLiteral("chkScoring2"));

    m_lblAve = new QLabel(QStringLiteral("Ave"), this);
    m_lblAve->setObjectName(QStringLiteral("lblAve"));
    m_txtAve = new QLineEdit(QStringLiteral("60"), this);
    m_txtAve->setObjectName(QStringLiteral("txtAve"));
    m_txtAve->setMaximumWidth(60);
    m_txtAve->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));

    grid->addWidget(m_lblP1[0], 0, 0, 1, 3);
    grid->addWidget(m_cbo1, 1, 0);
    grid->addWidget(m_chk1, 1, 1);
    grid->addWidget(m_lblP1[1], 2, 0, 1, 3);
    grid->addWidget(m_cbo2, 3, 0);
    grid->addWidget(m_chk2, 3, 1);
    auto* ave = new QHBoxLayout;
    ave->addWidget(m_lblAve);
    ave->addWidget(m_txtAve);
    ave->addStretch();
    grid->addLayout(ave, 4, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 0, 1, 3);

    for (QWidget* w : {static_cast<QWidget*>(m_lblP1[1]), static_cast<QWidget*>(m_cbo2), static_cast<QWidget*>(m_chk2)})
        w->setVisible(m_second);
    m_lblAve->hide();
    m_txtAve->hide();

    connect(m_chk1, &QCheckBox::clicked, this, &frmPlayers::chkScoring1_Click);
    connect(ok, &QPushButton::clicked, this, &frmPlayers::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmPlayers::Command1_Click);
}

void frmPlayers::chkScoring1_Click()
{
    // Only a lone human at a real board states an average.
    const bool show = !m_second && !m_practice && m_chk1->isChecked();
    m_lblAve->setVisible(show);
    m_txtAve->setVisible(show);
    if (!show)
        m_txtAve->setText(QStringLiteral("60"));
}

void frmPlayers::cmdOK_Click()
{
    PlayersEntry entry;
    entry.name1 = m_cbo1->currentText().toStdString();
    entry.name2 = m_second ? m_cbo2->currentText().toStdString() : std::string();
    entry.secondShown = m_second;
    entry.average = m_txtAve->text().toStdString();
    const PlayersCheck check = checkPlayers(entry);
    // The boxes show the names with their commas turned into blanks.
    m_cbo1->setEditText(QString::fromStdString(entry.name1));
    if (m_second)
        m_cbo2->setEditText(QString::fromStdString(entry.name2));
    if (!check.choice) {
        QMessageBox::information(this, windowTitle(), QString::fromStdString(check.error));
        return;
    }
    m_st.career.careerName = check.choice->name1;
    m_st.match.player2Name = check.choice->name2;
    m_st.settings.savedPlayer1Name = m_st.career.careerName;
    // Offered again the next time the game is started, as the network window does.
    savePlayer1(QString::fromStdString(m_st.career.careerName));
    m_st.match.player(1).realBoard = m_chk1->isChecked();
    m_st.match.player(2).realBoard = m_second && m_chk2->isChecked();
    m_st.career.playerAverage = check.choice->average;
    accept();
}

void frmPlayers::Command1_Click()
{
    reject();
}

void frmPlayers::reject()
{
    m_st.career.careerName.clear();
    QDialog::reject();
}

bool frmPlayers::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_txtAve && e->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_txtAve, &QLineEdit::selectAll);
    return QDialog::eventFilter(o, e);
}

} // namespace vantorelle

// The menu bar and the command keys of the main window.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QUrl>

#include "qt/app/frmCredits.h"
#include "qt/app/frmDarts.h"
#include "qt/career/careerwindows.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include "qt/app/pause.h"
#include "qt/app/settings.h"
#include "qt/match/boardwidget.h"
#include "qt/match/dartpictures.h"
#include "rules/app/gamestate.h"
#include "qt/match/soundplayer.h"
#include "qt/setup/frmSCore.h"
#include "qt/records/frmRecords.h"
#include "qt/records/recordkeeper.h"

namespace vantorelle {

namespace {

// The program's own icon: a dart in the board.
QIcon appIcon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.scale(64.0 / 5190, 64.0 / 5190);
    paintDartboard(p);
    p.restore();
    p.drawPixmap(4, 4, dartPixmap(DartPicture::Small, 1, 'a', 44.0 / 600));
    return QIcon(pm);
}

// The disguise of the boss key: a plain text editor's page.
QIcon notepadIcon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(12, 6, 40, 52);
    p.setPen(QPen(QColor(120, 150, 200), 2));
    for (int y = 18; y < 54; y += 7)
        p.drawLine(17, y, 47, y);
    p.setBrush(QColor(70, 110, 190));
    p.setPen(Qt::NoPen);
    p.drawRect(12, 6, 40, 7);
    return QIcon(pm);
}

} // namespace

void frmDarts::buildMenus()
{
    setWindowIcon(appIcon());
    auto* bar = menuBar();
    auto add = [this](QWidget* menu, const char* name, const QString& caption, auto slot) {
        auto* a = new QAction(caption, menu);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        connect(a, &QAction::triggered, this, slot);
    };
    add(bar, "mnuNewGame", QStringLiteral("&New"), &frmDarts::mnuNewGame_Click);
    add(bar, "mnuLoadGame", QStringLiteral("&Load"), &frmDarts::mnuLoadGame_Click);
    add(bar, "mnuAudio", QStringLiteral("Audio"), &frmDarts::toggleSound);
    add(bar, "mnuHelp", QStringLiteral("Help"), &frmDarts::showHint);
    add(bar, "mnuStatistics", QStringLiteral("Statistics"), [this] { m_engine.DoStats(); });
    add(bar, "mnuRecords", QStringLiteral("Records"), &frmDarts::showRecords);
    add(bar, "mnuUndo", QStringLiteral("Undo"), &frmDarts::undo);
    add(bar, "mnuRankings", QStringLiteral("Rankings"), [this] { m_career->showRankings(); });
    add(bar, "mnuHistory", QStringLiteral("Player History"), [this] { m_career->showHistory(); });
    add(bar, "mnuEditor", QStringLiteral("Editor"), &frmDarts::mnuEditor_Click);
    auto* docs = bar->addMenu(QStringLiteral("Docs"));
    docs->setObjectName(QStringLiteral("mnuDocs"));
    add(docs, "mnuReadme", QStringLiteral("Readme"), [this] { openAppDocument(QStringLiteral("Readme.txt")); });
    add(docs, "mnuLicense", QStringLiteral("License"), [this] { openAppDocument(QStringLiteral("License.txt")); });
    add(bar, "mnuNetwork", QStringLiteral("Network"), [this] { m_network->open(); });
    add(bar, "mnuPlay", QStringLiteral("How to Play"), &frmDarts::openHelp);
    add(bar, "mnuCredits", QStringLiteral("Credits"), &frmDarts::showCredits);
    // The game's web site goes with it, to be read without a connection.
    add(bar, "mnuWebsite", QStringLiteral("Website"), [this] { openAppDocument(QStringLiteral("Website.htm")); });
    add(bar, "mnuBoss", QStringLiteral("Boss"), &frmDarts::bossKey);
    add(bar, "mnuQuit", QStringLiteral("&Quit"), &QWidget::close);

    openDocument = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

void frmDarts::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_A:
        toggleSound();
        return;
    case Qt::Key_H:
        showHint();
        return;
    case Qt::Key_Q:
        close();
        return;
    case Qt::Key_B:
        bossKey();
        return;
    case Qt::Key_S:
        m_engine.DoStats();
        return;
    case Qt::Key_F1:
        openHelp();
        return;
    case Qt::Key_Backspace:
        undo();
        return;
    case Qt::Key_C:
        showCredits();
        return;
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].isDigit()) {
        openScoreEntry(text);
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void frmDarts::toggleSound()
{
    const std::string remembered = m_st.view.comments;
    const bool on = !m_st.settings.soundOn;
    m_st.settings.soundOn = m_st.settings.soundOnSaved = on;
    m_engine.comment(on ? "Audio on" : "Audio off");
    const unsigned serial = m_engine.serial();
    saveSound(on);
    pause(1);
    // The old line comes back, unless it belonged to a match that has gone.
    if (m_engine.serial() == serial)
        m_engine.comment(remembered);
}

void frmDarts::showHint()
{
    // A checkout route is advice for a player at this machine with a dart
    // still to throw in an x01 turn. There is none to give on the setup
    // panel, between matches, in the bull-up, while a turn's end is being
    // announced (no dart is left), nor in Cricket; and the computer or the
    // other machine's player takes no advice from here.
    const MatchState& m = m_st.match;
    if (m_st.view.cricketBoardShown || m.cricket || m.blnStopped || m.blnBullUp)
        return;
    if (m.seatOf(m.currentPlayer) != Seat::Human || !m_engine.canTakeDart(m.currentPlayer))
        return;
    m_engine.DoHint();
}

void frmDarts::bossKey()
{
    showMinimized();
    m_career->minimiseAll(notepadIcon());
    m_network->minimiseLobby(notepadIcon());
    m_st.settings.soundOn = false;
    m_sound->stop();
    setWindowIcon(notepadIcon());
    setWindowTitle(QStringLiteral("Untitled - Notepad"));
    m_disguised = true;
}

void frmDarts::undoDisguise()
{
    m_st.settings.soundOn = m_st.settings.soundOnSaved;
    if (!m_disguised)
        return;
    m_disguised = false;
    setWindowIcon(appIcon());
    setWindowTitle(QStringLiteral("VANTORELLE!"));
    m_career->restoreAll(appIcon());
    m_network->restoreLobby(appIcon());
}

void frmDarts::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    // Coming back from the taskbar counts as a resize.
    if (e->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        undoDisguise();
}

void frmDarts::showRecords()
{
    // Whose records first: the player of this machine.
    QString name = QString::fromStdString(m_st.career.careerName);
    if (name.isEmpty())
        name = QString::fromStdString(m_st.settings.savedPlayer1Name);
    vantorelle::showRecords(m_records->store(), name, m_st.view.mainColour, this, m_records->problem());
}

void frmDarts::undo()
{
    m_engine.undo();
}

void frmDarts::showCredits()
{
    frmCredits credits(m_st.settings, this);
    credits.exec();
}

void frmDarts::openHelp()
{
    openAppDocument(QStringLiteral("ZEKOHELP.htm"));
}

void frmDarts::openAppDocument(const QString& name)
{
    const QString path = QDir(QString::fromStdString(m_st.appFolder)).filePath(name);
    if (!openDocument || !openDocument(path))
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("There was a problem executing the default web client. Check that it "
                                                "is properly installed."));
}

void frmDarts::openScoreEntry(const QString& digit)
{
    if (!m_engine.canEnterScore())
        return;
    frmSCore entry(m_st.match, m_engine, digit, this);
    m_scoreEntry = &entry;
    entry.exec();
}

} // namespace vantorelle

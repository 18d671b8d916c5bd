#include "qt/app/frmDarts.h"

#include <QFile>

#include <QApplication>
#include <utility>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

#include "qt/app/pause.h"
#include "platform/disk.h"
#include "qt/career/careerwindows.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include "rules/network/protocol.h"
#include "qt/persistence/frmLoad.h"
#include "qt/records/recordkeeper.h"
#include "rules/persistence/careerfile.h"
#include "rules/career/calendar.h"
#include "rules/career/tournament.h"
#include "rules/app/theme.h"
#include "qt/match/boardwidget.h"
#include "rules/app/gamestate.h"
#include "qt/match/soundplayer.h"
#include "qt/setup/frmPlayers.h"
#include "qt/cricket/picCricket.h"
#include "qt/setup/picNewGame.h"
#include "qt/app/mainlabels.h"
#include "qt/app/matchinfo.h"
#include "qt/ui/fittedlabel.h"
#include "qt/ui/frmInfo.h"
#include "qt/ui/gradient.h"
#include "qt/ui/pictures.h"

#include <QMenuBar>

namespace vantorelle {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A dart waiting in the player's hand. Clicks on it fall through to the board.
class DartInHand : public QWidget {
public:
    DartInHand(int player, QWidget* parent) : QWidget(parent), m_player(player)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const double s = height() / 600.0;
        p.drawPixmap(0, 0, dartPixmap(DartPicture::Small, m_player, 'a', s, devicePixelRatioF()));
    }

private:
    int m_player;
};

} // namespace

frmDarts::frmDarts(GameState& state, Rng& rng, double timeScale)
    : m_st(state), m_timeScale(timeScale), m_engine(state, *this, rng),
      m_menu(state.match, state.view, state.career, state.settings, state.roster, rng)
{
    setObjectName(QStringLiteral("frmDarts"));
    setWindowTitle(QStringLiteral("VANTORELLE!"));
    auto* bg = new GradientBackground(m_st.view.mainColour, this);
    bg->setObjectName(QStringLiteral("background"));
    setCentralWidget(bg);

    m_board = new BoardWidget(m_st.match, m_st.view, bg);
    m_board->onMouseDown = [this](int button, int x, int y) {
        if (m_summary)
            m_summary->hide(); // the figures make way for the next throw
        m_engine.boardMouseDown(button, x, y);
    };

    for (int i = 0; i < 6; ++i) {
        auto* w = new DartInHand(i < 3 ? 1 : 2, m_board);
        w->setObjectName(QStringLiteral("picDart_%1").arg(i));
        m_picDart[static_cast<std::size_t>(i)] = w;
    }

    buildScoreboard();

    for (int i = 0; i < 2; ++i) {
        auto idx = static_cast<std::size_t>(i);
        m_image[idx] = new QLabel(bg);
        m_image[idx]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        m_image[idx]->setAlignment(Qt::AlignCenter);
        m_lblTourn[idx] = makeLabel(bg, QStringLiteral("lblTourn_%1").arg(i), 14, kWhite, Qt::AlignLeft | Qt::AlignVCenter);
        m_lblTourn[idx]->setWordWrap(true);
    }

    m_lblComments = makeLabel(bg, QStringLiteral("lblComments"), 16, kWhite, Qt::AlignCenter);
    m_lblComments->setWordWrap(true);

    for (int p = 1; p <= 2; ++p) {
        m_picCricket[static_cast<std::size_t>(p)] = new picCricket(p, bg);
        m_picCricket[static_cast<std::size_t>(p)]->hide();
    }

    m_picNewGame = new picNewGame(bg);
    for (int i = 1; i <= 4; ++i)
        m_picNewGame->option(i)->onClick = [this, i] { lblOption_Click(i); };
    buildMenus();

    m_menu.changeTheme = [this](const std::string& code) { ChangeTheme(code); };
    m_career = new CareerWindows(m_st, rng, *this, timeScale);
    m_network = new NetworkWindows(m_st, *this);
    m_records = new RecordKeeper(m_st.dataFolder, this);
    m_engine.setRecorder(&m_records->recorder());
    m_sound = new SoundPlayer(QString::fromStdString(m_st.appFolder), this);

    m_tmrConfuse = new QTimer(this);
    m_tmrConfuse->setObjectName(QStringLiteral("tmrConfuse"));
    m_tmrConfuse->setInterval(16);
    m_tmrConfuse->setTimerType(Qt::PreciseTimer);
    connect(m_tmrConfuse, &QTimer::timeout, this, [this] {
        // Repaint only where the circle was and is.
        const QRect before = m_board->aimRect();
        m_engine.aimTick();
        m_board->update(before.united(m_board->aimRect()));
    });

    // VANTORELLE_LOG names a file that gets every commentary line and
    // overlay, for following a game from outside (the end-to-end test).
    if (const QString log = qEnvironmentVariable("VANTORELLE_LOG"); !log.isEmpty()) {
        m_log = std::make_unique<QFile>(log);
        if (!m_log->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            m_log.reset();
    }

    resize(1024, 720);
    setMinimumSize(640, 460);
    refresh();
}

frmDarts::~frmDarts() = default;

void frmDarts::Hilite(QLabel* label)
{
    label->setStyleSheet(QStringLiteral("color: rgb(0,0,255);"));
    pause(0.4);
    label->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));
}

void frmDarts::lblOption_Click(int option)
{
    // In a network match the challenger makes the choices; the other machine
    // takes them only as they are replayed from his, one at a time: a click
    // of its own player during a replayed choice's flash is not one of them
    // (and the lobby replays a choice only when no click flashes here).
    if (m_st.match.networkGame && !m_st.match.isChallenger && (!m_network->replayingOption() || m_optionBusy))
        return;
    // A click that arrives while another is flashing is handled after it.
    if (m_optionBusy) {
        m_pendingOption = option;
        return;
    }
    // A challenge, New or Load during the flash starts a setup of its own:
    // the click was meant for a panel that is gone.
    const unsigned setup = m_setupSerial;
    m_optionBusy = true;
    m_st.view.cricketBoardShown = false;
    auto* label = m_picNewGame->option(option);
    if (!label->text().isEmpty() && m_st.settings.soundOn)
        m_sound->play(QStringLiteral("Sounds/Dart/Clean1.wav"));
    Hilite(label);
    if (m_st.flags.quitting || m_setupSerial != setup) {
        m_optionBusy = false;
        return; // the window closed during the flash, or another setup began
    }

    std::string message;
    const SetupNext next = m_menu.click(option, &message);
    if (m_st.match.networkGame && m_st.match.isChallenger && !message.empty())
        send(message);
    m_optionBusy = false;
    // A click kept during the flash was meant for the page this one turned;
    // a window or a match that this one opens is not where it was aimed.
    const int pending = std::exchange(m_pendingOption, 0);
    switch (next) {
    case SetupNext::GetPlayers:
        GetPlayers(m_st.match.numberOfPlayers);
        if (m_setupSerial != setup)
            return; // a challenge came while the players were being chosen
        if (m_menu.playersChosen() == SetupNext::StartPractice) {
            refresh();
            startPractice();
        }
        break;
    case SetupNext::StartPractice:
        refresh();
        startPractice();
        break;
    case SetupNext::StartX01:
        refresh();
        startExhibition(false);
        break;
    case SetupNext::CareerEditor:
        // The career's values are set; its player is made in the editor. The
        // panel makes way for the career's windows until the career ends.
        m_menu.firstPage();
        m_st.view.setupVisible = false;
        refresh();
        m_career->openNewCareerEditor();
        break;
    case SetupNext::StartCricket:
        refresh();
        startExhibition(true);
        break;
    case SetupNext::Nothing:
        refresh();
        if (pending && m_st.view.setupVisible && m_setupSerial == setup)
            lblOption_Click(pending);
        return;
    }
    refresh();
}

// The end of an exhibition or a practice game: the winner's overlay, then
// the first page, unless another game began meanwhile.
MatchOverHandler frmDarts::exhibitionOver()
{
    return [this](const MatchResult& result) {
        const unsigned serial = m_engine.serial();
        ExhibitionOver(result, m_st.view, *this, [this, serial] { return m_engine.serial() == serial; });
    };
}

void frmDarts::startExhibition(bool cricket)
{
    const MatchOverHandler over = exhibitionOver();
    if (cricket)
        m_engine.StartCricket(over);
    else
        m_engine.StartGame(over);
}

void frmDarts::startPractice()
{
    const std::optional<PracticeChoice> choice = m_menu.practiceChoice();
    m_menu.forgetPractice(); // taken: the next setup chooses again
    if (!choice)
        return;
    MatchState& m = m_st.match;
    m.bytGameType = 1;
    m.numberOfPlayers = 1;
    m.networkGame = false;
    m.cricket = false;
    // One pace for every practice game, so that a best is a best.
    m.aimSpeed = kPracticeAimSpeed;
    m.player(2).name.clear();
    m.player(2).realBoard = false;
    m.tag = {};
    m_st.view.flag = {};
    m_st.view.setupVisible = false;
    refresh();
    const RecordKeeper::PracticeBest best = m_records->practiceBest(m.player(1).name, practiceCode(*choice));
    m_engine.StartPractice(*choice, best.best, exhibitionOver(), best.known);
}

void frmDarts::startCareerMatch(const CareerMatch& match, MatchOverHandler onOver)
{
    MatchState& m = m_st.match;
    m.bytGameType = 2;
    m.numberOfPlayers = 1;
    m.networkGame = false;
    m.cricket = false;
    m.intStartScore = 501;
    m.bytLegsToWin = match.length.legsToWin;
    m.bytSetstoWin = match.length.setsToWin;
    const Difficulty& d = difficultyFor(m_st.career.bytClass);
    m.bytClass = d.bytClass;
    m.difficulty = d.difficulty;
    m.aimSpeed = d.aimSpeed;
    m.player(1).name = match.player1;
    m.player(2).name = match.player2;
    m.player(1).realBoard = m_st.career.realBoard;
    m.player(2).realBoard = false;
    m.tag = {"", match.tag1, match.tag2};
    m.careerStage = match.stage;
    m_st.view.flag = {"", match.flag1, match.flag2};
    m_st.view.cricketBoardShown = false;
    m_st.view.setupVisible = false;
    refresh();
    m_engine.StartGame(std::move(onOver));
}

void frmDarts::closeOtherWindows()
{
    m_career->closeAll();
    if (m_scoreEntry)
        m_scoreEntry->reject();
    // The windows that wait for an answer: the players, the credits, the
    // world rankings, the load window, the roster editor. Closed unanswered,
    // they change nothing.
    static const QStringList kWaiting = {QStringLiteral("frmPlayers"), QStringLiteral("frmCredits"),
                                         QStringLiteral("frmRankings"), QStringLiteral("frmLoad"),
                                         QStringLiteral("frmPlayerEditor")};
    for (QDialog* d : findChildren<QDialog*>())
        if (d->isVisible() && kWaiting.contains(d->objectName())) {
            // A question such a window asked goes with it, unanswered.
            for (QMessageBox* box : d->findChildren<QMessageBox*>())
                if (box->isVisible())
                    box->reject();
            d->reject();
        }
}

void frmDarts::stopWhatIsOnScreen(bool tellOtherMachine)
{
    ++m_setupSerial;
    m_pendingOption = 0; // a click kept for a setup that is gone
    m_menu.forgetPractice(); // and a practice game chosen in it
    // The windows closed now close without asking.
    const bool wasUnloading = std::exchange(m_st.flags.unloading, true);
    // The other machine of a network match is told once.
    if (tellOtherMachine && m_st.match.networkGame)
        send(quitMessage());
    m_st.match.networkGame = false;
    m_engine.abandon();
    closeOtherWindows();
    m_st.flags.unloading = wasUnloading;
}

void frmDarts::showSetupFirstPage()
{
    m_st.view.scoreboardVisible = false;
    m_menu.firstPage();
    m_st.view.setupVisible = true;
    refresh();
}

void frmDarts::backToStartMenu()
{
    m_engine.abandon();
    m_st.career.clearDraws();
    ChangeTheme("AllBlack");
    m_st.view.flag = {};
    m_st.view.scoreboardVisible = false;
    m_menu.firstPage();
    m_st.view.setupVisible = true;
    refresh();
}

void frmDarts::GetPlayers(int humans)
{
    m_st.view.setupVisible = false;
    refresh();
    frmPlayers players(m_st, humans, this, m_menu.practiceChoice().has_value());
    players.exec();
    if (m_st.career.careerName.empty())
        m_menu.firstPage();
    m_st.view.setupVisible = true;
    refresh();
}

void frmDarts::mnuNewGame_Click()
{
    if (m_st.view.setupVisible && m_menu.onFirstPage() && !m_st.match.networkGame)
        return;
    const unsigned setup = m_setupSerial;
    const auto answer = QMessageBox::question(this, windowTitle(),
                                              QStringLiteral("Are you sure you want to quit the current game and "
                                                             "start a new one?"),
                                              QMessageBox::Yes | QMessageBox::No);
    // A No leaves a waiting bull-up as it was; a challenge taken while the
    // question was up is not the game the question was about.
    if (answer != QMessageBox::Yes || m_setupSerial != setup)
        return;
    stopWhatIsOnScreen(true);
    ChangeTheme("AllBlack");
    m_st.career.clearDraws();
    m_st.view.flag = {};
    showSetupFirstPage();
}

void frmDarts::mnuLoadGame_Click()
{
    const unsigned setup = m_setupSerial;
    const auto answer = QMessageBox::question(this, windowTitle(),
                                              QStringLiteral("Are you sure you want to load a saved career?"),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes || m_setupSerial != setup)
        return;
    const std::string name = frmLoad::choose(m_st.dataFolder, this);
    // Nothing chosen, or a challenge took over while the careers were listed:
    // the game goes on as it is.
    if (name.empty() || m_setupSerial != setup)
        return;
    const std::string path =
        QDir(QString::fromStdString(m_st.dataFolder)).filePath(QString::fromStdString(careerFileName(name))).toStdString();
    const auto text = readTextFile(path);
    if (!text) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The career of %1 cannot be read.").arg(qs(name)));
        return;
    }
    const CareerLoad loaded = readCareerFile(*text, name);

    // What was going on ends here, without questions.
    stopWhatIsOnScreen(true);
    const bool wasUnloading = std::exchange(m_st.flags.unloading, true);
    ChangeTheme("AllBlack");
    m_st.career.clearDraws();
    m_st.view.dartInHand = {true, true, true, false, false, false};
    m_st.view.cricketBoardShown = false;
    m_st.view.scoreboardVisible = false;
    m_st.view.setupVisible = false;
    m_st.view.flag = {};
    refresh();

    m_st.career = loaded.state;
    m_st.match.intStartScore = 501;
    m_st.match.bytGameType = 2;
    m_st.match.numberOfPlayers = 1;
    const Difficulty& d = difficultyFor(m_st.career.bytClass);
    m_st.match.bytClass = d.bytClass;
    m_st.match.difficulty = d.difficulty;
    m_st.match.aimSpeed = d.aimSpeed;
    m_st.match.resetMatchStats(); // nothing of an earlier match joins this career's totals
    m_st.flags.unloading = wasUnloading;
    const bool cricketWon = m_career->unlockCricketWon();
    // No match is running until the career starts one: the board takes no dart.
    // A tournament under way shows its look, at the draw or at the calendar
    // that books its final.
    if (loaded.reopen != ReopenAt::Calendar)
        ChangeTheme(themeCode(m_st.career.tournamentNo));
    const unsigned generation = m_career->generation();
    if (loaded.reopen == ReopenAt::Draw)
        m_career->openDraw();
    else
        m_career->showCalendar();
    // Told once the career is on screen, unless it was left meanwhile.
    if (cricketWon && m_career->generation() == generation)
        m_career->tellCricketUnlocked();
}

void frmDarts::mnuEditor_Click()
{
    QMessageBox::information(this, windowTitle(),
                             QStringLiteral("Please NOTE that changes will only affect future careers. Careers which "
                                            "are currently in progress will not be affected."));
    m_career->openRosterEditor();
}

void frmDarts::pause(double seconds)
{
    qtPause(seconds * m_timeScale);
}

void frmDarts::processEvents()
{
    qtPause(0);
}

void frmDarts::waitForEvents()
{
    qtWaitForEvents();
}

void frmDarts::play(std::string_view path, bool wait)
{
    const double length = m_sound->play(qs(path));
    if (wait && length > 0)
        pause(length);
}

void frmDarts::comment(std::string_view text)
{
    m_lblComments->setText(qs(text));
    refreshMatchInfo(); // each dart's commentary comes as it is booked
    logLine(QStringLiteral("comment "), qs(text));
}

void frmDarts::logLine(const QString& kind, const QString& text)
{
    if (!m_log)
        return;
    m_log->write((kind + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n')).toUtf8());
    m_log->flush();
}

void frmDarts::showInfo(std::string_view text)
{
    m_infos.push_back(qs(text));
    while (m_infos.size() > 100) // the latest are enough; a long session does not keep them all
        m_infos.removeFirst();
    logLine(QStringLiteral("info "), qs(text));
    frmInfo info(this, m_timeScale);
    info.setInfo(qs(text));
    info.adjustSize();
    info.move(geometry().center() - info.rect().center());
    info.exec();
}

void frmDarts::send(std::string_view message)
{
    m_network->send(std::string(message));
}

void frmDarts::frameDelay()
{
    m_board->repaint();
    qtPause(0.03 * m_timeScale);
}

void frmDarts::animate(int x, int y, char pose, bool bounceOut)
{
    const int p = m_st.match.currentPlayer;
    const unsigned serial = m_engine.serial();
    const auto frames = Animate(x, y, pose, bounceOut);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        // The frames follow each other with a short delay, so the flight is
        // seen; a match abandoned meanwhile takes its dart off the board.
        if (i > 0)
            frameDelay();
        if (m_engine.serial() != serial) {
            m_board->clearLayer();
            return;
        }
        const FlightFrame& f = frames[i];
        m_board->Redraw();
        if (f.drawn)
            m_board->drawPicture(f.picture, p, f.pose, f.x, f.y);
    }
    m_board->update();
    emit dartDrawn(p, x, y, qs(m_st.match.strBed), bounceOut);
}

void frmDarts::clearBoard()
{
    m_board->clearLayer();
}

void frmDarts::redrawTurn()
{
    m_board->clearLayer();
    const MatchState& m = m_st.match;
    for (int n = 1; n <= m.bytDart && n <= 3; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (m.intDartX[i] == 1 && m.intDartY[i] == 1)
            continue; // it bounced out
        const auto frames = Animate(m.intDartX[i], m.intDartY[i], m.strDartPose[i].empty() ? 'a' : m.strDartPose[i][0],
                                    false);
        if (!frames.empty() && frames.back().drawn) {
            const FlightFrame& f = frames.back();
            m_board->drawPicture(f.picture, m.currentPlayer, f.pose, f.x, f.y);
        }
    }
    m_board->update();
}

void frmDarts::setAimTimer(bool on)
{
    if (on)
        m_tmrConfuse->start();
    else
        m_tmrConfuse->stop();
    m_board->update();
}

bool frmDarts::boardVisible() const
{
    return m_board->isVisible();
}

bool frmDarts::confirm(std::string_view question)
{
    return QMessageBox::question(this, windowTitle(), qs(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void frmDarts::stopSounds()
{
    m_sound->stop();
}

void frmDarts::showSetupMenu()
{
    refresh();
}

void frmDarts::closeEvent(QCloseEvent* e)
{
    if (!m_st.flags.quitting) {
        const auto answer = QMessageBox::question(this, windowTitle(), QStringLiteral("Are you sure you want to quit?"),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            e->ignore();
            return;
        }
        m_st.flags.unloading = true;
        m_st.flags.quitting = true;
    }
    // Whatever was running stops here: a waiting bull-up gives up, and
    // nothing of the match is seen or heard after this.
    stopWhatIsOnScreen(true); // the lobby closing after it has nothing more to say
    m_network->closeAll();
    m_st.flags.unloading = false;
    e->accept();
}

} // namespace vantorelle

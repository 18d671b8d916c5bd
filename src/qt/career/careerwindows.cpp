#include "qt/career/careerwindows.h"
#include "qt/ui/disguise.h"

#include <QDir>
#include <QFileInfo>
#include <utility>
#include <QMessageBox>
#include <QTimer>

#include "platform/disk.h"
#include "qt/app/frmDarts.h"
#include "qt/app/settings.h"
#include "qt/career/frmDisplayRankingPoints.h"
#include "qt/career/frmRosters.h"
#include "qt/career/frmSchedule.h"
#include "qt/career/frmStructure.h"
#include "qt/persistence/frmLoad.h"
#include "qt/persistence/frmPlayerEditor.h"
#include "rules/app/gamestate.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"

namespace vantorelle {

void closeQuietly(QWidget* w, bool& unloading)
{
    if (!w)
        return;
    const bool was = std::exchange(unloading, true);
    w->close();
    unloading = was;
}

CareerWindows::CareerWindows(GameState& st, Rng& rng, frmDarts& main, double timeScale)
    : QObject(&main), m_st(st), m_rng(rng), m_main(main), m_timeScale(timeScale)
{
}

CareerWindows::~CareerWindows() = default;

namespace {
// A window closed with delete-on-close lingers until the event loop deletes
// it; it counts as gone from the moment it is hidden.
template <class W>
W* open(const QPointer<W>& w)
{
    return w && !w->isHidden() ? w.data() : nullptr;
}
} // namespace

frmSchedule* CareerWindows::schedule() const
{
    return open(m_schedule);
}
frmRosters* CareerWindows::rosters() const
{
    // Out of sight for the career player's match, it is still the draw.
    if (m_rosters && m_rosters->awayForMatch())
        return m_rosters.data();
    return open(m_rosters);
}
frmPlayerEditor* CareerWindows::editor() const
{
    return open(m_editor);
}
frmDisplayRankingPoints* CareerWindows::rankingPoints() const
{
    return open(m_points);
}

void CareerWindows::tell(const QString& text)
{
    ask(QMessageBox::Warning, text);
}

QMessageBox::StandardButton CareerWindows::ask(QMessageBox::Icon icon, const QString& text,
                                               QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QStringLiteral("VANTORELLE!"), text, buttons, &m_main);
    m_boxes.append(&box);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    m_boxes.removeAll(&box);
    return answer;
}

bool CareerWindows::careerLoaded() const
{
    return !m_st.career.roster.empty() && !m_st.career.roster.front().empty();
}

bool CareerWindows::unlockCricketWon()
{
    if (m_st.settings.cricketUnlocked)
        return false;
    const std::string path = QDir(QString::fromStdString(m_st.dataFolder))
                                 .filePath(QString::fromStdString(historyFileName(m_st.career.careerName)))
                                 .toStdString();
    // A history that cannot be read still leaves the career's own draw to tell.
    const std::string history = readTextFile(path).value_or(std::string());
    if (!wonWorldChampionship(m_st.career, history))
        return false;
    m_st.settings.cricketUnlocked = true;
    saveCricket(true);
    return true;
}

void CareerWindows::tellCricketUnlocked()
{
    ask(QMessageBox::Information, QString::fromLatin1(kCricketMessage));
}

bool CareerWindows::saveCareer()
{
    const std::string text = SaveCareer(m_st.career, m_st.match.matchStats[1]);
    const std::string path =
        QDir(QString::fromStdString(m_st.dataFolder)).filePath(QString::fromStdString(careerFileName(m_st.career.careerName))).toStdString();
    std::string why;
    if (saveTextFile(path, text, &why))
        return true;
    tell(QStringLiteral("The career could not be saved (%1). The file keeps what was saved before.")
             .arg(QString::fromStdString(why)));
    return false;
}

bool CareerWindows::appendHistory(const std::string& line)
{
    const std::string path = QDir(QString::fromStdString(m_st.dataFolder))
                                 .filePath(QString::fromStdString(historyFileName(m_st.career.careerName)))
                                 .toStdString();
    const auto old = readTextFile(path);
    if (!old && fileExists(path)) {
        tell(QStringLiteral("The player history cannot be read, so nothing was added to it."));
        return false;
    }
    const auto text = historyWithBooking(old.value_or(std::string()), line);
    if (!text)
        return true; // booked before the career could save itself
    std::string why;
    if (saveTextFile(path, *text, &why))
        return true;
    tell(QStringLiteral("The player history could not be written (%1).").arg(QString::fromStdString(why)));
    return false;
}

void CareerWindows::openNewCareerEditor()
{
    closeQuietly(m_editor, m_st.flags.unloading);
    m_editor = new frmPlayerEditor(*this, false, &m_main);
    m_editor->setAttribute(Qt::WA_DeleteOnClose);
    m_editor->show();
}

void CareerWindows::openRosterEditor()
{
    // A new career's editor, if one is open, stays as it is behind this one.
    frmPlayerEditor editor(*this, true, &m_main);
    editor.exec();
}

void CareerWindows::showCalendar()
{
    if (!schedule()) {
        m_schedule = new frmSchedule(*this, &m_main);
        m_schedule->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_schedule->Populate();
    m_schedule->show();
    m_schedule->raise();
    m_schedule->activateWindow();
    m_schedule->bookFinishedTournament();
}

void CareerWindows::startTournament()
{
    const std::string theme = StartTournament(m_st.career);
    m_main.ChangeTheme(theme);
    closeQuietly(m_schedule, m_st.flags.unloading);
    const unsigned generation = m_generation;
    {
        frmStructure structure(m_st, &m_main);
        m_structure = &structure;
        structure.exec();
    }
    // The career left while the structure was shown (a challenge, New,
    // Load): no draw is made and nothing is saved.
    if (generation != m_generation)
        return;
    // Closing the structure makes the draw, whichever way it was closed. The
    // draw is saved at once: a player who leaves during his first match and
    // loads the career again finds the same draw, not a new one to pick from.
    BuildDraw(m_st.career, m_rng);
    // A save that fails is told in a box, during which the career may be left.
    if (!saveCareer() && generation != m_generation)
        return;
    openDraw();
}

void CareerWindows::openDraw()
{
    closeQuietly(m_rosters, m_st.flags.unloading);
    m_rosters = new frmRosters(*this, &m_main);
    m_rosters->setAttribute(Qt::WA_DeleteOnClose);
    m_rosters->show();
    m_rosters->DisplayGroup('A');
}

void CareerWindows::showHistory()
{
    const std::string& name = m_st.career.careerName;
    if (name.empty())
        return;
    // Only the file of exactly this name, as the menu always has.
    const std::string file = historyFileName(name);
    const auto found = findFileIgnoringCase(m_st.dataFolder, file);
    if (!found || QFileInfo(QString::fromStdString(*found)).fileName().toStdString() != file)
        return;
    const auto text = readTextFile(*found);
    if (!text) {
        tell(QStringLiteral("The player history cannot be read."));
        return;
    }
    frmHistory history(m_st.view.mainColour, name, *text, &m_main);
    history.exec();
}

void CareerWindows::showRankingPoints(const std::vector<std::string>& lines)
{
    closeQuietly(m_points, m_st.flags.unloading);
    m_points = new frmDisplayRankingPoints(*this, lines, &m_main);
    m_points->setAttribute(Qt::WA_DeleteOnClose);
    m_points->show();
    m_points->raise();
}

void CareerWindows::showRankings()
{
    frmRankings rankings(m_st.view.mainColour, WorldRankings(m_st.career.roster, m_st.roster.lines), &m_main);
    rankings.exec();
}

bool CareerWindows::mayLeaveCareer(QWidget*)
{
    if (m_st.flags.unloading || m_st.flags.quitting)
        return true;
    const unsigned generation = m_generation;
    const auto answer = ask(QMessageBox::Question, QStringLiteral("Are you sure you want to quit the current game?"),
                            QMessageBox::Yes | QMessageBox::No);
    // The career was left another way while the question was up (a challenge,
    // New, Load): the window goes, and what took over stays.
    if (generation != m_generation)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // Once the window has gone.
    QTimer::singleShot(0, this, [this] { backToStartMenu(); });
    return true;
}

void CareerWindows::backToStartMenu()
{
    closeAll();
    m_main.backToStartMenu();
}

void CareerWindows::closeAll()
{
    ++m_generation;
    // The boxes and the structure window first, closed unanswered: the steps
    // that wait on them see the generation changed when they return.
    for (const QPointer<QMessageBox>& box : m_boxes)
        if (box)
            box->reject();
    if (m_structure)
        m_structure->reject();
    bool& unloading = m_st.flags.unloading;
    closeQuietly(m_points, unloading);
    closeQuietly(m_editor, unloading);
    closeQuietly(m_rosters, unloading);
    closeQuietly(m_schedule, unloading);
}

void CareerWindows::minimiseAll(const QIcon& icon)
{
    // The draw out of sight for the career player's match stays so.
    if (frmRosters* draw = rosters(); draw && !draw->awayForMatch())
        disguiseWindow(draw, icon);
    disguiseWindow(schedule(), icon);
}

void CareerWindows::restoreAll(const QIcon& icon)
{
    // A draw whose match ended behind the disguise comes back in front.
    if (frmRosters* draw = rosters(); draw && undisguiseWindow(draw, icon))
        draw->comeBack();
    if (undisguiseWindow(schedule(), icon))
        schedule()->showNormal();
}

} // namespace vantorelle

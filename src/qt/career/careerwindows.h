#pragma once
#include <QIcon>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

namespace vantorelle {

class frmDarts;
class frmDisplayRankingPoints;
class frmPlayerEditor;
class frmRosters;
class frmSchedule;
class frmStructure;
struct GameState;
class Rng;

// The career's windows and what they share: the career file and the
// history file on disk, the road back to the start menu, and closing them
// all when a new game, a load or quitting takes over.
class CareerWindows : public QObject {
    Q_OBJECT
public:
    CareerWindows(GameState& st, Rng& rng, frmDarts& main, double timeScale);
    ~CareerWindows() override;

    // The player editor: a new career's player (modeless), or the roster file (modal).
    void openNewCareerEditor();
    void openRosterEditor();
    // The calendar, which books a finished tournament once when it opens.
    void showCalendar();
    // The calendar's CONTINUE: the tournament's look, its structure, then its draw.
    void startTournament();
    // The draw window of the tournament under way, at group A.
    void openDraw();
    // The player history of the career, when its file is there.
    void showHistory();
    // The RANKING POINTS window of a finished tournament, then the calendar.
    void showRankingPoints(const std::vector<std::string>& lines);
    // The world rankings, modal.
    void showRankings();

    // Writes the career file. A failure is told to the player and leaves the
    // old file as it was.
    bool saveCareer();

    // Changes whenever the career's windows are closed (New, Load, a
    // challenge, quitting): a career step that waited in a nested event loop
    // (a question, the structure window) compares it and gives up.
    unsigned generation() const { return m_generation; }
    // A message box of the career's windows. It belongs to the main window,
    // which outlives every career window, so that closing a career window
    // never takes a box away from under its own event loop; and it is closed
    // unanswered when the career's windows close (the answer is then the
    // box's escape button).
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // Appends a line to the career's history file.
    bool appendHistory(const std::string& line);
    // A career is loaded: its roster holds players.
    bool careerLoaded() const;
    // A career just loaded whose player has won the World Championship
    // unlocks Cricket, if it is not unlocked yet (the program may have
    // stopped between saving the final and storing the setting). True when
    // it unlocked it now.
    bool unlockCricketWon();
    // Tells the player that Cricket is unlocked.
    void tellCricketUnlocked();

    // The close box of the calendar or the draw window asks whether to leave
    // the career (not while windows close by themselves); Yes goes back to the
    // main window's first page, with empty draws and the dark look.
    bool mayLeaveCareer(QWidget* window);
    void backToStartMenu();
    // Closes every career window without a question (New, Load, Quit).
    void closeAll();
    // The boss key: the career windows go out of sight too, disguised as the
    // main window is, and come back with it.
    void minimiseAll(const QIcon& icon);
    void restoreAll(const QIcon& icon);

    // The windows while they are open; null otherwise.
    frmSchedule* schedule() const;
    frmRosters* rosters() const;
    frmPlayerEditor* editor() const;
    frmDisplayRankingPoints* rankingPoints() const;

    GameState& state() { return m_st; }
    Rng& rng() { return m_rng; }
    frmDarts& main() { return m_main; }
    double timeScale() const { return m_timeScale; }

private:
    void tell(const QString& text);

    GameState& m_st;
    Rng& m_rng;
    frmDarts& m_main;
    double m_timeScale;
    QPointer<frmPlayerEditor> m_editor;
    QPointer<frmSchedule> m_schedule;
    QPointer<frmRosters> m_rosters;
    QPointer<frmDisplayRankingPoints> m_points;
    QPointer<frmStructure> m_structure;
    QList<QPointer<QMessageBox>> m_boxes; // the career's boxes while they are open
    unsigned m_generation = 0;
};

// A window that closes without asking: the flag that silences the close box
// is raised around it.
void closeQuietly(QWidget* w, bool& unloading);

} // namespace vantorelle

#pragma once
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>

#include "rules/match/matchengine.h"
#include "rules/match/matchhost.h"
#include "rules/setup/setupmenu.h"

class QLabel;
class QTimer;

class QFile;

namespace vantorelle {

class BoardWidget;
class picCricket;
class CareerWindows;
class NetworkWindows;
class RecordKeeper;
class SummaryPanel;
class VisitPanel;
struct CareerMatch;
class picNewGame;
class SoundPlayer;
struct GameState;
class Rng;

// The main window: the board, the scoreboard, the darts in hand and the
// commentary line. It shows the match state and answers the rules' requests
// (pauses, calls, overlays, the flight of a dart).
// The board's side at the window's first size: every size of text and space
// beside the board is designed for it and scaled with the board.
inline constexpr double kDesignBoardSide = 618.0;

class frmDarts : public QMainWindow, public MatchHost {
    Q_OBJECT
public:
    frmDarts(GameState& state, Rng& rng, double timeScale);
    ~frmDarts() override;

    MatchEngine& engine() { return m_engine; }
    SetupMenu& setupMenu() { return m_menu; }

    // The setup panel's options, 1..4.
    void lblOption_Click(int option);
    // Starts the exhibition the setup panel has set up; its end brings the panel back.
    void startExhibition(bool cricket);
    // The practice game chosen on the setup panel, for the player named.
    void startPractice();
    // Plays the career player's match of the draw; onOver hears its winner.
    void startCareerMatch(const CareerMatch& match, MatchOverHandler onOver);
    // The first page of the setup panel, no match, no draws, the dark look.
    void backToStartMenu();
    CareerWindows& career() { return *m_career; }
    NetworkWindows& network() { return *m_network; }
    // The record of every match played here, and its store.
    RecordKeeper& records() { return *m_records; }
    // The Records command: the statistics window over the match records.
    void showRecords();
    // The Undo command (Backspace): a real-board player's last click or typed
    // turn taken back, when the match allows it.
    void undo();
    // Whatever is on screen stops now, without a question: a New or a Load
    // the player confirmed, a challenge, the other machine gone, quitting.
    // The match ends (with tellOtherMachine the other machine of a network
    // match is told), a click kept for the setup is dropped, and the career's
    // windows and the windows that wait for an answer close. Every flow that
    // waits in a nested event loop finds setupSerial() changed and gives up.
    void stopWhatIsOnScreen(bool tellOtherMachine);
    unsigned setupSerial() const { return m_setupSerial; }
    // The setup panel on its first page, no scoreboard.
    void showSetupFirstPage();
    // A setup click is flashing.
    bool optionBusy() const { return m_optionBusy; }
    double timeScale() const { return m_timeScale; }
    // Shows the player selection for one or two humans.
    void GetPlayers(int humans);
    // The New command: back to the first page of the setup panel.
    void mnuNewGame_Click();
    // The Load command: a saved career, reopened where it stood.
    void mnuLoadGame_Click();
    // The Editor command: the roster file's players, after a word of warning.
    void mnuEditor_Click();

    // The look of a tournament (its code), or the dark exhibition look
    // ("AllBlack"); an unknown code changes nothing.
    void ChangeTheme(const std::string& code);
    // Repaints the background and the panels in this colour (all zero: the
    // remembered one).
    void DoMainColour(Rgb colour);

    // Command keys and their menu entries.
    void toggleSound(); // A
    void showHint();    // H
    void bossKey();     // B
    bool disguised() const { return m_disguised; }
    void showCredits(); // C
    void openHelp();    // F1
    // Opens a document of the application folder with the platform's viewer.
    void openAppDocument(const QString& name);
    // How documents are opened; tests replace it.
    std::function<bool(const QString& path)> openDocument;
    // Opens the score entry with a first digit, when the player on throw may type.
    void openScoreEntry(const QString& digit);
    BoardWidget* board() const { return m_board; }
    // The overlays shown so far, most recent last.
    const QStringList& infosShown() const { return m_infos; }

    // MatchHost
    void pause(double seconds) override;
    void processEvents() override;
    void waitForEvents() override;
    void play(std::string_view path, bool wait) override;
    void comment(std::string_view text) override;
    void showInfo(std::string_view text) override;
    void refresh() override;
    void send(std::string_view message) override;
    void animate(int x, int y, char pose, bool bounceOut) override;
    void clearBoard() override;
    void setAimTimer(bool on) override;
    bool boardVisible() const override;
    bool confirm(std::string_view question) override;
    void showSetupMenu() override;
    void stopSounds() override;
    void redrawTurn() override;
    void legWon(int winner, bool matchOver) override;
    // The figures panel shown at the end of a leg or a match.
    SummaryPanel* summary() const { return m_summary; }

signals:
    // A dart's flight has ended on the board: who threw it, where it landed
    // and the bed it scored (the other machine's darts too).
    void dartDrawn(int player, int x, int y, const QString& bed, bool bounceOut);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    MatchOverHandler exhibitionOver();
    void buildScoreboard();
    void buildMenus();
    void Hilite(QLabel* label);
    void undoDisguise();
    void layoutControls();
    void refreshFlags();
    void frameDelay();
    // Closes the career windows, the score entry and the windows that wait
    // for an answer, without questions.
    void closeOtherWindows();

    GameState& m_st;
    double m_timeScale;
    MatchEngine m_engine;
    SetupMenu m_menu;
    CareerWindows* m_career = nullptr;
    NetworkWindows* m_network = nullptr;
    RecordKeeper* m_records = nullptr;
    picNewGame* m_picNewGame = nullptr;
    std::array<picCricket*, 3> m_picCricket{};
    bool m_disguised = false;
    QStringList m_infos;
    std::unique_ptr<QFile> m_log;
    void logLine(const QString& kind, const QString& text);
    unsigned m_setupSerial = 0; // changes when what was on screen was stopped
    bool m_optionBusy = false;
    QPointer<QDialog> m_scoreEntry; // the score entry while it is open
    int m_pendingOption = 0;
    SoundPlayer* m_sound = nullptr;
    QTimer* m_tmrConfuse = nullptr;
    BoardWidget* m_board = nullptr;
    QWidget* m_picContainer = nullptr;
    QLabel* m_lblComments = nullptr;
    std::array<QLabel*, 3> m_lblPlayer{};
    std::array<QLabel*, 3> m_lblScore{};
    std::array<QLabel*, 3> m_lblLegs{};
    std::array<QLabel*, 3> m_lblSets{};
    std::array<QLabel*, 3> m_lblLegsHead{}; // "LEGS", or a practice game's own heading
    std::array<QLabel*, 3> m_lblSetsHead{};
    std::array<QWidget*, 6> m_picDart{};
    std::array<QLabel*, 2> m_image{};    // the tournament's logo, Image1 and Image2
    std::array<QLabel*, 2> m_lblTourn{}; // its name
    std::array<QLabel*, 3> m_imgFlag{};  // flags beside the names
    QLabel* m_lblFormat = nullptr;       // the match's format in words
    std::array<QLabel*, 3> m_lblInfo{};  // each player's figures so far
    VisitPanel* m_visit = nullptr;
    SummaryPanel* m_summary = nullptr;
    // What the scoreboard shows of the match's record.
    void refreshMatchInfo();
    // The scoreboard of a practice game: its figures, and the best beneath.
    void refreshPractice(const PracticeSession& session);
};

} // namespace vantorelle

#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "rules/app/gamestate.h"
#include "rules/match/board.h"
#include "rules/match/matchhost.h"
#include "rules/match/matchlife.h"
#include "rules/match/referee.h"
#include "rules/match/rng.h"
#include "rules/opponent/computerplayer.h"
#include "rules/practice/practicesession.h"
#include "rules/records/recorder.h"

namespace vantorelle {

// The flow of a match as the main window runs it: every dart, the x01 turn,
// legs, sets and the match, the bull-up, the change of thrower, aiming and
// typed turns. The referee calls through Referee, the computer decides where
// its darts land through ComputerPlayer, Cricket scores through its rules.
//
// Every pause runs the event loop, so anything may happen inside one: a click,
// New, a dart from the other machine. MatchLife keeps that safe for every part
// of the flow: a serial each flow looks at after each pause, the end of a
// match reported once, darts from the other machine kept until the match can
// take them.
//
// The parts, one file each:
//   matchengine.cpp  the start of a match and its abandonment
//   dartroad.cpp     the one door of every dart, and its landing
//   dartbooking.cpp  a dart booked by the x01 rules or by Cricket, the bust
//   legs.cpp         legs, sets and the end of the match
//   bullup.cpp       the throw for the start, and the throw handed over
//   turns.cpp        the change of thrower and the computer's turn
//   boardmouse.cpp   aiming and the board's mouse
//   typedturn.cpp    turns typed in by a player at a real board
//   inbox.cpp        darts from the other machine
//   commentary.cpp   the commentary line, the statistics and the hint
//   practiceplay.cpp a practice game, played alone
class MatchEngine {
public:
    MatchEngine(MatchState& match, BoardView& view, const Settings& settings, const RunFlags& flags,
                const RosterFile& roster, const CareerState& career, const std::string& appFolder, MatchHost& host,
                Rng& rng);
    MatchEngine(GameState& st, MatchHost& host, Rng& rng);

    // Resets the scoreboard, runs the bull-up and hands the throw to its
    // winner; onOver hears of the end of the match, once.
    void StartGame(MatchOverHandler onOver = {});
    // The same for Cricket, with its scoreboards.
    void StartCricket(MatchOverHandler onOver = {});
    // A practice game for player 1 alone: no bull-up, the game's own
    // figures on the scoreboard, its target lit on the board, its end
    // reported once as a match's is. best: his best in this game so far,
    // shown at the start and the end; bestKnown false when the records could
    // not be read, so that no best is claimed.
    void StartPractice(const PracticeChoice& choice, std::optional<int> best, MatchOverHandler onOver = {},
                       bool bestKnown = true);
    // The practice game on the board (nothing in a match), and the best it
    // was started with.
    const PracticeSession* practice() const { return m_practice ? &*m_practice : nullptr; }
    std::optional<int> practiceBest() const { return m_practiceBest; }

    // Ends the match being played at once: nothing of it is shown, heard,
    // booked or reported afterwards. New, Quit, Load and the opponent's quit
    // all come here.
    void abandon();
    // A match is being played (from the bull-up to its last dart).
    bool matchRunning() const { return !m_match.blnStopped; }
    // Changes whenever a match starts, ends or is abandoned: a window that
    // waits (a flight, a message) asks it whether its match is still on.
    unsigned serial() const { return m_life.serial(); }

    // Every dart ends here. netBed is empty for a dart thrown on this machine,
    // otherwise the bed code received with it; netBounce is "T" when that dart
    // bounced out.
    void ThrowDart(int x, int y, std::string_view netBed = {}, std::string_view netBounce = {});

    // A dart from the other machine: taken now when the match can take it,
    // else kept until it can. Darts for a player the other machine does not
    // throw for, or with no real bed, are dropped.
    void receiveDart(ReceivedDart dart);
    // Whether a dart for this player could be taken right now.
    bool canTakeDart(int player) const;
    std::size_t dartsWaiting() const { return m_life.inbox().size(); }

    // Mouse button pressed on the board (1 left, 2 right), in board units.
    void boardMouseDown(int button, int x, int y);
    // One tick of the aim timer.
    void aimTick();

    // A real-board player on throw may type his turn's score now.
    bool canEnterScore() const;
    // Books a turn typed in by a real-board player (already checked).
    void bookEnteredTurn(int darts, int score, int dartsAtDouble);

    // A computer dart at a bed, or at alt with even chance.
    void Throw(std::string_view score, std::string_view alt = {});
    // A dart landing exactly on the point compaim.dat gives for a bed.
    void Hit(std::string_view score, std::string_view alt = {});
    ComputerPlayer& computer() { return m_computer; }
    Referee& referee() { return m_referee; }

    // Sets the commentary line (shown upper-cased).
    void comment(std::string_view text);
    // The statistics of the match, two messages in the commentary line.
    void DoStats();
    // The checkout hint for the player on throw, for two seconds.
    void DoHint();

    // The record of each match as it is played (nothing: none is kept).
    void setRecorder(records::MatchRecorder* recorder) { m_recorder = recorder; }
    records::MatchRecorder* recorder() const { return m_recorder; }

    // Corrections of a player at a real board: the last dart he clicked, or
    // the turn he typed, taken back, again and again back to the start of his
    // turn, and the turn before while the one now on throw is a human here
    // who has not thrown; a dart that won a leg or a set too, before the next
    // dart is thrown. Not for darts thrown on the screen (they are the
    // player's skill), nor in a network match, nor once the match is won.
    bool canUndo() const;
    // Takes the last step back; what was taken back, for the commentary
    // (empty when nothing could be).
    std::string undo();

private:
    // matchengine.cpp
    void startMatch(bool cricket, MatchOverHandler onOver);
    void resetScoreboard(int startScore);

    // dartroad.cpp
    void landDart(int x, int y, const Landing& landing, bool thrownHere,
                  const std::optional<records::ThrownDart>& aim);
    void recordDart(int n, int x, int y, bool bounceOut);

    // dartbooking.cpp
    void bookX01Dart(unsigned serial, int p, int n, const std::string& bed);
    void bookCricketDart(unsigned serial, int p, int n, const std::string& bed);
    // The dart counted in the turn and the leg.
    void countDart(int p, int n, int dartScore);
    // Turns of 100 to 139, 140 to 179 and 180 go into the statistics.
    void countHighTurn(int p, int turn);
    void bust(std::string_view message);

    // legs.cpp
    // Books a leg won by p; true when it won the match.
    bool LegWinner(int p);
    // The board after a won x01 match, then its end reported.
    void x01MatchWon(unsigned serial, int p);
    void cricketWon(unsigned serial, int p, const std::string& text);

    // bullup.cpp
    // The bull-up: 1 or 2, the starter; 0 when it was abandoned.
    int ThrowForStart();
    void handOverAfterBullUp(int w);

    // turns.cpp
    // Passes the throw, after a 2-second pause when del is set, and plays the
    // computer's turn when it is the computer's throw.
    void ChangePlayer(bool del);
    void playerOnThrowComment(int p);
    void playComputerTurn(unsigned serial, int p);
    void computerDart(int remaining);

    // boardmouse.cpp
    void throwHumanDart();
    void stopAiming();

    // inbox.cpp
    void takeWaitingDarts();

    // commentary.cpp
    // The statistics messages; false when the match went away meanwhile.
    bool showStats();

    // recording.cpp
    // The match's record begins (its players, game, lengths and kind).
    void beginRecord();
    // The caller's "Game on": false when the match was left meanwhile.
    bool callGameOn(unsigned serial);
    // A dart of a visit goes into the record, with where it was aimed.
    void recordLanding(int p, int x, int y, const Landing& landing, const std::optional<records::ThrownDart>& aim);

    // practiceplay.cpp
    void beginPracticeRecord();
    // A practice dart booked by its game's rules; n is its number in the turn.
    void bookPracticeDart(unsigned serial, int n, const std::string& bed);
    // The next turn: the board cleared, three darts in hand.
    void newPracticeTurn();
    void practiceOver(unsigned serial);
    // The target's beds lit on the board.
    void showPracticeTarget();
    bool showPracticeStats();
    std::optional<PracticeSession> m_practice;
    std::optional<int> m_practiceBest;
    bool m_practiceBestKnown = true;

    // undo.cpp
    // Before a step a real-board player may take back: the state as it is.
    void keepUndoPoint(const std::string& what);
    struct UndoPoint {
        MatchState match;
        int yellowPlayer = 0;
        std::array<bool, 6> dartInHand{};
        bool scoreboardVisible = false;
        std::string comments;
        records::MatchRecorder::Mark record;
        std::optional<PracticeSession> practice;
        std::string what; // "T20", or "a typed 60"
    };
    std::vector<UndoPoint> m_undo;

    MatchState& m_match;
    BoardView& m_view;
    const Settings& m_settings;
    const RunFlags& m_flags;
    const CareerState& m_career;
    MatchHost& m_host;
    Rng& m_rng;
    Referee m_referee;
    ComputerPlayer m_computer;
    MatchLife m_life;
    records::MatchRecorder* m_recorder = nullptr;
    std::optional<records::ThrownDart> m_aim; // where the next dart was aimed
};

} // namespace vantorelle

#pragma once
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "rules/app/gamestate.h"
#include "rules/match/board.h"
#include "rules/match/matchhost.h"
#include "rules/match/referee.h"
#include "rules/match/rng.h"
#include "rules/opponent/computerplayer.h"

namespace vantorelle {

using MatchOverHandler = std::function<void(const MatchResult&)>;

// A dart thrown at the other machine, as it was received.
struct ReceivedDart {
    int player = 0;
    int x = 0;
    int y = 0;
    std::string bed;
    bool bounceOut = false;
};

// The flow of a match as the main window runs it: every dart, the x01 turn,
// legs, sets and the match, the bull-up, the change of thrower, aiming and
// typed turns. The referee calls through Referee, the computer decides where
// its darts land through ComputerPlayer, Cricket scores through its rules.
//
// Every pause runs the event loop, so anything may happen inside one: a click,
// New, a dart from the other machine. Three things keep that safe:
// - a match has a serial; abandoning or ending it changes the serial, and
//   every flow of the match looks at it after each pause and gives up;
// - the end of a match is reported once, after the clean-up, to the handler
//   given when it was started;
// - darts from outside wait in an inbox until the match can take them, and
//   are taken one at a time, never inside another dart.
class MatchEngine {
public:
    MatchEngine(MatchState& match, BoardView& view, const Settings& settings, const RunFlags& flags,
                const RosterFile& roster, const CareerState& career, const std::string& appFolder, MatchHost& host,
                Rng& rng);
    MatchEngine(GameState& st, MatchHost& host, Rng& rng);

    // Every dart ends here. netBed is empty for a dart thrown on this machine,
    // otherwise the bed code received with it; netBounce is "T" when that dart
    // bounced out.
    void ThrowDart(int x, int y, std::string_view netBed = {}, std::string_view netBounce = {});
    // Books a leg won by p; true when it won the match.
    bool LegWinner(int p);
    // Passes the throw, after a 2-second pause when del is set, and plays the
    // computer's turn when it is the computer's throw.
    void ChangePlayer(bool del);
    // Resets the scoreboard, runs the bull-up and hands the throw to its
    // winner; onOver hears of the end of the match, once.
    void StartGame(MatchOverHandler onOver = {});
    // The same for Cricket, with its scoreboards.
    void StartCricket(MatchOverHandler onOver = {});
    // The bull-up: 1 or 2, the starter; 0 when it was abandoned.
    int ThrowForStart();

    // Ends the match being played at once: nothing of it is shown, heard,
    // booked or reported afterwards. New, Quit, Load and the opponent's quit
    // all come here.
    void abandon();
    // A match is being played (from the bull-up to its last dart).
    bool matchRunning() const { return !m_match.blnStopped; }
    // Changes whenever a match starts, ends or is abandoned: a window that
    // waits (a flight, a message) asks it whether its match is still on.
    unsigned serial() const { return m_serial; }

    // A dart from the other machine: taken now when the match can take it,
    // else kept until it can. Darts for a player the other machine does not
    // throw for, or with no real bed, are dropped.
    void receiveDart(ReceivedDart dart);
    // Whether a dart for this player could be taken right now.
    bool canTakeDart(int player) const;
    std::size_t dartsWaiting() const { return m_inbox.size(); }

    // A computer dart at a bed, or at alt with even chance.
    void Throw(std::string_view score, std::string_view alt = {});
    // A dart landing exactly on the point compaim.dat gives for a bed.
    void Hit(std::string_view score, std::string_view alt = {});
    ComputerPlayer& computer() { return m_computer; }
    Referee& referee() { return m_referee; }

    // The statistics of the match, two messages in the commentary line.
    void DoStats();
    // The checkout hint for the player on throw, for two seconds.
    void DoHint();

    // A real-board player on throw may type his turn's score now.
    bool canEnterScore() const;
    // Books a turn typed in by a real-board player (already checked).
    void bookEnteredTurn(int darts, int score, int dartsAtDouble);

    // Mouse button pressed on the board (1 left, 2 right), in board units.
    void boardMouseDown(int button, int x, int y);
    // One tick of the aim timer.
    void aimTick();

    // Sets the commentary line (shown upper-cased).
    void comment(std::string_view text);

private:
    class MatchFlag;
    class Depth;

    // A new serial: the flows of the match before it give up at their next look.
    void nextSerial();
    bool stillOn(unsigned serial) const { return serial == m_serial; }
    // The same question, for the referee to ask inside a call.
    Referee::StillOn on(unsigned serial) const
    {
        return [this, serial] { return stillOn(serial); };
    }
    bool pauseFor(unsigned serial, double seconds);

    void startMatch(bool cricket, MatchOverHandler onOver);
    void landDart(int x, int y, const Landing& landing, bool thrownHere);
    void takeWaitingDarts();
    void recordDart(int n, int x, int y, bool bounceOut);
    void stopAiming();
    void bust(std::string_view message);
    // Turns of 100 to 139, 140 to 179 and 180 go into the statistics.
    void countHighTurn(int p, int turn);
    void chooseNextStarter(int winner, bool setWon);
    void playerOnThrowComment(int p);
    void computerDart(int remaining);
    void throwHumanDart();
    void clearMarks();
    void resetScoreboard(int startScore);
    // The board after a won x01 match, then its end reported.
    void x01MatchWon(unsigned serial, int p);
    void cricketWon(unsigned serial, int p, const std::string& text);
    // The match is decided (x01 or Cricket): no more darts, and network play ends.
    void matchDecided();
    void finishMatch(unsigned serial, MatchResult result);
    void handOverAfterBullUp(int w);
    // The statistics messages; false when the match went away meanwhile.
    bool showStats();

    MatchState& m_match;
    BoardView& m_view;
    const Settings& m_settings;
    const RunFlags& m_flags;
    MatchHost& m_host;
    Rng& m_rng;
    Referee m_referee;
    ComputerPlayer m_computer;

    unsigned m_serial = 0;   // changes when a match starts, ends or is abandoned
    bool m_clickBusy = false; // a board click is being handled
    bool m_turnEnding = false; // a bust, a won leg or the start is being announced
    bool m_taking = false;     // darts from the inbox are being taken
    bool m_open = false;       // the bull-up has begun: the match takes darts
    int m_dartDepth = 0;       // darts being handled, one inside another for the computer
    std::deque<ReceivedDart> m_inbox;
    MatchOverHandler m_onOver;
};

} // namespace vantorelle

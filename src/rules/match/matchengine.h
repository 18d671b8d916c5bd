#pragma once
#include <string>
#include <string_view>

#include "rules/match/gamestate.h"
#include "rules/match/matchhost.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The rules of a match as the main window runs them: every dart, the x01
// turn, legs, sets and the match, the bull-up, the throw model, the referee's
// calls and the statistics. Everything it shows or waits for goes through the
// host, so a whole match runs in a test with a recording host.
class MatchEngine {
public:
    MatchEngine(GameState& state, MatchHost& host, Rng& rng);

    // Every dart ends here. netBed is empty for a dart thrown on this machine,
    // otherwise the bed code received with it; netBounce is "T" when that dart
    // bounced out.
    void ThrowDart(int x, int y, std::string_view netBed = {}, std::string_view netBounce = {});
    // Books a leg won by p; true when it won the match.
    bool LegWinner(int p);
    // Passes the throw, after a 2-second pause when del is set, and plays the
    // computer's turn when it is the computer's throw.
    void ChangePlayer(bool del);
    // Resets the scoreboard, runs the bull-up and hands the throw to its winner.
    void StartGame();
    // The bull-up: 1 or 2, the starter; 0 when it was abandoned.
    int ThrowForStart();

    // One computer dart at a bed, or at alt with even chance.
    void Throw(std::string_view score, std::string_view alt = {});
    // The extra error of a computer dart aimed at this bed.
    int Nervous(std::string_view score) const;
    // One computer dart of an x01 turn, its remaining score before the dart given.
    void ComputerThrow(int remaining);
    // The other player's remaining score at the start of the turn.
    int OpponentScore() const;
    // A dart landing exactly on the point compaim.dat gives for a bed.
    void Hit(std::string_view score, std::string_view alt = {});

    // The statistics of the match, two messages in the commentary line.
    void DoStats();
    // The checkout hint for the player on throw, for two seconds.
    void DoHint();

    // Cricket: sets up the scoreboards, runs the bull-up and hands the throw over.
    void StartCricket();
    // Scores one Cricket dart for player p, then looks for a winner.
    void CricketScore(int p, std::string_view bed);
    void CheckForWinner();

    // A real-board player on throw may type his turn's score now.
    bool canEnterScore() const;
    // Books a turn typed in by a real-board player (already checked).
    void bookEnteredTurn(int darts, int score, int dartsAtDouble);

    // Referee calls.
    void Say(std::string_view word);
    void SayScore(int score);

    // Mouse button pressed on the board (1 left, 2 right), in board units.
    void boardMouseDown(int button, int x, int y);
    // One tick of the aim timer.
    void aimTick();

    // Sets the commentary line (shown upper-cased).
    void comment(std::string_view text);

private:
    void recordDart(int n, int x, int y);
    void landingSound();
    void stopAiming();
    void bust(std::string_view message);
    // Turns of 100 to 139, 140 to 179 and 180 go into the statistics.
    void countHighTurn(int p, int turn);
    void chooseNextStarter(int winner, bool setWon);
    void playerOnThrowComment(int p);
    void throwHumanDart();
    void clearMarks();
    void resetScoreboard(int startScore);
    void matchOverBoard();
    void handOverAfterBullUp(int w);

    GameState& m_st;
    MatchHost& m_host;
    Rng& m_rng;
    bool m_clickBusy = false;
    bool m_turnEnding = false;  // a bust or a won leg is being announced
    unsigned m_matchSerial = 0; // counts matches started, so a stale turn knows it is stale
};

} // namespace vantorelle

#pragma once
#include <optional>
#include <string>
#include <vector>

#include "rules/career/careerstate.h"
#include "rules/career/ladder.h"
#include "rules/career/length.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The draw window's own state. It is not saved: which round comes next is read
// from the draw lists, so a loaded career starts with a fresh one.
struct RostersState {
    std::string strTournament; // the tournament's name; every title is built from it
    std::string strWinner;     // the winner of the career player's match, set when it ends
    int intHumanSlot = 0;      // the slot that awaits that winner; 0 when none
    int bytHumanDraw = 0;      // its list: 1 QualifyingDraw, 2 EliminatorDraw, 3 FinalDraw
    int humanSlotA = 0;        // the two slots of the match, in the same list
    int humanSlotB = 0;
};

// The draw window opens on the current tournament.
RostersState OpenRosters(const CareerState& state);

// The career player's match, to be played on the board.
struct CareerMatch {
    std::string player1; // lblPlayer 1: the career player, upper case
    std::string player2; // lblPlayer 2: his opponent, upper case
    std::string flag1;   // imgFlag 1 and 2; an empty path clears the picture
    std::string flag2;
    std::string tag1; // the rank tags beside the names
    std::string tag2;
    std::string stage;          // "Q1" .. "F5"
    MatchLengthSetting length;  // bytLegsToWin, bytSetstoWin and the message to show
};

inline constexpr const char* kCricketMessage =
    "Congratulations! You have just unlocked Cricket! Access in exhibition mode only.";

// A tournament that has its champion. By the time the window hears of it the
// points are paid, the calendar has moved on and the world is re-ranked.
struct TournamentEnd {
    std::string champion;                   // as written into FinalDraw slot 63
    std::string message;                    // "<TOURNAMENT> CHAMPION - <NAME>", shown first
    bool cricketUnlocked = false;           // then kCricketMessage; store the setting
    std::vector<std::string> rankingPoints; // the RANKING POINTS window's lines, in order
};

// What the window must do after a press of CONTINUE or a tick of tmrHuman.
struct DrawStep {
    int step = 0;                          // the CONTINUE step taken, 1..10; 0 when none applied
    DrawView show = DrawView::Group;       // show group A, the eliminator or the final 32
    std::optional<CareerMatch> careerMatch; // minimise, start tmrHuman and StartGame with it
    std::optional<TournamentEnd> end;       // messages, RANKING POINTS, then close the window
    bool waiting = false;         // tmrHuman runs on: the career player's match is not over
    bool continueEnabled = false; // CONTINUE may be pressed again
    bool saveCareer = false;      // save the career now
};

// CONTINUE: advances the tournament by one step, taking the first that
// applies: qualifying rounds 1..4 (or the pools' qualifiers into the final
// 32), the eliminator's qualifiers and round, the final 32's entrants, then
// its rounds up to the final. Computer matches are simulated at once; the
// career player's match is handed back to be played. cricketUnlocked is the
// setting as it stands.
DrawStep ContinueDraw(CareerState& state, RostersState& rosters, bool cricketUnlocked, Rng& rng);

// tmrHuman: nothing while strWinner is empty; then the winner goes into the
// waiting slot (a name that played neither side of the match is ignored), and
// either the tournament ends or CONTINUE comes back.
DrawStep HumanMatchTick(CareerState& state, RostersState& rosters, bool cricketUnlocked);

} // namespace vantorelle

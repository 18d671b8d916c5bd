#pragma once
#include <string>
#include <string_view>

#include "rules/match/matchstate.h"
#include "rules/match/rng.h"

namespace vantorelle {

// Cricket is played on 20 down to 15 and the bull, in that order on the
// scoreboard. Marks are shown as "" (none), "\" (one), "X" (two), "O" (closed).
inline constexpr int kCricketNumbers[7] = {20, 19, 18, 17, 16, 15, 25};

// Position 0..6 of a number on the scoreboard; -1 for numbers not in play.
int cricketIndex(int number);

// The new caption followed by the count (0..3) of marks beyond the third that
// a dart adds: "" with "T20" gives "O0", "X" with "T19" gives "O2". Empty for
// a bed letter other than S, D or T.
std::string AddCodes(std::string_view caption, std::string_view bed);

// Numbers a player has closed, and whether he has closed all seven.
int closedCount(const MatchState& st, int p);
bool ClosedOut(const MatchState& st, int p);

// Where the computer (player 2) throws its next Cricket dart: the treble of a
// number the human has open when it wants points, otherwise its own first
// open number, closed with the fewest marks. Empty when nothing is left.
std::string ThrowCricketComp(const MatchState& st, Rng& rng);

// The result line of a won Cricket game, or empty when the player on throw
// has not won.
std::string cricketWinText(const MatchState& st, int p);

// Scores one dart for player p: its marks, and its points on a number the
// other player has open. Beds off the Cricket numbers change nothing; true
// when the scoreboard changed.
bool CricketScore(MatchState& st, int p, std::string_view bed);

// The winner test after every dart: only the player on throw can win. The
// result line when he has, else empty.
std::string CheckForWinner(const MatchState& st);

} // namespace vantorelle

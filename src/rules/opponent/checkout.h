#pragma once
#include <string>

#include "rules/match/rng.h"

namespace vantorelle {

// True when the opponent cannot finish on the next visit: above 170, or one of
// 159, 162, 163, 165, 166, 168, 169.
bool CantFinish(int opponentScore);

// The route suggested to the player on throw in x01 for `remaining` with
// `dartsLeft` darts left in the turn (1, 2 or 3; anything else gives ""): the
// beds joined by ", ", e.g. "T20, S10, D20". A score outside the table of the
// darts left gives treble twenty for each dart. Where a score has two routes,
// one is picked with even chance from a single draw; other scores draw nothing.
std::string Suggestion(int remaining, int dartsLeft, int opponentScore, Rng& rng);

// The hint as shown: "40 remaining. Suggest:  D20."
std::string hintText(int remaining, const std::string& route);

} // namespace vantorelle

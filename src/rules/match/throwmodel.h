#pragma once
#include <string_view>

#include "rules/match/board.h"
#include "rules/match/rng.h"

namespace vantorelle {

// Where a human dart lands: the frozen circle W wide and H high fixes the
// spread around the aim point. Four draws: the two spreads, then the two signs.
Point humanLanding(int aimX, int aimY, int W, int H, Rng& rng);

// Computer skill. Difficulty 0..3 is BEGINNER..PRO.
int computerBand(int rank);
int computerLevel(int rank, int difficulty);
// rank / 4 rounded half to even.
int computerQ(int rank);
// Three-dart average in the match, rounded half to even; 0 before any dart.
int threeDartAverage(int points, int darts);
// Size K of the random part of the spread, when both play on the screen.
int averageK(int level, int average);
// The same against a human at a real board who states average D.
int realBoardK(int level, int average, int statedAverage);

// What the pressure of the moment adds to a computer dart's error.
struct Pressure {
    int player1Remaining = 0;
    int legs1 = 0, legs2 = 0;
    int sets1 = 0, sets2 = 0;
    int setsToWin = 1;
};
int Nervous(std::string_view target, const Pressure& p);

} // namespace vantorelle

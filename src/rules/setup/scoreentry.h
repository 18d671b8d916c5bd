#pragma once
#include <string>

namespace vantorelle {

// The fields of the score entry window.
enum class ScoreField { None, Darts, Score, Double };

struct ScoreEntry {
    std::string darts = "3";
    std::string score;
    std::string dartsAtDouble = "0";
};

struct ScoreCheck {
    ScoreField refuse = ScoreField::None; // the field to select, or None when the turn can be booked
    int darts = 0;
    int score = 0;
    int dartsAtDouble = 0;
    bool checkout = false;
    std::string why; // for a refused turn, the reason in words for the player
};

// Checks a typed turn against the rules of a three-dart turn and the player's
// remaining score, in the order the window does. A score that the stated
// darts cannot make, or a checkout they cannot make finishing on a double or
// the bull, is refused like any other wrong score.
ScoreCheck checkScoreEntry(const ScoreEntry& entry, int remaining);

// Whether k darts (0..3) can score exactly this total; with finishing, the
// last of them a double or the bull.
bool reachable(int total, int darts, bool finishing);

} // namespace vantorelle

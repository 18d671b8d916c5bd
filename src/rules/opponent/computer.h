#pragma once
#include <string>
#include <vector>

#include "rules/match/rng.h"

namespace vantorelle {

// A computer target: aim at bed, or at alt with even chance when alt is set.
struct Target {
    std::string bed;
    std::string alt;
    bool operator==(const Target&) const = default;
};

// Where the computer aims in x01, from its remaining score before the dart.
// dartIndex is the darts already thrown in the turn (0..2); turnScore the
// points of those darts; secondPose the picture variant of the turn's second
// dart; opponentScore what the other player has left.
Target x01Target(int remaining, int dartIndex, int opponentScore, int turnScore, char secondPose, Rng& rng);

// A random roster player of class 1 (BEGINNER) .. 4 (PRO), "First Second".
std::string GetOpponent(const std::vector<std::string>& rosterLines, int intClass, bool blnChampionship, Rng& rng);

} // namespace vantorelle

#pragma once
#include <array>
#include <string>
#include <string_view>

#include "rules/career/careerstate.h"

namespace vantorelle {

// What the draw window shows: a qualifying group (or pool), the eliminator or
// the final 32.
enum class DrawView { Group, Eliminator, Final32 };

// The ladder of 62 labels and the title above it. A group of 32 is drawn as
// two halves of 16 (labels 1..31 and 32..62), each round further in.
struct Ladder {
    static constexpr int kLabels = 62;
    std::string title;
    std::array<std::string, kLabels + 1> label{}; // lblLadder 1..62; hidden ones are empty
    std::array<bool, kLabels + 1> visible{};
};

// Qualifying group (pool) 'A'..'D' of the current tournament; any other letter shows A.
Ladder DisplayGroup(const CareerState& state, std::string_view strTournament, char group);
Ladder DisplayEliminator(const CareerState& state, std::string_view strTournament);
Ladder DisplayFinal32(const CareerState& state, std::string_view strTournament);
// The view a step asks for: group A, the eliminator or the final 32.
Ladder Display(const CareerState& state, std::string_view strTournament, DrawView view);

// The Eliminator button is there for the standard format only.
bool eliminatorEnabled(int tournamentNo);

} // namespace vantorelle

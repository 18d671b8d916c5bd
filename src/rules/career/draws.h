#pragma once
#include <array>
#include <string_view>

#include "rules/career/careerstate.h"
#include "rules/match/rng.h"

namespace vantorelle {

// Seeds sit in the odd slots 1, 3, .., 31 of a first round in this order of
// seed number: seed 1 in slot 1, seed 16 in slot 3, seed 9 in slot 5, ...
inline constexpr std::array<int, 16> kSeedOrder{1, 16, 9, 8, 3, 14, 11, 6, 2, 15, 10, 7, 4, 13, 12, 5};

// Championship format: the final-32 slots of ranks 17..24, which meet seeds
// 9..16, and of the eight qualifiers (qualifying slots 241..248 in order),
// who meet seeds 1..8.
inline constexpr std::array<int, 8> kChampionshipRank17Slots{4, 20, 12, 28, 30, 14, 22, 6};
inline constexpr std::array<int, 8> kChampionshipQualifierSlots{2, 8, 10, 16, 18, 24, 26, 32};

// The entrants of the qualifying round are shuffled by this many swaps of two
// slots 1..128 drawn at random (the two may be the same).
inline constexpr int kDrawSwaps = 2049;

// The draw of a standard-format tournament: ranks 1..16 seeded into the final
// 32, ranks 17..32 into the eliminator, ranks 33..160 shuffled into the four
// qualifying groups.
void BuildNewNorm(CareerState& state, Rng& rng);

// The masters format: ranks 1..128 shuffled into four pools; a career player
// ranked lower takes the place of the 128th.
void BuildNewWorldMasters(CareerState& state, Rng& rng);

// The championship format: ranks 1..24 placed in the final 32, ranks 25..152
// shuffled into four groups; a career player ranked lower takes the place of
// the 152nd.
void BuildNewWorldChamp(CareerState& state, Rng& rng);

// The builder of the current tournament's format, as the structure window
// calls it when it closes; the draw lists must be empty (see StartTournament).
void BuildDraw(CareerState& state, Rng& rng);

// How many final-32 slots hold the name (without regard to case): 1 for a
// player beaten in the round of 32 up to 6 for the champion, 0 for one who
// never reached it.
int CountName(const DrawList<63>& finalDraw, std::string_view name);

} // namespace vantorelle

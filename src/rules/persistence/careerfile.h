#pragma once
#include <span>
#include <string>
#include <string_view>

#include "rules/career/careerstate.h"

namespace vantorelle {

// The career file "<CareerName>.car": a header line of 11 fields, then the 160
// roster lines, the 248 qualifying, 48 eliminator and 63 final-draw slots, an
// empty slot an empty line: always 520 lines, each ended by CR LF.
inline constexpr int kCareerFileLines = 520;

std::string careerFileName(std::string_view careerName);

// Adds the career player's counters of the match just played (statistics 1..4
// of player 1: darts, points, darts at a double, doubles hit, by column) into
// the tournament totals and clears them, so that a match is counted once
// however often the career is saved. A total that would pass what the file
// holds (32 bits for points, 16 for the rest) stops at the limit.
void bookMatchStats(TournamentTotals& totals, std::span<int> player1Stats);

// The career file's text for the state as it stands.
std::string careerFileText(const CareerState& state);

// Books the match statistics and returns the file's text; the caller writes
// it to "<CareerName>.car" in the data folder.
std::string SaveCareer(CareerState& state, std::span<int> player1Stats);

} // namespace vantorelle

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

// Where a loaded career goes on: the calendar (no tournament under way), the
// draw window (a tournament under way), or the calendar that first books a
// final already played.
enum class ReopenAt { Calendar, Draw, CalendarToBook };

struct CareerLoad {
    CareerState state;
    ReopenAt reopen = ReopenAt::Calendar;
};

// Reads a career file's text; the career player's name is the file's name.
// Whatever can be read is used: a missing line leaves its entry empty, a
// header field that is not a number keeps its default, a class outside 1..4
// plays as PRO, a tournament outside 1..12 as the first, a match length
// outside 1..3 as SHORT and an average outside 30..100 as 60. Never fails.
CareerLoad readCareerFile(std::string_view text, std::string_view careerName);

} // namespace vantorelle

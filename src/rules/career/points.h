#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/career/careerstate.h"

namespace vantorelle {

// A finish is the number of final-32 slots a player's name fills (CountName):
// 1 beaten in the round of 32 .. 6 the champion; 0 never reached it.
inline constexpr int kCountChampion = 6;
inline constexpr int kCountRunnerUp = 5;

// The points scales: most tournaments pay the standard scale; the masters
// format and the two championship-format tournaments pay more.
enum class PointsScale { Standard, Masters, WorldMasters, WorldChampionship };
PointsScale pointsScale(int tournamentNo);

// Ranking points by finish (row = count 1..6) and scale (column, as above).
inline constexpr std::array<std::array<int, 4>, 6> kRankingPoints{{
    //  std  mas  WM  WCh
    {{  0,   1,   1,   2}}, // lost in the round of 32
    {{  2,   3,   3,   4}}, // lost in the last 16
    {{  4,   6,   7,   8}}, // quarter-finalist
    {{  7,   9,  10,  12}}, // semi-finalist
    {{ 10,  12,  13,  16}}, // runner-up
    {{ 12,  14,  16,  20}}, // champion
}};

// What a finish earns at tournament 1..12; 0 for any other count or tournament.
int rankingPoints(int tournamentNo, int count);

// " 1 point", " 2 points" .. "20 points": the number right-aligned in two.
std::string awardText(int points);

// A text fitted to a column: leading spaces removed, then cut or padded with
// spaces on the right to exactly width characters (an accent typed after its
// letter shares the letter's place).
std::string fitText(std::string_view text, int width);

// Takes the points of tournament t off every player.
void RemovePoints(std::vector<std::string>& roster, int t);

// Gives roster entry 1..160 the points of his finish at tournament t and
// returns his line of the RANKING POINTS window; nothing when the finish pays
// nothing.
std::optional<std::string> AddPoints(std::vector<std::string>& roster, int t, int entry, int count);

// Ends the current tournament: its old points are taken off, the finishers of
// the final 32 are paid (the returned lines, champion first, each finish in
// roster order), the calendar moves on (12 is followed by 1) and the world is
// re-ranked.
std::vector<std::string> DisplayPoints(CareerState& state);

// The world rankings window.
inline constexpr const char* kRankingsHeading = "POS NAME                                      POINTS";
// Its lines: the career roster when a career is loaded, else the roster file;
// players without points are not listed.
std::vector<std::string> WorldRankings(const std::vector<std::string>& roster,
                                       const std::vector<std::string>& rosterLines);

} // namespace vantorelle

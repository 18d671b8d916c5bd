#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/records/figures.h"

namespace vantorelle::records {

// One point of the trend: a match's three-dart average and checkout
// percentage (nullopt when he threw no dart at a double).
struct TrendPoint {
    std::int64_t matchId = 0;
    std::int64_t started = 0;
    double average = 0;
    std::optional<double> checkoutPercent;
    bool operator==(const TrendPoint&) const = default;
};

// A point per match with x01 darts, in the order the matches were played
// (by start, then by record number).
std::vector<TrendPoint> trend(std::span<const PlayerMatch> matches);

// Where a dart landed and where it was aimed, all the heat map needs.
struct HeatDart {
    int x = 0;
    int y = 0;
    std::string aimBed; // empty when not aimed
    bool operator==(const HeatDart&) const = default;
};

// Darts counted on a grid of 96 × 96 cells over the square around the
// board's edge (the bull ± 1960 units): a cell is under 41 units wide, less
// than half the width of a treble. Darts beyond the square are counted apart.
struct HeatMap {
    static constexpr int kCells = 96;
    static constexpr int kLeft = 2595 - 1960; // board units of the square's left and top edges
    static constexpr int kSpan = 2 * 1960;

    std::vector<int> counts = std::vector<int>(kCells * kCells, 0); // row by row from the top
    int total = 0;                                                  // darts counted in the grid
    int outside = 0;                                                // darts beyond the square
    int highest = 0;                                                // the fullest cell

    int at(int column, int row) const { return counts[static_cast<std::size_t>(row * kCells + column)]; }
    // The cell of a point, or nullopt beyond the square.
    static std::optional<std::array<int, 2>> cellOf(int x, int y);
    // Board units of a cell's left (or top) edge; cellEdge(kCells) is the right edge.
    static int cellEdge(int i) { return kLeft + i * kSpan / kCells; }
};

// All the darts, or only those aimed at this bed (the aimed bed as recorded).
HeatMap heatMap(std::span<const HeatDart> darts, std::string_view aimedBed = {});

// A tournament as the career player played it.
struct TournamentForm {
    int tournamentNo = 0;
    std::string tournament;
    std::int64_t started = 0;      // his first match in it
    int matches = 0;               // his matches in it, abandoned ones too
    std::optional<double> average; // his three-dart average over them
    std::string furthestStage;     // the last round he played, "Q1" .. "F5"
    // How far he got, in the words of the history file: "DNQ", "ROUND 1",
    // "ROUND 2", "QUARTER FINALIST", "SEMI-FINALIST", "RUNNER-UP", "CHAMPION".
    // A match won carries him into the next round even if it is not played.
    std::string result;
    bool operator==(const TournamentForm&) const = default;
};

// The tournaments the career player (his name compared upper-cased) played,
// in order, from his career matches among these. A tournament begins with a
// new tournament number or a round earlier than the last one (the calendar
// came round again, or a new career began).
std::vector<TournamentForm> careerForm(std::span<const PlayerMatch> matches, std::string_view careerPlayer);

// Practice sessions: lower is better for games whose code starts with
// "CLOCK" (the darts it took), higher for all others.
bool lowerIsBetter(std::string_view game);

struct PracticeResult {
    std::int64_t matchId = 0;
    std::int64_t started = 0;
    double result = 0;
    bool operator==(const PracticeResult&) const = default;
};

// The finished practice sessions of each game, in the order they were
// played. Abandoned sessions and sessions without a result never count.
std::map<std::string, std::vector<PracticeResult>> practiceHistory(std::span<const MatchRecord> matches);

// The best of each game's finished sessions (the first of equal ones).
std::map<std::string, PracticeResult> personalBests(std::span<const MatchRecord> matches);

} // namespace vantorelle::records

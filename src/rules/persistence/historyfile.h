#pragma once
#include <optional>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/career/careerstate.h"

namespace vantorelle {

// FinalDraw slot 63 holds this once the finished tournament's history line
// has been written, so it is written once only.
inline constexpr std::string_view kNoSave = "NOSAVE";

// How far the career player got, by his count of final-32 slots.
inline constexpr std::array<const char*, 7> kResultWords{
    "DNQ",              // 0: did not reach the final 32
    "ROUND 1",          // 1
    "ROUND 2",          // 2
    "QUARTER FINALIST", // 3
    "SEMI-FINALIST",    // 4
    "RUNNER-UP",        // 5
    "CHAMPION",         // 6
};
// The result word of a stage; empty for any other value.
std::string resultWord(int stage);

std::string historyFileName(std::string_view careerName);

// The history line of the finished tournament, with its CR LF, to append to
// "<CareerName>.his": date, tournament, result, then the tournament totals.
// date is today's date as the player's locale writes it.
std::string SaveHistory(const CareerState& state, std::string_view date, std::string_view tournament);

// Whether the history already ends with this booking, whatever its date: a
// career that was stopped between writing its history line and saving
// itself books the same tournament again when it is loaded.
bool endsWithBooking(std::string_view history, std::string_view line);
// The history with this booking added on a line of its own at its end;
// nothing when it already ends with it.
std::optional<std::string> historyWithBooking(std::string_view history, std::string_view line);

// Whether this career's player has won the World Championship: a history
// line says so, or the career was saved after he won its final and before
// that final was booked (the champion still in slot 63, the calendar moved
// on to its first tournament). Cricket, which that win unlocks, is unlocked
// again when such a career is loaded.
bool wonWorldChampionship(const CareerState& state, std::string_view historyText);

// The history window: its heading, and a row for every line of the file
// (date, tournament, result, three-dart average, checkout percentage, in
// columns of 14, 24, 13, 10 and 10 characters). Blank lines are skipped, and
// so is a line that is not a history line (too few fields, totals not numbers).
inline constexpr const char* kHistoryHeading = "DATE          TOURNAMENT              RESULT       3D AVE    CHK %";
inline constexpr std::array<int, 5> kHistoryColumns{14, 24, 13, 10, 10};
using HistoryRow = std::array<std::string, kHistoryColumns.size()>;
// Each column of a row fitted to its width, by characters.
std::vector<HistoryRow> historyColumns(std::string_view text);
// The rows as one text each, the columns one after the other.
std::vector<std::string> historyRows(std::string_view text);

// The careers a data folder offers to load: each file name ending in ".car"
// without it, in the order given, but only names that are safe as file names
// (a name that could point elsewhere is never offered).
std::vector<std::string> savedCareers(const std::vector<std::string>& fileNames);

} // namespace vantorelle

#pragma once
#include <array>
#include <string>
#include <string_view>

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

} // namespace vantorelle

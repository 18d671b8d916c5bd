#pragma once
#include <optional>
#include <string>

#include "rules/match/matchstate.h"

namespace vantorelle {

// "0.00": at least one digit before the point, two after, rounded.
std::string formatTwoPlaces(double value);

// The averages and finishing doubles of both players; nullopt until both have
// scored points.
std::optional<std::string> averagesMessage(const MatchState& st);

// The counts of turns of 100+, 140+ and 180.
std::string highTurnsMessage(const MatchState& st);

} // namespace vantorelle

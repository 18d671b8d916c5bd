#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/practice/practicesession.h"
#include "rules/records/record.h"

namespace vantorelle {

// A practice session played again from its record: the darts of its turns,
// in order, thrown at a fresh session of its game. The record keeps the
// darts; the targets and every figure follow from them by the game's rules.
struct ReplayedPractice {
    PracticeSession session;
    std::vector<std::string> targets; // what each dart was thrown at, in order
};

// Nothing for a record that is no practice session of a game this program
// knows, or whose darts the game would not take (more darts than it lasts).
std::optional<ReplayedPractice> replayPractice(const records::MatchRecord& match,
                                               std::span<const records::TurnRecord> turns);

} // namespace vantorelle

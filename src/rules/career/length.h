#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

// How long the career player's matches are, by tournament, stage and the
// career's match length: legs to win a set and sets to win the match.
enum class LengthScale { Standard, Masters, WorldMasters, WorldChampionship };

LengthScale lengthScale(int tournamentNo);

// The career player's match: legs and sets, and the message that tells him.
struct MatchLengthSetting {
    int legsToWin;
    int setsToWin;
    std::string message; // "First to 2 legs wins the set, first to 1 set(s) wins the match."
};

// The length of the career player's match at this stage ("Q1" .. "F5") of
// tournament 1..12, for a match length of 1 SHORT, 2 MEDIUM or 3 LONG (other
// values are taken as the nearest). An unknown stage plays as a first round.
MatchLengthSetting SetLength(int tournamentNo, std::string_view stage, int matchLength);

} // namespace vantorelle

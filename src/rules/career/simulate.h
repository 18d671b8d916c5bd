#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/career/careerstate.h"
#include "rules/match/rng.h"

namespace vantorelle {

// The class of a computer player from his world rank among the 160: 4 for
// ranks 1..39, 3 for 40..79, 2 for 80..119, 1 for 120..160. A name the roster
// does not hold has rank 0 and plays as class 4.
int playerClass(int rank);

// The two scores each player draws, by class 1..4: Int(Rnd * n + base).
struct ScoreRange {
    int firstN, firstBase;
    int secondN, secondBase;
};
inline constexpr std::array<ScoreRange, 4> kScoreRanges{{
    {17, 70, 41, 20}, // class 1: 70..86 and 20..60
    {18, 75, 51, 20}, // class 2: 75..92 and 20..70
    {21, 80, 61, 20}, // class 3: 80..100 and 20..80
    {24, 85, 71, 20}, // class 4: 85..108 and 20..90
}};

// The career roster's ranks by name, read once for the many look-ups of a
// round; it reads the roster in place, so it serves while the roster is left
// as it is. Names compare without regard to case; of two entries with one
// name the later counts, as in every look-up by name.
class RankTable {
public:
    explicit RankTable(const std::vector<std::string>& roster);
    int rankOf(std::string_view name) const;

private:
    struct Entry {
        std::uint32_t hash; // of "FIRST SECOND"
        std::string_view first;
        std::string_view second;
        int rank;
    };
    std::vector<Entry> m_entries; // in roster order
};

// The outcome of one match of the draw.
struct SimResult {
    std::string winner;      // spelled as in the draw; empty for the career player's match
    bool careerMatch = false; // the career player is in it: it is played on the board
};

// Decides a match between two computer players from their ranks and four
// random scores (A's two, then B's two); players of one class get the other's
// rank as a bonus, and a tie goes to B. A match of the career player is only
// recognised. An empty slot gives the other player a walkover.
SimResult SimulateMatch(std::string_view nameA, std::string_view nameB, std::string_view careerName,
                        const RankTable& ranks, Rng& rng);

template <std::size_t N>
SimResult SimulateMatch(const DrawList<N>& list, int slotA, int slotB, std::string_view careerName,
                        const RankTable& ranks, Rng& rng)
{
    return SimulateMatch(list[slotA], list[slotB], careerName, ranks, rng);
}

} // namespace vantorelle

#include "rules/career/simulate.h"

#include <algorithm>
#include <iterator>

#include "rules/career/roster.h"
#include "rules/career/rosterrecord.h"

namespace vantorelle {

int playerClass(int rank)
{
    constexpr double kField = 160.0;
    const double r = rank;
    if (r < kField / 4)
        return 4;
    if (r < kField / 2)
        return 3;
    if (r < 3 * kField / 4)
        return 2;
    return 1;
}

RankTable::RankTable(const std::vector<std::string>& roster)
{
    m_entries.reserve(roster.size());
    for (const auto& line : roster) {
        std::string name = lineName(line);
        if (!name.empty())
            m_entries.push_back({upperCase(name), toNumber(fieldView(line, 0))});
    }
    // Sorted by name, the last entry of each name first, so that a search
    // finds the one that counts.
    std::vector<Entry> reversed(std::make_move_iterator(m_entries.rbegin()), std::make_move_iterator(m_entries.rend()));
    std::stable_sort(reversed.begin(), reversed.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    m_entries = std::move(reversed);
}

int RankTable::rankOf(std::string_view name) const
{
    const std::string wanted = upperCase(name);
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), wanted,
                                     [](const Entry& e, const std::string& n) { return e.name < n; });
    return it != m_entries.end() && it->name == wanted ? it->rank : 0;
}

SimResult SimulateMatch(std::string_view nameA, std::string_view nameB, std::string_view careerName,
                        const RankTable& ranks, Rng& rng)
{
    const bool blankA = isBlank(nameA);
    const bool blankB = isBlank(nameB);
    if (blankA || blankB) // a damaged draw: nobody to play
        return {std::string(blankA ? nameB : nameA), false};
    if (!careerName.empty() && (sameName(nameA, careerName) || sameName(nameB, careerName)))
        return {{}, true};

    const int rankA = ranks.rankOf(nameA);
    const int rankB = ranks.rankOf(nameB);
    const int classA = playerClass(rankA);
    const int classB = playerClass(rankB);
    const ScoreRange& a = kScoreRanges[static_cast<std::size_t>(classA - 1)];
    const ScoreRange& b = kScoreRanges[static_cast<std::size_t>(classB - 1)];

    int totalA = rng.pick(a.firstN, a.firstBase);
    totalA += rng.pick(a.secondN, a.secondBase);
    int totalB = rng.pick(b.firstN, b.firstBase);
    totalB += rng.pick(b.secondN, b.secondBase);
    if (classA == classB) {
        totalA += rankB;
        totalB += rankA;
    }
    return {std::string(totalA > totalB ? nameA : nameB), false};
}

} // namespace vantorelle

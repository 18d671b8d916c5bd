#include "rules/career/simulate.h"

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
        const RosterRecord r = RosterRecord::parse(line);
        if (!r.field[1].empty() || !r.field[2].empty())
            m_entries.push_back({r.name(), toNumber(r.field[0])});
    }
}

int RankTable::rankOf(std::string_view name) const
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (sameName(it->name, name))
            return it->rank;
    return 0;
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

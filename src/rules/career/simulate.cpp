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
        const std::string_view first = fieldView(line, 1);
        const std::string_view second = fieldView(line, 2);
        if (first.empty() && second.empty())
            continue;
        std::uint32_t hash = nameHash(first);
        hash = nameHash(" ", hash);
        hash = nameHash(second, hash);
        m_entries.push_back({hash, first, second, toNumber(fieldView(line, 0))});
    }
}

int RankTable::rankOf(std::string_view name) const
{
    const std::uint32_t hash = nameHash(name);
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        const auto n = it->first.size();
        if (it->hash == hash && name.size() == n + 1 + it->second.size() && name[n] == ' ' &&
            sameName(name.substr(0, n), it->first) && sameName(name.substr(n + 1), it->second))
            return it->rank;
    }
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

#include "rules/career/points.h"

#include <cstdint>

#include "rules/app/utf8.h"
#include "rules/career/calendar.h"
#include "rules/career/rankings.h"
#include "rules/career/rosterrecord.h"

namespace vantorelle {

PointsScale pointsScale(int tournamentNo)
{
    if (tournamentNo == 6)
        return PointsScale::WorldMasters;
    if (tournamentNo == 12)
        return PointsScale::WorldChampionship;
    return tournamentFormat(tournamentNo) == Format::Masters ? PointsScale::Masters : PointsScale::Standard;
}

int rankingPoints(int tournamentNo, int count)
{
    if (!tournamentAt(tournamentNo) || count < 1 || count > 6)
        return 0;
    return kRankingPoints[static_cast<std::size_t>(count - 1)][static_cast<std::size_t>(pointsScale(tournamentNo))];
}

std::string awardText(int points)
{
    std::string n = std::to_string(points);
    if (n.size() < 2)
        n.insert(0, 2 - n.size(), ' ');
    return n + (points == 1 ? " point" : " points");
}

std::string fitText(std::string_view text, int width)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    // By characters, not bytes: "Zoë" takes three places of the column.
    const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
    std::string s(firstCharacters(text, w));
    s.append(w - characterCount(s), ' ');
    return s;
}

void RemovePoints(std::vector<std::string>& roster, int t)
{
    if (!tournamentAt(t))
        return;
    const int f = RosterRecord::kTotal + t;
    for (auto& line : roster) {
        if (isBlank(line) || fieldView(line, f) == "0") // nothing to take off
            continue;
        RosterRecord r = RosterRecord::parse(line);
        r.setNumber(RosterRecord::kTotal, r.number(RosterRecord::kTotal) - r.number(f));
        r.setNumber(f, 0);
        line = r.join();
    }
}

std::optional<std::string> AddPoints(std::vector<std::string>& roster, int t, int entry, int count)
{
    const int points = rankingPoints(t, count);
    if (points == 0 || entry < 1 || entry > static_cast<int>(roster.size()))
        return std::nullopt;
    std::string& line = roster[static_cast<std::size_t>(entry - 1)];
    RosterRecord r = RosterRecord::parse(line);
    const int f = RosterRecord::kTotal + t;
    r.setNumber(f, points);
    r.setNumber(RosterRecord::kTotal, r.number(RosterRecord::kTotal) + points);
    line = r.join();
    return fitText(r.name(), 35) + " " + awardText(points);
}

std::vector<std::string> DisplayPoints(CareerState& state)
{
    const int t = state.tournamentNo;
    RemovePoints(state.roster, t);

    // Every finish is counted before anything is paid: names do not change.
    std::array<std::uint32_t, 64> slotHash{};
    for (int slot = 1; slot <= 63; ++slot)
        slotHash[static_cast<std::size_t>(slot)] = nameHash(trimSpaces(state.FinalDraw[slot]));
    std::vector<int> finish(state.roster.size(), 0);
    for (std::size_t i = 0; i < state.roster.size(); ++i) {
        const std::string name = lineName(state.roster[i]);
        if (name.empty())
            continue;
        const std::uint32_t hash = nameHash(name);
        for (int slot = 1; slot <= 63; ++slot)
            finish[i] += slotHash[static_cast<std::size_t>(slot)] == hash &&
                         sameName(trimSpaces(state.FinalDraw[slot]), name); // as CountName counts
    }

    std::vector<std::string> lines;
    for (int count = kCountChampion; count >= 1; --count)
        for (std::size_t i = 0; i < finish.size(); ++i)
            if (finish[i] == count)
                if (auto line = AddPoints(state.roster, t, static_cast<int>(i) + 1, count))
                    lines.push_back(std::move(*line));

    state.tournamentNo = nextTournament(t);
    SortPlayers(state.roster);
    return lines;
}

std::vector<std::string> WorldRankings(const std::vector<std::string>& roster,
                                       const std::vector<std::string>& rosterLines)
{
    const bool careerLoaded = !roster.empty() && !roster.front().empty();
    const auto& source = careerLoaded ? roster : rosterLines;
    std::vector<std::string> lines;
    for (const auto& line : source) {
        const RosterRecord r = RosterRecord::parse(line);
        const auto total = trimSpaces(r.field[RosterRecord::kTotal]);
        if (total.empty() || total == "0")
            continue;
        lines.push_back(fitText(r.field[0], 4) + fitText(r.name() + " (" + r.field[3] + ")", 42) +
                        fitText(r.field[RosterRecord::kTotal], 4));
    }
    return lines;
}

} // namespace vantorelle

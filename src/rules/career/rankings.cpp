#include "rules/career/rankings.h"

#include <algorithm>

#include "rules/career/rosterrecord.h"

namespace vantorelle {

namespace {

// The last roster entry of that name, or nullptr.
const std::string* findEntry(const std::vector<std::string>& roster, std::string_view name)
{
    const std::string* found = nullptr;
    for (const auto& line : roster)
        if (lineHasName(line, name))
            found = &line;
    return found;
}

} // namespace

std::string flagPicture(std::string_view code)
{
    for (const auto& n : kNationalities)
        if (code == n.code)
            return n.flag;
    return {};
}

int GetCareerRank(const std::vector<std::string>& roster, std::string_view name)
{
    const std::string* line = findEntry(roster, name);
    return line ? toNumber(RosterRecord::parse(*line).field[0]) : 0;
}

std::string GetRankLabel(const std::vector<std::string>& roster, std::string_view name)
{
    const std::string* line = findEntry(roster, name);
    if (!line)
        return {};
    const RosterRecord r = RosterRecord::parse(*line);
    if (r.field[RosterRecord::kTotal] == "0")
        return r.field[3] + " (-)";
    return r.field[3] + " (" + r.field[0] + ")";
}

std::string GetFlag(const std::vector<std::string>& roster, std::string_view name)
{
    const std::string* line = findEntry(roster, name);
    return line ? flagPicture(RosterRecord::parse(*line).field[3]) : std::string{};
}

void SortPlayers(std::vector<std::string>& roster)
{
    struct Keyed {
        std::string key; // upper case: the order ignores case
        RosterRecord record;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(roster.size());
    for (const auto& line : roster) {
        Keyed k{{}, RosterRecord::parse(line)};
        // The total leads the key as a number of three digits, so that text
        // order is points order; it goes back as a plain number.
        const int points = k.record.number(RosterRecord::kTotal);
        std::string total = std::to_string(points);
        k.record.field[RosterRecord::kTotal] = total;
        if (total.size() < 3)
            total.insert(0, 3 - total.size(), '0');
        k.key = total;
        for (int f : {1, 2, 3})
            k.key += "," + k.record.field[static_cast<std::size_t>(f)];
        for (int f = RosterRecord::kFirstEvent; f < RosterRecord::kFields; ++f)
            k.key += "," + k.record.field[static_cast<std::size_t>(f)];
        k.key = upperCase(k.key);
        keyed.push_back(std::move(k));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key > b.key; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        keyed[i].record.field[0] = std::to_string(i + 1);
        roster[i] = keyed[i].record.join();
    }
}

std::vector<std::string> NewCareerRoster(const std::vector<std::string>& rosterLines, std::string_view firstName,
                                         std::string_view secondName, std::string_view nationality)
{
    constexpr std::size_t kPlayers = RosterFile::kPlayers;
    std::vector<std::string> roster(kPlayers);
    for (std::size_t i = 0; i + 1 < kPlayers && i < rosterLines.size(); ++i)
        roster[i] = rosterLines[i];
    roster[kPlayers - 1] = "160," + std::string(firstName) + "," + std::string(secondName) + "," +
                           std::string(nationality) + ",0,0,0,0,0,0,0,0,0,0,0,0,0";
    return roster;
}

void NewCareer(CareerState& state, const RosterFile& file, std::string_view firstName, std::string_view secondName,
               std::string_view nationality, bool realBoard, int playerAverage)
{
    state.careerName = std::string(firstName) + " " + std::string(secondName);
    state.roster = NewCareerRoster(file.lines, firstName, secondName, nationality);
    state.statsHeader1 = file.header1;
    state.statsHeader2 = file.header2;
    state.realBoard = realBoard;
    state.playerAverage = playerAverage;
    // A new career starts its tournament totals from nothing, whatever an
    // earlier career of this run left in them.
    state.totals = {};
    state.clearDraws();
}

} // namespace vantorelle

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
    for (const auto& n : kNationalityFlags)
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
    // Each entry's key: the total as a number of three digits (so that text
    // order is points order), then first name, second name, nationality and
    // the tournament fields, in upper case because the order ignores case.
    std::vector<std::string> keys;
    std::vector<LineFields> fields;
    keys.reserve(roster.size());
    fields.reserve(roster.size());
    for (const auto& line : roster) {
        const LineFields& f = fields.emplace_back(splitLine(line));
        const std::string total = std::to_string(toNumber(f[RosterRecord::kTotal]));
        std::string key;
        key.reserve(line.size() + 4);
        if (total.size() < 3)
            key.append(3 - total.size(), '0');
        key += total;
        for (int i : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
            key.append(",").append(f[static_cast<std::size_t>(i)]);
        makeUpper(key);
        keys.push_back(std::move(key));
    }
    std::vector<std::size_t> order(roster.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });

    std::vector<std::string> sorted;
    sorted.reserve(roster.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const LineFields& f = fields[order[k]];
        std::string out = std::to_string(k + 1);
        out.reserve(roster[order[k]].size() + 4);
        for (std::size_t i = 1; i < f.size(); ++i) {
            out += ',';
            if (i == RosterRecord::kTotal)
                out += std::to_string(toNumber(f[i])); // a plain number, whatever was there
            else
                out.append(f[i]);
        }
        sorted.push_back(std::move(out));
    }
    roster = std::move(sorted);
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

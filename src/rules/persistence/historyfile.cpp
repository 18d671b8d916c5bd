#include "rules/persistence/historyfile.h"

#include <charconv>
#include <optional>

#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/roster.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/playereditor.h"
#include "rules/setup/stats.h"

namespace vantorelle {

namespace {

// A comma or line break inside a field would throw every later field of the
// line out of place when it is read back.
std::string field(std::string_view text)
{
    std::string s;
    for (char c : text)
        s += (c == ',' || c == '\r' || c == '\n') ? ' ' : c;
    return s;
}

} // namespace

std::string resultWord(int stage)
{
    return stage >= 0 && stage < static_cast<int>(kResultWords.size()) ? kResultWords[static_cast<std::size_t>(stage)]
                                                                        : "";
}

std::string historyFileName(std::string_view careerName)
{
    return std::string(careerName) + ".his";
}

std::string SaveHistory(const CareerState& state, std::string_view date, std::string_view tournament)
{
    const TournamentTotals& t = state.totals;
    return field(date) + "," + field(tournament) + "," + resultWord(CountName(state.FinalDraw, state.careerName)) +
           "," + std::to_string(t.points) + "," + std::to_string(t.darts) + "," + std::to_string(t.doubleDarts) + "," +
           std::to_string(t.doublesHit) + "\r\n";
}

bool endsWithBooking(std::string_view history, std::string_view line)
{
    auto trimEnd = [](std::string_view t) {
        while (!t.empty() && (t.back() == '\r' || t.back() == '\n' || t.back() == ' '))
            t.remove_suffix(1);
        return t;
    };
    history = trimEnd(history);
    line = trimEnd(line);
    const auto start = history.find_last_of('\n');
    const std::string_view last = trimEnd(start == std::string_view::npos ? history : history.substr(start + 1));
    const auto a = last.find(','), b = line.find(',');
    if (a == std::string_view::npos || b == std::string_view::npos)
        return false;
    return last.substr(a) == line.substr(b); // everything after the date
}

std::optional<std::string> historyWithBooking(std::string_view history, std::string_view line)
{
    if (endsWithBooking(history, line))
        return std::nullopt;
    std::string text(history);
    if (!text.empty() && text.back() != '\n')
        text += "\r\n";
    text += line;
    return text;
}

bool wonWorldChampionship(const CareerState& state, std::string_view historyText)
{
    const std::string_view me = trimSpaces(state.careerName);
    if (me.empty())
        return false;
    constexpr int kWorldChampionship = kTournaments;
    const std::string tournament = tournamentName(kWorldChampionship);
    if (tournamentAwaitsBooking(state) && state.tournamentNo == nextTournament(kWorldChampionship) &&
        sameName(trimSpaces(state.FinalDraw[63]), me))
        return true;
    while (!historyText.empty()) {
        const auto end = historyText.find('\n');
        const std::string_view line = historyText.substr(0, end);
        historyText.remove_prefix(end == std::string_view::npos ? historyText.size() : end + 1);
        if (fieldCount(line) >= 3 && trimSpaces(GetSplit(line, 1)) == tournament &&
            trimSpaces(GetSplit(line, 2)) == resultWord(6))
            return true;
    }
    return false;
}

namespace {

std::optional<double> number(std::string_view field)
{
    const std::string_view f = trimSpaces(field);
    long long v = 0;
    const auto [end, err] = std::from_chars(f.data(), f.data() + f.size(), v);
    if (f.empty() || err != std::errc() || end != f.data() + f.size())
        return std::nullopt;
    return static_cast<double>(v);
}

} // namespace

std::vector<HistoryRow> historyColumns(std::string_view text)
{
    std::vector<HistoryRow> rows;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (isBlank(line) || fieldCount(line) < 7)
            continue;
        const auto points = number(GetSplit(line, 3)), darts = number(GetSplit(line, 4));
        const auto atDouble = number(GetSplit(line, 5)), hit = number(GetSplit(line, 6));
        if (!points || !darts || !atDouble || !hit)
            continue;
        const double average = *darts == 0 ? 0 : *points / *darts * 3;
        const double checkout = (*hit == 0 || *atDouble == 0) ? 0 : *hit / *atDouble * 100;
        const std::array<std::string, kHistoryColumns.size()> shown{GetSplit(line, 0), GetSplit(line, 1),
                                                                    GetSplit(line, 2), formatTwoPlaces(average),
                                                                    formatTwoPlaces(checkout)};
        HistoryRow row;
        for (std::size_t c = 0; c < row.size(); ++c)
            row[c] = fitText(shown[c], kHistoryColumns[c]);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> historyRows(std::string_view text)
{
    std::vector<std::string> rows;
    for (const HistoryRow& columns : historyColumns(text)) {
        std::string row;
        for (const std::string& c : columns)
            row += c;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> savedCareers(const std::vector<std::string>& fileNames)
{
    std::vector<std::string> names;
    for (const auto& f : fileNames) {
        if (f.size() <= 4 || f.compare(f.size() - 4, 4, ".car") != 0)
            continue;
        std::string name = f.substr(0, f.size() - 4);
        if (isSafeFileStem(name))
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace vantorelle

#include "rules/records/scoreboard.h"

#include <cstdlib>

#include "rules/match/rng.h"
#include "rules/opponent/checkout.h"
#include "rules/setup/stats.h"

namespace vantorelle::records {

namespace {

const std::string kDot = " \xC2\xB7 "; // " · "

// "T20", "D5", "S5", "BULL", "S25", "MISS": a single keeps its letter, as in
// the way out shown beneath, so that "S5 5" reads as bed and points.
std::string shown(const std::string& bed)
{
    if (bed == "S50")
        return "BULL";
    if (bed.size() != 3 || bed == "000")
        return "MISS";
    const std::string number = bed[1] == '0' ? bed.substr(2) : bed.substr(1);
    return bed.substr(0, 1) + number;
}

std::string plural(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string formatWords(const std::string& game, int setsToWin, int legsToWin)
{
    if (game == "CRICKET")
        return "CRICKET";
    if (setsToWin <= 1)
        return game + kDot + "FIRST TO " + plural(legsToWin, "LEG", "LEGS");
    return game + kDot + "FIRST TO " + plural(setsToWin, "SET", "SETS") + kDot + "SETS FIRST TO " +
           plural(legsToWin, "LEG", "LEGS");
}

std::string playerLine(const MatchRecord& match, std::span<const TurnRecord> turns, int player, int legDarts)
{
    std::string line;
    if (countsAsX01(match)) {
        const PlayerFigures f = figuresFor(match, turns, player);
        const auto average = f.average();
        line = "AVG " + (average ? formatTwoPlaces(*average) : std::string("-"));
        for (auto t = turns.rbegin(); t != turns.rend(); ++t)
            if (t->key.player == player && t->complete) {
                line += kDot + "LAST " + (t->bust ? std::string("BUST") : std::to_string(t->score));
                break;
            }
    }
    line += (line.empty() ? "" : kDot) + std::string("DARTS ") + std::to_string(legDarts);
    return line;
}

std::vector<std::string> visitLines(const TurnRecord& visit, bool x01)
{
    std::vector<std::string> out;
    for (const DartRecord& d : visit.dartList) {
        std::string line = shown(d.bed) + " " + std::to_string(d.points);
        if (x01)
            line += d.bust ? kDot + "BUST" : kDot + std::to_string(d.remainingAfter);
        out.push_back(line);
    }
    return out;
}

ShownVisit shownVisit(const MatchRecorder& rec, bool x01)
{
    if (rec.visitPlayer() != 0)
        return {rec.visitPlayer(), visitLines(rec.visitSoFar(), x01)};
    if (!rec.turns().empty() && !rec.turns().back().typed)
        return {rec.turns().back().key.player, visitLines(rec.turns().back(), x01)};
    return {};
}

std::string checkoutRoute(int remaining, int dartsLeft)
{
    if (remaining < 2 || dartsLeft < 1 || dartsLeft > 3 || CantFinish(remaining))
        return {};
    // The table's choice between two routes, made the same way every time: the
    // scoreboard draws nothing from the match's own chance.
    Rng fixed(1);
    constexpr int kOpponentOnAFinish = 40;
    const std::string route = Suggestion(remaining, dartsLeft, kOpponentOnAFinish, fixed);
    std::vector<std::string> beds;
    for (std::size_t at = 0; at < route.size();) {
        const std::size_t comma = route.find(',', at);
        std::string bed = route.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        while (!bed.empty() && bed.front() == ' ')
            bed.erase(bed.begin());
        if (!bed.empty())
            beds.push_back(bed);
        at = comma == std::string::npos ? route.size() : comma + 1;
    }
    // Only a route that finishes, with the darts there are.
    if (beds.empty() || beds.size() > static_cast<std::size_t>(dartsLeft) ||
        !(beds.back()[0] == 'D' || beds.back() == "S50"))
        return {};
    int total = 0;
    for (const std::string& b : beds) {
        const int number = std::atoi(b.c_str() + 1);
        total += b[0] == 'T' ? 3 * number : b[0] == 'D' ? 2 * number : number;
    }
    if (total != remaining)
        return {};
    std::string out;
    for (const std::string& b : beds)
        out += (out.empty() ? "" : " ") + (b == "S50" ? std::string("BULL") : b);
    return out;
}

std::vector<SummaryRow> summary(const MatchRecord& match, std::span<const TurnRecord> turns, int leg)
{
    std::vector<TurnRecord> chosen;
    for (const TurnRecord& t : turns)
        if (leg == 0 || t.key.leg == leg)
            chosen.push_back(t);
    std::array<PlayerFigures, 2> f{figuresFor(match, chosen, 1), figuresFor(match, chosen, 2)};
    std::array<int, 2> legDarts{};
    for (const TurnRecord& t : chosen)
        legDarts[t.key.player == 2 ? 1 : 0] += t.complete ? t.darts : 0;
    auto each = [&](auto value) {
        return std::array<std::string, 2>{value(f[0], 0), value(f[1], 1)};
    };
    auto two = [](std::optional<double> v) { return v ? formatTwoPlaces(*v) : std::string("-"); };
    std::vector<SummaryRow> rows;
    rows.push_back({"3-DART AVERAGE", each([&](const PlayerFigures& p, int) { return two(p.average()); })});
    rows.push_back({"FIRST 9", each([&](const PlayerFigures& p, int) { return two(p.firstNineAverage()); })});
    rows.push_back({"CHECKOUT %", each([&](const PlayerFigures& p, int) { return two(p.checkoutPercent()); })});
    rows.push_back({"100+ / 140+ / 180", each([](const PlayerFigures& p, int) {
                         return std::to_string(p.turns100) + " / " + std::to_string(p.turns140) + " / " +
                                std::to_string(p.turns180);
                     })});
    rows.push_back({"HIGHEST FINISH", each([](const PlayerFigures& p, int) {
                         return p.highestCheckout > 0 ? std::to_string(p.highestCheckout) : std::string("-");
                     })});
    rows.push_back({leg == 0 ? "DARTS" : "DARTS IN THE LEG",
                    each([&](const PlayerFigures&, int i) { return std::to_string(legDarts[static_cast<std::size_t>(i)]); })});
    return rows;
}

} // namespace vantorelle::records

#include "rules/setup/stats.h"

#include <charconv>

namespace vantorelle {

std::string formatTwoPlaces(double value)
{
    // The same text whatever the user's locale: a full stop, never a comma.
    char buf[64];
    const auto [end, err] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    std::string s = err == std::errc() ? std::string(buf, end) : std::string("0.00");
    if (s == "-0.00")
        s = "0.00";
    return s;
}

static std::string playerAverages(const MatchState& st, int p)
{
    const int darts = st.stat(p, kStatDarts);
    const int points = st.stat(p, kStatPoints);
    const int atDouble = st.stat(p, kStatDartsAtDouble);
    const int hit = st.stat(p, kStatDoublesHit);
    const double perDart = darts > 0 ? static_cast<double>(points) / darts : 0.0;
    // No double hit (or none tried) reads 0.00.
    const double pct = (hit > 0 && atDouble > 0) ? 100.0 * hit / atDouble : 0.0;
    return st.player(p).name + " " + formatTwoPlaces(perDart * 3) + "(" + formatTwoPlaces(perDart) + ") " +
           std::to_string(hit) + "/" + std::to_string(atDouble) + "(" + formatTwoPlaces(pct);
}

std::optional<std::string> averagesMessage(const MatchState& st)
{
    if (st.stat(1, kStatPoints) == 0 || st.stat(2, kStatPoints) == 0)
        return std::nullopt;
    return playerAverages(st, 1) + "%), " + playerAverages(st, 2) + "%)";
}

static std::string playerHighTurns(const MatchState& st, int p)
{
    return st.player(p).name + " 100+:" + std::to_string(st.stat(p, kStat100)) +
           " 140+:" + std::to_string(st.stat(p, kStat140)) + " 180:" + std::to_string(st.stat(p, kStat180));
}

std::string highTurnsMessage(const MatchState& st)
{
    return playerHighTurns(st, 1) + ", " + playerHighTurns(st, 2);
}

} // namespace vantorelle

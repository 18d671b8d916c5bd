#include "rules/persistence/historyfile.h"

#include "rules/career/draws.h"

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

} // namespace vantorelle

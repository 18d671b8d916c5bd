#include "rules/persistence/careerfile.h"

#include <cstdint>
#include <limits>

namespace vantorelle {

namespace {

int addWithin(int total, int add, long long lowest, long long highest)
{
    const long long sum = static_cast<long long>(total) + add;
    return static_cast<int>(sum < lowest ? lowest : sum > highest ? highest : sum);
}

// One line of the file: a stray line break inside an entry would shift every
// line after it, so none is written.
void appendLine(std::string& out, std::string_view entry)
{
    for (char c : entry)
        if (c != '\r' && c != '\n')
            out += c;
    out += "\r\n";
}

template <std::size_t N>
void appendDraw(std::string& out, const DrawList<N>& list)
{
    for (int slot = 1; slot <= DrawList<N>::kSize; ++slot)
        appendLine(out, list[slot]);
}

} // namespace

std::string careerFileName(std::string_view careerName)
{
    return std::string(careerName) + ".car";
}

void bookMatchStats(TournamentTotals& totals, std::span<int> player1Stats)
{
    if (player1Stats.size() < 5)
        return;
    using I16 = std::numeric_limits<std::int16_t>;
    using I32 = std::numeric_limits<std::int32_t>;
    totals.darts = addWithin(totals.darts, player1Stats[1], I16::min(), I16::max());
    totals.points = addWithin(totals.points, player1Stats[2], I32::min(), I32::max());
    totals.doubleDarts = addWithin(totals.doubleDarts, player1Stats[3], I16::min(), I16::max());
    totals.doublesHit = addWithin(totals.doublesHit, player1Stats[4], I16::min(), I16::max());
    for (std::size_t column = 1; column <= 4; ++column)
        player1Stats[column] = 0;
}

std::string careerFileText(const CareerState& state)
{
    std::string out;
    out.reserve(16 * 1024);
    const std::string header = state.statsHeader1 + "," + state.statsHeader2 + "," +
                               (state.realBoard ? "True" : "False") + "," + std::to_string(state.playerAverage) + "," +
                               std::to_string(state.bytClass) + "," + std::to_string(state.matchLength) + "," +
                               std::to_string(state.tournamentNo) + "," + std::to_string(state.totals.points) + "," +
                               std::to_string(state.totals.darts) + "," + std::to_string(state.totals.doubleDarts) +
                               "," + std::to_string(state.totals.doublesHit);
    appendLine(out, header);
    for (std::size_t i = 0; i < 160; ++i)
        appendLine(out, i < state.roster.size() ? std::string_view(state.roster[i]) : std::string_view{});
    appendDraw(out, state.QualifyingDraw);
    appendDraw(out, state.EliminatorDraw);
    appendDraw(out, state.FinalDraw);
    return out;
}

std::string SaveCareer(CareerState& state, std::span<int> player1Stats)
{
    bookMatchStats(state.totals, player1Stats);
    return careerFileText(state);
}

} // namespace vantorelle

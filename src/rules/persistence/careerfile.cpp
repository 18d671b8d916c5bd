#include "rules/persistence/careerfile.h"

#include <cstdint>
#include <charconv>
#include <optional>
#include <limits>
#include <vector>

#include "rules/career/rosterrecord.h"

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

namespace {

// No entry of a career is anywhere near this long; a longer one is damage.
constexpr std::size_t kLongestEntry = 1000;

// The file's lines, CR LF or LF, at most the career's 520.
std::vector<std::string_view> fileLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < static_cast<std::size_t>(kCareerFileLines)) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // The header is never cut: it holds the roster file's own header first.
        lines.push_back(lines.empty() ? line : line.substr(0, kLongestEntry));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Header field n, or nothing past the last.
std::optional<std::string_view> headerField(std::string_view header, int n)
{
    for (int i = 0; i < n; ++i) {
        const auto comma = header.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        header.remove_prefix(comma + 1);
    }
    return header.substr(0, header.find(','));
}

// A whole decimal number within the field's width; otherwise the value stays.
template <class T>
void readNumber(std::optional<std::string_view> field, int& value)
{
    if (!field)
        return;
    const std::string_view f = trimSpaces(*field);
    long long v = 0;
    const auto [end, err] = std::from_chars(f.data(), f.data() + f.size(), v);
    if (f.empty() || err != std::errc() || end != f.data() + f.size())
        return;
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        return;
    value = static_cast<int>(v);
}

template <std::size_t N>
void readDraw(const std::vector<std::string_view>& lines, std::size_t& next, DrawList<N>& list)
{
    for (int slot = 1; slot <= DrawList<N>::kSize; ++slot, ++next)
        list.set(slot, next < lines.size() ? std::string(lines[next]) : std::string());
}

} // namespace

CareerLoad readCareerFile(std::string_view text, std::string_view careerName)
{
    CareerLoad out;
    CareerState& s = out.state;
    s.careerName = std::string(careerName);
    const auto lines = fileLines(text);
    const std::string_view header = lines.empty() ? std::string_view{} : lines[0];
    s.statsHeader1 = std::string(headerField(header, 0).value_or(""));
    s.statsHeader2 = std::string(headerField(header, 1).value_or(""));
    if (auto f = headerField(header, 2))
        s.realBoard = sameName(trimSpaces(*f), "True");
    readNumber<std::uint8_t>(headerField(header, 3), s.playerAverage);
    readNumber<std::uint8_t>(headerField(header, 4), s.bytClass);
    readNumber<std::uint8_t>(headerField(header, 5), s.matchLength);
    readNumber<std::uint8_t>(headerField(header, 6), s.tournamentNo);
    readNumber<std::int32_t>(headerField(header, 7), s.totals.points);
    readNumber<std::int16_t>(headerField(header, 8), s.totals.darts);
    readNumber<std::int16_t>(headerField(header, 9), s.totals.doubleDarts);
    readNumber<std::int16_t>(headerField(header, 10), s.totals.doublesHit);
    if (s.bytClass < 1 || s.bytClass > 4)
        s.bytClass = 4;
    if (s.tournamentNo < 1 || s.tournamentNo > 12)
        s.tournamentNo = 1;
    if (s.matchLength < 1 || s.matchLength > 3)
        s.matchLength = 1;
    if (s.playerAverage < 30 || s.playerAverage > 100)
        s.playerAverage = 60;

    std::size_t next = 1;
    s.roster.assign(160, std::string());
    for (auto& entry : s.roster) {
        if (next < lines.size())
            entry = std::string(lines[next]);
        ++next;
    }
    readDraw(lines, next, s.QualifyingDraw);
    readDraw(lines, next, s.EliminatorDraw);
    readDraw(lines, next, s.FinalDraw);

    if (isBlank(s.QualifyingDraw[1]))
        out.reopen = ReopenAt::Calendar;
    else if (isBlank(s.FinalDraw[63]))
        out.reopen = ReopenAt::Draw;
    else
        out.reopen = ReopenAt::CalendarToBook;
    return out;
}

} // namespace vantorelle

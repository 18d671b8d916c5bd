#include "rules/network/protocol.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "rules/app/utf8.h"
#include "rules/match/bed.h"
#include "rules/network/frames.h"

namespace vantorelle {

namespace {

std::string message(char kind, std::string_view body = {})
{
    std::string m(kGamePrefix);
    m += kind;
    m += body;
    return m;
}

// A whole signed decimal number that fits a 16-bit board coordinate.
std::optional<int> coordinate(std::string_view text)
{
    int v = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || err != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return v;
}

struct OptionRow {
    const char* option;
    int button;
};
constexpr OptionRow kOptions[] = {
    {"301", 1}, {"501", 2}, {"1001", 3}, {"CRICKET", 4}, // LEG LENGTH
    {"1", 1},   {"2", 2},   {"3", 3},                    // MATCH LENGTH
    {"L", 1},   {"R", 2},   {"N", 3},    {"G", 4},       // DIFFICULTY
};

} // namespace

std::string challengeMessage(std::string_view challenged, std::string_view challenger)
{
    return message('C', std::string(challenged) + std::string(kGamePrefix) + "P" + std::string(challenger));
}

std::string optionMessage(std::string_view option)
{
    return message('G', option);
}

std::string throwMessage(int x, int y, std::string_view bed, bool bounceOut)
{
    return message('T', "X" + std::to_string(x) + "Y" + std::to_string(y) + "S" + std::string(bed) +
                            (bounceOut ? "T" : "F"));
}

std::string quitMessage()
{
    return message('Q');
}

std::string busyMessage()
{
    return message('B');
}

std::string cricketRefusedMessage()
{
    return message('N');
}

std::optional<GameMessage> readGameMessage(std::string_view text)
{
    if (text.size() < kGamePrefix.size() + 1 || text.substr(0, kGamePrefix.size()) != kGamePrefix)
        return std::nullopt;
    const char kind = text[kGamePrefix.size()];
    const std::string_view body = text.substr(kGamePrefix.size() + 1);
    GameMessage m;
    switch (kind) {
    case 'Q':
        m.kind = GameMessage::Kind::Quit;
        return m;
    case 'N':
        m.kind = GameMessage::Kind::CricketRefused;
        return m;
    case 'B':
        m.kind = GameMessage::Kind::Busy;
        return m;
    case 'C': {
        // The challenger is everything after the first "$ZEKO$P".
        const std::string marker = std::string(kGamePrefix) + "P";
        const auto at = body.find(marker);
        if (at == std::string_view::npos)
            return std::nullopt;
        m.kind = GameMessage::Kind::Challenge;
        // A name like every other: no longer than a name box holds.
        m.challenger = std::string(firstCharacters(body.substr(at + marker.size()), kLongestName));
        if (m.challenger.empty())
            return std::nullopt;
        return m;
    }
    case 'G':
        m.kind = GameMessage::Kind::Option;
        m.option = std::string(body);
        return m;
    case 'T': {
        // X<x>Y<y>S<bed><flag>: the bed is the three characters before the flag.
        if (body.size() < 1 + 1 + 1 + 1 + 1 + 3 + 1 || body[0] != 'X')
            return std::nullopt;
        const char flag = body.back();
        const std::string_view bed = body.substr(body.size() - 4, 3);
        if (body[body.size() - 5] != 'S' || (flag != 'T' && flag != 'F') || !isValidBed(bed))
            return std::nullopt;
        const std::string_view point = body.substr(1, body.size() - 6);
        const auto yAt = point.find('Y');
        if (yAt == std::string_view::npos)
            return std::nullopt;
        const auto x = coordinate(point.substr(0, yAt));
        const auto y = coordinate(point.substr(yAt + 1));
        if (!x || !y)
            return std::nullopt;
        m.kind = GameMessage::Kind::Throw;
        m.x = *x;
        m.y = *y;
        m.bed = std::string(bed);
        m.bounceOut = flag == 'T';
        return m;
    }
    default:
        return std::nullopt;
    }
}

int optionButton(std::string_view option)
{
    for (const auto& row : kOptions)
        if (option == row.option)
            return row.button;
    return 0;
}

std::string outgoingChat(std::string_view text)
{
    std::string out(text);
    for (auto at = out.find(kChatFilter); at != std::string::npos; at = out.find(kChatFilter, at))
        out.erase(at, kChatFilter.size());
    // Typed chat is never taken for a game message at the other end.
    if (out.compare(0, kGamePrefix.size(), kGamePrefix) == 0)
        out.insert(0, " ");
    return out;
}

std::vector<std::string> chatLines(std::string_view user, std::string_view text)
{
    // Cut between characters, never inside one.
    std::string name(firstCharacters(user, 6));
    name.insert(0, 6 - characterCount(name), ' ');
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t slice = firstCharacters(text, 32).size();
        lines.push_back(name + " " + std::string(text.substr(0, slice)));
        text.remove_prefix(slice);
    }
    return lines;
}

std::string opponentIn(const std::vector<std::string>& players, std::string_view own)
{
    if (players.empty())
        return {};
    if (players[0] == own)
        return players.size() > 1 ? players[1] : std::string();
    return players[0];
}

} // namespace vantorelle

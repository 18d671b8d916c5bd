#include "rules/records/record.h"

#include <algorithm>
#include <charconv>

#include "rules/match/bed.h"

namespace vantorelle::records {

namespace {

constexpr std::array<std::string_view, 8> kStages{"Q1", "Q2", "Q3", "EL", "F1", "F2", "F3", "F4"};

// Well-formed UTF-8 without control characters.
bool isPrintableUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F)
                return false;
            ++i;
            continue;
        }
        int more = 0;
        if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(more) >= s.size())
            return false;
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

bool isStage(std::string_view s)
{
    return s == "F5" || std::find(kStages.begin(), kStages.end(), s) != kStages.end();
}

std::optional<std::string> checkPlayer(const RecordPlayer& p, int n, bool mayBeEmpty)
{
    const std::string who = "player " + std::to_string(n);
    if (p.name.empty())
        return mayBeEmpty ? std::nullopt : std::optional<std::string>(who + " has no name");
    if (p.name.size() > 64 || !isPrintableUtf8(p.name))
        return who + "'s name is not a name";
    if (static_cast<int>(p.kind) < 0 || static_cast<int>(p.kind) > 3)
        return who + " is of no known kind";
    const bool computer = p.kind == PlayerKind::Computer;
    if (computer ? (p.computerClass < 0 || p.computerClass > 3) : p.computerClass != kNoClass)
        return who + "'s class does not fit his kind";
    return std::nullopt;
}

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}

} // namespace

int startScore(std::string_view game)
{
    if (game == "301" || game == "501" || game == "1001") {
        int v = 0;
        std::from_chars(game.data(), game.data() + game.size(), v);
        return v;
    }
    return 0;
}

bool countsAsX01(const MatchRecord& m)
{
    return m.kind != MatchKind::Practice && startScore(m.game) > 0;
}

bool isDartAtDouble(int remainingBefore)
{
    return remainingBefore == 50 || (remainingBefore >= 2 && remainingBefore <= 40 && remainingBefore % 2 == 0);
}

std::string doubleFor(int remaining)
{
    if (remaining == 50)
        return "S50";
    if (!isDartAtDouble(remaining))
        return {};
    return makeBed('D', remaining / 2);
}

std::string_view wordFor(MatchKind kind)
{
    constexpr std::array<std::string_view, 4> kWords{"EXHIBITION", "CAREER", "NETWORK", "PRACTICE"};
    const auto i = static_cast<std::size_t>(kind);
    return i < kWords.size() ? kWords[i] : "";
}

std::string_view wordFor(PlayerKind kind)
{
    constexpr std::array<std::string_view, 4> kWords{"SCREEN", "REAL BOARD", "COMPUTER", "REMOTE"};
    const auto i = static_cast<std::size_t>(kind);
    return i < kWords.size() ? kWords[i] : "";
}

std::string_view wordFor(Outcome outcome)
{
    constexpr std::array<std::string_view, 3> kWords{"PLAYING", "FINISHED", "ABANDONED"};
    const auto i = static_cast<std::size_t>(outcome);
    return i < kWords.size() ? kWords[i] : "";
}

std::string_view classWord(int computerClass)
{
    constexpr std::array<std::string_view, 4> kWords{"BEGINNER", "AMATEUR", "SEMI-PRO", "PRO"};
    return computerClass >= 0 && computerClass < 4 ? kWords[static_cast<std::size_t>(computerClass)] : "";
}

std::optional<std::string> checkMatch(const MatchRecord& m)
{
    if (static_cast<int>(m.kind) < 0 || static_cast<int>(m.kind) > 3)
        return "the match is of no known kind";
    if (m.game.empty() || m.game.size() > 16 ||
        !std::all_of(m.game.begin(), m.game.end(), [](char c) { return c > 0x20 && c < 0x7F; }))
        return "the game is not a game code";
    if (!inRange(m.setsToWin, 1, 99) || !inRange(m.legsToWin, 1, 99))
        return "the match has no length";
    if (m.started < 0 || m.ended < 0)
        return "the match has no date";
    const bool practice = m.kind == MatchKind::Practice;
    if (auto bad = checkPlayer(m.players[0], 1, false))
        return bad;
    if (auto bad = checkPlayer(m.players[1], 2, practice))
        return bad;
    if ((m.kind == MatchKind::Career) != m.career.has_value())
        return "a career match needs its round, and only a career match has one";
    if (m.career) {
        const CareerRound& c = *m.career;
        if (!inRange(c.tournamentNo, 1, 12) || !isStage(c.stage) || c.player.empty() || c.player.size() > 64 ||
            !isPrintableUtf8(c.player) || c.tournament.size() > 64 || !isPrintableUtf8(c.tournament))
            return "the career round is not a round of the calendar";
    }
    if (static_cast<int>(m.outcome) < 0 || static_cast<int>(m.outcome) > 2 || !inRange(m.winner, 0, 2))
        return "the match has no known outcome";
    for (int i = 0; i < 2; ++i)
        if (!inRange(m.sets[static_cast<std::size_t>(i)], 0, 999) ||
            !inRange(m.legs[static_cast<std::size_t>(i)], 0, 9999))
            return "the sets and legs are out of range";
    return std::nullopt;
}

std::optional<std::string> checkTurn(const TurnRecord& t)
{
    const TurnKey& k = t.key;
    if (!inRange(k.player, 1, 2) || !inRange(k.set, 1, 999) || !inRange(k.leg, 1, 99999) || !inRange(k.turn, 1, 99999))
        return "the turn has no place in the match";
    if (!inRange(t.remainingBefore, 0, 99999) || !inRange(t.score, 0, 180) || !inRange(t.dartsAtDouble, 0, 3))
        return "the turn's figures are out of range";
    if (t.typed) {
        if (!t.dartList.empty() || !inRange(t.darts, 0, 3))
            return "a typed turn has no darts";
        return std::nullopt;
    }
    if (t.dartList.empty() || t.dartList.size() > 3 || t.darts != static_cast<int>(t.dartList.size()))
        return "the turn's darts do not add up";
    for (std::size_t i = 0; i < t.dartList.size(); ++i) {
        const DartRecord& d = t.dartList[i];
        if (d.number != static_cast<int>(i) + 1)
            return "the turn's darts are out of order";
        if (!isValidBed(d.bed) || (!d.aimBed.empty() && !isValidBed(d.aimBed)))
            return "a dart has no bed of the board";
        if (!inRange(d.x, -32768, 32767) || !inRange(d.y, -32768, 32767) || !inRange(d.aimX, -32768, 32767) ||
            !inRange(d.aimY, -32768, 32767))
            return "a dart lies off the board's picture";
        if (!inRange(d.points, 0, 60) || !inRange(d.remainingBefore, 0, 99999) || !inRange(d.remainingAfter, 0, 99999))
            return "a dart's figures are out of range";
    }
    return std::nullopt;
}

} // namespace vantorelle::records

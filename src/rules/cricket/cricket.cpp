#include "rules/cricket/cricket.h"

#include "rules/match/bed.h"

namespace vantorelle {

int cricketIndex(int number)
{
    for (int i = 0; i < 7; ++i)
        if (kCricketNumbers[i] == number)
            return i;
    return -1;
}

std::string AddCodes(std::string_view caption, std::string_view bed)
{
    // Marks so far; the dart's marks by its ring.
    int have;
    if (caption.empty())
        have = 0;
    else if (caption == "\\")
        have = 1;
    else if (caption == "X")
        have = 2;
    else
        have = 3;
    int add;
    switch (bed.empty() ? ' ' : bed[0]) {
    case 'S':
        add = 1;
        break;
    case 'D':
        add = 2;
        break;
    case 'T':
        add = 3;
        break;
    default:
        return {};
    }
    static constexpr const char* kCaption[] = {"", "\\", "X", "O"};
    const int total = have + add;
    std::string code = kCaption[total > 3 ? 3 : total];
    code += static_cast<char>('0' + (total > 3 ? total - 3 : 0));
    return code;
}

int closedCount(const MatchState& st, int p)
{
    int n = 0;
    for (const auto& mark : st.cricketMarks[static_cast<std::size_t>(p)])
        if (mark == "O")
            ++n;
    return n;
}

bool ClosedOut(const MatchState& st, int p)
{
    return closedCount(st, p) == 7;
}

std::string ThrowCricketComp(const MatchState& st, Rng& rng)
{
    const auto& human = st.cricketMarks[1];
    const auto& mine = st.cricketMarks[2];
    auto target = [](char ring, int i) {
        return kCricketNumbers[i] == 25 ? std::string("S50") : makeBed(ring, kCricketNumbers[i]);
    };

    const int lead = st.player(2).score - st.player(1).score;
    const int threshold = rng.pick(50, 25);
    const bool lastToClose = closedCount(st, 2) == 6 && lead > 0;
    if (threshold > lead && !lastToClose) {
        for (int i = 0; i < 7; ++i)
            if (human[static_cast<std::size_t>(i)] != "O")
                return target('T', i);
    }
    for (int i = 0; i < 7; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        if (mine[idx] == "O")
            continue;
        if (kCricketNumbers[i] == 25)
            return "S50";
        if (human[idx] != "O")
            return target('T', i);
        if (mine[idx] == "X")
            return target('S', i);
        if (mine[idx] == "\\")
            return rng.pick(5, 1) == 1 ? target('D', i) : target('T', i);
        return target('T', i);
    }
    return {};
}

std::string cricketWinText(const MatchState& st, int p)
{
    const int q = otherPlayer(p);
    if (!ClosedOut(st, p))
        return {};
    const int mine = st.player(p).score, theirs = st.player(q).score;
    if (theirs < mine)
        return st.player(p).name + " WINS BY " + std::to_string(mine) + " TO " + std::to_string(theirs);
    if (theirs == mine)
        return st.player(p).name + " WINS BY CLOSING OUT FIRST";
    return {};
}

bool CricketScore(MatchState& st, int p, std::string_view bed)
{
    const int q = otherPlayer(p);
    const std::string code = bed == "S50" ? std::string("D25") : std::string(bed);
    // The number the dart hit: the bull is 25 whichever ring.
    const int number = code.size() == 3 ? bedValue("S" + code.substr(1)) : 0;
    const int i = cricketIndex(number);
    if (i < 0)
        return false;
    auto& mark = st.cricketMarks[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
    const std::string add = AddCodes(mark, code);
    if (!add.empty()) {
        mark = add.substr(0, 1);
        if (st.cricketMarks[static_cast<std::size_t>(q)][static_cast<std::size_t>(i)] != "O")
            st.player(p).score += (add[1] - '0') * number;
    }
    return true;
}

std::string CheckForWinner(const MatchState& st)
{
    return cricketWinText(st, st.currentPlayer);
}

} // namespace vantorelle

#include "rules/opponent/computerplayer.h"

#include <fstream>

#include "rules/app/utf8path.h"
#include "rules/cricket/cricket.h"
#include "rules/match/throwmodel.h"
#include "rules/opponent/computer.h"

namespace vantorelle {

int ComputerPlayer::Nervous(std::string_view score) const
{
    Pressure p;
    p.player1Remaining = m_match.player(1).score;
    p.legs1 = m_match.player(1).legs;
    p.legs2 = m_match.player(2).legs;
    p.sets1 = m_match.player(1).sets;
    p.sets2 = m_match.player(2).sets;
    p.setsToWin = m_match.bytSetstoWin;
    return vantorelle::Nervous(score, p);
}

Point ComputerPlayer::Throw(std::string_view score, std::string_view alt)
{
    std::string target(score);
    if (!alt.empty() && m_rng.pick(2, 1) != 1)
        target = std::string(alt);
    m_lastAim = target;

    Point aim{0, 0}; // an unknown bed leaves the aim off the board
    if (auto p = GetCoords(target))
        aim = *p;

    const int rank = GetRank(m_roster.lines, m_match.player(2).name);
    const int stated = m_career.playerAverage;
    int S;
    if (!m_match.cricket) {
        int A = threeDartAverage(m_match.stat(2, kStatPoints), m_match.stat(2, kStatDarts));
        const int level = computerLevel(rank, m_match.difficulty);
        const int q = computerQ(rank);
        if (m_match.player(1).realBoard) {
            if (A == 0)
                A = stated;
            const int K = realBoardK(level, A, stated);
            S = static_cast<int>(m_rng.uniform() * (rank + K) + q);
        } else {
            const int K = averageK(level, A);
            S = static_cast<int>(m_rng.uniform() * K + q);
        }
        S += Nervous(target);
    } else if (m_match.player(1).realBoard) {
        S = static_cast<int>(m_rng.uniform() * (rank - stated + 320) + 1);
    } else {
        S = static_cast<int>(m_rng.uniform() * (rank + 220) + 1);
    }

    const int x = m_rng.pick(2, 1) == 1 ? aim.x - S : aim.x + S;
    const int y = m_rng.pick(2, 1) == 1 ? aim.y - S : aim.y + S;
    return {x, y};
}

int ComputerPlayer::OpponentScore() const
{
    return m_match.player(otherPlayer(m_match.currentPlayer)).score;
}

std::optional<Point> ComputerPlayer::ComputerThrow(int remaining)
{
    if (m_match.cricket) {
        const std::string target = ThrowCricketComp(m_match, m_rng);
        if (target.empty())
            return std::nullopt;
        return Throw(target);
    }
    const char pose2 = m_match.strDartPose[2].empty() ? 'a' : m_match.strDartPose[2][0];
    const Target t = x01Target(remaining, m_match.bytDart, OpponentScore(), m_match.bytTurnScore, pose2, m_rng);
    return Throw(t.bed, t.alt);
}

std::optional<Point> ComputerPlayer::Hit(std::string_view score, std::string_view alt)
{
    std::string code(score);
    if (!alt.empty() && m_rng.pick(2, 1) != 1)
        code = std::string(alt);
    std::ifstream in(pathFromUtf8(m_appFolder) / "compaim.dat");
    if (!in)
        return std::nullopt;
    return findAimRecord(in, code);
}

} // namespace vantorelle

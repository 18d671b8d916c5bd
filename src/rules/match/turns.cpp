// The change of thrower and the computer's turn. Keeps: a new turn starts
// with no dart thrown and no aim; the player on throw is the one in yellow
// with his darts in hand; the computer throws only while its turn lasts
// (before each dart it checks that the match is the same and it still has
// the throw, since the dart that ends its turn passes the throw from inside);
// a turn of the other machine's player first takes the darts already waiting.
#include "rules/match/matchengine.h"

namespace vantorelle {

void MatchEngine::ChangePlayer(bool del)
{
    const unsigned serial = m_life.serial();
    m_match.bytDart = 0;
    m_match.strDartPose = {"a", "a", "a", "a"};
    stopAiming();
    m_match.currentPlayer = otherPlayer(m_match.currentPlayer);
    const int p = m_match.currentPlayer;
    if (del) {
        MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
        if (!m_life.pauseFor(serial, 2))
            return;
    }
    m_host.clearBoard();
    m_view.yellowPlayer = p;
    playerOnThrowComment(p);
    for (std::size_t i = 0; i < 6; ++i)
        m_view.dartInHand[i] = (p == 1) == (i < 3);
    m_host.refresh();

    if (m_match.seatOf(p) == Seat::Computer) {
        playComputerTurn(serial, p);
        return;
    }
    takeWaitingDarts(); // the other machine's player may have thrown already
}

void MatchEngine::playerOnThrowComment(int p)
{
    const auto& pl = m_match.player(p);
    if (!pl.realBoard)
        comment(pl.name + " to the oche.");
    else if (m_match.cricket)
        comment(pl.name + " click score.");
    else
        comment(pl.name + " click or type score.");
}

void MatchEngine::playComputerTurn(unsigned serial, int p)
{
    for (int dart = 0; dart < 3; ++dart) {
        if (!m_life.stillOn(serial) || m_view.yellowPlayer != p)
            break; // the turn ended inside the last dart
        computerDart(m_match.player(p).score - m_match.bytTurnScore);
    }
}

void MatchEngine::computerDart(int remaining)
{
    if (m_match.blnStopped)
        return;
    const unsigned serial = m_life.serial();
    if (!m_life.pauseFor(serial, 1.5 + 2 * m_rng.uniform()) || m_match.blnStopped)
        return; // a new game was chosen while the computer was thinking
    if (auto at = m_computer.ComputerThrow(remaining)) {
        records::ThrownDart aimed;
        aimed.aimBed = m_computer.lastAim();
        m_aim = aimed;
        ThrowDart(at->x, at->y);
    }
}

void MatchEngine::Throw(std::string_view score, std::string_view alt)
{
    const Point at = m_computer.Throw(score, alt);
    ThrowDart(at.x, at.y);
}

void MatchEngine::Hit(std::string_view score, std::string_view alt)
{
    if (auto at = m_computer.Hit(score, alt))
        ThrowDart(at->x, at->y);
}

} // namespace vantorelle

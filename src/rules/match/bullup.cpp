// The throw for the start, and the throw handed to its winner. Keeps:
// player 1 throws first, each player one dart, measured and never scored;
// the nearer dart starts and a tie goes to player 1; New, quitting, unloading
// or the board going away while a dart is awaited ends the bull-up with 0;
// from the bull-up on the match takes darts from the other machine; nobody
// throws until the throw has been handed over.
#include "rules/match/matchengine.h"

namespace vantorelle {

int MatchEngine::ThrowForStart()
{
    const unsigned serial = m_life.serial();
    m_view.dartInHand = {};
    m_view.yellowPlayer = 0;
    m_match.blnBullUp = true;
    m_match.bytDart = 0;
    m_match.blnBullDartDown = false;
    m_match.currentPlayer = 1;
    m_host.clearBoard();
    m_host.refresh();
    comment(m_match.player(1).name + " throw for bullseye.");

    // A new game, quitting, or the board going away abandons the bull-up.
    auto abandoned = [&] {
        return !m_life.stillOn(serial) || m_flags.quitting || m_flags.unloading || m_match.blnStopped ||
               !m_host.boardVisible();
    };
    auto awaitDart = [&] {
        takeWaitingDarts();
        while (!m_match.blnBullDartDown) {
            m_host.waitForEvents();
            if (abandoned())
                return false;
            takeWaitingDarts();
        }
        return !abandoned();
    };

    m_life.guards().open = true; // from here on the match takes darts
    if (!awaitDart())
        return 0;
    m_match.bytDart = 1;
    if (!m_life.pauseFor(serial, 1.5))
        return 0;
    m_match.blnBullDartDown = false;
    m_match.currentPlayer = 2;
    m_host.refresh();
    comment(m_match.player(2).name + " throw for bullseye.");
    m_host.pause(1.5);
    if (abandoned())
        return 0;

    if (m_match.seatOf(2) == Seat::Computer)
        Throw("S50");
    else if (!awaitDart())
        return 0;
    if (abandoned())
        return 0;

    if (!m_life.pauseFor(serial, 1.5))
        return 0;
    const int winner = m_match.dblBullDist1 > m_match.dblBullDist2 ? 2 : 1;
    m_match.intBullWinner = winner;
    m_match.blnBullUp = false;
    return winner;
}

void MatchEngine::handOverAfterBullUp(int w)
{
    const unsigned serial = m_life.serial();
    beginRecord(); // the match is on: its darts go into its record from here
    {
        // Nobody throws until the throw has been handed over.
        MatchLife::Raise starting(m_life, &TurnGuards::turnEnding);
        m_match.resetMatchStats();
        m_view.yellowPlayer = w;
        m_match.bytTurnScore = 0;
        m_match.bytDart = 0;
        playerOnThrowComment(w);
        m_host.refresh();
        if (!callGameOn(serial))
            return;
    }
    m_match.currentPlayer = otherPlayer(w);
    ChangePlayer(false);
}

bool MatchEngine::callGameOn(unsigned serial)
{
    if (!m_referee.Say("Game", m_life.on(serial)))
        return false;
    m_host.processEvents();
    return m_life.stillOn(serial);
}

} // namespace vantorelle

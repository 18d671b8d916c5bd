// Turns typed in by a player at a real board. Keeps: a turn is typed only by
// a real-board player at this machine, in x01, on his own throw before his
// first dart, and never while a click or an announcement is under way; it is
// checked again when booked, since the entry window waits; the call and its
// pause may see the match abandoned, and then nothing is booked.
#include "rules/match/matchengine.h"

namespace vantorelle {

bool MatchEngine::canEnterScore() const
{
    const int p = m_match.currentPlayer;
    const TurnGuards& guards = m_life.guards();
    // A practice game counts each dart: its darts are clicked, never typed.
    if (m_match.blnStopped || m_match.blnBullUp || m_match.cricket || m_practice || guards.turnEnding ||
        guards.clickBusy)
        return false;
    if (m_match.seatOf(p) != Seat::Human)
        return false;
    return m_match.player(p).realBoard && m_match.bytDart == 0 && m_view.yellowPlayer == p;
}

void MatchEngine::bookEnteredTurn(int darts, int score, int dartsAtDouble)
{
    if (!canEnterScore())
        return; // the turn is no longer his to type, or the match has gone
    const unsigned serial = m_life.serial();
    const int p = m_match.currentPlayer;
    const int rem = m_match.player(p).score;
    const bool checkout = score == rem;
    // The turn can be taken back as a whole, and it goes into the record now.
    if (!m_match.networkGame)
        keepUndoPoint("a typed " + std::to_string(score));
    if (m_recorder)
        m_recorder->typed(p, rem, darts, score, dartsAtDouble);
    if (!checkout) {
        MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
        if (!m_referee.SayScore(score, m_life.on(serial)) || !m_life.pauseFor(serial, 1.6))
            return;
    }
    m_match.stat(p, kStatDartsAtDouble) += dartsAtDouble;
    m_match.stat(p, kStatDarts) += darts;
    m_match.stat(p, kStatPoints) += score;
    countHighTurn(p, score);
    m_match.player(p).legDarts += darts;
    if (checkout) {
        bool won;
        {
            MatchLife::Raise ending(m_life, &TurnGuards::turnEnding);
            won = LegWinner(p);
        }
        if (!m_life.stillOn(serial))
            return;
        if (won) {
            x01MatchWon(serial, p);
            return; // the match is over: nobody is called to the oche
        }
    } else {
        m_match.player(p).score = rem - score;
        m_host.refresh();
    }
    ChangePlayer(false);
}

} // namespace vantorelle

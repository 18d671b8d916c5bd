// Darts from the other machine. Keeps: a dart is kept only for the player
// the other machine throws for in the match being played, and only with a
// real bed; it waits in the inbox until the match can take it (its player's
// turn, no dart being handled, nothing being announced) and goes through the
// one door, ThrowDart, with the bed it came with; darts are taken one at a
// time, in the order they came, never one inside another; the inbox goes
// with the match (MatchLife).
#include "rules/match/bed.h"
#include "rules/match/matchengine.h"

namespace vantorelle {

bool MatchEngine::canTakeDart(int player) const
{
    const TurnGuards& guards = m_life.guards();
    if (!guards.open || m_match.blnStopped || guards.dartDepth > 0 || guards.turnEnding ||
        player != m_match.currentPlayer)
        return false;
    if (m_match.blnBullUp)
        return !m_match.blnBullDartDown && m_match.bytDart == player - 1;
    return m_view.yellowPlayer == player && m_match.bytDart < 3;
}

void MatchEngine::receiveDart(ReceivedDart dart)
{
    // Kept from the moment the match begins (its seats are set), even while
    // its opening overlay is up; a match decided takes no more.
    if ((m_match.blnStopped && m_life.guards().open) || (dart.player != 1 && dart.player != 2))
        return;
    if (m_match.seatOf(dart.player) != Seat::Remote || !isValidBed(dart.bed))
        return;
    // The other machine throws one turn at a time: more darts waiting than a
    // few turns' worth are not a player's, and are not kept.
    constexpr std::size_t kMostWaiting = 32;
    if (m_life.inbox().size() >= kMostWaiting)
        return;
    m_life.inbox().push_back(std::move(dart));
    takeWaitingDarts();
}

void MatchEngine::takeWaitingDarts()
{
    if (m_life.guards().taking)
        return;
    const unsigned serial = m_life.serial();
    MatchLife::Raise taking(m_life, &TurnGuards::taking);
    auto& inbox = m_life.inbox();
    while (m_life.stillOn(serial) && !inbox.empty() && canTakeDart(inbox.front().player)) {
        const ReceivedDart d = std::move(inbox.front());
        inbox.pop_front();
        ThrowDart(d.x, d.y, d.bed, d.bounceOut ? "T" : "F");
    }
}

} // namespace vantorelle

// Aiming and the board's mouse. Keeps: one click is handled at a time; a
// click throws only for a player somebody at this machine throws for, and
// never while the turn is full, being announced or no match runs; in the
// bull-up each player throws one dart; a real-board click names the bed and
// throws only on Yes, and only if the turn is still the one it was asked in.
#include "rules/match/matchengine.h"
#include "rules/match/throwmodel.h"

namespace vantorelle {

void MatchEngine::boardMouseDown(int button, int x, int y)
{
    if (m_life.guards().clickBusy)
        return;
    MatchLife::Raise busy(m_life, &TurnGuards::clickBusy);

    const int p = m_match.currentPlayer;
    if (m_match.blnStopped || m_life.guards().turnEnding)
        return;
    if (m_match.seatOf(p) != Seat::Human)
        return; // the computer or the other machine throws for this player
    if (m_match.bytDart == 3)
        return;
    if (m_match.blnBullUp &&
        ((p == 1 && m_match.bytDart == 1) || (p == 2 && m_match.bytDart == 2) || m_match.blnBullDartDown))
        return; // one bull-up dart each

    if (m_match.player(p).realBoard) {
        // The click names the bed hit on the real board; it never bounces out.
        const unsigned serial = m_life.serial();
        const int dartBefore = m_match.bytDart;
        const std::string bed = GetScore(x, y, true, m_rng).bed; // on a wire this draws, as the dart will again
        const bool yes = m_host.confirm(bed + " - CONFIRM DART?");
        // The question waited: the dart still belongs to the same turn, or to nothing.
        if (yes && m_life.stillOn(serial) && m_match.currentPlayer == p && m_match.bytDart == dartBefore &&
            !m_life.guards().turnEnding)
            ThrowDart(x, y);
        return;
    }

    if (!m_view.aimTimerOn) {
        if (button != 1)
            return;
        m_view.intAimX = x;
        m_view.intAimY = y;
        m_view.aim.start(x, y);
        m_view.aimTimerOn = true;
        m_host.setAimTimer(true);
        m_host.refresh();
        return;
    }
    if (button == 2 && m_view.aim.freeX) {
        m_view.aim.freeX = false;
        return;
    }
    if (button == 1 && !m_view.aim.freeX && m_view.aim.freeY)
        throwHumanDart();
}

void MatchEngine::throwHumanDart()
{
    m_view.aim.freeY = false;
    m_view.aimTimerOn = false;
    m_host.setAimTimer(false);
    // Where it was aimed, for the record.
    records::ThrownDart aimed;
    aimed.aimed = true;
    aimed.aimX = m_view.intAimX;
    aimed.aimY = m_view.intAimY;
    aimed.aimBed = bedAt(m_view.intAimX, m_view.intAimY);
    const Point at = humanLanding(m_view.intAimX, m_view.intAimY, m_view.aim.width, m_view.aim.height, m_rng);
    m_view.intAimX = at.x;
    m_view.intAimY = at.y;
    m_view.aim.visible = false;
    m_host.refresh();
    m_aim = aimed;
    ThrowDart(at.x, at.y);
}

void MatchEngine::aimTick()
{
    if (m_settings.aimSpeedOverride != 0)
        m_match.aimSpeed = m_settings.aimSpeedOverride;
    m_view.aim.tick(m_match.aimSpeed);
}

void MatchEngine::stopAiming()
{
    m_view.aim.clear();
    m_view.aimTimerOn = false;
    m_host.setAimTimer(false);
}

} // namespace vantorelle

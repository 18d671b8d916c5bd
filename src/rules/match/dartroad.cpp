// The one door of every dart: a human's, the computer's, the other
// machine's, a bull-up dart. Keeps: a dart is handled from its own landing
// (bed, thrower and number taken when it lands, never read back after a
// pause); a dart thrown here goes to the other machine with its bed, one
// received is not scored again; nothing lands while no match is running or
// the turn is full; darts waiting from the other machine are taken only once
// no dart is being handled.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "rules/match/matchengine.h"
#include "rules/network/protocol.h"

namespace vantorelle {

namespace {

bool within99(int x, int y, int ox, int oy)
{
    return std::abs(x - ox) <= 99 && std::abs(y - oy) <= 99;
}

} // namespace

void MatchEngine::ThrowDart(int x, int y, std::string_view netBed, std::string_view netBounce)
{
    if (m_match.blnStopped)
        return;
    const int n = m_match.bytDart + 1;
    if (n < 1 || n > 3)
        return; // the turn is already full
    if (netBed.empty()) {
        // The landing point travels to the other machine in 16 bits; one
        // beyond them is far off the board either way.
        x = std::clamp(x, -32768, 32767);
        y = std::clamp(y, -32768, 32767);
    }

    Landing landing;
    if (!netBed.empty()) {
        landing.bed = std::string(netBed);
        landing.bounceOut = netBounce == "T";
    } else {
        landing = GetScore(x, y, m_match.player(m_match.currentPlayer).realBoard, m_rng);
    }
    // A dart clicked at a real board by a player here can be taken back, as
    // long as nothing else is thrown after it.
    const int p = m_match.currentPlayer;
    if (!m_match.blnBullUp) {
        if (netBed.empty() && !m_match.networkGame && m_match.seatOf(p) == Seat::Human && m_match.player(p).realBoard)
            keepUndoPoint(landing.bed);
        else
            m_undo.clear();
    }
    const std::optional<records::ThrownDart> aim = std::exchange(m_aim, std::nullopt);
    {
        MatchLife::DartInHand handling(m_life);
        landDart(x, y, landing, netBed.empty(), aim);
    }
    if (m_life.guards().dartDepth == 0)
        takeWaitingDarts();
}

// Where dart n of the turn lies (a dart bounced out lies off the board), and
// the thrower's dart gone from his hand.
void MatchEngine::recordDart(int n, int x, int y, bool bounceOut)
{
    auto idx = static_cast<std::size_t>(n);
    m_match.intDartX[idx] = bounceOut ? 1 : x;
    m_match.intDartY[idx] = bounceOut ? 1 : y;
    // Built rather than assigned from "a": g++ 12 wrongly warns of an overlapping copy there.
    m_match.strDartPose[idx] = std::string(1, 'a');
    const int indicator = m_match.currentPlayer == 1 ? 3 - n : 6 - n;
    if (indicator >= 0 && indicator < 6)
        m_view.dartInHand[static_cast<std::size_t>(indicator)] = false;
}

// The dart is handled from its own landing: whatever happens in the pauses,
// the bed, the thrower and the dart's number are the ones it landed with.
void MatchEngine::landDart(int x, int y, const Landing& landing, bool thrownHere,
                           const std::optional<records::ThrownDart>& aim)
{
    const unsigned serial = m_life.serial();
    const int p = m_match.currentPlayer;
    const int n = m_match.bytDart + 1;
    m_match.strBed = landing.bed;
    recordDart(n, x, y, landing.bounceOut);
    m_host.refresh();

    if (thrownHere && m_match.networkGame) {
        m_host.send(throwMessage(x, y, landing.bed, landing.bounceOut));
    }

    // A dart landing close to an earlier one of the turn hits it, and sits at an angle.
    bool clash = false;
    if (n >= 2)
        clash = within99(x, y, m_match.intDartX[1], m_match.intDartY[1]);
    if (n == 3)
        clash = clash || within99(x, y, m_match.intDartX[2], m_match.intDartY[2]);
    char pose = 'a';
    if (clash)
        pose = static_cast<char>('a' + m_rng.pick(4));

    m_host.animate(x, y, pose, landing.bounceOut);
    if (!m_life.stillOn(serial))
        return;
    m_referee.landingSound(landing.bounceOut, !clash);
    m_match.strDartPose[static_cast<std::size_t>(n)] = std::string(1, pose);

    if (m_match.blnBullUp) {
        // A bull-up dart is measured, not scored.
        const double d = GetDistance(x, y);
        (m_match.bytDart == 0 ? m_match.dblBullDist1 : m_match.dblBullDist2) = d;
        m_match.blnBullDartDown = true;
        return;
    }

    recordLanding(p, x, y, landing, aim);
    if (m_practice)
        bookPracticeDart(serial, n, landing.bed);
    else if (m_match.cricket)
        bookCricketDart(serial, p, n, landing.bed);
    else
        bookX01Dart(serial, p, n, landing.bed);
}

} // namespace vantorelle

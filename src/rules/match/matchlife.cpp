// The life of one match. Keeps: a serial that changes whenever a match
// begins, ends or is abandoned; the seats, guards and waiting darts of a
// match go with it; the end handler is called once, after the clean-up.
#include "rules/match/matchlife.h"

#include <utility>

namespace vantorelle {

void MatchLife::nextSerial()
{
    ++m_serial;
    // Who throws for each player belongs to one match: between matches
    // nobody throws for anyone but the players at this machine.
    m_match.seat = {Seat::Human, Seat::Human, Seat::Human};
    m_guards = {};
    m_inbox.clear();
}

unsigned MatchLife::begin(MatchOverHandler onOver)
{
    nextSerial();
    m_onOver = std::move(onOver);
    m_match.seat = seatsFor(m_match.numberOfPlayers, m_match.networkGame, m_match.isChallenger);
    return m_serial;
}

void MatchLife::drop()
{
    nextSerial();
    m_onOver = {};
    m_match.blnStopped = true;
}

void MatchLife::decided()
{
    m_match.blnStopped = true;
    m_match.networkGame = false;
}

void MatchLife::finish(unsigned serial, MatchResult result)
{
    if (!stillOn(serial))
        return;
    decided();
    MatchOverHandler handler = std::move(m_onOver);
    m_onOver = {};
    nextSerial(); // nothing of this match goes on after its end
    if (handler)
        handler(result);
}

void MatchLife::rewind()
{
    ++m_serial;
    m_guards = {};
}

bool MatchLife::pauseFor(unsigned serial, double seconds)
{
    m_host.pause(seconds);
    return stillOn(serial);
}

} // namespace vantorelle

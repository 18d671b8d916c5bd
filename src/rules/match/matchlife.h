#pragma once
#include <deque>
#include <functional>
#include <string>

#include "rules/match/matchhost.h"
#include "rules/match/matchstate.h"

namespace vantorelle {

using MatchOverHandler = std::function<void(const MatchResult&)>;

// A dart thrown at the other machine, as it was received.
struct ReceivedDart {
    int player = 0;
    int x = 0;
    int y = 0;
    std::string bed;
    bool bounceOut = false;
};

// What guards the turns of the match being played. It belongs to that match:
// a new serial clears it.
struct TurnGuards {
    bool clickBusy = false;  // a board click is being handled
    bool turnEnding = false; // a bust, a won leg or the start is being announced: no dart now
    bool taking = false;     // darts from the inbox are being taken
    bool open = false;       // the bull-up has begun: the match takes darts
    int dartDepth = 0;       // darts being handled, one inside another for the computer
};

// The life of one match, and the rules that keep every flow of it safe. Each
// pause runs the event loop, in which anything may happen: New, a challenge,
// a dart from the other machine. So:
// - a match has a serial. Beginning, ending or abandoning a match changes it;
//   every flow of the match takes the serial when it starts and gives up as
//   soon as it has changed (stillOn, after each pause: pauseFor);
// - what belongs to one match goes with its serial: who throws for each
//   player (decided once, from the match's own settings, when it begins),
//   the guards of its turns and the darts from the other machine waiting
//   for it;
// - the end of a match is reported once, after the clean-up, to the handler
//   given when it began; a match abandoned reports nothing.
class MatchLife {
public:
    MatchLife(MatchState& match, MatchHost& host) : m_match(match), m_host(host) {}

    // A new match: a new serial, its end handler and its seats. Returns the serial.
    unsigned begin(MatchOverHandler onOver);
    // The match goes away unreported, and no match is running.
    void drop();
    // The match is decided (x01 or Cricket): it takes no more darts, and
    // whatever the game it is no longer played with the other machine.
    void decided();
    // Reports the end of the match of this serial, once, after its clean-up;
    // nothing when that match has already gone.
    void finish(unsigned serial, MatchResult result);
    // A correction: the flows under way (a call, a pause, the leg's
    // announcement) give up as if the match had been abandoned, but the
    // match goes on with its seats and its end handler.
    void rewind();

    unsigned serial() const { return m_serial; }
    bool stillOn(unsigned serial) const { return serial == m_serial; }
    // The same question, for one who asks it later (the referee inside a call).
    std::function<bool()> on(unsigned serial) const
    {
        return [this, serial] { return stillOn(serial); };
    }
    // The host's pause; whether the match of this serial is still on after it.
    bool pauseFor(unsigned serial, double seconds);

    TurnGuards& guards() { return m_guards; }
    const TurnGuards& guards() const { return m_guards; }
    // Darts from the other machine that the match could not take yet.
    std::deque<ReceivedDart>& inbox() { return m_inbox; }
    const std::deque<ReceivedDart>& inbox() const { return m_inbox; }

    // Raises a guard for the life of a scope, then puts back what it was;
    // when the match changed meanwhile the guard belongs to the next match
    // and is left alone.
    class Raise {
    public:
        Raise(MatchLife& life, bool TurnGuards::*guard)
            : m_life(life), m_guard(guard), m_old(life.m_guards.*guard), m_serial(life.m_serial)
        {
            m_life.m_guards.*m_guard = true;
        }
        ~Raise()
        {
            if (m_life.m_serial == m_serial)
                m_life.m_guards.*m_guard = m_old;
        }
        Raise(const Raise&) = delete;
        Raise& operator=(const Raise&) = delete;

    private:
        MatchLife& m_life;
        bool TurnGuards::*m_guard;
        bool m_old;
        unsigned m_serial;
    };

    // Counts a dart being handled for the life of a scope; like the guards,
    // the count belongs to one match.
    class DartInHand {
    public:
        explicit DartInHand(MatchLife& life) : m_life(life), m_serial(life.m_serial) { ++m_life.m_guards.dartDepth; }
        ~DartInHand()
        {
            if (m_life.m_serial == m_serial)
                --m_life.m_guards.dartDepth;
        }
        DartInHand(const DartInHand&) = delete;
        DartInHand& operator=(const DartInHand&) = delete;

    private:
        MatchLife& m_life;
        unsigned m_serial;
    };

private:
    // A new serial: the flows of the match before it give up at their next look.
    void nextSerial();

    MatchState& m_match;
    MatchHost& m_host;
    unsigned m_serial = 0; // changes when a match begins, ends or is abandoned
    TurnGuards m_guards;
    std::deque<ReceivedDart> m_inbox;
    MatchOverHandler m_onOver;
};

} // namespace vantorelle

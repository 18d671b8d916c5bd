#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "rules/records/record.h"
#include "rules/records/turn.h"

namespace vantorelle::records {

// Where the record of a match goes as it is played: the store of match
// records, a test's recorder, or nowhere. Each call is one step the store
// takes whole (a turn is one transaction); a false answer means the record
// cannot be kept, and the recorder stops handing it anything.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    // The match begins; its id in the store, or nothing.
    virtual std::optional<std::int64_t> beginMatch(const MatchRecord& match) = 0;
    virtual bool addTurn(std::int64_t id, const TurnRecord& turn) = 0;
    // The turns from this one on are taken back (a correction).
    virtual bool takeBackFrom(std::int64_t id, const TurnKey& first) = 0;
    // The match ended: match holds its outcome, winner, sets and legs.
    virtual void endMatch(std::int64_t id, const MatchRecord& match, const TurnRecord* inProgress) = 0;
};

// The record of the match being played, built as the match goes: a turn is
// handed to the sink as soon as it ends (its third dart, a bust, a checkout,
// a typed turn), the visit being thrown is kept in hand, and a scoreboard
// reads both. A correction rewinds to a mark taken before a dart, and the
// turns handed on since are taken back, so that the record is as if the
// darts undone had never been thrown.
class MatchRecorder {
public:
    explicit MatchRecorder(std::function<std::int64_t()> clock = {}) : m_clock(std::move(clock)) {}

    // Where the records go (nothing: they are only kept here).
    void setSink(RecordSink* sink) { m_sink = sink; }

    // A match begins: its record as the match knows it (players, game,
    // lengths, kind, career round).
    void begin(MatchRecord match);
    // A match is being recorded (begun, not yet ended).
    bool recording() const { return m_recording; }

    // A dart of an x01 visit; remainingBefore is the player's score at the
    // start of the visit. The visit ends with its third dart, a bust or a
    // checkout.
    void x01Dart(int player, int remainingBefore, const ThrownDart& dart);
    // A dart of any other game (Cricket); the visit ends with its third dart
    // or with the match.
    void plainDart(int player, const ThrownDart& dart);
    // The visit in hand ends before its third dart (a practice turn that
    // checked out or bust): it is booked as it is.
    void endVisit() { bookVisit(true); }
    // A turn a real-board player typed.
    void typed(int player, int remainingBefore, int darts, int score, int dartsAtDouble);

    // The match was won: the visit in hand (a Cricket winner's) is booked,
    // then the end. sets: as the scoreboard shows them.
    void finish(int winner, std::array<int, 2> sets);
    // A practice session reached its end with this result: the visit in
    // hand is booked, then the end.
    void finishPractice(double result);
    // The match was left: recorded as abandoned, with the sets won so far and
    // the visit in hand as a turn not finished.
    void abandon(std::array<int, 2> sets = {});

    const MatchRecord& match() const { return m_match; }
    // The turns booked so far, in order.
    const std::vector<TurnRecord>& turns() const { return m_turns; }
    // The visit being thrown: its player (0: none) and its darts so far.
    int visitPlayer() const { return m_visitPlayer; }
    const std::vector<ThrownDart>& visit() const { return m_visit; }
    // The visit in hand as the x01 rules score it (its darts' points and the
    // score left after each).
    TurnRecord visitSoFar() const;

    // A correction: where the record stood, and back to it.
    struct Mark {
        std::size_t turns = 0;
        std::vector<ThrownDart> visit;
        int visitPlayer = 0;
        int visitRemaining = 0;
        TurnCounter counter;
    };
    Mark mark() const { return {m_turns.size(), m_visit, m_visitPlayer, m_visitRemaining, m_counter}; }
    void rewind(const Mark& mark);

private:
    void book(const TurnRecord& turn);
    void bookVisit(bool complete);
    void end(Outcome outcome, int winner, std::array<int, 2> sets);
    std::int64_t now() const { return m_clock ? m_clock() : 0; }

    std::function<std::int64_t()> m_clock;
    RecordSink* m_sink = nullptr;
    bool m_recording = false;
    std::optional<std::int64_t> m_id; // in the sink; nothing once it cannot keep the record
    MatchRecord m_match;
    std::vector<TurnRecord> m_turns;
    TurnCounter m_counter;
    std::vector<ThrownDart> m_visit;
    int m_visitPlayer = 0;
    int m_visitRemaining = 0;
};

} // namespace vantorelle::records

#include "rules/records/recorder.h"

namespace vantorelle::records {

void MatchRecorder::begin(MatchRecord match)
{
    if (m_recording)
        abandon(); // a match left without a word is not carried into the next
    m_match = std::move(match);
    m_match.id = 0;
    m_match.started = now();
    m_match.ended = 0;
    m_match.outcome = Outcome::Playing;
    m_turns.clear();
    m_visit.clear();
    m_visitPlayer = 0;
    m_counter = TurnCounter(m_match.legsToWin);
    m_recording = true;
    m_id = m_sink ? m_sink->beginMatch(m_match) : std::nullopt;
    if (m_id)
        m_match.id = *m_id;
}

void MatchRecorder::book(const TurnRecord& turn)
{
    m_turns.push_back(turn);
    m_counter.add(turn);
    if (m_id && !m_sink->addTurn(*m_id, turn))
        m_id.reset(); // the store cannot keep it: the match goes on unrecorded
}

void MatchRecorder::bookVisit(bool complete)
{
    if (m_visit.empty())
        return;
    const TurnKey key = m_counter.next(m_visitPlayer);
    book(countsAsX01(m_match) ? x01Turn(key, m_visitRemaining, m_visit, complete) : plainTurn(key, m_visit, complete));
    m_visit.clear();
    m_visitPlayer = 0;
}

TurnRecord MatchRecorder::visitSoFar() const
{
    const TurnKey key = m_counter.next(m_visitPlayer == 0 ? 1 : m_visitPlayer);
    return countsAsX01(m_match) ? x01Turn(key, m_visitRemaining, m_visit, false) : plainTurn(key, m_visit, false);
}

void MatchRecorder::x01Dart(int player, int remainingBefore, const ThrownDart& dart)
{
    if (!m_recording)
        return;
    // A dart of the other player closes a visit left open (never in a match
    // played by its rules; kept safe all the same).
    if (m_visitPlayer != 0 && m_visitPlayer != player)
        bookVisit(true);
    if (m_visit.empty()) {
        m_visitPlayer = player;
        m_visitRemaining = remainingBefore;
    }
    m_visit.push_back(dart);
    const TurnRecord turn = x01Turn(m_counter.next(player), m_visitRemaining, m_visit);
    if (turn.darts == 3 || turn.bust || turn.checkout) {
        m_visit.clear();
        m_visitPlayer = 0;
        book(turn);
    }
}

void MatchRecorder::plainDart(int player, const ThrownDart& dart)
{
    if (!m_recording)
        return;
    if (m_visitPlayer != 0 && m_visitPlayer != player)
        bookVisit(true);
    m_visitPlayer = player;
    m_visitRemaining = 0;
    m_visit.push_back(dart);
    if (m_visit.size() == 3)
        bookVisit(true);
}

void MatchRecorder::typed(int player, int remainingBefore, int darts, int score, int dartsAtDouble)
{
    if (!m_recording)
        return;
    bookVisit(true);
    book(typedTurn(m_counter.next(player), remainingBefore, darts, score, dartsAtDouble));
}

void MatchRecorder::end(Outcome outcome, int winner, std::array<int, 2> sets)
{
    m_match.outcome = outcome;
    m_match.winner = winner;
    m_match.ended = now();
    m_match.sets = sets;
    m_match.legs = {};
    for (const TurnRecord& t : m_turns)
        if (t.checkout)
            ++m_match.legs[t.key.player == 2 ? 1 : 0];
    m_recording = false;
}

void MatchRecorder::finish(int winner, std::array<int, 2> sets)
{
    if (!m_recording)
        return;
    bookVisit(true);
    end(Outcome::Finished, winner, sets);
    if (m_id)
        m_sink->endMatch(*m_id, m_match, nullptr);
    m_id.reset();
}

void MatchRecorder::finishPractice(double result)
{
    if (!m_recording)
        return;
    bookVisit(true);
    m_match.practiceResult = result;
    end(Outcome::Finished, 0, {});
    if (m_id)
        m_sink->endMatch(*m_id, m_match, nullptr);
    m_id.reset();
}

void MatchRecorder::abandon(std::array<int, 2> sets)
{
    if (!m_recording)
        return;
    std::optional<TurnRecord> inProgress;
    if (!m_visit.empty())
        inProgress = visitSoFar();
    end(Outcome::Abandoned, 0, sets);
    if (m_id)
        m_sink->endMatch(*m_id, m_match, inProgress ? &*inProgress : nullptr);
    m_id.reset();
    m_visit.clear();
    m_visitPlayer = 0;
}

void MatchRecorder::rewind(const Mark& mark)
{
    if (!m_recording || mark.turns > m_turns.size())
        return;
    if (mark.turns < m_turns.size() && m_id &&
        !m_sink->takeBackFrom(*m_id, m_turns[mark.turns].key))
        m_id.reset();
    m_turns.resize(mark.turns);
    m_counter = mark.counter;
    m_visit = mark.visit;
    m_visitPlayer = mark.visitPlayer;
    m_visitRemaining = mark.visitRemaining;
}

} // namespace vantorelle::records

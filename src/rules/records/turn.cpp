#include "rules/records/turn.h"

#include "rules/match/bed.h"

namespace vantorelle::records {

namespace {

DartRecord fromThrown(const ThrownDart& t, int number)
{
    DartRecord d;
    d.number = number;
    d.aimed = t.aimed;
    d.aimX = t.aimed ? t.aimX : 0;
    d.aimY = t.aimed ? t.aimY : 0;
    d.aimBed = t.aimBed;
    d.x = t.x;
    d.y = t.y;
    d.bed = t.bed;
    d.bounceOut = t.bounceOut;
    d.points = bedValue(t.bed);
    return d;
}

} // namespace

TurnRecord x01Turn(const TurnKey& key, int remainingBefore, std::span<const ThrownDart> darts, bool ended)
{
    TurnRecord turn;
    turn.key = key;
    turn.remainingBefore = remainingBefore;
    turn.complete = ended;
    int total = 0;
    for (const ThrownDart& t : darts) {
        if (turn.dartList.size() == 3 || turn.bust || turn.checkout)
            break;
        DartRecord d = fromThrown(t, static_cast<int>(turn.dartList.size()) + 1);
        d.remainingBefore = remainingBefore - total;
        d.atDouble = isDartAtDouble(d.remainingBefore);
        total += d.points;
        if (total > remainingBefore || total == remainingBefore - 1 ||
            (total == remainingBefore && !isFinishingBed(d.bed))) {
            d.bust = true;
            d.remainingAfter = remainingBefore; // the whole turn counts for nothing
            turn.bust = true;
        } else {
            d.remainingAfter = remainingBefore - total;
            d.checkout = total == remainingBefore;
            turn.checkout = d.checkout;
        }
        turn.dartsAtDouble += d.atDouble ? 1 : 0;
        turn.dartList.push_back(std::move(d));
    }
    turn.darts = static_cast<int>(turn.dartList.size());
    turn.score = turn.bust ? 0 : total;
    return turn;
}

TurnRecord typedTurn(const TurnKey& key, int remainingBefore, int darts, int score, int dartsAtDouble)
{
    TurnRecord turn;
    turn.key = key;
    turn.typed = true;
    turn.remainingBefore = remainingBefore;
    turn.darts = darts;
    turn.score = score;
    turn.dartsAtDouble = dartsAtDouble;
    turn.checkout = score > 0 && score == remainingBefore;
    return turn;
}

TurnRecord plainTurn(const TurnKey& key, std::span<const ThrownDart> darts, bool ended)
{
    TurnRecord turn;
    turn.key = key;
    turn.complete = ended;
    for (const ThrownDart& t : darts) {
        if (turn.dartList.size() == 3)
            break;
        turn.dartList.push_back(fromThrown(t, static_cast<int>(turn.dartList.size()) + 1));
        turn.score += turn.dartList.back().points;
    }
    turn.darts = static_cast<int>(turn.dartList.size());
    return turn;
}

TurnKey TurnCounter::next(int player) const
{
    const std::size_t i = player == 2 ? 1 : 0;
    return {player == 2 ? 2 : 1, m_now.set, m_now.leg, m_now.turnsInLeg[i] + 1};
}

void TurnCounter::add(const TurnRecord& turn)
{
    const std::size_t i = turn.key.player == 2 ? 1 : 0;
    m_booked.emplace_back(static_cast<int>(i) + 1, turn.checkout);
    ++m_now.turnsInLeg[i];
    if (!turn.checkout)
        return;
    ++m_now.leg;
    m_now.turnsInLeg = {};
    if (++m_now.legsInSet[i] >= m_legsToWin) {
        ++m_now.set;
        m_now.legsInSet = {};
    }
}

void TurnCounter::takeBack(std::size_t n)
{
    m_booked.resize(m_booked.size() > n ? m_booked.size() - n : 0);
    m_now = replay();
}

TurnCounter::Position TurnCounter::replay() const
{
    TurnCounter again(m_legsToWin);
    for (const auto& [player, checkout] : m_booked) {
        TurnRecord t;
        t.key.player = player;
        t.checkout = checkout;
        again.add(t);
    }
    return again.m_now;
}

} // namespace vantorelle::records

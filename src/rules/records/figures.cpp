#include "rules/records/figures.h"

#include <algorithm>

#include "rules/match/bed.h"

namespace vantorelle::records {

namespace {

std::optional<double> ratio(int top, int bottom, double scale)
{
    if (bottom <= 0)
        return std::nullopt;
    return static_cast<double>(top) / bottom * scale;
}

// Index into PlayerFigures::doubles of the double a score asks for; -1 when
// one dart cannot finish it.
int doubleIndex(int remaining)
{
    if (remaining == 50)
        return kBullDouble;
    return isDartAtDouble(remaining) ? remaining / 2 - 1 : -1;
}

void countTurnScore(PlayerFigures& f, int score)
{
    if (score == 180)
        ++f.turns180;
    else if (score >= 140)
        ++f.turns140;
    else if (score >= 100)
        ++f.turns100;
    else if (score >= 60)
        ++f.turns60;
}

// The x01 part: every complete turn of the match, leg by leg.
void countX01(PlayerFigures& f, const MatchRecord& match, std::span<const TurnRecord> turns, int player)
{
    const int start = startScore(match.game);
    // Darts of the player in the leg being read; a leg is known by its number.
    int leg = 0;
    int legDarts = 0;
    for (const TurnRecord& t : turns) {
        if (!t.complete)
            continue;
        if (t.key.leg != leg) {
            leg = t.key.leg;
            legDarts = 0;
        }
        if (t.key.player != player) {
            f.legsLost += t.checkout ? 1 : 0;
            continue;
        }
        f.darts += t.darts;
        f.points += t.score;
        legDarts += t.darts;
        if (t.key.turn <= 3) {
            f.firstNineDarts += t.darts;
            f.firstNinePoints += t.score;
        }
        f.dartsAtDouble += t.dartsAtDouble;
        countTurnScore(f, t.score);
        for (const DartRecord& d : t.dartList) {
            if (!d.atDouble)
                continue;
            const int i = doubleIndex(d.remainingBefore);
            if (i < 0)
                continue;
            DoubleTries& tries = f.doubles[static_cast<std::size_t>(i)];
            ++tries.darts;
            tries.hits += d.bed == doubleFor(d.remainingBefore) ? 1 : 0;
        }
        if (t.checkout) {
            ++f.legsWon;
            f.dartsInLegsWon += legDarts;
            f.highestCheckout = std::max(f.highestCheckout, t.score);
            auto [it, fresh] = f.bestLeg.try_emplace(start, legDarts);
            if (!fresh)
                it->second = std::min(it->second, legDarts);
        }
    }
}

} // namespace

PlayerFigures& PlayerFigures::operator+=(const PlayerFigures& o)
{
    matches += o.matches;
    matchesWon += o.matchesWon;
    matchesLost += o.matchesLost;
    for (std::size_t c = 0; c < vsComputer.size(); ++c) {
        vsComputer[c].won += o.vsComputer[c].won;
        vsComputer[c].lost += o.vsComputer[c].lost;
    }
    darts += o.darts;
    points += o.points;
    firstNineDarts += o.firstNineDarts;
    firstNinePoints += o.firstNinePoints;
    legsWon += o.legsWon;
    legsLost += o.legsLost;
    dartsInLegsWon += o.dartsInLegsWon;
    dartsAtDouble += o.dartsAtDouble;
    highestCheckout = std::max(highestCheckout, o.highestCheckout);
    for (const auto& [start, fewest] : o.bestLeg) {
        auto [it, fresh] = bestLeg.try_emplace(start, fewest);
        if (!fresh)
            it->second = std::min(it->second, fewest);
    }
    turns60 += o.turns60;
    turns100 += o.turns100;
    turns140 += o.turns140;
    turns180 += o.turns180;
    for (std::size_t i = 0; i < doubles.size(); ++i) {
        doubles[i].darts += o.doubles[i].darts;
        doubles[i].hits += o.doubles[i].hits;
    }
    return *this;
}

std::optional<double> PlayerFigures::average() const
{
    return ratio(points, darts, 3);
}

std::optional<double> PlayerFigures::firstNineAverage() const
{
    return ratio(firstNinePoints, firstNineDarts, 3);
}

std::optional<double> PlayerFigures::checkoutPercent() const
{
    return ratio(legsWon, dartsAtDouble, 100);
}

std::optional<double> PlayerFigures::dartsPerLegWon() const
{
    return ratio(dartsInLegsWon, legsWon, 1);
}

std::optional<int> PlayerFigures::bestLegFrom(int start) const
{
    const auto it = bestLeg.find(start);
    return it == bestLeg.end() ? std::nullopt : std::optional<int>(it->second);
}

PlayerFigures figuresFor(const MatchRecord& match, std::span<const TurnRecord> turns, int player)
{
    PlayerFigures f;
    if (match.kind == MatchKind::Practice || (player != 1 && player != 2))
        return f;
    if (match.outcome != Outcome::Playing)
        ++f.matches;
    if (match.outcome == Outcome::Finished && (match.winner == 1 || match.winner == 2)) {
        const bool won = match.winner == player;
        ++(won ? f.matchesWon : f.matchesLost);
        const RecordPlayer& other = match.player(player == 1 ? 2 : 1);
        if (other.kind == PlayerKind::Computer && other.computerClass >= 0 && other.computerClass <= 3) {
            WonLost& wl = f.vsComputer[static_cast<std::size_t>(other.computerClass)];
            ++(won ? wl.won : wl.lost);
        }
    }
    if (countsAsX01(match))
        countX01(f, match, turns, player);
    return f;
}

PlayerFigures combine(std::span<const PlayerMatch> matches)
{
    PlayerFigures sum;
    for (const PlayerMatch& m : matches)
        sum += m.figures;
    return sum;
}

} // namespace vantorelle::records

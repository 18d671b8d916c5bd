#pragma once
// Matches made for the tests and benchmarks of the records: turn by turn from
// bed codes, or whole matches played by a simple seeded throw model.
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/records/record.h"
#include "rules/records/turn.h"

namespace vantorelle::records::testing {

inline std::vector<ThrownDart> darts(std::initializer_list<const char*> beds)
{
    std::vector<ThrownDart> out;
    for (const char* bed : beds) {
        ThrownDart d;
        d.bed = bed;
        const auto at = GetCoords(bed);
        d.aimed = at.has_value();
        if (at) {
            d.aimX = d.x = at->x;
            d.aimY = d.y = at->y;
            d.aimBed = bed;
        }
        out.push_back(d);
    }
    return out;
}

// Plays an x01 or Cricket match turn by turn, keeping the scores left.
class MatchBuilder {
public:
    explicit MatchBuilder(std::string game = "501", int legsToWin = 1, int setsToWin = 1) : counter(legsToWin)
    {
        match.game = std::move(game);
        match.legsToWin = legsToWin;
        match.setsToWin = setsToWin;
        match.started = 1714591800;
        match.players[0] = {"Ann Lee", PlayerKind::Screen, kNoClass};
        match.players[1] = {"Bob Kay", PlayerKind::Screen, kNoClass};
        remaining = {startScore(match.game), startScore(match.game)};
    }

    MatchBuilder& thrown(int player, const std::vector<ThrownDart>& ds)
    {
        if (startScore(match.game) > 0)
            return book(x01Turn(counter.next(player), left(player), ds));
        return book(plainTurn(counter.next(player), ds));
    }
    MatchBuilder& thrown(int player, std::initializer_list<const char*> beds) { return thrown(player, darts(beds)); }
    MatchBuilder& typed(int player, int n, int score, int atDouble)
    {
        return book(typedTurn(counter.next(player), left(player), n, score, atDouble));
    }
    // The match ends with its winner (sets and legs from the checkouts).
    MatchBuilder& finish(int winner)
    {
        match.outcome = Outcome::Finished;
        match.winner = winner;
        match.ended = match.started + 1200;
        return *this;
    }
    int& left(int player) { return remaining[player == 2 ? 1 : 0]; }

    MatchRecord match;
    std::vector<TurnRecord> turns;
    TurnCounter counter;
    std::array<int, 2> remaining;

private:
    MatchBuilder& book(TurnRecord t)
    {
        counter.add(t);
        if (t.checkout) {
            remaining = {startScore(match.game), startScore(match.game)};
            ++match.legs[t.key.player == 2 ? 1 : 0];
        } else if (startScore(match.game) > 0) {
            left(t.key.player) -= t.score;
        }
        turns.push_back(std::move(t));
        return *this;
    }
};

// Where a simple player aims with this score left: the treble 20 from afar, a
// single that leaves a double, the double, the bull from 50.
inline std::string aimFor(int left)
{
    if (left > 60 || left == 59)
        return left > 100 || left % 2 == 0 ? "T20" : "T19";
    if (isDartAtDouble(left))
        return doubleFor(left);
    if (left > 40)
        return makeBed('S', left - 40 <= 20 ? left - 40 : 20);
    return makeBed('S', left % 2 == 1 ? 1 : 2);
}

// A whole x01 match between two players of spread sigma (board units), the
// darts landing around the aim point by a normal spread: plausible averages
// from about 30 (sigma 400) to about 90 (sigma 110).
inline MatchBuilder playMatch(std::mt19937_64& gen, const std::string& game, int legsToWin, int setsToWin,
                              std::array<double, 2> sigma)
{
    MatchBuilder b(game, legsToWin, setsToWin);
    std::normal_distribution<double> n(0, 1);
    std::array<int, 2> sets{};
    int legsInSet[2] = {0, 0};
    int starter = 1;
    int player = 1;
    while (sets[0] < setsToWin && sets[1] < setsToWin) {
        std::vector<ThrownDart> ds;
        int left = b.left(player);
        for (int k = 0; k < 3; ++k) {
            ThrownDart d;
            d.aimBed = aimFor(left);
            const Point aim = *GetCoords(d.aimBed);
            d.aimed = true;
            d.aimX = aim.x;
            d.aimY = aim.y;
            const double s = sigma[static_cast<std::size_t>(player - 1)];
            d.x = aim.x + static_cast<int>(std::lround(n(gen) * s));
            d.y = aim.y + static_cast<int>(std::lround(n(gen) * s));
            d.bed = bedAt(d.x, d.y);
            ds.push_back(d);
            const int after = left - bedValue(d.bed);
            if (after < 2 && !(after == 0 && isFinishingBed(d.bed)))
                break; // bust
            left = after;
            if (left == 0)
                break;
        }
        b.thrown(player, ds);
        const TurnRecord& t = b.turns.back();
        if (t.checkout) {
            const int i = player - 1;
            if (++legsInSet[i] == legsToWin) {
                ++sets[static_cast<std::size_t>(i)];
                legsInSet[0] = legsInSet[1] = 0;
            }
            starter = starter == 1 ? 2 : 1;
            player = starter;
        } else {
            player = player == 1 ? 2 : 1;
        }
    }
    b.match.sets = sets;
    b.finish(sets[0] == setsToWin ? 1 : 2);
    return b;
}

} // namespace vantorelle::records::testing

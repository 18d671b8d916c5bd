#include "rules/records/charts.h"

#include <algorithm>

#include "rules/career/roster.h"
#include "rules/persistence/historyfile.h"

namespace vantorelle::records {

namespace {

constexpr std::array<std::string_view, 9> kStageOrder{"Q1", "Q2", "Q3", "EL", "F1", "F2", "F3", "F4", "F5"};

int stageRank(std::string_view stage)
{
    const auto it = std::find(kStageOrder.begin(), kStageOrder.end(), stage);
    return it == kStageOrder.end() ? -1 : static_cast<int>(it - kStageOrder.begin());
}

// The history file's words by final-32 slots: losing in F1 is ROUND 1, winning
// the F5 final is CHAMPION; in qualifying only winning the EL reaches ROUND 1.
std::string resultAfter(int rank, bool won)
{
    constexpr int kF1 = 4;
    int slots = 0;
    if (rank >= kF1)
        slots = rank - kF1 + 1 + (won ? 1 : 0);
    else if (rank == kF1 - 1 && won)
        slots = 1;
    return resultWord(slots);
}

template <class T, class Key> std::vector<const T*> inPlayOrder(std::span<const T> items, Key key)
{
    std::vector<const T*> order;
    order.reserve(items.size());
    for (const T& item : items)
        order.push_back(&item);
    std::stable_sort(order.begin(), order.end(), [&](const T* a, const T* b) {
        const MatchRecord& ma = key(*a);
        const MatchRecord& mb = key(*b);
        return ma.started != mb.started ? ma.started < mb.started : ma.id < mb.id;
    });
    return order;
}

} // namespace

std::vector<TrendPoint> trend(std::span<const PlayerMatch> matches)
{
    std::vector<TrendPoint> points;
    for (const PlayerMatch* m :
         inPlayOrder(matches, [](const PlayerMatch& p) -> const MatchRecord& { return p.match; })) {
        const auto average = m->figures.average();
        if (!average)
            continue;
        points.push_back({m->match.id, m->match.started, *average, m->figures.checkoutPercent()});
    }
    return points;
}

std::optional<std::array<int, 2>> HeatMap::cellOf(int x, int y)
{
    const long dx = static_cast<long>(x) - kLeft;
    const long dy = static_cast<long>(y) - kLeft;
    if (dx < 0 || dy < 0 || dx >= kSpan || dy >= kSpan)
        return std::nullopt;
    return std::array<int, 2>{static_cast<int>(dx * kCells / kSpan), static_cast<int>(dy * kCells / kSpan)};
}

HeatMap heatMap(std::span<const HeatDart> darts, std::string_view aimedBed)
{
    HeatMap map;
    for (const HeatDart& d : darts) {
        if (!aimedBed.empty() && d.aimBed != aimedBed)
            continue;
        const auto cell = HeatMap::cellOf(d.x, d.y);
        if (!cell) {
            ++map.outside;
            continue;
        }
        int& n = map.counts[static_cast<std::size_t>((*cell)[1] * HeatMap::kCells + (*cell)[0])];
        map.highest = std::max(map.highest, ++n);
        ++map.total;
    }
    return map;
}

std::vector<TournamentForm> careerForm(std::span<const PlayerMatch> matches, std::string_view careerPlayer)
{
    const std::string who = upperCase(careerPlayer);
    std::vector<TournamentForm> form;
    PlayerFigures figures; // of the tournament being read
    int furthest = -1;     // its furthest round so far
    bool wonFurthest = false;
    int lastRank = -1;
    auto close = [&] {
        if (form.empty())
            return;
        form.back().average = figures.average();
        form.back().furthestStage = std::string(kStageOrder[static_cast<std::size_t>(furthest)]);
        form.back().result = resultAfter(furthest, wonFurthest);
    };
    for (const PlayerMatch* m :
         inPlayOrder(matches, [](const PlayerMatch& p) -> const MatchRecord& { return p.match; })) {
        const MatchRecord& match = m->match;
        if (match.kind != MatchKind::Career || !match.career || upperCase(match.career->player) != who ||
            upperCase(match.player(m->player).name) != who)
            continue;
        const int rank = stageRank(match.career->stage);
        if (rank < 0)
            continue;
        if (form.empty() || form.back().tournamentNo != match.career->tournamentNo || rank < lastRank) {
            close();
            form.push_back({match.career->tournamentNo, match.career->tournament, match.started, 0, {}, {}, {}});
            figures = {};
            furthest = -1;
        }
        lastRank = rank;
        ++form.back().matches;
        figures += m->figures;
        const bool won = match.outcome == Outcome::Finished && match.winner == m->player;
        if (rank > furthest || (rank == furthest && won)) {
            furthest = rank;
            wonFurthest = won;
        }
    }
    close();
    return form;
}

bool lowerIsBetter(std::string_view game)
{
    return game.starts_with("CLOCK");
}

std::map<std::string, std::vector<PracticeResult>> practiceHistory(std::span<const MatchRecord> matches)
{
    std::map<std::string, std::vector<PracticeResult>> history;
    for (const MatchRecord* m : inPlayOrder(matches, [](const MatchRecord& r) -> const MatchRecord& { return r; })) {
        if (m->kind != MatchKind::Practice || m->outcome != Outcome::Finished || !m->practiceResult)
            continue;
        history[m->game].push_back({m->id, m->started, *m->practiceResult});
    }
    return history;
}

std::map<std::string, PracticeResult> personalBests(std::span<const MatchRecord> matches)
{
    std::map<std::string, PracticeResult> bests;
    for (const auto& [game, results] : practiceHistory(matches)) {
        const bool lower = lowerIsBetter(game);
        // A 121 session that checked nothing out is no best to beat.
        const bool needsPoints = game.starts_with("121");
        const PracticeResult* best = nullptr;
        for (const PracticeResult& r : results) {
            if (needsPoints && r.result <= 0)
                continue;
            if (!best || (lower ? r.result < best->result : r.result > best->result))
                best = &r;
        }
        if (best)
            bests.emplace(game, *best);
    }
    return bests;
}

} // namespace vantorelle::records

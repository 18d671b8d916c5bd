// How the computer plays darts: many simulated legs with the real rules and
// throw model, reporting the three-dart average, the checkout rate (doubles hit
// per dart at a double) and darts per leg won. Player 1's darts all miss, so
// every leg is the computer's, and no pressure comes from the opponent's score.
#include <benchmark/benchmark.h>
#include <fstream>

#include "rules/career/roster.h"
#include "rules/opponent/computer.h"
#include "support/silenthost.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

std::vector<std::string> shippedRoster()
{
    std::ifstream in(VANTORELLE_ASSETS "/Data/Stats.dat", std::ios::binary);
    return readRoster(in).roster.lines;
}

void report(benchmark::State& state, const ComputerRecord& rec)
{
    state.counters["average"] = rec.average();
    state.counters["checkout_pct"] = rec.checkoutPercent();
    state.counters["darts_per_leg"] = rec.dartsPerLeg();
    state.counters["legs"] = static_cast<double>(rec.doublesHit);
}

} // namespace

// Arg: class 1 BEGINNER .. 4 PRO, each match against an opponent drawn for
// the class, until 1,000 legs are done.
static void BM_ComputerLegs(benchmark::State& state)
{
    const int cls = static_cast<int>(state.range(0));
    const auto roster = shippedRoster();
    ComputerRecord rec;
    double rankSum = 0;
    int matches = 0;
    for (auto _ : state) {
        Rng rng(1000 + static_cast<std::uint64_t>(cls));
        while (rec.doublesHit < 1000) {
            const std::string name = GetOpponent(roster, cls, false, rng);
            rankSum += GetRank(roster, name);
            ++matches;
            playComputerMatch(roster, name, cls - 1, rng, rec);
        }
    }
    report(state, rec);
    state.counters["mean_rank"] = rankSum / matches;
}
BENCHMARK(BM_ComputerLegs)->DenseRange(1, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

// One computer player. Args: rank, difficulty (0 BEGINNER .. 3 PRO).
static void BM_ComputerByRank(benchmark::State& state)
{
    const auto roster = shippedRoster();
    const std::string name = rosterName(roster[static_cast<std::size_t>(state.range(0) - 1)]);
    ComputerRecord rec;
    for (auto _ : state) {
        Rng rng(7);
        while (rec.doublesHit < 1000)
            playComputerMatch(roster, name, static_cast<int>(state.range(1)), rng, rec);
    }
    report(state, rec);
}
BENCHMARK(BM_ComputerByRank)->Args({5, 3})->Args({50, 2})->Args({150, 0})->Iterations(1)->Unit(benchmark::kMillisecond);

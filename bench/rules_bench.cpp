#include <benchmark/benchmark.h>

#include "rules/match/board.h"
#include "rules/match/matchengine.h"
#include "rules/match/throwmodel.h"

using namespace vantorelle;

// Scoring a landing point: every dart of the game goes through it.
static void BM_GetScore(benchmark::State& state)
{
    Rng rng(1);
    int x = 600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetScore(x, 2595 - (x & 1023), false, rng));
        x = x >= 4600 ? 600 : x + 7;
    }
}
BENCHMARK(BM_GetScore);

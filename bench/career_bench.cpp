// The career's figures: a whole tournament of each format, a whole season,
// and a career save (atomic) with the file read back.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>

#include "platform/disk.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/rankings.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;

namespace {

CareerState freshCareer(int tournamentNo)
{
    std::ifstream in(VANTORELLE_ASSETS "/Data/Stats.dat", std::ios::binary);
    const RosterFile file = readRoster(in).roster;
    CareerState s;
    s.bytClass = 4;
    s.matchLength = 1;
    s.tournamentNo = tournamentNo;
    NewCareer(s, file, "Ivo", "Quillfeather", "WAL", false, 60);
    return s;
}

// One tournament from the calendar's CONTINUE to its points; the career
// player loses his matches at once.
void playTournament(CareerState& s, Rng& rng)
{
    StartTournament(s);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    for (int press = 0; press < 40; ++press) {
        DrawStep step = ContinueDraw(s, rosters, true, rng);
        if (step.careerMatch) {
            rosters.strWinner = step.careerMatch->player2;
            step = HumanMatchTick(s, rosters, true);
        }
        if (step.end)
            return;
    }
}

} // namespace

// Tournament 1 (standard), 3 (masters), 6 and 12 (championship).
static void BM_Tournament(benchmark::State& state)
{
    const CareerState start = freshCareer(static_cast<int>(state.range(0)));
    Rng rng(7);
    for (auto _ : state) {
        CareerState s = start;
        playTournament(s, rng);
        benchmark::DoNotOptimize(s.roster.data());
    }
}
BENCHMARK(BM_Tournament)->Arg(1)->Arg(3)->Arg(6)->Arg(12)->Unit(benchmark::kMicrosecond);

static void BM_Season(benchmark::State& state)
{
    const CareerState start = freshCareer(1);
    Rng rng(7);
    for (auto _ : state) {
        CareerState s = start;
        for (int t = 0; t < 12; ++t) {
            playTournament(s, rng);
            benchmark::DoNotOptimize(BookFinishedTournament(s, "08/12/2026"));
        }
    }
}
BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond);

// A career in the middle of a tournament written atomically, then read back.
static void BM_SaveCareerAndReadBack(benchmark::State& state)
{
    CareerState s = freshCareer(1);
    Rng rng(3);
    StartTournament(s);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    ContinueDraw(s, rosters, false, rng);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("Ivo Quillfeather.car")).toStdString();
    std::array<int, 8> stats{};
    for (auto _ : state) {
        if (!saveTextFile(path, SaveCareer(s, stats)))
            state.SkipWithError("the save failed");
        benchmark::DoNotOptimize(readTextFile(path));
    }
}
BENCHMARK(BM_SaveCareerAndReadBack)->Unit(benchmark::kMillisecond);

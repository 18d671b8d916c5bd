// The match records: a turn recorded on a file on disk, and the statistics
// window's reads, first paint and heat map over a store of ten thousand matches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>
#include <QTabWidget>

#include "platform/matchstore.h"
#include "platform/storesink.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/match/matchengine.h"
#include "support/silenthost.h"
#include "qt/records/frmRecords.h"
#include "qt/records/heatmapwidget.h"
#include "qt/records/recordsexport.h"
#include "records/storehelpers.h"
#include "rules/records/charts.h"

using namespace vantorelle;
using namespace vantorelle::records;
using namespace vantorelle::records::testing;

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void percentiles(benchmark::State& state, std::vector<double> us, const std::string& what)
{
    std::sort(us.begin(), us.end());
    state.counters[what + "_median_us"] = us[us.size() / 2];
    state.counters[what + "_p99_us"] = us[us.size() * 99 / 100];
    state.counters[what + "_worst_us"] = us.back();
    state.counters[what + "s_over_1ms"] =
        static_cast<double>(us.end() - std::upper_bound(us.begin(), us.end(), 1000.0));
}

// A plausible match: 501, best of three or five legs, two players of
// different strength, against the computer one time in three.
MatchBuilder generated(std::mt19937_64& gen, int i)
{
    const std::array<double, 4> sigmas{380.0, 260.0, 180.0, 120.0};
    MatchBuilder b = playMatch(gen, i % 7 == 0 ? "301" : "501", i % 2 ? 3 : 2, 1,
                               {sigmas[static_cast<std::size_t>(i % 4)], sigmas[static_cast<std::size_t>(i / 4 % 4)]});
    b.match.started = 1600000000 + i * 3600LL;
    b.match.ended = b.match.started + 1800;
    if (i % 3 == 0)
        b.match.players[1] = {"Computer", PlayerKind::Computer, i / 3 % 4};
    else
        b.match.players[1].name = "Rival " + std::to_string(i % 40);
    return b;
}

// The store of 10,000 matches, made once per run (in memory-backed storage
// when there is some: only the reads are measured on it).
struct BigStore {
    std::filesystem::path folder;
    std::string file;
    std::size_t darts = 0;
    double seconds = 0;
    BigStore()
    {
        folder = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        folder /= "vantorelle-records-bench-" + std::to_string(getpid());
        std::filesystem::create_directories(folder);
        file = (folder / "Records.db").string();
        const auto start = Clock::now();
        MatchStore store;
        if (!store.open(file))
            return;
        std::mt19937_64 gen(2024);
        for (int i = 0; i < 10000; ++i) {
            MatchBuilder b = generated(gen, i);
            for (const auto& t : b.turns)
                darts += t.dartList.size();
            record(store, b);
        }
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    ~BigStore() { std::filesystem::remove_all(folder); }
};

BigStore& bigStore()
{
    static BigStore store;
    return store;
}

} // namespace

// One turn of three darts recorded: 10,000 of them in matches of their own,
// on a file on disk. Every figure is of a single addTurn; the end of each
// match (it writes the WAL through to the file) is counted apart.
static void BM_RecordTurn(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / ("vantorelle-turns-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        MatchStore store;
        store.open((folder / "Records.db").string());
        std::mt19937_64 gen(1);
        std::vector<double> turns, ends;
        for (int i = 0; turns.size() < 10000; ++i) {
            MatchBuilder b = generated(gen, i);
            const auto id = store.beginMatch(b.match);
            for (const auto& t : b.turns) {
                if (t.darts != 3 || turns.size() >= 10000)
                    continue;
                const auto start = Clock::now();
                store.addTurn(id.value, t);
                turns.push_back(micros(Clock::now() - start));
            }
            const auto start = Clock::now();
            store.finishMatch(id.value, {b.match.ended, b.match.winner, b.match.sets, b.match.legs, std::nullopt});
            ends.push_back(micros(Clock::now() - start));
        }
        if (!store.canRecord())
            state.SkipWithError(store.problem().c_str());
        percentiles(state, turns, "turn");
        percentiles(state, ends, "match_end");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordTurn)->Iterations(1)->Unit(benchmark::kMillisecond);

// A dart thrown in a match being played and recorded, as the window's thread
// pays for it: the match's own booking of the dart, its record, and at the
// end of each visit the turn written to the store on disk (the recorder and
// the store the running game uses). 10,000 darts of two players at real
// boards who hit what they aim at seven times in ten, in matches of first to
// three legs of 501.
static void BM_RecordedDartInPlay(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / ("vantorelle-darts-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        MatchStore store;
        store.open((folder / "Records.db").string());
        store.setCheckpointAtEnds(false); // as the game runs it: written through a moment later
        StoreSink sink(store);
        records::MatchRecorder recorder([] { return std::int64_t{1700000000}; });
        recorder.setSink(&sink);
        GameState st;
        // Both bull-up darts come as the host waits for them.
        struct BothBullUps : vantorelle::testing::SilentHost {
            void waitForEvents() override
            {
                if (st->match.blnBullUp)
                    engine->ThrowDart(2600, st->match.currentPlayer == 1 ? 4000 : 3000);
            }
        } host;
        Rng rng(5);
        MatchEngine engine(st, host, rng);
        host.engine = &engine;
        host.st = &st;
        engine.setRecorder(&recorder);
        std::vector<double> darts;
        std::mt19937_64 gen(2);
        const auto beds = aimCodes();
        while (darts.size() < 10000) {
            st.match.numberOfPlayers = 2;
            st.match.player(1).name = "NIA QUARRELL";
            st.match.player(2).name = "TOMAS VELL";
            st.match.player(1).realBoard = st.match.player(2).realBoard = true;
            st.match.intStartScore = 501;
            st.match.bytLegsToWin = 3;
            st.match.bytSetstoWin = 1;
            engine.StartGame();
            while (!st.match.blnStopped && darts.size() < 10000) {
                // A fair player: the right bed seven darts in ten, any other the rest.
                const int p = st.match.currentPlayer;
                const int left = st.match.player(p).score - st.match.bytTurnScore;
                std::string bed = left > 60 ? "T20" : left == 50 ? "S50" : left % 2 == 0 && left <= 40 ? makeBed('D', left / 2)
                                                                                                  : makeBed('S', left > 40 ? left - 40 : 1);
                if (gen() % 10 >= 7)
                    bed = beds[gen() % beds.size()];
                const auto at = GetCoords(bed);
                const auto start = Clock::now();
                engine.ThrowDart(at->x, at->y);
                darts.push_back(micros(Clock::now() - start));
            }
            engine.abandon();
            store.checkpointNow(); // the moment later, not timed
        }
        if (sink.failed())
            state.SkipWithError("the store failed");
        percentiles(state, darts, "dart");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordedDartInPlay)->Iterations(1)->Unit(benchmark::kMillisecond);

// "All" of one player over 10,000 matches: the stored figures loaded,
// combined, and the trend drawn from them.
static void BM_RecordsAllFigures(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto loaded = store.figures({"Ann Lee", Period::All, 0, std::nullopt});
        const PlayerFigures all = combine(loaded.value);
        benchmark::DoNotOptimize(all);
        benchmark::DoNotOptimize(trend(loaded.value));
        rows = loaded.value.size();
    }
    state.counters["matches"] = static_cast<double>(rows);
    state.counters["darts_in_store"] = static_cast<double>(big.darts);
    state.counters["MB_per_1000_matches"] = static_cast<double>(std::filesystem::file_size(big.file)) / 1e6 / 10;
    state.counters["build_s"] = big.seconds;
}
BENCHMARK(BM_RecordsAllFigures)->Unit(benchmark::kMillisecond);

// The heat map of one player's latest 100,000 darts: read and binned.
static void BM_RecordsHeatMap(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    std::size_t darts = 0;
    for (auto _ : state) {
        const auto loaded = store.heatDarts({"Ann Lee", Period::All, 0, std::nullopt});
        benchmark::DoNotOptimize(heatMap(loaded.value));
        darts = loaded.value.size();
    }
    state.counters["darts"] = static_cast<double>(darts);
}
BENCHMARK(BM_RecordsHeatMap)->Unit(benchmark::kMillisecond);

// The statistics window opened on "all" of one player over the 10,000
// matches, until its first paint: the names, the figures, the trend, the
// career form and the practice sessions read and shown.
static void BM_RecordsWindowFirstPaint(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    const Rgb colour{0, 0, 128};
    std::size_t matches = 0;
    for (auto _ : state) {
        frmRecords w(store, QStringLiteral("Ann Lee"), colour, nullptr);
        w.show();
        // The paint the screen would get, drawn here: offscreen, nothing is exposed.
        QImage shown(w.size(), QImage::Format_ARGB32_Premultiplied);
        w.render(&shown);
        matches = w.data().matches.size();
        state.PauseTiming();
        w.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(matches);
}
BENCHMARK(BM_RecordsWindowFirstPaint)->Unit(benchmark::kMillisecond);

// The heat map of 100,000 darts: binned, coloured and drawn on the board
// (the darts read once beforehand; BM_RecordsHeatMap reads them).
static void BM_RecordsHeatMapDrawn(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    const auto darts = store.heatDarts({"Ann Lee", Period::All, 0, std::nullopt}, 100000);
    HeatMapWidget widget;
    widget.resize(420, 460);
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    widget.render(&target); // the board itself is drawn once per size and kept
    for (auto _ : state) {
        widget.setMap(heatMap(darts.value));
        widget.render(&target);
    }
    state.counters["darts"] = static_cast<double>(darts.value.size());
}
BENCHMARK(BM_RecordsHeatMapDrawn)->Unit(benchmark::kMillisecond);

// The heat map's page looked at for "all": the darts of her matches read
// kind by kind, binned and drawn.
static void BM_RecordsHeatPageShown(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    const Selection all{"Ann Lee", Period::All, 0, std::nullopt};
    const auto data = loadRecords(store, all);
    HeatMapWidget widget;
    widget.resize(420, 460);
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    std::size_t n = 0;
    for (auto _ : state) {
        const auto darts = loadHeatDarts(store, all, data.value);
        widget.setMap(heatMap(darts.value));
        widget.render(&target);
        n = darts.value.size();
    }
    state.counters["darts"] = static_cast<double>(n);
}
BENCHMARK(BM_RecordsHeatPageShown)->Unit(benchmark::kMillisecond);

// The trend's page looked at for "all": two lines of 10,000 points drawn.
static void BM_RecordsTrendPageShown(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    const Rgb colour{0, 0, 128};
    frmRecords w(store, QStringLiteral("Ann Lee"), colour, nullptr);
    w.show();
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("tabPages"));
    tabs->setCurrentIndex(1);
    auto* chart = w.findChild<QWidget*>(QStringLiteral("picTrend"));
    QImage shown(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        chart->render(&shown);
    state.counters["points"] = static_cast<double>(w.data().trend.size());
}
BENCHMARK(BM_RecordsTrendPageShown)->Unit(benchmark::kMillisecond);

// "All" of one player exported: his 10,000 matches with every turn and dart
// to three CSV files.
static void BM_RecordsExportAll(benchmark::State& state)
{
    BigStore& big = bigStore();
    MatchStore store;
    store.open(big.file);
    const auto data = loadRecords(store, {"Ann Lee", Period::All, 0, std::nullopt});
    const auto shown = shownRecords(data.value);
    const auto folder = big.folder / "export";
    for (auto _ : state) {
        std::filesystem::create_directories(folder);
        const ExportOutcome out =
            exportRecords(store, shown, QString::fromStdString(folder.string()), QStringLiteral("Ann Lee"));
        if (!out.ok)
            state.SkipWithError(out.message.toStdString().c_str());
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(shown.size());
}
BENCHMARK(BM_RecordsExportAll)->Iterations(2)->Unit(benchmark::kMillisecond);

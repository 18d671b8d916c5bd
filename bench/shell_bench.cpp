#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <fstream>
#include <string>

#include "qt/app/frmDarts.h"
#include "qt/app/pause.h"
#include "qt/app/startup.h"
#include "qt/match/boardwidget.h"
#include "rules/app/gamestate.h"
#include "rules/practice/practice.h"

#include "memory.h"
#include "support/shipped.h"

using namespace vantorelle;

namespace {

StartOptions options(const QTemporaryDir& data)
{
    testing::copyShippedRoster(data.path());
    return testing::shippedStart(data.path(), 1, 1);
}

// Waits until the main window is up and laid out, the board at its size.
void untilShown(StartResult& r)
{
    QElapsedTimer waited;
    waited.start();
    while (!(r.app->main->isVisible() && r.app->main->board()->width() > 200) && waited.elapsed() < 10000)
        qtPause(0.05);
}

// A started program with a match under way between A and B, A to throw.
StartResult startedMatch(const QTemporaryDir& data)
{
    StartResult r = startVantorelle(options(data));
    untilShown(r);
    GameState& st = r.app->state;
    st.match.blnStopped = false;
    st.match.player(1).name = "A";
    st.match.player(2).name = "B";
    st.match.player(1).score = st.match.player(2).score = 501;
    return r;
}

// A started program with a practice game (Around the Clock) waiting for A's
// first dart: the same aim and the same waiting as in a match.
StartResult startedPractice(const QTemporaryDir& data)
{
    StartResult r = startVantorelle(options(data));
    untilShown(r);
    GameState& st = r.app->state;
    st.match.player(1).name = "A";
    st.match.aimSpeed = kPracticeAimSpeed;
    st.view.setupVisible = false;
    MatchEngine& engine = r.app->main->engine();
    QTimer::singleShot(0, [&engine] {
        engine.StartPractice(PracticeChoice::clock(ClockVariant::Any), std::nullopt, [](const MatchResult&) {});
    });
    // The game's name is shown until a key is pressed: press one.
    QTimer keys;
    QObject::connect(&keys, &QTimer::timeout, [] {
        if (QWidget* info = QApplication::activeModalWidget()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
            QApplication::sendEvent(info, &press);
        }
    });
    keys.start(50);
    QElapsedTimer waited;
    waited.start();
    while (!(st.view.yellowPlayer == 1 && engine.practice() && !st.view.targetBeds.empty()) &&
           waited.elapsed() < 20000)
        qtPause(0.05);
    qtPause(3.0); // the caller's "Game on" has finished playing
    return r;
}

StartResult startedPlay(const QTemporaryDir& data, bool practice)
{
    return practice ? startedPractice(data) : startedMatch(data);
}

} // namespace

// Start, show and paint the main window once, then close it.
static void startShowClose(benchmark::State& state)
{
    QTemporaryDir data;
    const StartOptions o = options(data);
    for (auto _ : state) {
        StartResult r = startVantorelle(o);
        r.app->main->repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(r.app.get());
        state.PauseTiming();
        r.app->state.flags.quitting = true;
        r.app.reset();
        state.ResumeTiming();
    }
}

// The first start in the process: settings, roster, window, first paint.
static void BM_StartUpCold(benchmark::State& state)
{
    startShowClose(state);
}
BENCHMARK(BM_StartUpCold)->Unit(benchmark::kMillisecond)->Iterations(1);

// Later starts, once the libraries are warm.
static void BM_StartUpToWindowShown(benchmark::State& state)
{
    startShowClose(state);
}
BENCHMARK(BM_StartUpToWindowShown)->Unit(benchmark::kMillisecond)->Iterations(20);

// CPU used while the window waits with nothing to do (0), while a pause
// waits (1), and while a practice game waits for a dart (2).
static void BM_IdleCpu(benchmark::State& state)
{
    QTemporaryDir data;
    StartResult r = state.range(0) == 2 ? startedPractice(data) : startVantorelle(options(data));
    qtPause(0.3); // the first paint and the libraries' own start-up are done
    const bool inPause = state.range(0) == 1;
    double percent = 0;
    for (auto _ : state) {
        const double c0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        if (inPause) {
            qtPause(2.0);
        } else {
            QEventLoop loop;
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        percent = 100.0 * (cpuSeconds() - c0) / (static_cast<double>(wall.elapsed()) / 1000.0);
    }
    state.counters["cpu_percent"] = percent;
    r.app->state.flags.quitting = true;
}
BENCHMARK(BM_IdleCpu)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

// The aim timer while a player aims, in a match (0) and in a practice game
// (1): ticks per second and the worst gap.
static void BM_AimTimer(benchmark::State& state)
{
    QTemporaryDir data;
    StartResult r = startedPlay(data, state.range(0) == 1);
    int ticks = 0;
    qint64 worst = 0;
    double seconds = 0;
    double cpu = 0;
    for (auto _ : state) {
        r.app->main->engine().boardMouseDown(1, 2595, 2595);
        QTimer* timer = r.app->main->findChild<QTimer*>(QStringLiteral("tmrConfuse"));
        QElapsedTimer gap, wall;
        gap.start();
        wall.start();
        auto conn = QObject::connect(timer, &QTimer::timeout, [&] {
            worst = std::max(worst, gap.nsecsElapsed());
            gap.restart();
            ++ticks;
        });
        const double c0 = cpuSeconds();
        qtPause(3.0);
        cpu = 100.0 * (cpuSeconds() - c0) / 3.0;
        QObject::disconnect(conn);
        seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    }
    state.counters["ticks_per_s"] = ticks / seconds;
    state.counters["worst_interval_ms"] = static_cast<double>(worst) / 1e6;
    state.counters["cpu_percent"] = cpu;
    r.app->state.flags.quitting = true;
}
BENCHMARK(BM_AimTimer)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// Resident memory with the window up and a match on the board.
static void BM_ResidentMemory(benchmark::State& state)
{
    QTemporaryDir data;
    StartResult r = startedMatch(data);
    for (auto _ : state) {
        // Two darts fly in, with their sounds and pictures loaded.
        r.app->main->engine().ThrowDart(2580, 1425);
        r.app->main->engine().ThrowDart(2235, 3705);
        r.app->main->repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rss_mb"] = static_cast<double>(residentKb()) / 1024.0;
    r.app->state.flags.quitting = true;
}
BENCHMARK(BM_ResidentMemory)->Iterations(1);

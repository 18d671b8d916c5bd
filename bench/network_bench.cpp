// Network play: frames read per second, and the time from a dart thrown on
// one machine to the same dart drawn on the other, over 127.0.0.1.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

#include "qt/app/frmDarts.h"
#include "qt/app/pause.h"
#include "qt/app/startup.h"
#include "qt/network/dirplay.h"
#include "qt/network/frmDPlayDevices.h"
#include "qt/network/frmJoin.h"
#include "qt/network/frmStart.h"
#include "qt/network/networkwindows.h"
#include "rules/app/gamestate.h"
#include "rules/network/frames.h"
#include "rules/network/protocol.h"

#include "support/shipped.h"
#include "support/wait.h"

using namespace vantorelle;
using vantorelle::testing::waitUntil;

// Throw messages as they come off the line, in pieces of a network packet:
// cut into frames, read as session messages and as game messages.
static void BM_FramesParsed(benchmark::State& state)
{
    std::string stream;
    constexpr int kFrames = 10000;
    for (int i = 0; i < kFrames; ++i)
        stream += frame(messagePayload(0, throwMessage(2580 - i % 500, 1425 + i % 300, "T20", i % 7 == 0)));
    std::int64_t read = 0;
    for (auto _ : state) {
        FrameReader reader;
        for (std::size_t at = 0; at < stream.size(); at += 1460) {
            reader.feed(std::string_view(stream).substr(at, 1460));
            while (auto f = reader.next()) {
                const auto m = readMessage(*f);
                const auto g = m ? readGameMessage(m->text) : std::nullopt;
                benchmark::DoNotOptimize(g);
                read += g.has_value();
            }
        }
    }
    state.SetItemsProcessed(read);
}
BENCHMARK(BM_FramesParsed)->Unit(benchmark::kMillisecond);

// The program under test hosts a session; the other machine is a session of
// its own in this process that challenges, sets up a match and throws. Every
// dart of the other machine is timed from its sending to the end of its
// flight on the board here. Both players miss the board, so the leg goes on
// for as many darts as are wanted.
static void BM_DartThrownThereToDrawnHere(benchmark::State& state)
{
    constexpr std::size_t kDarts = 1000;
    QTemporaryDir data;
    testing::copyShippedRoster(data.path());
    StartResult r = startVantorelle(testing::shippedStart(data.path(), 3, 0));
    if (!r.app) {
        state.SkipWithError("the program did not start");
        return;
    }
    GameState& st = r.app->state;
    frmDarts& main = *r.app->main;
    waitUntil([&] { return main.isVisible(); }, 5000);
    st.settings.savedPlayer1Name = "Nia";
    main.network().open();
    main.network().devices()->findChild<QLineEdit*>(QStringLiteral("txtGameName"))->setText("127.0.0.1");
    main.network().devices()->cmdStart_Click();

    DirPlay there(QStringLiteral("127.0.0.1"));
    QStringList sessions;
    if (!main.network().lobby() || !there.ListSessions(0, sessions, 1000) || !there.JoinGame(0, "Tomas")) {
        state.SkipWithError("no session on 127.0.0.1");
        return;
    }
    waitUntil([&] { return main.network().session()->inSession(); }, 3000);

    QElapsedTimer clock;
    clock.start();
    std::vector<double> ms;
    qint64 sentAt = -1;
    QObject::connect(&main, &frmDarts::dartDrawn, [&](int player, int, int, const QString&, bool) {
        if (player == 1 && sentAt >= 0) {
            ms.push_back(static_cast<double>(clock.nsecsElapsed() - sentAt) / 1e6);
            sentAt = -1;
        }
    });
    // Tomas challenges and chooses; then each side throws its own darts.
    for (const std::string& m : {challengeMessage("Nia", "Tomas"), optionMessage("501"), optionMessage("1"),
                                 optionMessage("L")})
        there.SendChatText(QString::fromStdString(m));
    QTimer driver;
    driver.setInterval(1);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        there.takeGameMessages(); // Nia's darts, not needed there
        MatchEngine& engine = main.engine();
        if (sentAt < 0 && ms.size() < kDarts && engine.canTakeDart(1)) {
            const bool bull = st.match.blnBullUp;
            const std::string dart = bull ? throwMessage(2595, 2595, "S50", false) : throwMessage(300, 300, "000", false);
            sentAt = clock.nsecsElapsed();
            there.SendChatText(QString::fromStdString(dart));
        } else if (engine.canTakeDart(2)) {
            engine.ThrowDart(300, 300); // Nia misses too
        }
    });
    driver.start();
    for (auto _ : state)
        waitUntil([&] { return ms.size() >= kDarts; }, 120000);
    driver.stop();
    st.flags.quitting = true;
    main.engine().abandon();
    there.Dismantle();

    if (ms.size() < kDarts) {
        state.SkipWithError("the darts stopped coming");
        return;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["darts"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(BM_DartThrownThereToDrawnHere)->Iterations(1)->Unit(benchmark::kMillisecond);

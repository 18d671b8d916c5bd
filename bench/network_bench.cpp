// Network play: frames read per second, and the time from a dart thrown on
// one machine to the same dart drawn on the other, over 127.0.0.1.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTcpSocket>
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

#include "memory.h"
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

namespace {

// A program hosting a session at the game's own pace (time scale 1), as a
// player runs it.
struct Host {
    QTemporaryDir data;
    StartResult r;
    Host()
    {
        testing::copyShippedRoster(data.path());
        r = startVantorelle(testing::shippedStart(data.path(), 5, 1));
        if (!r.app)
            return;
        waitUntil([&] { return r.app->main->isVisible(); }, 5000);
        r.app->state.settings.savedPlayer1Name = "Nia";
        r.app->main->network().open();
        r.app->main->network().devices()->findChild<QLineEdit*>(QStringLiteral("txtGameName"))->setText("127.0.0.1");
        r.app->main->network().devices()->cmdStart_Click();
    }
    ~Host()
    {
        if (r.app)
            r.app->state.flags.quitting = true;
    }
    frmDarts& main() { return *r.app->main; }
    int players()
    {
        QStringList list;
        return main().network().session() ? (main().network().session()->UpdatePlayers(list), list.size()) : 0;
    }
};

} // namespace

// A peer that joins and then falls silent without closing (a pulled cable, a
// frozen machine): the time until the player here is told, 20 times.
static void BM_SilentPeerNoticedAndTold(benchmark::State& state)
{
    Host host;
    if (!host.r.app || !host.main().network().lobby()) {
        state.SkipWithError("no session on 127.0.0.1");
        return;
    }
    std::vector<double> ms;
    QElapsedTimer clock;
    qint64 silentAt = -1;
    // The message is answered as soon as it is up, and the time taken.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->text().contains(QStringLiteral("was lost")) && silentAt >= 0) {
            ms.push_back(static_cast<double>(clock.nsecsElapsed() - silentAt) / 1e6);
            silentAt = -1;
        }
        box->accept();
    });
    answer.start(1);
    clock.start();
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            QTcpSocket peer;
            peer.connectToHost(QHostAddress::LocalHost, host.main().network().session()->hostPort());
            if (!peer.waitForConnected(2000))
                break;
            const std::string hello = frame(helloPayload("Ghost"));
            peer.write(hello.data(), static_cast<qint64>(hello.size()));
            if (!waitUntil([&] { return host.players() == 2; }, 3000))
                break;
            silentAt = clock.nsecsElapsed(); // from now on it says nothing
            peer.setReadBufferSize(1);
            waitUntil([&] { return silentAt < 0; }, 30000);
        }
    }
    answer.stop();
    if (ms.size() < 20) {
        state.SkipWithError("a silent peer was not noticed");
        return;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["tries"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(BM_SilentPeerNoticedAndTold)->Iterations(1)->Unit(benchmark::kMillisecond);

// What keeping the line alive costs in an idle lobby: the frames that go to
// the other machine a minute, and the CPU the program uses while it waits.
static void BM_IdleLobbyKeepAlive(benchmark::State& state)
{
    Host host;
    if (!host.r.app || !host.main().network().lobby()) {
        state.SkipWithError("no session on 127.0.0.1");
        return;
    }
    // The other machine, a bare line that keeps itself alive and counts
    // what comes to it once it has joined.
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, host.main().network().session()->hostPort());
    peer.waitForConnected(2000);
    const std::string hello = frame(helloPayload("Tomas"));
    peer.write(hello.data(), static_cast<qint64>(hello.size()));
    waitUntil([&] { return host.players() == 2; }, 3000);
    qtPause(0.5);
    peer.readAll();
    qint64 bytes = 0;
    QObject::connect(&peer, &QTcpSocket::readyRead, [&] { bytes += peer.readAll().size(); });
    QTimer alive;
    QObject::connect(&alive, &QTimer::timeout, [&] {
        const std::string k = frame(keepAlivePayload());
        peer.write(k.data(), static_cast<qint64>(k.size()));
    });
    alive.start(300);
    double percent = 0;
    constexpr double kSeconds = 10;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double c0 = cpuSeconds();
        qtPause(kSeconds);
        percent = 100.0 * (cpuSeconds() - c0) / (static_cast<double>(wall.elapsed()) / 1000.0);
    }
    // A keep-alive is a frame of 5 bytes (its length and one letter).
    state.counters["frames_a_minute"] = static_cast<double>(bytes) / 5 * 60 / kSeconds;
    state.counters["cpu_percent"] = percent;
}
BENCHMARK(BM_IdleLobbyKeepAlive)->Iterations(1)->Unit(benchmark::kMillisecond);

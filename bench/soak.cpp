// The soak: the whole program, in-process and offscreen, plays match after
// match of x01 against the computer at time scale 0. Player 1 stands at a
// real board: a scripted player clicks the bed he means (treble 20 while far
// off, then whatever leaves a double; 10 to 90 % of his darts go astray, so
// that the computer wins some matches and busts happen) and answers
// "… - CONFIRM DART?" with Yes. Every match must end with a winner within its
// time; the resident size is recorded as it goes.
//
//   vantorelle_soak [matches, default 1000] [seed, default 1]
//
// SOAK_TRACE=1 prints the state of every match as it goes and its end;
// SOAK_DROP_OVERLAYS=1 empties the window's list of overlays shown after
// each match, to tell that list's growth from the rest.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>

#include "qt/app/frmDarts.h"
#include "qt/app/pause.h"
#include "qt/app/startup.h"
#include "qt/match/boardwidget.h"
#include "rules/match/board.h"
#include "rules/opponent/computer.h"

#include "memory.h"
#include "rules/match/bed.h"
#include "support/shipped.h"
#include "support/wait.h"

using namespace vantorelle;
using vantorelle::testing::waitUntil;

namespace {

// Longest a match may take at time scale 0 before it counts as hung.
constexpr int kMatchBoundMs = 60000;

long heapInUseKb()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

// Where a player at the board throws with this much left: treble 20 while
// far off, a double when it finishes, else whatever leaves a good double.
std::string chooseBed(int left)
{
    if (left == 50)
        return "S50";
    if (left <= 40 && left % 2 == 0)
        return makeBed('D', left / 2);
    if (left > 100)
        return "T20";
    for (int leave : {32, 40, 36, 24, 16, 20, 38, 34, 30, 28, 26, 22, 18, 14, 12, 10, 8, 6, 4, 2}) {
        const int d = left - leave;
        if (d >= 1 && d <= 20)
            return makeBed('S', d);
        if (d > 20 && d <= 60 && d % 3 == 0)
            return makeBed('T', d / 3);
        if (d == 25)
            return "S25";
    }
    return "T20";
}

// The scripted player 1, and the Yes to every confirmation.
class Script : public QObject {
public:
    Script(Vantorelle& app, std::uint64_t seed) : m_app(app), m_rng(seed)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &Script::step);
        m_timer.start();
        m_answerTimer.setInterval(2);
        connect(&m_answerTimer, &QTimer::timeout, this, &Script::answer);
        m_answerTimer.start();
    }
    int strayPercent = 10; // darts thrown at a bed drawn at random
    int confirmations = 0;
    int otherBoxes = 0;
    QString lastOtherBox;

private:
    // A timer of its own: the click that opens a confirmation is still inside
    // step(), and a timer is not fired again while its slot runs.
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->text().endsWith(QStringLiteral(" - CONFIRM DART?"))) {
            ++confirmations;
        } else {
            ++otherBoxes;
            lastOtherBox = box->text();
        }
        if (auto* b = box->button(QMessageBox::Yes))
            b->click();
    }

    void step()
    {
        MatchState& m = m_app.state.match;
        if (m.blnStopped || QApplication::activeModalWidget() || m.currentPlayer != 1)
            return;
        std::string bed;
        if (m.blnBullUp) {
            if (m.bytDart != 0 || m.blnBullDartDown)
                return;
            bed = "S50";
        } else {
            if (m_app.state.view.yellowPlayer != 1)
                return;
            const int left = m.player(1).score - m.bytTurnScore;
            if (std::uniform_int_distribution<int>(0, 99)(m_rng) < strayPercent) {
                static const char rings[] = {'S', 'D', 'T'};
                bed = makeBed(rings[std::uniform_int_distribution<int>(0, 2)(m_rng)],
                              std::uniform_int_distribution<int>(1, 20)(m_rng));
            } else {
                bed = chooseBed(left);
            }
        }
        const auto p = GetCoords(bed);
        if (!p)
            return;
        BoardWidget* board = m_app.main->board();
        const QPoint at = board->toPixels(p->x, p->y);
        QTest::mousePress(board, Qt::LeftButton, {}, at);
        QTest::mouseRelease(board, Qt::LeftButton, {}, at);
    }

    Vantorelle& m_app;
    std::mt19937_64 m_rng;
    QTimer m_timer;
    QTimer m_answerTimer;
};

} // namespace

int main(int argc, char** argv)
{
    const int matches = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication qapp(argc, argv);

    QTemporaryDir data;
    testing::copyShippedRoster(data.path());
    StartResult started = startVantorelle(testing::shippedStart(data.path(), seed, 0));
    if (!started.app) {
        std::fprintf(stderr, "the program did not start: %s\n", qPrintable(started.error));
        return 2;
    }
    Vantorelle& app = *started.app;
    if (!waitUntil([&] { return app.main->isVisible(); }, 5000)) {
        std::fprintf(stderr, "the main window never came\n");
        return 2;
    }
    app.main->board()->resize(346, 346);
    GameState& st = app.state;
    Script script(app, seed);
    Rng pick(seed + 1);

    QElapsedTimer wall;
    wall.start();
    int played = 0, failures = 0, won1 = 0;
    long rss1 = 0, rss10 = 0, heap1 = 0, heap10 = 0;
    for (int n = 1; n <= matches; ++n) {
        MatchState& m = st.match;
        const int k = 1 + (n - 1) % 4; // BEGINNER .. PRO in turn
        m.bytGameType = 1;
        m.numberOfPlayers = 1;
        m.networkGame = false;
        m.cricket = false;
        m.intStartScore = n % 2 ? 501 : 301;
        m.bytLegsToWin = n % 10 == 0 ? 2 : 1;
        m.bytSetstoWin = 1;
        m.difficulty = k - 1;
        m.aimSpeed = 96 + 8 * k;
        m.bytClass = k;
        m.player(1).name = "ISOLDE BRAKWATER";
        m.player(1).realBoard = true;
        m.player(2).name = GetOpponent(st.roster.lines, k, false, pick);
        for (char& c : m.player(2).name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        m.player(2).realBoard = false;
        m.blnStopped = false;
        st.view.setupVisible = false;
        script.strayPercent = 10 + 40 * (n % 3); // a steady player, a wild one, a wilder one

        // A watchdog: a match past its bound is abandoned and counted.
        QElapsedTimer clock;
        clock.start();
        bool hung = false;
        QTimer watchdog;
        watchdog.setInterval(100);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (std::getenv("SOAK_TRACE"))
                std::fprintf(stderr, "t=%lld stopped=%d bullup=%d dart=%d down=%d cur=%d yellow=%d score=%d/%d modal=%s\n",
                             static_cast<long long>(clock.elapsed()), m.blnStopped, m.blnBullUp, m.bytDart,
                             m.blnBullDartDown, m.currentPlayer, st.view.yellowPlayer, m.player(1).score,
                             m.player(2).score,
                             QApplication::activeModalWidget()
                                 ? QApplication::activeModalWidget()->metaObject()->className()
                                 : "-");
            if (!hung && clock.elapsed() > kMatchBoundMs) {
                hung = true;
                app.main->engine().abandon();
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        watchdog.start();
        app.main->startExhibition(false);
        const bool ended = waitUntil([&] { return st.match.blnStopped && !QApplication::activeModalWidget() &&
                                                  st.view.setupVisible; },
                                     kMatchBoundMs + 5000);
        watchdog.stop();
        ++played;

        const bool p1 = m.player(1).sets == 1, p2 = m.player(2).sets == 1;
        const QString last = app.main->infosShown().isEmpty() ? QString() : app.main->infosShown().last();
        const std::string winner = p1 ? m.player(1).name : m.player(2).name;
        std::string why;
        if (hung || !ended)
            why = "did not end within its time";
        else if (p1 == p2)
            why = "no single winner (sets " + std::to_string(m.player(1).sets) + ":" +
                  std::to_string(m.player(2).sets) + ")";
        else if (!last.toUpper().contains(QString::fromStdString(winner)))
            why = "the closing overlay does not name the winner: " + last.toStdString();
        else if (m.stat(1, kStatDarts) == 0)
            why = "player 1 threw no dart";
        if (std::getenv("SOAK_TRACE"))
            std::fprintf(stderr, "match %d: darts %d v %d, left %d v %d, legs %d v %d, %s\n", n, m.stat(1, kStatDarts),
                         m.stat(2, kStatDarts), m.player(1).score, m.player(2).score, m.player(1).legs,
                         m.player(2).legs, qPrintable(last));
        if (!why.empty()) {
            ++failures;
            std::printf("match %d: %s\n", n, why.c_str());
            // Whatever is left of it goes before the next one starts.
            app.main->engine().abandon();
            waitUntil([] { return !QApplication::activeModalWidget(); }, 5000);
        } else if (p1) {
            ++won1;
        }

        // To tell what grows: SOAK_DROP_OVERLAYS=1 empties the window's list of
        // the overlays it has shown after every match.
        if (std::getenv("SOAK_DROP_OVERLAYS"))
            const_cast<QStringList&>(app.main->infosShown()).clear();

        if (n == 1 || n == 10 || n % 100 == 0 || n == matches) {
            const long rss = residentKb(), heap = heapInUseKb();
            if (n == 1) {
                rss1 = rss;
                heap1 = heap;
            }
            if (n == 10) {
                rss10 = rss;
                heap10 = heap;
            }
            std::printf("after match %4d: RSS %ld kB, heap in use %ld kB, widgets %lld, objects under the window %lld, "
                        "overlays kept %lld, %.1f s\n",
                        n, rss, heap, static_cast<long long>(QApplication::allWidgets().size()),
                        static_cast<long long>(app.main->findChildren<QObject*>().size()),
                        static_cast<long long>(app.main->infosShown().size()), wall.elapsed() / 1000.0);
            std::fflush(stdout);
        }
    }
    const long rssLast = residentKb();
    std::printf("matches played %d, failures %d, won by the scripted player %d, darts confirmed %d, other boxes %d%s%s\n",
                played, failures, won1, script.confirmations, script.otherBoxes,
                script.otherBoxes ? ", last: " : "", qPrintable(script.lastOtherBox));
    std::printf("wall time %.1f s\n", wall.elapsed() / 1000.0);
    std::printf("RSS after match 1: %ld kB, after match 10: %ld kB, after the last: %ld kB\n", rss1, rss10, rssLast);
    std::printf("heap in use after match 1: %ld kB, after match 10: %ld kB, after the last: %ld kB\n", heap1, heap10,
                heapInUseKb());

    st.flags.quitting = true; // close without asking
    app.main->close();
    return failures == 0 ? 0 : 1;
}

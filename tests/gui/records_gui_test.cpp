// The statistics window over the match records, offscreen, over stores of
// matches whose figures the test works out from their turns.
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

#include "qt/records/chartwidget.h"
#include "qt/records/frmRecords.h"
#include "qt/records/heatmapwidget.h"
#include "qt/records/namebox.h"
#include "qt/records/recordspages.h"
#include "platform/storeschema.h"
#include "qt/ui/fittedlabel.h"
#include "records/storehelpers.h"
#include "rules/career/calendar.h"
#include "rules/match/board.h"
#include "rules/practice/practice.h"
#include "rules/records/csv.h"
#include "rules/setup/stats.h"

using namespace vantorelle;
using namespace vantorelle::records;
using namespace vantorelle::records::testing;

namespace {

constexpr std::int64_t kDay = 24 * 60 * 60;
const Rgb kColour{0, 0, 128};

std::int64_t now()
{
    return QDateTime::currentSecsSinceEpoch();
}

// A match as the test knows it: the record and every turn.
struct Played {
    MatchRecord match;
    std::vector<TurnRecord> turns;
    int side = 1; // Ann's side
};

// The store of the figures tests: Ann Lee's 24 x01 matches over 47 days
// (against Bob Kay or the computer, on either side), one Cricket match, and
// her practice sessions, the last of them after her last match.
struct AnnsRecords {
    ScratchFolder dir;
    MatchStore store;
    std::vector<Played> matches;  // oldest first
    std::vector<Played> sessions; // practice, oldest first

    AnnsRecords()
    {
        EXPECT_TRUE(store.open(dir.file()));
        std::mt19937_64 gen(11);
        const std::array<double, 4> sigmas{150.0, 220.0, 300.0, 180.0};
        for (int i = 0; i < 24; ++i) {
            MatchBuilder b = playMatch(gen, i % 5 == 0 ? "301" : "501", 2 + i % 2, 1,
                                       {sigmas[static_cast<std::size_t>(i % 4)], 240.0});
            b.match.started = now() - (47 - 2 * i) * kDay;
            b.match.ended = b.match.started + 1800;
            if (i % 4 == 0)
                b.match.players[1] = {"Computer", PlayerKind::Computer, i / 4 % 4};
            int side = 1;
            if (i % 3 == 1) { // Ann throws second: the sides swap
                std::swap(b.match.players[0], b.match.players[1]);
                side = 2;
            }
            add(b, side);
            if (i == 12)
                practice("CLOCK/ANY", 61, b.match.started + 3600);
        }
        MatchBuilder cricket("CRICKET");
        cricket.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S19", "000", "S05"}).finish(1);
        cricket.match.started = now() - 3 * kDay / 2;
        cricket.match.ended = cricket.match.started + 600;
        add(cricket, 1);
        practice("CLOCK/ANY", 52, now() - 20 * kDay);
        practice("BOBS27", 115, now() - 40 * kDay);
        practice("CLOCK/ANY", 55, now() - kDay / 2); // after the last match
    }

    void add(MatchBuilder& b, int side)
    {
        EXPECT_GT(record(store, b), 0);
        matches.push_back({b.match, b.turns, side});
    }

    void practice(const std::string& game, double result, std::int64_t started)
    {
        MatchRecord m;
        m.kind = MatchKind::Practice;
        m.game = game;
        m.started = started;
        m.players[0] = {"Ann Lee", PlayerKind::Screen, kNoClass};
        m.players[1] = {"", PlayerKind::Screen, kNoClass};
        const auto id = store.beginMatch(m);
        ASSERT_TRUE(id) << id.result.message;
        m.id = id.value;
        std::vector<TurnRecord> turns{plainTurn({1, 1, 1, 1}, darts({"S01", "S02", "S03"}))};
        ASSERT_TRUE(store.addTurn(m.id, turns[0]));
        m.ended = started + 300;
        m.outcome = Outcome::Finished;
        m.practiceResult = result;
        ASSERT_TRUE(store.finishMatch(m.id, {m.ended, 0, {}, {}, result}));
        sessions.push_back({m, turns, 1});
    }

    // Ann's matches of a period, oldest first: the last one, the last ten,
    // those of thirty days, all.
    std::vector<const Played*> of(Period period) const
    {
        std::vector<const Played*> out;
        for (const Played& p : matches)
            if (period != Period::Last30Days || p.match.started >= now() - 30 * kDay)
                out.push_back(&p);
        const std::size_t keep = period == Period::LastMatch ? 1 : period == Period::Last10 ? 10 : out.size();
        out.erase(out.begin(), out.end() - static_cast<std::ptrdiff_t>(std::min(keep, out.size())));
        return out;
    }

    // Two tournaments of her career, ten days ago: out in the second round of
    // the first, champion of the second.
    void career()
    {
        auto careerMatch = [&](int tournament, const char* stage, int winner, std::int64_t started) {
            std::mt19937_64 gen(static_cast<std::uint64_t>(started));
            // The better spread wins.
            MatchBuilder b = playMatch(gen, "501", 2, 1, {winner == 1 ? 110.0 : 400.0, winner == 1 ? 400.0 : 110.0});
            b.match.kind = MatchKind::Career;
            b.match.career = CareerRound{"Ann Lee", tournament, tournamentName(tournament), stage};
            b.match.started = started;
            b.match.ended = started + 900;
            add(b, 1);
        };
        const std::int64_t t0 = now() - 10 * kDay;
        careerMatch(1, "F1", 1, t0);
        careerMatch(1, "F2", 2, t0 + 3600);
        int hour = 0;
        for (const char* stage : {"F1", "F2", "F3", "F4", "F5"})
            careerMatch(2, stage, 1, t0 + kDay + 3600 * hour++);
    }

    // Her figures over them, worked out from their turns.
    static std::vector<PlayerMatch> figures(const std::vector<const Played*>& ps)
    {
        std::vector<PlayerMatch> out;
        for (const Played* p : ps)
            out.push_back({p->match, p->side, figuresFor(p->match, p->turns, p->side)});
        return out;
    }
};

template <class T = QWidget> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QString text(QWidget* w, const char* name)
{
    auto* l = child<FittedLabel>(w, name);
    return l ? l->text() : QString();
}

QString twoPlaces(std::optional<double> v)
{
    return QString::fromStdString(formatTwoPlaces(v.value_or(0.0)));
}

void choosePeriod(QWidget* w, const char* period)
{
    auto* c = child<QComboBox>(w, "cboPeriod");
    c->setCurrentIndex(c->findText(QString::fromLatin1(period)));
}

void showPage(QWidget* w, const char* page)
{
    child<QTabWidget>(w, "tabPages")->setCurrentWidget(child(w, page));
}

// The window as the player gets it, closed and gone at the end.
struct OpenWindow {
    QPointer<frmRecords> w;
    OpenWindow(MatchStore& store, const QString& name, const QString& problem = {})
        : w(showRecords(store, name, kColour, nullptr, problem))
    {
    }
    ~OpenWindow()
    {
        if (w)
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmRecords* operator->() const { return w; }
    operator frmRecords*() const { return w; }
};

QStringList csvLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

} // namespace

TEST(RecordsWindow, ShowsThePlayersFiguresForEachPeriodAsWorkedOutFromHisTurns)
{
    AnnsRecords r;
    OpenWindow w(r.store, QStringLiteral("ann lee"));
    ASSERT_TRUE(w.w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("VANTORELLE! RECORDS!"));
    EXPECT_TRUE(w->isModal());
    auto* players = child<QComboBox>(w, "cboPlayer");
    // The current player first, as the caller spells him; then the others.
    ASSERT_GE(players->count(), 3);
    EXPECT_EQ(players->itemText(0), QStringLiteral("ann lee"));
    EXPECT_EQ(players->findText(QStringLiteral("Ann Lee")), -1);
    EXPECT_NE(players->findText(QStringLiteral("Bob Kay")), -1);
    EXPECT_NE(players->findText(QStringLiteral("Computer")), -1);

    showPage(w, "pgHeat"); // read again for each choice while it is shown
    for (const auto& [period, name] : {std::pair{Period::All, "ALL"},
                                       {Period::Last30Days, "LAST 30 DAYS"},
                                       {Period::Last10, "LAST 10 MATCHES"},
                                       {Period::LastMatch, "LAST MATCH"}}) {
        SCOPED_TRACE(name);
        choosePeriod(w, name);
        const auto selected = r.of(period);
        const auto rows = AnnsRecords::figures(selected);
        const PlayerFigures f = combine(rows);
        ASSERT_TRUE(f.darts > 0 || period == Period::LastMatch);
        EXPECT_EQ(w->message(), QString());
        EXPECT_EQ(text(w, "lblAverage"), twoPlaces(f.average()));
        EXPECT_EQ(text(w, "lblFirstNine"), twoPlaces(f.firstNineAverage()));
        EXPECT_EQ(text(w, "lblCheckout"), twoPlaces(f.checkoutPercent()));
        EXPECT_EQ(text(w, "lblDartsPerLeg"), f.legsWon ? twoPlaces(f.dartsPerLegWon()) : QStringLiteral("-"));
        QStringList best;
        for (const auto& [start, n] : f.bestLeg)
            best << QStringLiteral("%1 in %2").arg(start).arg(n);
        EXPECT_EQ(text(w, "lblBestLeg"), best.isEmpty() ? QStringLiteral("-") : best.join(QStringLiteral(", ")));
        EXPECT_EQ(text(w, "lblHighestCheckout"),
                  f.highestCheckout ? QString::number(f.highestCheckout) : QStringLiteral("-"));
        EXPECT_EQ(text(w, "lblTurns60"), QString::number(f.turns60));
        EXPECT_EQ(text(w, "lblTurns100"), QString::number(f.turns100));
        EXPECT_EQ(text(w, "lblTurns140"), QString::number(f.turns140));
        EXPECT_EQ(text(w, "lblTurns180"), QString::number(f.turns180));
        EXPECT_EQ(text(w, "lblLegsWon"), QString::number(f.legsWon));
        EXPECT_EQ(text(w, "lblLegsLost"), QString::number(f.legsLost));
        // Practice sessions are not matches: the last match is the Cricket one.
        EXPECT_EQ(text(w, "lblMatches"), QString::number(selected.size()));
        EXPECT_EQ(text(w, "lblMatchesWonLost"), QStringLiteral("%1 / %2").arg(f.matchesWon).arg(f.matchesLost));
        for (int k = 0; k < 4; ++k) {
            const WonLost& wl = f.vsComputer[static_cast<std::size_t>(k)];
            EXPECT_EQ(text(w, QStringLiteral("lblVsComputer_%1").arg(k).toLatin1().constData()),
                      wl.won + wl.lost ? QStringLiteral("%1 / %2").arg(wl.won).arg(wl.lost) : QStringLiteral("-"));
        }

        // Her darts of those matches on the heat map: not the practice's, not Bob's.
        int herDarts = 0;
        for (const Played* p : selected)
            for (const TurnRecord& t : p->turns)
                herDarts += t.key.player == p->side ? static_cast<int>(t.dartList.size()) : 0;
        const HeatMap& heat = child<HeatMapWidget>(w, "picHeat")->map();
        EXPECT_EQ(heat.total + heat.outside, herDarts);

        // A bar for every double and the bull: the darts at it and the hits.
        auto* doubles = child<ChartWidget>(w, "picDoubles");
        ASSERT_EQ(doubles->bars().size(), 21u);
        EXPECT_EQ(doubles->bars()[15].label, QStringLiteral("D16"));
        EXPECT_EQ(doubles->bars()[20].label, QStringLiteral("BULL"));
        for (std::size_t i = 0; i < 21; ++i) {
            EXPECT_EQ(doubles->bars()[i].value, f.doubles[i].darts) << i;
            EXPECT_EQ(doubles->bars()[i].part.value_or(-1), f.doubles[i].hits) << i;
        }

        // A point for every x01 match, in order: the Cricket match has none.
        const auto points = trend(rows);
        if (points.empty())
            continue;
        auto* trendChart = child<ChartWidget>(w, "picTrend");
        ASSERT_EQ(trendChart->series().size(), 2u);
        const auto& averages = trendChart->series()[0].values;
        const auto& checkouts = trendChart->series()[1].values;
        ASSERT_EQ(averages.size(), points.size());
        ASSERT_EQ(checkouts.size(), points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_DOUBLE_EQ(averages[i].value_or(-1), points[i].average);
            EXPECT_EQ(checkouts[i], points[i].checkoutPercent);
        }
    }
    // The last match is Cricket: figures without a trend, said plainly.
    EXPECT_FALSE(child<RecordsPage>(w, "pgTrend")->showsContent());
    EXPECT_EQ(text(w, "pgTrend_message"), QStringLiteral("ann lee has no x01 matches recorded."));
    EXPECT_EQ(text(w, "lblAverage"), QStringLiteral("0.00"));
    EXPECT_EQ(text(w, "lblMatchesWonLost"), QStringLiteral("1 / 0"));

    // Another player: his own figures.
    choosePeriod(w, "ALL");
    players->setCurrentIndex(players->findText(QStringLiteral("Bob Kay")));
    std::vector<PlayerMatch> bob;
    for (const Played& p : r.matches)
        for (int side : {1, 2})
            if (p.match.player(side).name == "Bob Kay")
                bob.push_back({p.match, side, figuresFor(p.match, p.turns, side)});
    const PlayerFigures fb = combine(bob);
    EXPECT_EQ(text(w, "lblAverage"), twoPlaces(fb.average()));
    EXPECT_EQ(text(w, "lblMatches"), QString::number(bob.size()));
    EXPECT_EQ(child<ChartWidget>(w, "picTrend")->series()[0].values.size(), trend(bob).size());
    EXPECT_FALSE(child<RecordsPage>(w, "pgPractice")->showsContent());
    EXPECT_EQ(text(w, "pgPractice_message"), QStringLiteral("Bob Kay has no practice sessions recorded."));
}

TEST(RecordsWindow, PracticeAndCareerPagesShowEachSessionAndEachTournament)
{
    AnnsRecords r;
    r.career();
    OpenWindow w(r.store, QStringLiteral("Ann Lee"));
    ASSERT_TRUE(w.w);
    std::vector<const Played*> all;
    for (const Played& p : r.matches)
        all.push_back(&p);
    const auto form = careerForm(AnnsRecords::figures(all), "Ann Lee");
    ASSERT_EQ(form.size(), 2u);
    auto* table = child<QTableWidget>(w, "lstCareer");
    ASSERT_EQ(table->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const TournamentForm& t = form[static_cast<std::size_t>(row)];
        EXPECT_EQ(table->item(row, 1)->text(), QString::fromStdString(t.tournament));
        EXPECT_EQ(table->item(row, 2)->text(), QString::number(t.matches));
        EXPECT_EQ(table->item(row, 3)->text(), twoPlaces(t.average));
        EXPECT_EQ(table->item(row, 4)->text(), QString::fromStdString(t.result));
    }
    EXPECT_EQ(table->item(1, 4)->text(), QStringLiteral("CHAMPION"));
    auto* careerChart = child<ChartWidget>(w, "picCareer");
    ASSERT_EQ(careerChart->bars().size(), 2u);
    EXPECT_EQ(careerChart->bars()[0].label, QStringLiteral("CO"));
    EXPECT_DOUBLE_EQ(careerChart->bars()[1].value, form[1].average.value_or(-1));

    // Practice: a point per finished session of the chosen game, and the best
    // of all time whatever the period.
    auto* games = child<QComboBox>(w, "cboPractice");
    ASSERT_EQ(games->count(), 2);
    games->setCurrentIndex(games->findData(QStringLiteral("CLOCK/ANY")));
    auto* practiceChart = child<ChartWidget>(w, "picPractice");
    ASSERT_EQ(practiceChart->series().size(), 1u);
    ASSERT_EQ(practiceChart->series()[0].values.size(), 3u);
    // In the order played: 61 (day 23 ago), 52 (20 days ago), 55 (half a day ago).
    EXPECT_EQ(practiceChart->series()[0].values[0], 61.0);
    EXPECT_EQ(practiceChart->series()[0].values[1], 52.0);
    EXPECT_EQ(practiceChart->series()[0].values[2], 55.0);
    const QString best = QString::fromStdString(resultText(PracticeChoice::clock(ClockVariant::Any), 52));
    EXPECT_TRUE(text(w, "lblPracticeBest").startsWith(QStringLiteral("PERSONAL BEST: ") + best))
        << text(w, "lblPracticeBest").toStdString();
    choosePeriod(w, "LAST MATCH"); // the last session: the best is still the best of all
    ASSERT_EQ(games->count(), 1);
    EXPECT_EQ(practiceChart->series()[0].values.size(), 1u);
    EXPECT_TRUE(text(w, "lblPracticeBest").startsWith(QStringLiteral("PERSONAL BEST: ") + best));
    EXPECT_EQ(careerChart->bars().size(), 1u); // the last match was the final
}

TEST(RecordsWindow, TheHeatMapCountsTheDartsWhereTheyLandedAndThoseAimedAtOneBed)
{
    ScratchFolder dir;
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file()));
    auto thrown = [](std::initializer_list<std::tuple<const char*, int, int>> ds) {
        std::vector<ThrownDart> out;
        for (const auto& [aim, x, y] : ds) {
            ThrownDart d;
            const Point at = *GetCoords(aim);
            d.aimed = true;
            d.aimBed = aim;
            d.aimX = at.x;
            d.aimY = at.y;
            d.x = x;
            d.y = y;
            d.bed = bedAt(x, y);
            out.push_back(d);
        }
        return out;
    };
    MatchBuilder b("501");
    b.match.started = now() - kDay;
    b.thrown(1, thrown({{"T20", 2580, 1425}, {"T20", 2580, 1425}, {"T20", 2700, 1300}}))
        .thrown(2, darts({"T19", "T19", "T19"}))
        .thrown(1, thrown({{"T20", 2450, 1440}, {"T19", 2235, 3705}, {"T19", 5000, 5000}}))
        .thrown(2, darts({"T20", "T20", "T20"}))
        .finish(1);
    ASSERT_GT(record(store, b), 0);

    OpenWindow w(store, QStringLiteral("Ann Lee"));
    ASSERT_TRUE(w.w);
    showPage(w, "pgHeat");
    auto* heat = child<HeatMapWidget>(w, "picHeat");
    // Her six darts, one of them beyond the board; none of Bob's.
    EXPECT_EQ(heat->map().total, 5);
    EXPECT_EQ(heat->map().outside, 1);
    auto cell = [&](int x, int y) {
        const auto c = HeatMap::cellOf(x, y);
        return heat->map().at((*c)[0], (*c)[1]);
    };
    EXPECT_EQ(cell(2580, 1425), 2);
    EXPECT_EQ(cell(2700, 1300), 1);
    EXPECT_EQ(cell(2235, 3705), 1);
    EXPECT_EQ(cell(2595, 2595), 0);
    EXPECT_EQ(text(w, "lblHeat"), QStringLiteral("6 darts, 1 off the board"));

    auto* aimed = child<QComboBox>(w, "cboAimed");
    ASSERT_EQ(aimed->count(), 3); // all, then the beds by how often aimed at
    EXPECT_EQ(aimed->itemText(1), QStringLiteral("AIMED AT T20"));
    aimed->setCurrentIndex(1);
    EXPECT_EQ(heat->map().total, 4);
    EXPECT_EQ(heat->map().outside, 0);
    EXPECT_EQ(cell(2235, 3705), 0);
    aimed->setCurrentIndex(2);
    EXPECT_EQ(heat->map().total, 1);
    EXPECT_EQ(heat->map().outside, 1);

    // Drawn on the board where they landed: the treble 20 is coloured, the
    // bottom of the board, where nothing landed, looks as on an empty map.
    aimed->setCurrentIndex(0);
    heat->resize(400, 440);
    HeatMapWidget empty;
    empty.resize(heat->size());
    const QImage withDarts = heat->grab().toImage();
    const QImage without = empty.grab().toImage();
    const QPoint t20 = heat->toPixels(2580, 1425).toPoint();
    const QPoint s3 = heat->toPixels(2595, 4000).toPoint();
    EXPECT_NE(withDarts.pixel(t20), without.pixel(t20));
    EXPECT_EQ(withDarts.pixel(s3), without.pixel(s3));
    EXPECT_EQ(heat->cellColour(0).alpha(), 0);
    EXPECT_GT(heat->cellColour(1).alpha(), 0);
}

TEST(RecordsWindow, SaysSoWithNoRecordsOrNoneForTheChoice)
{
    ScratchFolder dir;
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file()));
    {
        OpenWindow w(store, QStringLiteral("Ann Lee"));
        ASSERT_TRUE(w.w);
        EXPECT_EQ(w->message(), QStringLiteral("No matches have been recorded yet."));
        EXPECT_TRUE(child<QTabWidget>(w, "tabPages")->isHidden());
        EXPECT_FALSE(child<QPushButton>(w, "cmdExport")->isEnabled());
        EXPECT_FALSE(w->exportTo(QString::fromStdString(dir.path.string())));
    }
    {
        OpenWindow w(store, QString());
        EXPECT_EQ(w->message(), QStringLiteral("No matches have been recorded yet."));
    }
    // Matches of two months ago only.
    std::mt19937_64 gen(4);
    MatchBuilder old = playMatch(gen, "501", 1, 1, {200.0, 200.0});
    old.match.started = now() - 60 * kDay;
    old.match.ended = old.match.started + 600;
    ASSERT_GT(record(store, old), 0);
    {
        OpenWindow w(store, QStringLiteral("Cy Dee"));
        EXPECT_EQ(w->message(), QStringLiteral("Cy Dee has no matches recorded."));
    }
    OpenWindow w(store, QStringLiteral("Ann Lee"));
    EXPECT_EQ(w->message(), QString());
    choosePeriod(w, "LAST 30 DAYS");
    EXPECT_EQ(w->message(), QStringLiteral("Ann Lee has played nothing in the last 30 days."));
    EXPECT_TRUE(child<QTabWidget>(w, "tabPages")->isHidden());
    choosePeriod(w, "LAST 10 MATCHES");
    EXPECT_EQ(w->message(), QString());
    EXPECT_FALSE(child<QTabWidget>(w, "tabPages")->isHidden());
    // No career, no practice: each page says so instead of empty charts.
    EXPECT_FALSE(child<RecordsPage>(w, "pgCareer")->showsContent());
    EXPECT_FALSE(child<RecordsPage>(w, "pgPractice")->showsContent());
    EXPECT_TRUE(child<RecordsPage>(w, "pgFigures")->showsContent());
    // OK closes the window, and it goes.
    QTest::mouseClick(child<QPushButton>(w, "cmdOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.w.isNull());
}

TEST(RecordsWindow, AStoreThatCannotBeReadIsToldOnceInItsOwnWords)
{
    ScratchFolder dir;
    {
        MatchStore store;
        ASSERT_TRUE(store.open(dir.file()));
        std::mt19937_64 gen(8);
        for (int i = 0; i < 40; ++i) {
            MatchBuilder b = playMatch(gen, "501", 3, 1, {200.0, 200.0});
            b.match.started = now() - (40 - i) * kDay;
            ASSERT_GT(record(store, b), 0);
        }
    }
    const std::string good = contents(dir.file());

    // Damaged inside: the file opens, the reads fail.
    std::string damaged = good;
    std::mt19937_64 noise(9);
    for (std::size_t i = good.size() / 3; i < good.size(); ++i)
        damaged[i] = static_cast<char>(noise());
    write(dir.file("damaged.db"), damaged);
    {
        MatchStore store;
        ASSERT_TRUE(store.open(dir.file("damaged.db")));
        const auto names = store.playerNames();
        const StoreResult said = names ? store.figures({"Ann Lee", Period::All, 0, std::nullopt}).result : names.result;
        ASSERT_FALSE(said.ok);
        EXPECT_EQ(said.message, store::kDamaged);
        OpenWindow w(store, QStringLiteral("Ann Lee"));
        ASSERT_TRUE(w.w);
        EXPECT_EQ(w->message(), QString::fromStdString(said.message));
        EXPECT_TRUE(child<QTabWidget>(w, "tabPages")->isHidden());
        // Told once: another choice reads nothing and pops nothing up.
        choosePeriod(w, "LAST 10 MATCHES");
        showPage(w, "pgHeat");
        EXPECT_EQ(w->message(), QString::fromStdString(said.message));
        EXPECT_EQ(w->findChild<QMessageBox*>(), nullptr);
        EXPECT_FALSE(w->exportTo(QString::fromStdString(dir.path.string())));
    }

    // Cut short: the store does not open, and the window tells why.
    write(dir.file("short.db"), good.substr(0, good.size() / 2));
    {
        MatchStore store;
        const StoreResult opened = store.open(dir.file("short.db"));
        ASSERT_FALSE(opened);
        OpenWindow w(store, QStringLiteral("Ann Lee"), QString::fromStdString(opened.message));
        EXPECT_EQ(w->message(), QString::fromStdString(opened.message));
        EXPECT_EQ(w->message().toStdString(), store::kDamaged);
        EXPECT_FALSE(child<QComboBox>(w, "cboPeriod")->isEnabled());
    }
    // Not open, nothing said: the store's own words for that.
    {
        MatchStore store;
        OpenWindow w(store, QStringLiteral("Ann Lee"));
        EXPECT_EQ(w->message().toStdString(), store::kNotOpen);
    }

    // In use: another copy holds the file locked while the game opens it.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE matches SET ended = ended",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    {
        MatchStore store;
        const StoreResult opened = store.open(dir.file());
        ASSERT_FALSE(opened);
        EXPECT_EQ(opened.message, "The match records are in use by another copy of the game.");
        OpenWindow w(store, QStringLiteral("Ann Lee"), QString::fromStdString(opened.message));
        EXPECT_EQ(w->message(), QString::fromStdString(opened.message));
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST(RecordsWindow, ExportsWhatItShowsToThreeCsvFilesAndTellsAFolderThatCannotBeWritten)
{
    AnnsRecords r;
    OpenWindow w(r.store, QStringLiteral("Ann Lee"));
    ASSERT_TRUE(w.w);
    QTemporaryDir out;
    auto expectFiles = [&](const QStringList& files, const std::vector<const Played*>& shown) {
        ASSERT_EQ(files.size(), 3);
        std::size_t turns = 0, dartCount = 0;
        for (const Played* p : shown) {
            turns += p->turns.size();
            for (const TurnRecord& t : p->turns)
                dartCount += t.dartList.size();
        }
        const QStringList m = csvLines(files[0]), t = csvLines(files[1]), d = csvLines(files[2]);
        ASSERT_FALSE(m.isEmpty());
        ASSERT_FALSE(t.isEmpty());
        ASSERT_FALSE(d.isEmpty());
        EXPECT_EQ(m[0] + QStringLiteral("\r\n"), QString::fromStdString(matchesCsvHeader()));
        EXPECT_EQ(t[0] + QStringLiteral("\r\n"), QString::fromStdString(turnsCsvHeader()));
        EXPECT_EQ(d[0] + QStringLiteral("\r\n"), QString::fromStdString(dartsCsvHeader()));
        EXPECT_EQ(static_cast<std::size_t>(m.size()), shown.size() + 1);
        EXPECT_EQ(static_cast<std::size_t>(t.size()), turns + 1);
        EXPECT_EQ(static_cast<std::size_t>(d.size()), dartCount + 1);
    };
    // All: her 25 matches and her 4 practice sessions.
    ASSERT_TRUE(w->exportTo(out.path()));
    std::vector<const Played*> shown = r.of(Period::All);
    for (const Played& s : r.sessions)
        shown.push_back(&s);
    expectFiles(w->exportedFiles(), shown);
    EXPECT_EQ(QFileInfo(w->exportedFiles()[0]).fileName(), QStringLiteral("Ann Lee matches.csv"));

    // The last ten matches and sessions, beside the first export, which stays.
    choosePeriod(w, "LAST 10 MATCHES");
    const QStringList before = QDir(out.path()).entryList(QDir::Files);
    ASSERT_TRUE(w->exportTo(out.path()));
    EXPECT_EQ(QFileInfo(w->exportedFiles()[1]).fileName(), QStringLiteral("Ann Lee turns (2).csv"));
    shown = r.of(Period::Last10);
    for (const Played& s : r.sessions)
        shown.push_back(&s);
    expectFiles(w->exportedFiles(), shown);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), before.size() + 3);
    EXPECT_EQ(csvLines(out.path() + QStringLiteral("/Ann Lee matches.csv")).size(), 30);

    // A folder that cannot be written, and one that is not there: told, and
    // nothing is left behind.
    QTemporaryDir locked;
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString unwritable =
        geteuid() == 0 ? QStringLiteral("/proc") : locked.path(); // the superuser writes anywhere else
    for (const QString& folder : {unwritable, out.path() + QStringLiteral("/missing")}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_FALSE(w->exportTo(folder));
        EXPECT_TRUE(w->exportedFiles().isEmpty());
        const QString said = text(w, "lblExport");
        EXPECT_TRUE(said.startsWith(QStringLiteral("The records could not be written"))) << said.toStdString();
        EXPECT_TRUE(said.contains(folder)) << said.toStdString();
        auto* box = w->findChild<QMessageBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), said);
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(QDir(locked.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Every page at the window's own size: no text cut, a long name shortened
// with an ellipsis in the choice of names only. With VANTORELLE_SHOTS set to
// a folder, the pages and the heat map are saved there as pictures.
TEST(RecordsWindow, EveryPageShowsItsTextsWhole)
{
    AnnsRecords r;
    r.career();
    const QString longName = QStringLiteral("Maximiliana Wolkenstein-Dravenhausen Thorsdottir");
    MatchBuilder b("501");
    b.match.players[0].name = longName.toStdString();
    b.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"T20", "T20", "T20"}).finish(1);
    b.match.started = now() - kDay;
    ASSERT_GT(record(r.store, b), 0);
    const QString shots = qEnvironmentVariable("VANTORELLE_SHOTS");

    OpenWindow w(r.store, QStringLiteral("Ann Lee"));
    ASSERT_TRUE(w.w);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.w));
    const char* pages[] = {"pgFigures", "pgTrend", "pgHeat", "pgCareer", "pgPractice"};
    for (const char* page : pages) {
        SCOPED_TRACE(page);
        showPage(w, page);
        QCoreApplication::processEvents();
        for (FittedLabel* l : w->findChildren<FittedLabel*>()) {
            if (l->isVisibleTo(w) && !l->text().isEmpty()) {
                EXPECT_FALSE(l->shortened()) << l->objectName().toStdString() << ": " << l->text().toStdString();
            }
        }
        if (!shots.isEmpty())
            w->grab().save(QDir(shots).filePath(QStringLiteral("records-%1.png").arg(QLatin1String(page))));
    }
    if (!shots.isEmpty())
        child<HeatMapWidget>(w, "picHeat")->grab().save(QDir(shots).filePath(QStringLiteral("records-heat.png")));

    auto* players = child<QComboBox>(w, "cboPlayer");
    players->setCurrentIndex(players->findText(longName));
    QCoreApplication::processEvents();
    EXPECT_LE(w->width(), 900); // the long name did not widen the window
    auto* box = child<NameBox>(w, "cboPlayer");
    EXPECT_EQ(box->currentText(), longName);
    EXPECT_TRUE(box->shownText().endsWith(QChar(0x2026))) << box->shownText().toStdString();
    EXPECT_TRUE(longName.startsWith(box->shownText().chopped(1)));
    for (FittedLabel* l : w->findChildren<FittedLabel*>()) {
        if (l->isVisibleTo(w) && !l->text().isEmpty() && l->wordWrap()) {
            EXPECT_FALSE(l->shortened()) << l->objectName().toStdString();
        }
    }
    if (!shots.isEmpty())
        w->grab().save(QDir(shots).filePath(QStringLiteral("records-long-name.png")));
}

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <numeric>
#include <set>

#include "career/careerdata.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/rosterrecord.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;

namespace {

// Plays one tournament through the draw window's rules as the window would:
// CONTINUE until the end, the career player's matches decided by a callback,
// the career saved whenever the rules say so.
struct Runner {
    explicit Runner(CareerState& state) : s(state) {}

    CareerState& s;
    Rng rng{2024};
    bool cricketUnlocked = false;
    std::function<bool(const CareerMatch&)> careerWins = [](const CareerMatch&) { return false; };

    std::array<int, 8> matchStats{}; // player 1's statistics of the match on the board
    std::vector<int> steps;
    std::vector<CareerMatch> played;
    int saves = 0;
    int dartsBooked = 0;

    std::optional<TournamentEnd> run()
    {
        RostersState rosters = OpenRosters(s);
        for (int press = 0; press < 30; ++press) {
            DrawStep step = ContinueDraw(s, rosters, cricketUnlocked, rng);
            steps.push_back(step.step);
            if (step.careerMatch) {
                EXPECT_FALSE(step.saveCareer) << "never saved while his match is on";
                played.push_back(*step.careerMatch);
                matchStats[1] += 30; // darts, points, darts at a double, doubles hit
                matchStats[2] += 500;
                matchStats[3] += 3;
                matchStats[4] += 1;
                dartsBooked += 30;
                const CareerMatch& m = *step.careerMatch;
                rosters.strWinner = careerWins(m) ? m.player1 : m.player2;
                step = HumanMatchTick(s, rosters, cricketUnlocked);
            }
            if (step.saveCareer) {
                SaveCareer(s, matchStats);
                ++saves;
            }
            if (step.end)
                return step.end;
            EXPECT_TRUE(step.continueEnabled) << "step " << step.step;
        }
        ADD_FAILURE() << "the tournament did not end";
        return std::nullopt;
    }
};

template <std::size_t N>
void expectRound(const DrawList<N>& list, int from, int to, int next)
{
    for (int a = from; a < to; a += 2, ++next) {
        const std::string& w = list[next];
        EXPECT_TRUE(sameName(w, list[a]) || sameName(w, list[a + 1]))
            << "slot " << next << " holds " << w << ", not " << list[a] << " or " << list[a + 1];
    }
}

// Every winner came from his pair, every copy is what it should be, and
// nobody was drawn twice.
void expectConsistent(const CareerState& s, Format format)
{
    const auto& q = s.QualifyingDraw;
    const auto& e = s.EliminatorDraw;
    const auto& f = s.FinalDraw;
    expectRound(q, 1, 128, 129);
    expectRound(q, 129, 192, 193);
    std::set<std::string> entrants;
    for (int slot = 1; slot <= 128; ++slot)
        entrants.insert(upperCase(q[slot]));
    switch (format) {
    case Format::Standard:
        expectRound(q, 193, 224, 225);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(e[2 + 2 * i], q[225 + i]);
            EXPECT_EQ(f[2 + 2 * i], e[33 + i]);
            entrants.insert(upperCase(e[1 + 2 * i]));
            entrants.insert(upperCase(f[1 + 2 * i]));
        }
        expectRound(e, 1, 32, 33);
        EXPECT_TRUE(q[241].empty());
        EXPECT_EQ(entrants.size(), 160u);
        break;
    case Format::Masters:
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(f[1 + i], q[193 + i]);
        EXPECT_TRUE(q[225].empty() && e[1].empty());
        EXPECT_EQ(entrants.size(), 128u);
        break;
    case Format::Championship:
        expectRound(q, 193, 224, 225);
        expectRound(q, 225, 240, 241);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(f[kChampionshipQualifierSlots[static_cast<std::size_t>(i)]], q[241 + i]);
        for (int slot = 1; slot <= 31; slot += 2)
            entrants.insert(upperCase(f[slot]));
        for (int slot : kChampionshipRank17Slots)
            entrants.insert(upperCase(f[slot]));
        EXPECT_TRUE(e[1].empty());
        EXPECT_EQ(entrants.size(), 152u);
        break;
    }
    expectRound(f, 1, 32, 33);
    expectRound(f, 33, 48, 49);
    expectRound(f, 49, 56, 57);
    expectRound(f, 57, 60, 61);
    expectRound(f, 61, 62, 63);
    EXPECT_EQ(CountName(f, f[63]), 6);
}

int totalPoints(const std::vector<std::string>& roster)
{
    int sum = 0;
    for (const auto& l : roster)
        sum += RosterRecord::parse(l).number(RosterRecord::kTotal);
    return sum;
}

} // namespace

TEST(Tournament, EachFormatRunsToItsChampionWithEverySlotConsistent)
{
    struct Case {
        int tournament;
        Format format;
        std::vector<int> steps;
        std::size_t awards;
    };
    const Case cases[] = {
        {1, Format::Standard, {1, 2, 4, 6, 7, 8, 9, 9, 9, 9, 10}, 16},
        {3, Format::Masters, {1, 2, 3, 9, 9, 9, 9, 10}, 32},
        {12, Format::Championship, {1, 2, 4, 5, 8, 9, 9, 9, 9, 10}, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tournament);
        CareerState s = vantorelle::testing::newCareer(c.tournament);
        Rng build(static_cast<std::uint64_t>(c.tournament));
        BuildDraw(s, build);
        Runner run{s};
        const auto end = run.run();
        ASSERT_TRUE(end);
        EXPECT_EQ(run.steps, c.steps);
        ASSERT_EQ(run.played.size(), 1u); // he loses his first match
        const CareerMatch& m = run.played[0];
        EXPECT_EQ(m.stage, "Q1");
        EXPECT_EQ(m.player1, "IVO QUILLFEATHER");
        EXPECT_EQ(m.tag1, "WAL (-)");
        EXPECT_EQ(m.flag1, "flags/wal.gif");
        EXPECT_FALSE(m.player2.empty() || m.flag2.empty() || m.tag2.empty());
        const MatchLengthSetting expected = SetLength(c.tournament, "Q1", 1);
        EXPECT_EQ(m.length.legsToWin, expected.legsToWin);
        EXPECT_EQ(m.length.message, expected.message);

        expectConsistent(s, c.format);
        EXPECT_EQ(end->champion, s.FinalDraw[63]);
        EXPECT_EQ(end->message, tournamentName(c.tournament) + " CHAMPION - " + upperCase(s.FinalDraw[63]));
        EXPECT_FALSE(end->cricketUnlocked);
        EXPECT_EQ(end->rankingPoints.size(), c.awards);
        EXPECT_EQ(s.tournamentNo, nextTournament(c.tournament));
        EXPECT_EQ(CountName(s.FinalDraw, s.careerName), 0);
        // Each step that waits for nobody is saved, and so is the end.
        EXPECT_EQ(run.saves, static_cast<int>(c.steps.size()));
    }
}

TEST(Tournament, StepByStepWithTheCareerPlayersMatches)
{
    CareerState s = vantorelle::testing::newCareer(1);
    Rng rng(99);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    EXPECT_EQ(rosters.strTournament, "CANADIAN GRAND PRIX");

    DrawStep st = ContinueDraw(s, rosters, false, rng);
    ASSERT_TRUE(st.careerMatch);
    EXPECT_EQ(st.step, 1);
    EXPECT_EQ(st.careerMatch->stage, "Q1");
    EXPECT_EQ(st.careerMatch->length.legsToWin, 2);
    EXPECT_EQ(st.careerMatch->length.setsToWin, 1);
    EXPECT_TRUE(st.waiting && !st.continueEnabled && !st.saveCareer);
    const int slot = rosters.intHumanSlot;
    EXPECT_GE(slot, 129);
    EXPECT_TRUE(s.QualifyingDraw[slot].empty());

    // While his match is on, CONTINUE and the timer change nothing.
    const CareerState during = s;
    EXPECT_TRUE(ContinueDraw(s, rosters, false, rng).waiting);
    EXPECT_TRUE(HumanMatchTick(s, rosters, false).waiting);
    rosters.strWinner = "SOMEONE ELSE"; // played neither side
    EXPECT_TRUE(HumanMatchTick(s, rosters, false).waiting);
    EXPECT_EQ(s.QualifyingDraw, during.QualifyingDraw);

    rosters.strWinner = st.careerMatch->player1; // upper case, as the scoreboard shows it
    st = HumanMatchTick(s, rosters, false);
    EXPECT_TRUE(st.saveCareer && st.continueEnabled && !st.waiting);
    EXPECT_EQ(st.show, DrawView::Group);
    EXPECT_EQ(s.QualifyingDraw[slot], "IVO QUILLFEATHER");
    EXPECT_TRUE(rosters.strWinner.empty());

    // Saved here and loaded again: the slots alone say what comes next, and the
    // upper-case name is still the career player's.
    CareerState loaded = s;
    RostersState fresh = OpenRosters(loaded);
    st = ContinueDraw(loaded, fresh, false, rng);
    EXPECT_EQ(st.step, 2);
    ASSERT_TRUE(st.careerMatch);
    EXPECT_EQ(st.careerMatch->stage, "Q2");
    fresh.strWinner = st.careerMatch->player2;
    HumanMatchTick(loaded, fresh, false);

    st = ContinueDraw(loaded, fresh, false, rng);
    EXPECT_EQ(st.step, 4);
    EXPECT_FALSE(st.careerMatch);
    EXPECT_TRUE(st.saveCareer && st.continueEnabled);

    st = ContinueDraw(loaded, fresh, false, rng); // only the qualifiers move
    EXPECT_EQ(st.step, 6);
    EXPECT_EQ(st.show, DrawView::Eliminator);
    EXPECT_EQ(loaded.EliminatorDraw[2], loaded.QualifyingDraw[225]);
    EXPECT_TRUE(loaded.EliminatorDraw[33].empty());
    st = ContinueDraw(loaded, fresh, false, rng);
    EXPECT_EQ(st.step, 7);
    EXPECT_FALSE(loaded.EliminatorDraw[33].empty());
}

TEST(Tournament, WinningTheWorldChampionshipUnlocksCricketOnce)
{
    for (bool already : {false, true}) {
        CareerState s = vantorelle::testing::newCareer(12);
        Rng rng(12);
        BuildDraw(s, rng);
        Runner run{s};
        run.cricketUnlocked = already;
        run.careerWins = [](const CareerMatch&) { return true; };
        const auto end = run.run();
        ASSERT_TRUE(end);
        const std::vector<std::string> stages{"Q1", "Q2", "Q3", "Q3", "F1", "F2", "F3", "F4", "F5"};
        std::vector<std::string> got;
        for (const auto& m : run.played)
            got.push_back(m.stage);
        EXPECT_EQ(got, stages);
        EXPECT_EQ(run.played.back().length.setsToWin, 2); // shorter than the semi-final at SHORT
        EXPECT_EQ(end->message, "WORLD CHAMPIONSHIP CHAMPION - IVO QUILLFEATHER");
        EXPECT_EQ(end->cricketUnlocked, !already);
        EXPECT_EQ(end->rankingPoints.front(), fitText("Ivo Quillfeather", 35) + " 20 points");
        EXPECT_LT(GetCareerRank(s.roster, "Ivo Quillfeather"), 160);
        EXPECT_EQ(s.tournamentNo, 1);
        expectConsistent(s, Format::Championship);
    }
}

// A season of twelve tournaments: the calendar books each one once, the
// history lines carry the career player's own totals of that tournament, final
// included, and the points of the world add up to what the tournaments paid.
TEST(Tournament, AWholeSeasonThroughTheCalendar)
{
    CareerState s = vantorelle::testing::newCareer(1);
    Rng rng(5);
    std::vector<std::string> history;
    int expectedPoints = 0;
    for (int t = 1; t <= 12; ++t) {
        SCOPED_TRACE(t);
        ASSERT_EQ(s.tournamentNo, t);
        EXPECT_EQ(StartTournament(s), themeCode(t));
        BuildDraw(s, rng);
        Runner run{s};
        run.rng.reseed(100 + static_cast<std::uint64_t>(t));
        int wins = 0;
        const bool goesAllTheWay = t == 1 || t == 12;
        run.careerWins = [&](const CareerMatch&) { return goesAllTheWay || wins++ < 2; };
        ASSERT_TRUE(run.run());
        expectConsistent(s, tournamentFormat(t));
        constexpr int kPlayersWithCount[] = {0, 16, 8, 4, 2, 1, 1};
        for (int count = 1; count <= 6; ++count)
            expectedPoints += rankingPoints(t, count) * kPlayersWithCount[count];

        EXPECT_TRUE(tournamentAwaitsBooking(s));
        const auto line = BookFinishedTournament(s, "03/04/2005");
        ASSERT_TRUE(line);
        SaveCareer(s, run.matchStats);
        EXPECT_FALSE(BookFinishedTournament(s, "03/04/2005"));
        history.push_back(*line);
        const std::vector<std::string> f{GetSplit(*line, 1), GetSplit(*line, 2), GetSplit(*line, 4)};
        EXPECT_EQ(f[0], tournamentName(t));
        EXPECT_EQ(f[2], std::to_string(run.dartsBooked)) << *line;
        if (goesAllTheWay) {
            EXPECT_EQ(f[1], "CHAMPION");
        }
        EXPECT_EQ(s.totals, TournamentTotals{});
    }
    EXPECT_EQ(s.tournamentNo, 1);
    EXPECT_EQ(history.size(), 12u);
    EXPECT_EQ(expectedPoints, 1033);
    EXPECT_EQ(totalPoints(s.roster), expectedPoints);
    for (std::size_t i = 0; i < s.roster.size(); ++i)
        EXPECT_EQ(RosterRecord::parse(s.roster[i]).number(0), static_cast<int>(i) + 1);
}

TEST(Tournament, DamagedDrawsNeitherCrashNorRunAway)
{
    Rng junk(77);
    for (int trial = 0; trial < 30; ++trial) {
        CareerState s = vantorelle::testing::newCareer(1 + trial % 12);
        const std::string garbage[] = {"", "   ", "Ivo Quillfeather", "x,y,z", "IVO QUILLFEATHER", "Nobody At All",
                                       std::string(300, 'Q'), "\r\n"};
        auto scribble = [&](auto& list) {
            for (int slot = 1; slot <= std::decay_t<decltype(list)>::kSize; ++slot)
                if (junk.uniform() < 0.3)
                    list.set(slot, garbage[junk.pick(8)]);
        };
        BuildDraw(s, junk);
        scribble(s.QualifyingDraw);
        scribble(s.EliminatorDraw);
        scribble(s.FinalDraw);
        RostersState r = OpenRosters(s);
        for (int press = 0; press < 40; ++press) {
            DrawStep st = ContinueDraw(s, r, false, junk);
            if (st.careerMatch) {
                r.strWinner = st.careerMatch->player1;
                st = HumanMatchTick(s, r, false);
            }
            if (st.end)
                break;
        }
        (void)Display(s, r.strTournament, DrawView::Group);
    }
}

#include <gtest/gtest.h>

#include "career/careerdata.h"
#include "rules/career/calendar.h"
#include "rules/career/points.h"
#include "rules/persistence/historyfile.h"

using namespace vantorelle;
using vantorelle::testing::rosterLine;

TEST(Calendar, ChampionsAndRunnersUpAreFoundByThePointsOfTheirFinish)
{
    std::vector<std::string> roster;
    for (int k = 1; k <= 160; ++k)
        roster.push_back(rosterLine(k, "P" + std::to_string(k), "Player"));
    const CalendarView fresh = Populate(roster, 1);
    for (const auto& row : fresh.rows)
        EXPECT_TRUE(row.champion.empty() && row.runnerUp.empty() && row.championFlag.empty());
    EXPECT_EQ(fresh.next, "NEXT TOURNAMENT ON CALENDAR: CANADIAN GRAND PRIX");

    roster[4] = rosterLine(5, "Wyn", "Carrow", "WAL", 20, 12);
    roster[9] = rosterLine(10, "Al", "Finch", "CAN", 16, 12);
    roster[19] = rosterLine(20, "Mo", "Dunn", "SCO", 12, 1);
    roster[29] = rosterLine(30, "Bo", "Kerr", "AUS", 10, 1);
    roster[39] = rosterLine(40, "Cy", "Lund", "NED", 14, 3); // masters: 14 wins, 12 is runner-up
    roster[49] = rosterLine(50, "Di", "Rowe", "USA", 12, 3);
    roster[59] = rosterLine(60, "Ed", "Hale", "ENG", 13, 6);
    const CalendarView v = Populate(roster, 12);
    EXPECT_EQ(v.rows[11].champion, "Wyn Carrow");
    EXPECT_EQ(v.rows[11].championFlag, "flags/wal.gif");
    EXPECT_EQ(v.rows[11].runnerUp, "Al Finch");
    EXPECT_EQ(v.rows[0].champion, "Mo Dunn");
    EXPECT_EQ(v.rows[0].runnerUp, "Bo Kerr");
    EXPECT_EQ(v.rows[2].champion, "Cy Lund");
    EXPECT_EQ(v.rows[2].runnerUp, "Di Rowe");
    EXPECT_EQ(v.rows[5].runnerUp, "Ed Hale");
    EXPECT_EQ(v.rows[5].champion, "");
    EXPECT_EQ(v.next, "NEXT TOURNAMENT ON CALENDAR: WORLD CHAMPIONSHIP");
}

TEST(Calendar, ButtonsStopAtTheEndsAndTheYearTurnsOver)
{
    EXPECT_EQ(raiseClass(4), 4);
    EXPECT_EQ(lowerClass(1), 1);
    EXPECT_EQ(raiseClass(2), 3);
    EXPECT_EQ(lowerClass(0), 3); // an unknown class plays as PRO
    EXPECT_EQ(difficultyFor(3).aimSpeed, 120);
    EXPECT_EQ(std::string(difficultyFor(9).text), "PRO");
    EXPECT_EQ(difficultyFor(1).difficulty, 0);
    EXPECT_EQ(longerLength(3), 3);
    EXPECT_EQ(shorterLength(1), 1);
    EXPECT_EQ(lengthText(longerLength(1)), "MED");
    EXPECT_EQ(lowerAverage(30), 30);
    EXPECT_EQ(raiseAverage(100), 100);
    EXPECT_EQ(raiseAverage(30), 31);
    EXPECT_EQ(nextTournament(12), 1);
    EXPECT_EQ(nextTournament(5), 6);
    EXPECT_EQ(previousTournament(1), 12);
    EXPECT_EQ(themeCode(12), "WCh");
    EXPECT_EQ(themeCode(13), "");
    EXPECT_EQ(tournamentName(0), "");
}

TEST(Calendar, AFinishedTournamentIsBookedOnce)
{
    CareerState s = vantorelle::testing::newCareer(1); // the points of the WORLD CHAMPIONSHIP are paid
    s.QualifyingDraw.set(1, "Someone");
    EXPECT_FALSE(BookFinishedTournament(s, "01/02/2005"));
    s.FinalDraw.set(63, "IVO QUILLFEATHER");
    for (int slot : {1, 33, 49, 57, 61})
        s.FinalDraw.set(slot, "Ivo Quillfeather");
    s.totals = {900, 45, 6, 3};

    const auto line = BookFinishedTournament(s, "01/02/2005");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, "01/02/2005,WORLD CHAMPIONSHIP,CHAMPION,900,45,6,3\r\n");
    EXPECT_EQ(s.FinalDraw[63], kNoSave);
    EXPECT_EQ(s.totals, TournamentTotals{});
    EXPECT_FALSE(BookFinishedTournament(s, "01/02/2005"));

    EXPECT_EQ(StartTournament(s), "CO");
    EXPECT_TRUE(s.FinalDraw[63].empty() && s.QualifyingDraw[1].empty());
}

TEST(ShippedRoster, FitsThePointsModelAndANewCareerHasNoChampions)
{
    const RosterFile file = vantorelle::testing::shippedRoster();
    ASSERT_EQ(file.lines.size(), 160u);
    for (const auto& line : file.lines) {
        int sum = 0;
        for (int n = 1; n <= 12; ++n) {
            const int points = std::stoi(GetSplit(line, 4 + n));
            sum += points;
            bool awardable = points == 0;
            for (int count = 1; count <= 4; ++count)
                awardable = awardable || points == rankingPoints(n, count);
            EXPECT_TRUE(awardable) << line << " tournament " << n;
            EXPECT_NE(points, rankingPoints(n, kCountChampion)) << line;
            EXPECT_NE(points, rankingPoints(n, kCountRunnerUp)) << line;
        }
        EXPECT_EQ(std::stoi(GetSplit(line, 4)), sum) << line;
    }
    // The ranks are the ranking order.
    auto sorted = file.lines;
    SortPlayers(sorted);
    EXPECT_EQ(sorted, file.lines);

    const CalendarView view = Populate(NewCareerRoster(file.lines, "Ivo", "Quillfeather", "WAL"), 1);
    for (const auto& row : view.rows) {
        EXPECT_EQ(row.champion, "");
        EXPECT_EQ(row.runnerUp, "");
    }
}

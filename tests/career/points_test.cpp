#include <gtest/gtest.h>

#include <sstream>

#include "career/careerdata.h"
#include "rules/career/calendar.h"
#include "rules/career/points.h"
#include "rules/career/rosterrecord.h"
#include "rules/career/structure.h"

using namespace vantorelle;
using vantorelle::testing::rosterLine;

namespace {

// A final 32 where the player in the odd slot wins every match: slot 1 is
// the champion, 17 the runner-up, 9 and 25 the semi-finalists, 5, 13, 21, 29
// the quarter-finalists and the other odd slots the last 16.
void playFinal(DrawList<63>& f, const std::vector<std::pair<int, std::string>>& placed)
{
    for (const auto& [slot, name] : placed)
        f.set(slot, name);
    for (int from = 1, next = 33; next <= 63; from += 2, ++next)
        f.set(next, f[from]);
}

std::string p(int rank)
{
    return "P" + std::to_string(rank) + " Player";
}

} // namespace

TEST(RankingPoints, ByFinishAndScale)
{
    EXPECT_EQ(rankingPoints(1, 6), 12);
    EXPECT_EQ(rankingPoints(11, 1), 0);
    EXPECT_EQ(rankingPoints(3, 5), 12);
    EXPECT_EQ(rankingPoints(9, 1), 1);
    EXPECT_EQ(rankingPoints(6, 3), 7);
    EXPECT_EQ(rankingPoints(12, 6), 20);
    EXPECT_EQ(rankingPoints(12, 1), 2);
    EXPECT_EQ(rankingPoints(12, 0), 0);
    EXPECT_EQ(rankingPoints(13, 6), 0);
    EXPECT_EQ(awardText(1), " 1 point");
    EXPECT_EQ(awardText(7), " 7 points");
    EXPECT_EQ(awardText(20), "20 points");
    EXPECT_EQ(fitText("  ROUND 1", 13), "ROUND 1      ");
    EXPECT_EQ(fitText("abcdef", 4), "abcd");
}

TEST(DisplayPoints, PaysTheFinal32ChampionFirstAndReRanks)
{
    CareerState s;
    s.tournamentNo = 1;
    for (int k = 1; k <= 160; ++k)
        s.roster.push_back(rosterLine(k, "P" + std::to_string(k), "Player", "ENG", 0));
    // Last playing, rank 2 won it; now he only reaches the last 16.
    s.roster[1] = "2,P2,Player,ENG,15,12,3,0,0,0,0,0,0,0,0,0,0";
    s.roster[40] = "41,Bartholomew-Fotheringay,Featherstonehaugh,ENG,5,5,0,0,0,0,0,0,0,0,0,0,0";
    std::vector<std::pair<int, std::string>> placed{{1, p(1)},  {17, p(5)},  {9, p(3)},   {25, p(9)},  {5, p(4)},
                                                    {13, p(6)}, {21, p(7)},  {29, p(8)},  {3, p(2)},   {7, p(10)},
                                                    {11, p(11)}, {15, p(12)}, {19, p(13)}, {23, p(14)}, {27, p(15)}};
    placed.emplace_back(31, "BARTHOLOMEW-FOTHERINGAY FEATHERSTONEHAUGH"); // booked in upper case
    for (int slot = 2, rank = 16; slot <= 32; slot += 2, ++rank)
        placed.emplace_back(slot, p(rank));
    playFinal(s.FinalDraw, placed);

    const auto lines = DisplayPoints(s);
    ASSERT_EQ(lines.size(), 16u); // 1 + 1 + 2 + 4 + 8; nothing for the round of 32
    EXPECT_EQ(lines[0], fitText("P1 Player", 35) + " 12 points");
    EXPECT_EQ(lines[1], fitText("P5 Player", 35) + " 10 points");
    EXPECT_EQ(lines[2], fitText("P3 Player", 35) + "  7 points"); // level finishes in roster order
    EXPECT_EQ(lines[3], fitText("P9 Player", 35) + "  7 points");
    EXPECT_EQ(lines[4], fitText("P4 Player", 35) + "  4 points");
    EXPECT_EQ(lines[8], fitText("P2 Player", 35) + "  2 points");
    EXPECT_EQ(lines.back(), "Bartholomew-Fotheringay Featherston  2 points");
    EXPECT_EQ(s.tournamentNo, 2);

    // Rank 2 kept his 3 points from tournament 2 and gets 2 for this one.
    const int at = GetCareerRank(s.roster, "P2 Player");
    ASSERT_GT(at, 0);
    EXPECT_EQ(s.roster[static_cast<std::size_t>(at - 1)], std::to_string(at) + ",P2,Player,ENG,5,2,3,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(rosterName(s.roster[0]), "P1 Player");
    for (std::size_t i = 0; i < s.roster.size(); ++i) {
        const RosterRecord r = RosterRecord::parse(s.roster[i]);
        int sum = 0;
        for (int f = 5; f <= 16; ++f)
            sum += r.number(f);
        EXPECT_EQ(r.number(4), sum) << s.roster[i];
        EXPECT_EQ(r.number(0), static_cast<int>(i) + 1);
    }

    s.tournamentNo = 12;
    DisplayPoints(s);
    EXPECT_EQ(s.tournamentNo, 1);
}

TEST(WorldRankings, CareerRosterElseTheFileOnlyPlayersWithPoints)
{
    std::vector<std::string> file{rosterLine(1, "Ada", "Quist", "CAN", 120), rosterLine(2, "Ben", "Roe", "USA", 0),
                                  rosterLine(3, "Cas", "Ilse", "NED", 7)};
    const auto fromFile = WorldRankings({}, file);
    ASSERT_EQ(fromFile.size(), 2u);
    EXPECT_EQ(fromFile[0], "1   " + fitText("Ada Quist (CAN)", 42) + "120 ");
    EXPECT_EQ(fromFile[1].substr(0, 4), "3   ");
    EXPECT_EQ(std::string(kRankingsHeading).find("POINTS"), 46u);

    const std::vector<std::string> career{rosterLine(1, "Zoe", "Marsh", "SCO", 9)};
    EXPECT_EQ(WorldRankings(career, file).size(), 1u);
    EXPECT_EQ(WorldRankings(std::vector<std::string>(160), file).size(), 2u); // no career loaded
}

// The structure window's points must be what the tournament pays.
TEST(StructureText, ThePointsListedAreThePointsAwarded)
{
    const std::pair<const char*, int> finishes[] = {{"Champion", 6},       {"Runner-Up", 5}, {"Semi-Finalists", 4},
                                                    {"Quarter-Finalists", 3}, {"2nd Round", 2}, {"1st Round", 1}};
    for (int t = 1; t <= 12; ++t) {
        const StructureText s = structureFor(t);
        EXPECT_EQ(s.tournament, tournamentName(t));
        EXPECT_FALSE(s.structure.empty());
        std::istringstream in(s.ranking);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line, "RANKING POINTS\r");
        int listed = 0;
        for (const auto& [finish, count] : finishes) {
            const int points = rankingPoints(t, count);
            if (points == 0)
                continue;
            ASSERT_TRUE(std::getline(in, line)) << t << " " << finish;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            EXPECT_EQ(line, std::string(finish) + " - " + std::to_string(points) + (points == 1 ? " pt" : " pts")) << t;
            ++listed;
        }
        EXPECT_FALSE(std::getline(in, line)) << t << ": a finish that pays nothing is listed";
        EXPECT_EQ(listed, rankingPoints(t, 1) ? 6 : 5);
    }
    EXPECT_EQ(structureFor(0).tournament, "");
}

TEST(StructureText, TheCanadianGrandPrix)
{
    const StructureText s = structureFor(1);
    EXPECT_EQ(s.tournament, "CANADIAN GRAND PRIX");
    EXPECT_EQ(s.picture, "flags/canadianopen.gif");
    EXPECT_EQ(s.structure,
              "160 players will enter this ranking event. Players ranked 1 through to 16 in the world will automatically "
              "be seeded in the final 32 of the competition. They will wait to meet the winners of an eliminator round "
              "between those ranked 17 to 32, and 16 qualifiers. The 16 qualifiers come from an initial knockout of 128 "
              "entrants.");
    EXPECT_EQ(s.ranking, "RANKING POINTS\r\nChampion - 12 pts\r\nRunner-Up - 10 pts\r\nSemi-Finalists - 7 pts\r\n"
                         "Quarter-Finalists - 4 pts\r\n2nd Round - 2 pts");
}

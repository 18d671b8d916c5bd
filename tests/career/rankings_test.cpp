#include <gtest/gtest.h>

#include "career/careerdata.h"
#include "rules/career/rankings.h"
#include "rules/career/rosterrecord.h"

using namespace vantorelle;
using vantorelle::testing::rosterLine;

namespace {

std::vector<std::string> names(const std::vector<std::string>& roster)
{
    std::vector<std::string> out;
    for (const auto& l : roster)
        out.push_back(rosterName(l));
    return out;
}

} // namespace

TEST(SortPlayers, MostPointsFirstTiesByTheRestOfTheKeyDescending)
{
    std::vector<std::string> roster{
        rosterLine(1, "Anna", "Brook", "ENG", 5),
        rosterLine(2, "Zed", "Brook", "ENG", 5),   // same points, later first name: above Anna
        rosterLine(3, "Carl", "Mott", "SCO", 12),  // 12 beats 5: "012" > "005"
        rosterLine(4, "anna", "Crane", "ENG", 5),  // case is ignored: Crane > Brook
        rosterLine(5, "Dora", "Vale", "AUS", 0),
        rosterLine(6, "Anna", "Brook", "WAL", 5),  // nationality breaks the tie
        rosterLine(7, "Eli", "Stone", "NED", 100), // three digits
    };
    roster[6] = "7,Eli,Stone,NED,0100,100,0,0,0,0,0,0,0,0,0,0,0"; // padded total comes back plain
    SortPlayers(roster);
    EXPECT_EQ(names(roster), (std::vector<std::string>{"Eli Stone", "Carl Mott", "Zed Brook", "anna Crane",
                                                       "Anna Brook", "Anna Brook", "Dora Vale"}));
    EXPECT_EQ(GetSplit(roster[4], 3), "WAL");
    EXPECT_EQ(roster[0], "1,Eli,Stone,NED,100,100,0,0,0,0,0,0,0,0,0,0,0");
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(GetSplit(roster[static_cast<std::size_t>(k - 1)], 0), std::to_string(k));
    EXPECT_EQ(GetSplit(roster[6], 4), "0");

    // Level on points and names, the tournament fields decide.
    std::vector<std::string> byEvents{rosterLine(1, "A", "B", "ENG", 4, 1), rosterLine(2, "A", "B", "ENG", 4, 2)};
    SortPlayers(byEvents);
    EXPECT_EQ(GetSplit(byEvents[0], 5), "4");
}

TEST(SortPlayers, DamagedLinesComeBackWithSeventeenFields)
{
    std::vector<std::string> roster{"1,Short,Line", "", rosterLine(3, "Full", "Line", "ENG", 3)};
    SortPlayers(roster);
    EXPECT_EQ(rosterName(roster[0]), "Full Line");
    for (const auto& l : roster)
        EXPECT_EQ(fieldCount(l), 17) << l;
}

TEST(RosterLookups, TagsFlagsAndRanksByNameInAnyCase)
{
    std::vector<std::string> roster{
        rosterLine(7, "Rhys", "Llewellyn", "WAL", 30),
        rosterLine(8, "Tam", "Oakes", "ENG", 0),
        rosterLine(9, "Odd", "Flag", "XYZ", 3),
    };
    EXPECT_EQ(GetRankLabel(roster, "RHYS llewellyn"), "WAL (7)");
    EXPECT_EQ(GetRankLabel(roster, "Tam Oakes"), "ENG (-)");
    EXPECT_EQ(GetRankLabel(roster, "Nobody Here"), "");
    EXPECT_EQ(GetFlag(roster, "rhys llewellyn"), "flags/wal.gif");
    EXPECT_EQ(GetFlag(roster, "Odd Flag"), "");
    EXPECT_EQ(GetFlag(roster, "Nobody Here"), "");
    EXPECT_EQ(GetCareerRank(roster, "TAM OAKES"), 8);
    EXPECT_EQ(GetCareerRank(roster, "Tam"), 0);
    EXPECT_EQ(GetCareerRank(roster, ""), 0);
    roster.push_back(rosterLine(40, "Tam", "Oakes", "SCO", 2));
    EXPECT_EQ(GetCareerRank(roster, "Tam Oakes"), 40); // the last match wins
    EXPECT_EQ(GetRankLabel(roster, "Tam Oakes"), "SCO (40)");
    roster.push_back("41,Broken");
    EXPECT_EQ(GetCareerRank(roster, "Broken "), 0);
}

TEST(NewCareer, TheCareerPlayerTakesTheLastPlaceWithoutPoints)
{
    const RosterFile file = vantorelle::testing::shippedRoster();
    ASSERT_EQ(file.lines.size(), 160u);
    CareerState s;
    s.tournamentNo = 3;
    s.totals.darts = 99; // left over from another career in this run
    s.QualifyingDraw.set(1, "Someone");
    NewCareer(s, file, "Ivo", "Quillfeather", "WAL", true, 75);

    ASSERT_EQ(s.roster.size(), 160u);
    EXPECT_EQ(s.careerName, "Ivo Quillfeather");
    EXPECT_EQ(s.roster[159], "160,Ivo,Quillfeather,WAL,0,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(std::vector<std::string>(s.roster.begin(), s.roster.end() - 1),
              std::vector<std::string>(file.lines.begin(), file.lines.end() - 1));
    EXPECT_EQ(GetCareerRank(s.roster, rosterName(file.lines[159])), 0);
    EXPECT_EQ(GetCareerRank(s.roster, "IVO QUILLFEATHER"), 160);
    EXPECT_EQ(GetRankLabel(s.roster, "Ivo Quillfeather"), "WAL (-)");
    EXPECT_EQ(s.statsHeader1, file.header1);
    EXPECT_TRUE(s.realBoard);
    EXPECT_EQ(s.playerAverage, 75);
    EXPECT_EQ(s.totals, TournamentTotals{});
    EXPECT_TRUE(s.QualifyingDraw[1].empty());
    EXPECT_EQ(s.tournamentNo, 3);

    // A short file still gives 160 entries with the career player last.
    const auto fromShort = NewCareerRoster({file.lines[0]}, "Ivo", "Quillfeather", "WAL");
    EXPECT_EQ(fromShort.size(), 160u);
    EXPECT_EQ(GetCareerRank(fromShort, "Ivo Quillfeather"), 160);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "career/careerdata.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/ladder.h"
#include "rules/career/length.h"

using namespace vantorelle;

namespace {

// The career roster with numbered players, the career player "Pk Player" of rank k.
CareerState numberedCareer(int tournamentNo, int careerRank = 160)
{
    CareerState s;
    s.tournamentNo = tournamentNo;
    s.roster = vantorelle::testing::numberedRoster();
    s.careerName = "P" + std::to_string(careerRank) + " Player";
    return s;
}

std::string p(int rank)
{
    return "P" + std::to_string(rank) + " Player";
}

// The ranks found in qualifying slots 1..128.
std::multiset<int> qualifyingRanks(const CareerState& s)
{
    std::multiset<int> ranks;
    for (int slot = 1; slot <= 128; ++slot)
        ranks.insert(GetCareerRank(s.roster, s.QualifyingDraw[slot]));
    return ranks;
}

std::multiset<int> rankRange(int from, int to)
{
    std::multiset<int> r;
    for (int k = from; k <= to; ++k)
        r.insert(k);
    return r;
}

} // namespace

TEST(BuildNewNorm, SeedsTheTop32AndShufflesTheRestIntoTheGroups)
{
    CareerState s = numberedCareer(1);
    Rng rng(7);
    BuildNewNorm(s, rng);
    // Seed order 1, 16, 9, 8, 3, ... in the odd slots.
    EXPECT_EQ(s.FinalDraw[1], p(1));
    EXPECT_EQ(s.FinalDraw[3], p(16));
    EXPECT_EQ(s.FinalDraw[5], p(9));
    EXPECT_EQ(s.FinalDraw[31], p(5));
    EXPECT_EQ(s.EliminatorDraw[1], p(17));
    EXPECT_EQ(s.EliminatorDraw[3], p(32));
    EXPECT_EQ(s.EliminatorDraw[5], p(25));
    EXPECT_EQ(s.EliminatorDraw[7], p(24));
    for (int slot = 2; slot <= 32; slot += 2)
        EXPECT_TRUE(s.FinalDraw[slot].empty() && s.EliminatorDraw[slot].empty());
    EXPECT_EQ(qualifyingRanks(s), rankRange(33, 160));
    EXPECT_TRUE(s.QualifyingDraw[129].empty());

    // The swaps really shuffle, and the same stream gives the same draw.
    CareerState again = numberedCareer(1);
    Rng same(7);
    BuildNewNorm(again, same);
    EXPECT_EQ(again.QualifyingDraw, s.QualifyingDraw);
    int inPlace = 0;
    for (int slot = 1; slot <= 128; ++slot)
        inPlace += s.QualifyingDraw[slot] == p(32 + slot);
    EXPECT_LT(inPlace, 10);
}

TEST(BuildNewWorldMasters, TheCareerPlayerAlwaysPlays)
{
    CareerState s = numberedCareer(3, 140);
    Rng rng(1);
    BuildNewWorldMasters(s, rng);
    std::multiset<int> expected = rankRange(1, 127);
    expected.insert(140); // in place of rank 128, who sits this one out
    EXPECT_EQ(qualifyingRanks(s), expected);
    for (int slot = 1; slot <= 63; ++slot)
        EXPECT_TRUE(s.FinalDraw[slot].empty());

    CareerState ranked = numberedCareer(9, 100);
    BuildDraw(ranked, rng);
    EXPECT_EQ(qualifyingRanks(ranked), rankRange(1, 128));
}

TEST(BuildNewWorldChamp, TopTwentyFourPlacedAndTheGroupsFromTwentyFive)
{
    CareerState s = numberedCareer(12, 155);
    Rng rng(3);
    BuildDraw(s, rng);
    EXPECT_EQ(s.FinalDraw[1], p(1));
    EXPECT_EQ(s.FinalDraw[3], p(16));
    const int rank17Slots[] = {4, 20, 12, 28, 30, 14, 22, 6};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.FinalDraw[rank17Slots[i]], p(17 + i));
    // Seed 9 (slot 5) meets rank 24 (slot 6); seed 16 (slot 3) meets rank 17 (slot 4).
    EXPECT_EQ(s.FinalDraw[5], p(9));
    for (int slot : {2, 8, 10, 16, 18, 24, 26, 32})
        EXPECT_TRUE(s.FinalDraw[slot].empty());
    std::multiset<int> expected = rankRange(25, 151);
    expected.insert(155);
    EXPECT_EQ(qualifyingRanks(s), expected);
    EXPECT_TRUE(s.EliminatorDraw[1].empty());

    // A career player seeded into the final 32 is not entered twice.
    CareerState seeded = numberedCareer(6, 20);
    BuildDraw(seeded, rng);
    EXPECT_EQ(qualifyingRanks(seeded), rankRange(25, 152));
}

TEST(CountName, CountsFinalSlotsWithoutRegardToCase)
{
    DrawList<63> f;
    for (int slot : {7, 36, 50, 58, 62})
        f.set(slot, "Ivo Quillfeather");
    f.set(62, "IVO QUILLFEATHER");
    EXPECT_EQ(CountName(f, "ivo quillfeather"), 5);
    EXPECT_EQ(CountName(f, "Nobody Here"), 0);
    EXPECT_EQ(CountName(f, ""), 0); // empty slots are nobody's
}

TEST(SetLength, LegsAndSetsByFormatStageAndLength)
{
    struct Case {
        int tournament;
        const char* stage;
        int length;
        int legs;
        int sets;
    };
    const Case cases[] = {
        {1, "Q1", 1, 2, 1},  {1, "EL", 3, 3, 1},  {2, "F2", 3, 3, 2},  {4, "F4", 2, 3, 2},   {11, "F5", 3, 3, 4},
        {3, "Q3", 3, 3, 1},  {3, "F1", 2, 4, 1},  {9, "F2", 3, 9, 1},  {3, "F3", 1, 4, 1},   {9, "F5", 3, 18, 1},
        {6, "Q2", 2, 3, 1},  {6, "F2", 3, 3, 3},  {6, "F3", 1, 3, 2},  {6, "F5", 3, 3, 5},   {12, "Q1", 1, 3, 1},
        {12, "EL", 3, 3, 2}, {12, "F3", 2, 3, 3}, {12, "F4", 1, 3, 3}, {12, "F5", 1, 3, 2},  {12, "F5", 3, 3, 6},
        {1, "F5", 0, 3, 2},  {1, "F5", 7, 3, 4},  {1, "??", 3, 3, 1},
        // The masters format's semi-finals, one leg more than the quarter-finals at every length.
        {3, "F4", 1, 5, 1},  {9, "F4", 2, 10, 1}, {3, "F4", 3, 15, 1},
        // The World Championship's qualifying rounds are longer than a standard
        // tournament's, and its first two rounds of the final 32 are its own.
        {12, "Q2", 2, 3, 1}, {12, "Q3", 3, 3, 2}, {12, "F1", 1, 3, 1}, {12, "F2", 2, 3, 2}, {12, "F1", 3, 3, 3},
    };
    for (const Case& c : cases) {
        const MatchLengthSetting m = SetLength(c.tournament, c.stage, c.length);
        EXPECT_EQ(m.legsToWin, c.legs) << c.tournament << " " << c.stage << " " << c.length;
        EXPECT_EQ(m.setsToWin, c.sets) << c.tournament << " " << c.stage << " " << c.length;
    }
    EXPECT_EQ(SetLength(1, "Q1", 1).message, "First to 2 legs wins the set, first to 1 set(s) wins the match.");
}

TEST(Ladder, GroupsEliminatorAndFinalShowTheirSlots)
{
    CareerState s = numberedCareer(1);
    s.QualifyingDraw.set(65, "  p65 player ");
    s.QualifyingDraw.set(96, "Last Of C");
    s.QualifyingDraw.set(161, "Second Round");
    s.QualifyingDraw.set(212, "Third Round");
    s.QualifyingDraw.set(236, "Qualifier");
    const Ladder c = DisplayGroup(s, "CANADIAN GRAND PRIX", 'C');
    EXPECT_EQ(c.title, "CANADIAN GRAND PRIX - QUALIFYING GROUP C");
    EXPECT_EQ(c.label[1], "P65 PLAYER");
    EXPECT_EQ(c.label[47], "LAST OF C");
    EXPECT_EQ(c.label[17], "SECOND ROUND");
    EXPECT_EQ(c.label[28], "THIRD ROUND");
    EXPECT_EQ(c.label[61], "QUALIFIER");
    EXPECT_TRUE(c.visible[30] && c.visible[61]);
    EXPECT_FALSE(c.visible[31] || c.visible[62]);

    s.tournamentNo = 3;
    const Ladder pool = DisplayGroup(s, "WORLD MATCHPLAY", 'Z');
    EXPECT_EQ(pool.title, "WORLD MATCHPLAY - POOL A");
    EXPECT_TRUE(pool.visible[28] && pool.visible[59]);
    EXPECT_FALSE(pool.visible[29] || pool.visible[60] || pool.visible[62]);
    s.tournamentNo = 12;
    const Ladder champ = DisplayGroup(s, "WORLD CHAMPIONSHIP", 'D');
    EXPECT_TRUE(std::all_of(champ.visible.begin() + 1, champ.visible.end(), [](bool v) { return v; }));

    s.EliminatorDraw.set(48, "Elim Winner");
    const Ladder e = DisplayEliminator(s, "X");
    EXPECT_EQ(e.title, "X - ELIMINATOR");
    EXPECT_EQ(e.label[55], "ELIM WINNER");
    EXPECT_FALSE(e.visible[25] || e.visible[56] || e.visible[62]);
    s.FinalDraw.set(63, "Champion Here");
    s.FinalDraw.set(61, "Finalist One");
    const Ladder f = DisplayFinal32(s, "X");
    EXPECT_EQ(f.title, "X - FINAL 32");
    EXPECT_EQ(f.label[31], "FINALIST ONE");
    EXPECT_TRUE(std::all_of(f.visible.begin() + 1, f.visible.end(), [](bool v) { return v; }));
    EXPECT_TRUE(eliminatorEnabled(1));
    EXPECT_FALSE(eliminatorEnabled(3) || eliminatorEnabled(12));
}

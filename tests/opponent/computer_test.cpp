#include <gtest/gtest.h>

#include "rules/career/roster.h"
#include "rules/opponent/computer.h"

using namespace vantorelle;

namespace {
Target target(int remaining, int dartIndex = 0, int opponent = 501, int turnScore = 0, char pose2 = 'a')
{
    Rng rng(4);
    return x01Target(remaining, dartIndex, opponent, turnScore, pose2, rng);
}
} // namespace

TEST(ComputerTarget, FinishingTable)
{
    EXPECT_EQ(target(40).bed, "D20");
    EXPECT_EQ(target(2).bed, "D01");
    EXPECT_EQ(target(32).bed, "D16");
    EXPECT_EQ(target(6, 0, 201).bed, "S02");
    EXPECT_EQ(target(6, 1, 201).bed, "S02");
    EXPECT_EQ(target(6, 0, 200).bed, "D03");
    EXPECT_EQ(target(6, 2, 501).bed, "D03");
    EXPECT_EQ(target(33).bed, "S01");
    EXPECT_EQ(target(35).bed, "S03");
    EXPECT_EQ(target(31).bed, "S15");
    EXPECT_EQ(target(41), (Target{"S01", "S09"}));
    EXPECT_EQ(target(49), (Target{"S09", "S17"}));
    EXPECT_EQ(target(50, 2, 159).bed, "S50");
    EXPECT_EQ(target(50, 2, 160), (Target{"S10", "S18"}));
    EXPECT_EQ(target(50, 1, 100), (Target{"S10", "S18"}));
    EXPECT_EQ(target(60).bed, "S20");
    EXPECT_EQ(target(61, 1, 100).bed, "T11");
    EXPECT_EQ(target(61, 0, 100).bed, "S25");
    EXPECT_EQ(target(70, 1, 159).bed, "T20");
    EXPECT_EQ(target(70, 1, 160).bed, "T18");
    EXPECT_EQ(target(107, 1, 40).bed, "T19");
    EXPECT_EQ(target(107, 2, 40).bed, "T20");
    EXPECT_EQ(target(78), (Target{"T18", "T20"}));
    EXPECT_EQ(target(121).bed, "S25");
    EXPECT_EQ(target(164).bed, "T19");
    for (int r : {100, 120, 158, 170, 501})
        EXPECT_EQ(target(r), (Target{"T20", ""})) << r;
}

TEST(ComputerTarget, BlockedTrebleTwentyOnTheThirdDart)
{
    int t19 = 0, t18 = 0;
    Rng rng(11);
    for (int i = 0; i < 4000; ++i) {
        const auto t = x01Target(300, 2, 501, 40, 'd', rng);
        t19 += t.bed == "T19";
        t18 += t.bed == "T18";
    }
    EXPECT_EQ(t19 + t18, 4000);
    EXPECT_GT(t19, 2800);
    EXPECT_GT(t18, 800);
    EXPECT_EQ(target(300, 2, 501, 80, 'b').bed.substr(0, 2), "T1");
    EXPECT_EQ(target(300, 2, 501, 40, 'a').bed, "T20");
    EXPECT_EQ(target(300, 2, 501, 40, 'c').bed, "T20");
    EXPECT_EQ(target(300, 2, 501, 60, 'd').bed, "T20");
    EXPECT_EQ(target(300, 1, 501, 40, 'd').bed, "T20");
}

TEST(GetOpponent, DrawsFromTheRosterBandOfTheClass)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 160; ++i)
        lines.push_back(std::to_string(i) + ",F" + std::to_string(i) + ",S,ENG,0,0,0,0,0,0,0,0,0,0,0,0,0");
    auto position = [](const std::string& name) { return std::stoi(name.substr(1, name.find(' ') - 1)); };
    struct Band {
        int cls;
        bool champ;
        int lo, hi;
    };
    for (const Band b :
         {Band{1, false, 120, 160}, Band{1, true, 120, 160}, Band{2, false, 80, 119}, Band{2, true, 80, 160},
          Band{3, false, 40, 79}, Band{3, true, 40, 160}, Band{4, false, 1, 39}, Band{4, true, 1, 160}}) {
        Rng rng(static_cast<std::uint64_t>(b.cls * 10 + b.champ));
        int lo = 1000, hi = 0;
        for (int i = 0; i < 5000; ++i) {
            const int p = position(GetOpponent(lines, b.cls, b.champ, rng));
            lo = std::min(lo, p), hi = std::max(hi, p);
        }
        EXPECT_EQ(lo, b.lo) << b.cls << b.champ;
        EXPECT_EQ(hi, b.hi) << b.cls << b.champ;
    }
}

#include <fstream>

#include "support/silenthost.h"

TEST(ComputerPlay, ATopProOutplaysABeginnerAndBothFinishLegs)
{
    std::ifstream in(VANTORELLE_ASSETS "/Data/Stats.dat", std::ios::binary);
    const auto roster = readRoster(in).roster.lines;
    ASSERT_EQ(roster.size(), 160u);
    Rng rng(2026);
    vantorelle::testing::ComputerRecord pro, beginner;
    for (int m = 0; m < 6; ++m) { // 54 legs each
        vantorelle::testing::playComputerMatch(roster, rosterName(roster[4]), 3, rng, pro);
        vantorelle::testing::playComputerMatch(roster, rosterName(roster[149]), 0, rng, beginner);
    }
    EXPECT_EQ(pro.doublesHit, 54);
    EXPECT_EQ(beginner.doublesHit, 54);
    EXPECT_GT(pro.average(), beginner.average() + 20);
    EXPECT_GT(pro.average(), 80);
    EXPECT_LT(beginner.average(), 75);
    EXPECT_LT(pro.dartsPerLeg(), beginner.dartsPerLeg());
}

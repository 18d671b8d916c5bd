#include <gtest/gtest.h>

#include "career/careerdata.h"
#include "rules/career/simulate.h"

using namespace vantorelle;

namespace {

struct SimulateTest : ::testing::Test {
    std::vector<std::string> roster = vantorelle::testing::numberedRoster();
    RankTable ranks{roster};

    static std::string p(int rank) { return "P" + std::to_string(rank) + " Player"; }

    // How often A beats B in n matches.
    double winRate(int rankA, int rankB, int n, std::uint64_t seed)
    {
        Rng rng(seed);
        int wins = 0;
        for (int i = 0; i < n; ++i)
            wins += SimulateMatch(p(rankA), p(rankB), "Career Man", ranks, rng).winner == p(rankA);
        return static_cast<double>(wins) / n;
    }
};

} // namespace

TEST_F(SimulateTest, ClassesByRank)
{
    EXPECT_EQ(playerClass(1), 4);
    EXPECT_EQ(playerClass(39), 4);
    EXPECT_EQ(playerClass(40), 3);
    EXPECT_EQ(playerClass(79), 3);
    EXPECT_EQ(playerClass(80), 2);
    EXPECT_EQ(playerClass(119), 2);
    EXPECT_EQ(playerClass(120), 1);
    EXPECT_EQ(playerClass(160), 1);
    EXPECT_EQ(playerClass(0), 4); // not in the roster
    EXPECT_EQ(ranks.rankOf("p119 PLAYER"), 119);
    EXPECT_EQ(ranks.rankOf("Stranger Here"), 0);
}

// Draw for draw: A's two scores, then B's, each from its own class's range;
// the rank bonus within a class; a tie goes to B.
TEST_F(SimulateTest, FollowsTheScoringRuleDrawForDraw)
{
    const int pairs[][2] = {{1, 160}, {80, 119}, {5, 6}, {45, 90}, {120, 121}, {39, 40}};
    int ties = 0;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        const auto& pr = pairs[seed % 6];
        const int ca = playerClass(pr[0]);
        const int cb = playerClass(pr[1]);
        Rng mirror(seed);
        const ScoreRange& a = kScoreRanges[static_cast<std::size_t>(ca - 1)];
        const ScoreRange& b = kScoreRanges[static_cast<std::size_t>(cb - 1)];
        int totalA = mirror.pick(a.firstN, a.firstBase);
        totalA += mirror.pick(a.secondN, a.secondBase);
        int totalB = mirror.pick(b.firstN, b.firstBase);
        totalB += mirror.pick(b.secondN, b.secondBase);
        if (ca == cb) {
            totalA += pr[1];
            totalB += pr[0];
        }
        ties += totalA == totalB;
        Rng rng(seed);
        const SimResult r = SimulateMatch(p(pr[0]), p(pr[1]), "Career Man", ranks, rng);
        ASSERT_EQ(r.winner, totalA > totalB ? p(pr[0]) : p(pr[1])) << seed;
        EXPECT_EQ(rng.uniform(), mirror.uniform()) << "four draws per match";
    }
    EXPECT_GT(ties, 0);
}

TEST_F(SimulateTest, WinRatesByClassAndBonus)
{
    // Rank 1 against 160: about 90 % for the PRO, but the beginner wins some.
    EXPECT_NEAR(winRate(1, 160, 20000, 11), 0.897, 0.02);
    // Within class 2, rank 80 gets 119 added and rank 119 only 80.
    EXPECT_NEAR(winRate(80, 119, 20000, 12), 0.960, 0.015);
    EXPECT_NEAR(winRate(119, 80, 20000, 13), 0.035, 0.015);
}

TEST_F(SimulateTest, TheCareerPlayersMatchIsOnlyRecognised)
{
    Rng rng(5);
    const double next = Rng(5).uniform();
    const SimResult inB = SimulateMatch(p(3), "ivo QUILLFEATHER", "Ivo Quillfeather", ranks, rng);
    EXPECT_TRUE(inB.careerMatch);
    EXPECT_TRUE(inB.winner.empty());
    EXPECT_TRUE(SimulateMatch("Ivo Quillfeather", p(3), "Ivo Quillfeather", ranks, rng).careerMatch);
    EXPECT_EQ(rng.uniform(), next) << "no random draw is used";

    // A damaged draw: an empty slot gives a walkover, two give nobody.
    DrawList<48> list;
    list.set(2, p(9));
    EXPECT_EQ(SimulateMatch(list, 1, 2, "Ivo Quillfeather", ranks, rng).winner, p(9));
    const SimResult none = SimulateMatch(list, 3, 4, "", ranks, rng);
    EXPECT_FALSE(none.careerMatch);
    EXPECT_TRUE(none.winner.empty());
    EXPECT_TRUE(SimulateMatch(list, 47, 99, "", ranks, rng).winner.empty());
}

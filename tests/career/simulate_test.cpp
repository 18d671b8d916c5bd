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

// The winner is the one the scores give when they are drawn in their order
// (A's first and second, then B's) from each class's own range, with the rank
// bonus within a class; equal totals go to slot B. Known answers from the
// ranges as the game's table lists them, over many streams.
TEST_F(SimulateTest, FourScoresInTheirOrderFromEachClassAndATieGoesToSlotB)
{
    // Class 1..4: first score Int(Rnd * n + base), second score likewise.
    const int range[5][4] = {{0, 0, 0, 0}, {17, 70, 41, 20}, {18, 75, 51, 20}, {21, 80, 61, 20}, {24, 85, 71, 20}};
    auto classOf = [](int rank) { return rank < 40 ? 4 : rank < 80 ? 3 : rank < 120 ? 2 : 1; };
    // Class 3 against itself and every other class, and the other classes among themselves.
    const std::pair<int, int> pairs[] = {{50, 60}, {45, 10}, {70, 130}, {100, 55}, {1, 160}, {79, 40}, {85, 110}};
    int ties = 0, tiesToB = 0, wrong = 0;
    for (const auto& [ra, rb] : pairs) {
        for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
            Rng expected(seed), rng(seed);
            auto draw = [&](int cls, int which) {
                return static_cast<int>(expected.uniform() * range[cls][2 * which] + range[cls][2 * which + 1]);
            };
            const int ca = classOf(ra), cb = classOf(rb);
            int a = draw(ca, 0);
            a += draw(ca, 1);
            int b = draw(cb, 0);
            b += draw(cb, 1);
            if (ca == cb) {
                a += rb;
                b += ra;
            }
            const std::string winner = SimulateMatch(p(ra), p(rb), "Career Man", ranks, rng).winner;
            if (winner != (a > b ? p(ra) : p(rb)) && ++wrong <= 3)
                ADD_FAILURE() << "ranks " << ra << " v " << rb << ", seed " << seed << ": " << a << " to " << b
                              << " but " << winner << " won";
            if (a == b) {
                ++ties;
                tiesToB += winner == p(rb);
            }
            EXPECT_EQ(rng.uniform(), expected.uniform()) << "four draws, no more";
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(ties, 20);
    EXPECT_EQ(tiesToB, ties);
}

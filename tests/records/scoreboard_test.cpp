// What the scoreboard shows beside the scores during a match.
#include <gtest/gtest.h>

#include "rules/records/scoreboard.h"
#include "rules/records/turn.h"

using namespace vantorelle;
using namespace vantorelle::records;

namespace {

ThrownDart at(const std::string& bed)
{
    ThrownDart d;
    d.bed = bed;
    return d;
}

TurnRecord thrown(int player, int leg, int turn, int remaining, std::vector<std::string> beds)
{
    std::vector<ThrownDart> darts;
    for (const auto& b : beds)
        darts.push_back(at(b));
    return x01Turn({player, 1, leg, turn}, remaining, darts);
}

} // namespace

TEST(Scoreboard, TheFormatInWords)
{
    EXPECT_EQ(formatWords("501", 1, 3), "501 \xC2\xB7 FIRST TO 3 LEGS");
    EXPECT_EQ(formatWords("301", 1, 1), "301 \xC2\xB7 FIRST TO 1 LEG");
    EXPECT_EQ(formatWords("501", 3, 3), "501 \xC2\xB7 FIRST TO 3 SETS \xC2\xB7 SETS FIRST TO 3 LEGS");
    EXPECT_EQ(formatWords("CRICKET", 1, 1), "CRICKET");
}

TEST(Scoreboard, EachPlayersFiguresAndTheVisitAsItLands)
{
    MatchRecord m;
    m.game = "501";
    std::vector<TurnRecord> turns{thrown(1, 1, 1, 501, {"T20", "T20", "T20"}),
                                  thrown(2, 1, 1, 501, {"S05", "S01", "S20"}),
                                  thrown(1, 1, 2, 321, {"T20", "T20", "S01"})};
    // 180 and 121 in six darts: 150.50; the last visit 121.
    EXPECT_EQ(playerLine(m, turns, 1, 6), "AVG 150.50 \xC2\xB7 LAST 121 \xC2\xB7 DARTS 6");
    EXPECT_EQ(playerLine(m, turns, 2, 3), "AVG 26.00 \xC2\xB7 LAST 26 \xC2\xB7 DARTS 3");
    // Before any visit is over there is no average yet.
    EXPECT_EQ(playerLine(m, {}, 1, 2), "AVG - \xC2\xB7 DARTS 2");
    // A bust says so, and scores nothing.
    turns.push_back(thrown(2, 1, 2, 475, {"T20", "T20", "T20"}));
    turns.back() = thrown(2, 1, 2, 40, {"T20"});
    EXPECT_EQ(playerLine(m, turns, 2, 4), "AVG 19.50 \xC2\xB7 LAST BUST \xC2\xB7 DARTS 4");

    EXPECT_EQ(visitLines(thrown(1, 1, 3, 200, {"T20", "S05"}), true),
              (std::vector<std::string>{"T20 60 \xC2\xB7 140", "S5 5 \xC2\xB7 135"}));
    EXPECT_EQ(visitLines(thrown(1, 1, 3, 40, {"S20", "S50"}), true),
              (std::vector<std::string>{"S20 20 \xC2\xB7 20", "BULL 50 \xC2\xB7 BUST"}));
    EXPECT_EQ(visitLines(thrown(1, 1, 3, 40, {"000"}), true), (std::vector<std::string>{"MISS 0 \xC2\xB7 40"}));
    EXPECT_EQ(visitLines(thrown(1, 1, 3, 40, {"S25", "S12"}), false), (std::vector<std::string>{"S25 25", "S12 12"}));
}

TEST(Scoreboard, TheRouteOnlyWhenTheScoreIsAFinishForTheDartsLeft)
{
    EXPECT_EQ(checkoutRoute(170, 3), "T20 T20 BULL");
    EXPECT_EQ(checkoutRoute(40, 1), "D20");
    EXPECT_EQ(checkoutRoute(50, 1), "BULL");
    EXPECT_EQ(checkoutRoute(2, 3), "D1");
    // Bogey numbers, too much, too little, too far for the darts left.
    for (int bogey : {169, 168, 166, 165, 163, 162, 159})
        EXPECT_EQ(checkoutRoute(bogey, 3), "") << bogey;
    EXPECT_EQ(checkoutRoute(171, 3), "");
    EXPECT_EQ(checkoutRoute(1, 3), "");
    EXPECT_EQ(checkoutRoute(100, 1), "");
    EXPECT_EQ(checkoutRoute(41, 1), "");
    // Every route shown adds up to the score and ends on a double or the bull.
    for (int left = 2; left <= 170; ++left)
        for (int darts = 1; darts <= 3; ++darts) {
            const std::string r = checkoutRoute(left, darts);
            if (r.empty())
                continue;
            const auto last = r.substr(r.rfind(' ') + 1);
            EXPECT_TRUE(last == "BULL" || last[0] == 'D') << left << " " << r;
        }
}

TEST(Scoreboard, TheSummaryOfALegAndOfTheMatch)
{
    MatchRecord m;
    m.game = "301";
    std::vector<TurnRecord> turns{thrown(1, 1, 1, 301, {"T20", "T20", "T20"}), // 180
                                  thrown(2, 1, 1, 301, {"S20", "S20", "S20"}),
                                  thrown(1, 1, 2, 121, {"T20", "T11", "D14"}), // out in 6
                                  thrown(2, 2, 1, 301, {"T20", "T20", "T20"}),
                                  thrown(1, 2, 1, 301, {"S01", "S01", "S01"})};
    const auto leg1 = summary(m, turns, 1);
    ASSERT_EQ(leg1.size(), 6u);
    EXPECT_EQ(leg1[0].what, "3-DART AVERAGE");
    EXPECT_EQ(leg1[0].value[0], "150.50");
    EXPECT_EQ(leg1[0].value[1], "60.00");
    EXPECT_EQ(leg1[3].value[0], "1 / 0 / 1"); // 121 and 180
    EXPECT_EQ(leg1[4].value[0], "121");
    EXPECT_EQ(leg1[4].value[1], "-");
    EXPECT_EQ(leg1[5].what, "DARTS IN THE LEG");
    EXPECT_EQ(leg1[5].value[0], "6");
    const auto match = summary(m, turns, 0);
    EXPECT_EQ(match[5].what, "DARTS");
    EXPECT_EQ(match[5].value[1], "6");
}

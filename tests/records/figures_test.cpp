#include <gtest/gtest.h>

#include "records/recordbuilder.h"
#include "rules/records/figures.h"

using namespace vantorelle::records;
using vantorelle::records::testing::MatchBuilder;

namespace {

PlayerFigures of(const MatchBuilder& b, int player = 1)
{
    return figuresFor(b.match, b.turns, player);
}

// The figures that come from the darts alone, without the match's result.
PlayerFigures dartsOnly(PlayerFigures f)
{
    f.matches = f.matchesWon = f.matchesLost = 0;
    f.vsComputer = {};
    return f;
}

} // namespace

TEST(RecordTurns, X01TurnsEndOnABustOrACheckoutAndKeepTheScoreOfABust)
{
    using vantorelle::records::testing::darts;
    // 40 left, a treble 20 busts at once: one dart, nothing scored.
    TurnRecord t = x01Turn({1, 1, 1, 4}, 40, darts({"T20", "S20", "D10"}));
    EXPECT_TRUE(t.bust);
    EXPECT_EQ(t.darts, 1);
    EXPECT_EQ(t.score, 0);
    EXPECT_EQ(t.dartList[0].points, 60);
    EXPECT_EQ(t.dartList[0].remainingAfter, 40);
    EXPECT_TRUE(t.dartList[0].atDouble);
    // 3 left: a single 2 would leave 1; 2 left: a single 2 reaches 0 off a double.
    EXPECT_TRUE(x01Turn({}, 3, darts({"S02"})).bust);
    EXPECT_TRUE(x01Turn({}, 2, darts({"S02"})).bust);
    EXPECT_TRUE(x01Turn({}, 25, darts({"S25"})).bust);
    // 100 left, T20 D20: won with the second dart; the third is not part of it.
    t = x01Turn({}, 100, darts({"T20", "D20", "S05"}));
    EXPECT_TRUE(t.checkout);
    EXPECT_FALSE(t.bust);
    ASSERT_EQ(t.darts, 2);
    EXPECT_EQ(t.score, 100);
    EXPECT_FALSE(t.dartList[0].atDouble);
    EXPECT_TRUE(t.dartList[1].atDouble && t.dartList[1].checkout);
    EXPECT_EQ(t.dartsAtDouble, 1);
    // A bounce-out scores nothing and counts as a dart.
    std::vector<ThrownDart> bounce = darts({"S20", "000", "S20"});
    bounce[1].bounceOut = true;
    t = x01Turn({}, 501, bounce);
    EXPECT_EQ(t.darts, 3);
    EXPECT_EQ(t.score, 40);
    EXPECT_EQ(t.dartList[2].remainingBefore, 481);
    EXPECT_EQ(t.dartList[2].remainingAfter, 461);
    EXPECT_TRUE(t.dartList[1].bounceOut);
    // The bull finishes from 50.
    EXPECT_TRUE(x01Turn({}, 50, darts({"S50"})).checkout);
}

TEST(RecordTurns, TheCounterNumbersLegsAcrossSetsAndForgetsTurnsTakenBack)
{
    MatchBuilder b("301", 2, 2);
    b.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S01"}).typed(1, 3, 121, 1); // leg 1 to player 1
    b.thrown(2, {"S01"}).typed(1, 3, 100, 0).typed(2, 3, 300, 1);              // leg 2 to player 2
    b.typed(1, 3, 301, 1);                                                     // leg 3: the set to player 1
    EXPECT_EQ(b.turns[2].key, (TurnKey{1, 1, 1, 2}));
    EXPECT_EQ(b.turns[5].key, (TurnKey{2, 1, 2, 2}));
    EXPECT_EQ(b.turns[6].key, (TurnKey{1, 1, 3, 1}));
    EXPECT_EQ(b.counter.next(2), (TurnKey{2, 2, 4, 1}));
    // Taking back the set's last checkout: leg 3 again, player 1's turn 1.
    b.counter.takeBack();
    EXPECT_EQ(b.counter.next(1), (TurnKey{1, 1, 3, 1}));
    b.counter.takeBack(2);
    EXPECT_EQ(b.counter.next(2), (TurnKey{2, 1, 2, 2}));
}

// 301 won in ten darts with two busts on a double: checked by hand.
TEST(RecordFigures, AveragesCheckoutsAndDoublesOfALegWithBustsOnADouble)
{
    MatchBuilder b("301");
    b.thrown(1, {"T20", "T20", "T20"}); // 180, 121 left
    b.thrown(2, {"S01", "S01", "S01"});
    b.thrown(1, {"T20", "S13", "S08"}); // 81, 40 left: no dart at a double yet
    b.thrown(2, {"S01", "S01", "S01"});
    b.thrown(1, {"S20", "D20"}); // at 40 and at 20: D20 busts, two darts at a double
    b.thrown(2, {"S01", "S01", "S01"});
    b.thrown(1, {"D10", "D10"}); // at 40 misses D20, at 20 hits D10
    b.finish(1);
    const PlayerFigures f = of(b);
    EXPECT_EQ(f.darts, 10);
    EXPECT_EQ(f.points, 301);
    EXPECT_DOUBLE_EQ(*f.average(), 90.3);
    EXPECT_EQ(f.firstNineDarts, 8);
    EXPECT_EQ(f.firstNinePoints, 261);
    EXPECT_DOUBLE_EQ(*f.firstNineAverage(), 97.875);
    EXPECT_EQ(f.dartsAtDouble, 4);
    EXPECT_DOUBLE_EQ(*f.checkoutPercent(), 25.0);
    EXPECT_EQ(f.doubles[19], (DoubleTries{2, 0})); // D20
    EXPECT_EQ(f.doubles[9], (DoubleTries{2, 1}));  // D10
    EXPECT_EQ(f.highestCheckout, 40);
    EXPECT_EQ(f.bestLegFrom(301), 10);
    EXPECT_EQ(f.turns180, 1);
    EXPECT_EQ(f.turns60, 1);
    EXPECT_EQ(f.turns100 + f.turns140, 0);
    EXPECT_EQ((std::array{f.legsWon, f.legsLost, f.matchesWon, f.matchesLost}), (std::array{1, 0, 1, 0}));
    const PlayerFigures g = of(b, 2);
    EXPECT_EQ((std::array{g.legsWon, g.legsLost, g.matchesWon, g.matchesLost}), (std::array{0, 1, 0, 1}));
    EXPECT_EQ(g.dartsAtDouble, 0);
    EXPECT_FALSE(g.checkoutPercent());
    EXPECT_FALSE(g.dartsPerLegWon());
}

TEST(RecordFigures, FirstNineOfLegsShorterThanNineDartsCountsTheDartsTheyHad)
{
    MatchBuilder b("301", 2);
    b.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S01", "S01", "S01"});
    b.thrown(1, {"T20", "T11", "D14"}); // 121: leg 1 in six darts
    b.thrown(2, {"S20", "S20", "S20"}).thrown(1, {"S20", "S20", "S20"});
    b.thrown(2, {"S20", "S20", "S20"}).thrown(1, {"S20", "S20", "S20"});
    b.thrown(2, {"S20", "S20", "S20"}).thrown(1, {"S20", "S20", "S20"}); // 180 in his first nine
    b.thrown(2, {"S20", "S20", "S20"}).thrown(1, {"T20", "T19", "S02"}); // 119 outside them
    const PlayerFigures f = of(b);
    EXPECT_EQ(f.firstNineDarts, 15);
    EXPECT_EQ(f.firstNinePoints, 481);
    EXPECT_DOUBLE_EQ(*f.firstNineAverage(), 96.2);
    EXPECT_EQ(f.legsWon, 1);
    EXPECT_DOUBLE_EQ(*f.dartsPerLegWon(), 6.0);
    EXPECT_EQ(f.turns100, 2); // the 121 checkout and the 119
    EXPECT_EQ(f.highestCheckout, 121);
}

TEST(RecordFigures, ALegWonOnTheBullAfterAnOuterBullBust)
{
    MatchBuilder b("301");
    b.typed(1, 3, 180, 0).typed(2, 3, 0, 0).typed(1, 3, 71, 0).typed(2, 3, 0, 0); // 50 left
    b.thrown(1, {"S25", "S25"}); // at 50 the bull is asked and missed; at 25 the outer bull busts
    b.typed(2, 3, 0, 0);
    b.thrown(1, {"S50"});
    const PlayerFigures f = of(b);
    EXPECT_EQ(f.doubles[kBullDouble], (DoubleTries{2, 1}));
    EXPECT_EQ(f.dartsAtDouble, 2);
    EXPECT_EQ(f.highestCheckout, 50);
    EXPECT_DOUBLE_EQ(*f.checkoutPercent(), 50.0);
    EXPECT_EQ(f.darts, 9);
    EXPECT_EQ(f.points, 301);
}

TEST(RecordFigures, ATypedTurnAmongThrownOnesCountsItsDartsButNoDouble)
{
    MatchBuilder b("301");
    b.thrown(1, {"T20", "T20", "T20"}).typed(2, 3, 26, 0);
    b.typed(1, 3, 81, 0).typed(2, 3, 26, 0); // 40 left
    b.typed(1, 3, 0, 1).typed(2, 3, 26, 0);  // a bust typed as 0, one dart at a double
    b.thrown(1, {"D20"});
    const PlayerFigures f = of(b);
    EXPECT_EQ(f.darts, 10);
    EXPECT_EQ(f.points, 301);
    EXPECT_DOUBLE_EQ(*f.average(), 90.3);
    EXPECT_EQ(f.dartsAtDouble, 2);
    EXPECT_DOUBLE_EQ(*f.checkoutPercent(), 50.0);
    EXPECT_EQ(f.doubles[19], (DoubleTries{1, 1})); // only the thrown dart
    EXPECT_EQ(f.bestLegFrom(301), 10);
    // A typed checkout wins the leg too.
    MatchBuilder c("301");
    c.typed(1, 3, 180, 0).typed(2, 3, 0, 0).typed(1, 3, 81, 0).typed(2, 3, 0, 0).typed(1, 2, 40, 2);
    EXPECT_EQ(of(c).legsWon, 1);
    EXPECT_EQ(of(c).highestCheckout, 40);
    EXPECT_EQ(of(c, 2).legsLost, 1);
}

TEST(RecordFigures, BestLegsAreKeptByStartScore)
{
    MatchBuilder a("501"), b("501"), c("301");
    a.typed(1, 3, 180, 0).typed(1, 3, 180, 0).typed(1, 3, 100, 0).typed(1, 3, 41, 1); // 501 in 12
    b.typed(1, 3, 100, 0).typed(1, 3, 100, 0).typed(1, 3, 100, 0).typed(1, 3, 100, 0).typed(1, 3, 101, 1);
    c.typed(1, 3, 140, 0).typed(1, 3, 140, 0).typed(1, 3, 21, 1); // 301 in 9
    std::vector<PlayerMatch> rows{{a.match, 1, of(a)}, {b.match, 1, of(b)}, {c.match, 1, of(c)}};
    const PlayerFigures f = combine(rows);
    EXPECT_EQ(f.bestLegFrom(501), 12);
    EXPECT_EQ(f.bestLegFrom(301), 9);
    EXPECT_FALSE(f.bestLegFrom(1001));
    EXPECT_EQ(f.legsWon, 3);
    EXPECT_DOUBLE_EQ(*f.dartsPerLegWon(), 12.0);
    EXPECT_EQ(f.highestCheckout, 101);
}

TEST(RecordFigures, CricketAndPracticeDartsStayOutOfTheX01Figures)
{
    MatchBuilder cricket("CRICKET");
    cricket.match.players[1] = {"Computer", PlayerKind::Computer, 2};
    cricket.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S19"}).finish(1);
    const PlayerFigures f = of(cricket);
    EXPECT_EQ(cricket.turns[0].score, 180);
    EXPECT_EQ(dartsOnly(f), PlayerFigures{});
    EXPECT_EQ((std::array{f.matches, f.matchesWon, f.vsComputer[2].won}), (std::array{1, 1, 1}));
    EXPECT_EQ(of(cricket, 2).matchesLost, 1);

    MatchBuilder practice("501");
    practice.match.kind = MatchKind::Practice;
    practice.match.players[1] = {};
    practice.thrown(1, {"T20", "T20", "T20"}).finish(0);
    EXPECT_EQ(of(practice), PlayerFigures{});

    // Abandoned: the turns played count, the match is neither won nor lost,
    // the turn in progress is left out.
    MatchBuilder left("501");
    left.thrown(1, {"T20", "T20", "T20"});
    left.turns.push_back(x01Turn(left.counter.next(2), 501, vantorelle::records::testing::darts({"T20"}), false));
    left.match.outcome = Outcome::Abandoned;
    EXPECT_EQ((std::array{of(left).matches, of(left).matchesWon, of(left).matchesLost}), (std::array{1, 0, 0}));
    EXPECT_EQ(of(left).darts, 3);
    EXPECT_EQ(of(left, 2).darts, 0);
}

TEST(RecordFigures, TheFiguresOfThreeMatchesAddUpToTheFiguresOfTheirDartsTogether)
{
    std::mt19937_64 gen(7);
    std::vector<PlayerMatch> rows;
    MatchBuilder together("501", 1, 1);
    int legOffset = 0;
    for (int i = 0; i < 3; ++i) {
        MatchBuilder b = vantorelle::records::testing::playMatch(gen, "501", 3, 1, {160.0, 250.0});
        rows.push_back({b.match, 1, of(b)});
        int lastLeg = 0;
        for (TurnRecord t : b.turns) {
            lastLeg = t.key.leg;
            t.key.leg += legOffset;
            together.turns.push_back(t);
        }
        legOffset += lastLeg;
    }
    const PlayerFigures sum = combine(rows);
    EXPECT_EQ(dartsOnly(sum), dartsOnly(of(together)));
    EXPECT_EQ(sum.matches, 3);
    EXPECT_EQ(sum.matchesWon + sum.matchesLost, 3);
    EXPECT_GT(sum.darts, 100);
    EXPECT_GT(sum.legsWon + sum.legsLost, 8);
    // The sum of averages is no average: the sum of darts and points is.
    EXPECT_NEAR(*sum.average(), 3.0 * sum.points / sum.darts, 1e-9);
}

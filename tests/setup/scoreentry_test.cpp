#include <gtest/gtest.h>

#include "rules/app/cheats.h"
#include "rules/setup/scoreentry.h"
#include "support/matchfixture.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {
ScoreField refused(const std::string& darts, const std::string& score, const std::string& dbl, int remaining)
{
    return checkScoreEntry({darts, score, dbl}, remaining).refuse;
}
} // namespace

TEST(ScoreEntry, ChecksInOrderSelectingTheWrongField)
{
    // Not numbers, tested darts first, then score, then darts at double.
    EXPECT_EQ(refused("x", "y", "z", 501), ScoreField::Darts);
    EXPECT_EQ(refused("3", "y", "z", 501), ScoreField::Score);
    EXPECT_EQ(refused("3", "60", "z", 501), ScoreField::Double);
    EXPECT_EQ(refused("3", "6.5", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("3", "", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("3", "99999999999999999999", "0", 501), ScoreField::Score);
    // Ranges.
    EXPECT_EQ(refused("4", "60", "0", 501), ScoreField::Darts);
    EXPECT_EQ(refused("0", "0", "0", 501), ScoreField::Darts);
    EXPECT_EQ(refused("-1", "0", "0", 501), ScoreField::Darts);
    EXPECT_EQ(refused("3", "60", "4", 501), ScoreField::Double);
    EXPECT_EQ(refused("3", "-5", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("3", "181", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("2", "121", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("3", "60", "-1", 501), ScoreField::Double);
    EXPECT_EQ(refused("1", "20", "2", 40), ScoreField::Double); // more darts at a double than thrown
    // Accepted turns.
    EXPECT_EQ(refused("3", "180", "0", 501), ScoreField::None);
    EXPECT_EQ(refused("3", "177", "0", 501), ScoreField::None);
    EXPECT_EQ(refused(" 3 ", " 100", "0", 501), ScoreField::None);
    EXPECT_EQ(refused("3", "0", "0", 501), ScoreField::None); // a bust is entered as nothing scored
}

TEST(ScoreEntry, ImpossibleTotalsAreRefused)
{
    for (const char* s : {"172", "173", "175", "176", "178", "179"})
        EXPECT_EQ(refused("3", s, "0", 501), ScoreField::Score) << s;
    for (const char* s : {"163", "166", "169"})
        EXPECT_EQ(refused("3", s, "0", 501), ScoreField::Score) << s;
    EXPECT_EQ(refused("1", "23", "0", 501), ScoreField::Score); // no single dart makes 23
    EXPECT_EQ(refused("1", "59", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("2", "119", "0", 501), ScoreField::Score);
    EXPECT_EQ(refused("1", "57", "0", 501), ScoreField::None);
    EXPECT_EQ(refused("2", "110", "0", 501), ScoreField::None);
    // Every total from 0 to 180 makes sense with three darts but these nine.
    int impossible = 0;
    for (int t = 0; t <= 180; ++t)
        impossible += !reachable(t, 3, false);
    EXPECT_EQ(impossible, 9);
}

TEST(ScoreEntry, CheckoutsNeedAFinishingDartAndADartAtADouble)
{
    EXPECT_EQ(refused("3", "39", "0", 40), ScoreField::Score); // would leave 1
    EXPECT_EQ(refused("3", "41", "0", 40), ScoreField::Score); // more than is left
    EXPECT_EQ(refused("3", "40", "0", 40), ScoreField::Double);
    const ScoreCheck won = checkScoreEntry({"3", "40", "1"}, 40);
    EXPECT_EQ(won.refuse, ScoreField::None);
    EXPECT_TRUE(won.checkout);
    EXPECT_EQ(refused("3", "169", "1", 169), ScoreField::Score); // no three darts check out 169
    EXPECT_EQ(refused("3", "170", "1", 170), ScoreField::None);
    EXPECT_EQ(refused("1", "100", "1", 100), ScoreField::Score);
    EXPECT_EQ(refused("1", "50", "1", 50), ScoreField::None);  // the bull
    EXPECT_EQ(refused("1", "41", "1", 41), ScoreField::Score); // one dart cannot finish an odd score
    EXPECT_EQ(refused("2", "41", "1", 41), ScoreField::None);
    EXPECT_EQ(refused("2", "160", "2", 160), ScoreField::Score);
    EXPECT_EQ(refused("3", "160", "1", 160), ScoreField::None);
    EXPECT_TRUE(reachable(2, 1, true));
    EXPECT_FALSE(reachable(3, 1, true));
    EXPECT_FALSE(reachable(1, 3, true));
}

TEST(ScoreEntry, ARefusedTurnSaysWhy)
{
    auto why = [](const std::string& darts, const std::string& score, const std::string& dbl, int remaining) {
        return checkScoreEntry({darts, score, dbl}, remaining).why;
    };
    EXPECT_EQ(why("3", "179", "0", 501), "No three darts score 179.");
    EXPECT_EQ(why("3", "163", "0", 501), "No three darts score 163.");
    EXPECT_EQ(why("2", "121", "0", 501), "No two darts score 121.");
    EXPECT_EQ(why("1", "23", "0", 501), "No dart scores 23.");
    EXPECT_EQ(why("3", "181", "0", 501), "No three darts score 181.");
    EXPECT_EQ(why("1", "41", "1", 41), "No dart finishes 41 on a double.");
    EXPECT_EQ(why("3", "169", "1", 169), "No three darts finish 169 on a double.");
    EXPECT_EQ(why("3", "39", "0", 40), "That would leave 1: a bust is entered as 0.");
    EXPECT_EQ(why("3", "41", "0", 40), "Only 40 left: a bust is entered as 0.");
    EXPECT_EQ(why("3", "40", "0", 40), "A checkout needs a dart at a double.");
    EXPECT_EQ(why("x", "60", "0", 501), "Type the darts thrown: 1, 2 or 3.");
    EXPECT_EQ(why("1", "20", "2", 40), "Darts at a double: 0 to 1.");
    // A turn that can be booked has nothing to say.
    EXPECT_EQ(why("3", "40", "1", 40), "");
}

class TypedTurns : public MatchFixture {};

TEST_F(TypedTurns, BookedIntoTheMatchAndAWonLeg)
{
    st.match.player(1).realBoard = true;
    start(1, 501, 2, 1);
    EXPECT_TRUE(engine.canEnterScore());
    engine.bookEnteredTurn(3, 140, 0);
    EXPECT_EQ(st.match.player(1).score, 361);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 3);
    EXPECT_EQ(st.match.stat(1, kStatPoints), 140);
    EXPECT_EQ(st.match.stat(1, kStat140), 1);
    EXPECT_EQ(st.match.currentPlayer, 2);
    EXPECT_FALSE(engine.canEnterScore()); // Bob throws on the screen

    turn("S01", "S01", "S01");
    leave(1, 40);
    engine.bookEnteredTurn(2, 40, 2);
    EXPECT_EQ(st.match.player(1).legs, 1);
    EXPECT_EQ(st.match.stat(1, kStatDoublesHit), 1);
    EXPECT_EQ(st.match.stat(1, kStatDartsAtDouble), 2);
    EXPECT_TRUE(host.saidComment("GAME, SHOT AND THE LEG, ANN ARBOUR"));
    EXPECT_EQ(st.match.player(1).score, 501);
}

TEST_F(TypedTurns, CalledWithItsPauseAndNotDuringADartOrTheBullUp)
{
    st.settings.soundOn = true;
    st.match.player(1).realBoard = true;
    EXPECT_FALSE(engine.canEnterScore()); // no match
    start(1);
    host.clips.clear();
    host.pauses.clear();
    engine.bookEnteredTurn(3, 100, 0);
    EXPECT_EQ(host.clips.at(0), "Sounds/Referee/Score/100.wav (wait)");
    EXPECT_EQ(host.pauses, (std::vector<double>{0.5, 1.6}));
    turn("S01", "S01", "S01");
    dart("S01"); // Ann clicks a dart first: the rest of the turn is clicked too
    EXPECT_FALSE(engine.canEnterScore());
}

TEST_F(TypedTurns, MatchWonByATypedCheckoutCallsNobodyToTheOche)
{
    st.match.player(1).realBoard = true;
    start(1, 301, 1, 1);
    leave(1, 170);
    engine.bookEnteredTurn(3, 170, 1);
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_EQ(host.infos.back(), "The winner is Ann Arbour");
    EXPECT_EQ(lastComment(), "GAME, SHOT AND THE MATCH, ANN ARBOUR");
}

TEST(Cheats, SpeedCode)
{
    EXPECT_EQ(applyCheat("ZOOM 90").kind, Cheat::SpeedSet);
    EXPECT_EQ(applyCheat("zoom90").speed, 90);
    EXPECT_EQ(applyCheat("Zoom 30").speed, 30);
    EXPECT_EQ(applyCheat("ZOOM150").speed, 150);
    for (const char* bad : {"ZOOM 29", "ZOOM 151", "ZOOM", "ZOOM fast", "ZOOM -40", "ZOOM 99999999999"}) {
        EXPECT_EQ(applyCheat(bad).kind, Cheat::SpeedRefused) << bad;
        EXPECT_EQ(applyCheat(bad).speed, 0) << bad;
    }
    EXPECT_EQ(applyCheat("ZOO").kind, Cheat::NotACheat);
    EXPECT_EQ(applyCheat("hello 90").kind, Cheat::NotACheat);
    EXPECT_EQ(applyCheat("").kind, Cheat::NotACheat);
}

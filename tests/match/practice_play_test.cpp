// Practice games as the match engine plays them: a player alone at a real
// board, every dart clicked and confirmed as in a match, the session recorded
// as it goes and read back from its record.
#include <gtest/gtest.h>

#include "practice/practicehelpers.h"
#include "rules/app/utf8.h"
#include "rules/practice/practiceboard.h"
#include "rules/practice/practicereplay.h"
#include "rules/records/charts.h"
#include "support/matchfixture.h"
#include "support/memorysink.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

class Practising : public MatchFixture {
public:
    MemorySink sink;
    records::MatchRecorder recorder;
    std::vector<MatchResult> ends;

    void SetUp() override
    {
        st.match.numberOfPlayers = 1;
        st.match.player(1).name = "NIA QUARRELL";
        st.match.player(1).realBoard = true;
        st.match.player(2).name.clear();
        recorder.setSink(&sink);
        engine.setRecorder(&recorder);
    }
    void begin(const PracticeChoice& choice, std::optional<int> best = std::nullopt, bool bestKnown = true)
    {
        engine.StartPractice(choice, best, [this](const MatchResult& r) { ends.push_back(r); }, bestKnown);
    }
    // A dart clicked at her board and confirmed; "000" is a click off the board.
    void click(const std::string& bed)
    {
        const Point p = bed == "000" ? Point{150, 150} : at(bed);
        engine.boardMouseDown(1, p.x, p.y);
    }
    const PracticeSession& session() { return *engine.practice(); }
    const records::MatchRecord& stored() { return sink.matches.begin()->second; }
    const std::vector<records::TurnRecord>& storedTurns() { return sink.turns.begin()->second; }
};

} // namespace

// Whole seeded sessions of each game by a scripted player at a real board:
// the board lights each target, the session ends with its result reported
// once, and the record read back plays the same session again.
TEST_F(Practising, SeededSessionsOfEachGameAreRecordedAndReadBack)
{
    const std::vector<std::string> beds = everyBed();
    const PracticeChoice choices[] = {
        PracticeChoice::clock(ClockVariant::Any), PracticeChoice::clock(ClockVariant::Doubles),
        PracticeChoice::clock(ClockVariant::Trebles), PracticeChoice::bobs27(), PracticeChoice::checkout121(5)};
    for (const PracticeChoice& choice : choices) {
        SCOPED_TRACE(practiceCode(choice));
        sink = MemorySink{};
        ends.clear();
        Rng script(31);
        begin(choice);
        ASSERT_NE(engine.practice(), nullptr);
        EXPECT_EQ(host.infos.back(), practiceName(choice));
        std::vector<std::string> targets;
        int clicks = 0;
        while (session().playing() && clicks < 2000) {
            ASSERT_EQ(st.view.targetBeds, session().targetBeds());
            ASSERT_EQ(st.view.yellowPlayer, 1);
            ASSERT_FALSE(engine.canEnterScore()); // every dart counts: none is typed
            targets.push_back(session().targetText());
            click(scriptedDart(session(), script, beds, 3));
            ++clicks;
        }
        ASSERT_EQ(session().status(), PracticeStatus::Finished);
        const int result = *session().result();
        EXPECT_EQ(session().dartsUsed(), clicks);

        // The end, reported once, with the closing line.
        ASSERT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0].announcement, session().closingText(std::nullopt));
        EXPECT_TRUE(host.saidComment(upperCase(ends[0].announcement)));
        EXPECT_TRUE(st.match.blnStopped);
        EXPECT_TRUE(st.view.targetBeds.empty());
        EXPECT_FALSE(st.view.scoreboardVisible);

        // The record, as the store keeps it.
        ASSERT_EQ(sink.matches.size(), 1u);
        const records::MatchRecord& m = stored();
        EXPECT_EQ(m.kind, records::MatchKind::Practice);
        EXPECT_EQ(m.game, practiceCode(choice));
        EXPECT_EQ(m.outcome, records::Outcome::Finished);
        EXPECT_EQ(m.practiceResult, std::optional<double>(result));
        EXPECT_EQ(m.player(1).name, "NIA QUARRELL");
        EXPECT_EQ(m.player(1).kind, records::PlayerKind::RealBoard);
        EXPECT_TRUE(m.player(2).name.empty());
        EXPECT_EQ(records::checkMatch(m), std::nullopt);
        int darts = 0;
        for (const records::TurnRecord& t : storedTurns()) {
            EXPECT_EQ(records::checkTurn(t), std::nullopt);
            EXPECT_TRUE(t.darts >= 1 && t.darts <= 3);
            EXPECT_TRUE(t.complete);
            darts += t.darts;
        }
        EXPECT_EQ(darts, clicks);
        EXPECT_EQ(static_cast<int>(storedTurns().size()), session().turn());

        // Read back: the darts alone give the targets and the result again.
        const auto replay = replayPractice(m, storedTurns());
        ASSERT_TRUE(replay);
        EXPECT_EQ(replay->targets, targets);
        EXPECT_EQ(replay->session.result(), session().result());
        EXPECT_EQ(replay->session.hits(), session().hits());
        const auto bests = records::personalBests(std::vector<records::MatchRecord>{m});
        ASSERT_EQ(bests.count(m.game), 1u);
        EXPECT_EQ(bests.at(m.game).result, result);
    }
}

TEST_F(Practising, TheBestIsShownAtTheStartAndANewOneCalledAtTheEnd)
{
    auto perfectClock = [this](std::optional<int> best, bool bestKnown = true) {
        ends.clear();
        begin(PracticeChoice::clock(ClockVariant::Any), best, bestKnown);
        for (int n = 1; n <= 20; ++n)
            click(makeBed('S', n));
        click("S50");
    };
    perfectClock(25);
    EXPECT_TRUE(host.saidComment("AROUND THE CLOCK. AIM AT 1. BEST: 25 DARTS."));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].announcement, "Around the clock in 21 darts. New personal best!");
    EXPECT_EQ(lastComment(), "AROUND THE CLOCK IN 21 DARTS. NEW PERSONAL BEST!");
    // The scoreboard's best is the new one from the end on.
    EXPECT_EQ(engine.practiceBest(), 21);
    // Equal to the best is no new best.
    perfectClock(21);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].announcement, "Around the clock in 21 darts. Best: 21 darts.");
    EXPECT_EQ(engine.practiceBest(), 21);
    // Bests that could not be read are not claimed.
    perfectClock(std::nullopt, false);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].announcement, "Around the clock in 21 darts.");
    EXPECT_EQ(engine.practiceBest(), std::nullopt);
}

// 121 turns end with the third dart, and earlier with a bust or a checkout:
// each is a turn of its own in the record, and the turn's score is called.
TEST_F(Practising, A121TurnEndsAtABustOrACheckout)
{
    begin(PracticeChoice::checkout121(5));
    EXPECT_TRUE(st.view.targetBeds.empty()); // a score to check out, no bed
    click("T20");
    click("T20"); // 1 left: bust
    EXPECT_EQ(st.match.bytDart, 0);
    EXPECT_EQ(st.view.dartInHand, (std::array<bool, 6>{true, true, true, false, false, false}));
    EXPECT_EQ(session().remaining(), 121);
    ASSERT_EQ(storedTurns().size(), 1u);
    EXPECT_EQ(storedTurns()[0].darts, 2);
    click("T19");
    click("S14");
    EXPECT_EQ(session().remaining(), 50);
    click("S50"); // checked out on the bull
    EXPECT_EQ(session().targetText(), "122");
    EXPECT_EQ(session().checkedOut(), 1);
    ASSERT_EQ(storedTurns().size(), 2u);
    EXPECT_EQ(storedTurns()[1].darts, 3);
    click("T20");
    click("T20");
    click("S01"); // 1 left is a bust on the third dart too
    ASSERT_EQ(storedTurns().size(), 3u);
    EXPECT_EQ(session().remaining(), 122);
    EXPECT_EQ(session().attemptTurn(), 2);
}

TEST_F(Practising, LeftMidwayItIsRecordedAsAbandonedWithoutAResult)
{
    begin(PracticeChoice::bobs27());
    click("D01");
    click("000");
    click("000");
    click("D02");
    engine.abandon();
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(engine.practice(), nullptr);
    EXPECT_TRUE(st.view.targetBeds.empty());
    const records::MatchRecord& m = stored();
    EXPECT_EQ(m.outcome, records::Outcome::Abandoned);
    EXPECT_FALSE(m.practiceResult);
    ASSERT_EQ(storedTurns().size(), 2u);
    EXPECT_FALSE(storedTurns()[1].complete);
    EXPECT_TRUE(records::personalBests(std::vector<records::MatchRecord>{m}).empty());
    // A match after it is a match again.
    st.match.numberOfPlayers = 2;
    st.match.player(2).name = "BOB BRISK";
    queueBullUp(1);
    engine.StartGame();
    EXPECT_EQ(engine.practice(), nullptr);
    dart("T20");
    EXPECT_EQ(st.match.player(1).score - st.match.bytTurnScore, 441);
}

// A click at a real board taken back puts the game back as it was: the
// target, the darts used, the record; the last turn's darts too, until she
// throws again.
TEST_F(Practising, CorrectionsPutTheGameBack)
{
    begin(PracticeChoice::clock(ClockVariant::Any));
    click("S01");
    click("S05");
    EXPECT_EQ(engine.undo(), "5");
    EXPECT_EQ(lastComment(), "5 TAKEN BACK. NIA QUARRELL CLICK SCORE.");
    EXPECT_EQ(session().dartsUsed(), 1);
    EXPECT_EQ(session().targetText(), "2");
    EXPECT_EQ(st.view.targetBeds, (std::vector<std::string>{"S02", "D02", "T02"}));
    click("S02");
    click("T03"); // the turn is over: on to 4
    EXPECT_EQ(st.match.bytDart, 0);
    ASSERT_EQ(storedTurns().size(), 1u);
    EXPECT_EQ(engine.undo(), "T3");
    EXPECT_EQ(st.match.bytDart, 2);
    EXPECT_EQ(session().targetText(), "3");
    EXPECT_TRUE(storedTurns().empty());
    click("D03");
    EXPECT_EQ(session().targetText(), "4");
    EXPECT_EQ(session().dartsUsed(), 3);

    // Aimed on the screen, a dart is her skill: nothing is taken back.
    engine.abandon();
    st.match.player(1).realBoard = false;
    begin(PracticeChoice::clock(ClockVariant::Any));
    engine.ThrowDart(at("S01").x, at("S01").y);
    EXPECT_FALSE(engine.canUndo());
}

TEST_F(Practising, TheHintAndTheFiguresFitTheGame)
{
    begin(PracticeChoice::clock(ClockVariant::Trebles), 60);
    const std::string opening = lastComment();
    engine.DoHint();
    EXPECT_TRUE(host.saidComment("AIM AT T1."));
    EXPECT_EQ(lastComment(), opening);
    // A dart thrown while the hint is up says its own line, and it stays.
    host.onPause.push_back([&] { click("T01"); });
    engine.DoHint();
    EXPECT_EQ(lastComment(), "DART 1 HITS T1. ON TO T2.");
    click("S02");
    engine.DoStats();
    EXPECT_TRUE(host.saidComment("2 DARTS, 1 ON TARGET (50%)."));
    EXPECT_TRUE(host.saidComment("PERSONAL BEST: 60 DARTS."));
    engine.abandon();

    begin(PracticeChoice::checkout121(10));
    click("T20");
    engine.DoHint();
    EXPECT_EQ(host.comments[host.comments.size() - 2].rfind("61 REMAINING. SUGGEST:", 0), 0u);
    engine.DoStats();
    EXPECT_TRUE(host.saidComment("TARGET 1 OF 10: 0 CHECKED OUT."));
    EXPECT_TRUE(host.saidComment("NO PERSONAL BEST YET."));
    // So with the figures: the dart's line stays and the figures stop.
    const std::size_t said = host.comments.size();
    host.onPause.push_back([&] { click("S01"); });
    engine.DoStats();
    EXPECT_EQ(lastComment().rfind("DART 2 HITS", 0), 0u) << lastComment();
    EXPECT_EQ(host.comments.size(), said + 2); // the first line and the dart's
}

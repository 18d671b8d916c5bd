#include <gtest/gtest.h>

#include "platform/storeschema.h"
#include "records/storehelpers.h"

using namespace vantorelle;
using namespace vantorelle::records;
using namespace vantorelle::records::testing;

namespace {

Selection of(const char* name, Period period = Period::All, std::int64_t now = 0)
{
    return {name, period, now, std::nullopt};
}

} // namespace

TEST(MatchStore, AWholeMatchReadsBackTurnForTurnAndDartForDart)
{
    ScratchFolder dir;
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file())) << store.problem();
    std::mt19937_64 gen(11);
    MatchBuilder b = playMatch(gen, "501", 3, 2, {150.0, 220.0});
    b.match.players[1] = {"Zoë Ångström", PlayerKind::Computer, 1};
    b.typed(1, 3, 0, 0); // a typed turn among them; no rule checks the order here
    b.match.ended = b.match.started + 3600;
    const std::int64_t id = record(store, b);
    ASSERT_GT(id, 0) << store.problem();

    const auto match = store.match(id);
    ASSERT_TRUE(match) << match.result.message;
    EXPECT_EQ(match.value, b.match);
    const auto turns = store.turns(id);
    ASSERT_TRUE(turns);
    ASSERT_EQ(turns.value.size(), b.turns.size());
    EXPECT_EQ(turns.value, b.turns);
    EXPECT_GT(b.turns.size(), 40u);

    // The figures stored beside it are the figures of its turns.
    const auto rows = store.figures(of("ANN LEE"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows.value.size(), 1u);
    EXPECT_EQ(rows.value[0].player, 1);
    EXPECT_EQ(rows.value[0].match, b.match);
    EXPECT_EQ(rows.value[0].figures, figuresFor(b.match, b.turns, 1));
    const auto theirs = store.figures(of("zoë Ångström")); // ASCII letters compare upper-cased
    ASSERT_EQ(theirs.value.size(), 1u);
    EXPECT_EQ(theirs.value[0].player, 2);
    EXPECT_EQ(theirs.value[0].figures, figuresFor(b.match, b.turns, 2));
    EXPECT_EQ(store.playerNames().value, (std::vector<std::string>{"Ann Lee", "Zoë Ångström"}));

    // Read again after closing: the same.
    store.close();
    ASSERT_TRUE(store.open(dir.file()));
    EXPECT_EQ(store.turns(id).value, b.turns);
    store.close();
    EXPECT_FALSE(std::filesystem::exists(dir.file() + "-wal")); // closed cleanly, written through
}

TEST(MatchStore, AnAbandonedMatchKeepsWhatWasPlayedAndAnInterruptedOneIsAbandonedAtStart)
{
    ScratchFolder dir;
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file()));
    MatchBuilder b("501");
    b.thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S20", "S05"});
    const auto id = store.beginMatch(b.match);
    ASSERT_TRUE(id);
    for (const auto& t : b.turns)
        ASSERT_TRUE(store.addTurn(id.value, t));
    const TurnRecord inProgress = x01Turn(b.counter.next(1), 321, darts({"T20", "S01"}), false);
    ASSERT_TRUE(store.abandonMatch(id.value, b.match.started + 60, &inProgress));
    const auto m = store.match(id.value).value;
    EXPECT_EQ(m.outcome, Outcome::Abandoned);
    EXPECT_EQ(m.winner, 0);
    EXPECT_EQ(m.ended, b.match.started + 60);
    const auto turns = store.turns(id.value).value;
    ASSERT_EQ(turns.size(), 3u);
    EXPECT_FALSE(turns[2].complete);
    EXPECT_EQ(turns[2].dartList.size(), 2u);
    const auto rows = store.figures(of("Ann Lee")).value;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].figures.darts, 3); // the turn in progress does not count
    EXPECT_EQ(rows[0].figures.matches, 1);
    EXPECT_EQ(rows[0].figures.matchesWon + rows[0].figures.matchesLost, 0);
    // Nothing more goes into an abandoned match.
    EXPECT_FALSE(store.addTurn(id.value, b.turns[0]));

    // A match an earlier run left being played is abandoned at the next start.
    ASSERT_TRUE(store.open(dir.file()));
    const auto left = store.beginMatch(b.match);
    ASSERT_TRUE(store.addTurn(left.value, b.turns[0]));
    ASSERT_TRUE(store.open(dir.file()));
    EXPECT_EQ(store.figures(of("Ann Lee")).value.size(), 1u); // no figures while it is being played
    ASSERT_TRUE(store.abandonInterrupted(999));
    EXPECT_EQ(store.match(left.value).value.outcome, Outcome::Abandoned);
    EXPECT_EQ(store.figures(of("Ann Lee")).value.size(), 2u);
}

TEST(MatchStore, SelectionsByPeriodKindAndNameFromEitherSide)
{
    ScratchFolder dir;
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file()));
    const std::int64_t day = 86400, now = 100 * day;
    std::vector<std::int64_t> ids;
    for (int i = 0; i < 14; ++i) {
        MatchBuilder b(i == 13 ? "CRICKET" : "301");
        b.match.started = now - (40 - 3 * i) * day; // the last nine began within 30 days
        if (i % 2)
            std::swap(b.match.players[0], b.match.players[1]);
        b.typed(1, 3, 180, 0).typed(2, 3, 100, 0).typed(1, 3, 121, 1).finish(1);
        ids.push_back(record(store, b));
        ASSERT_GT(ids.back(), 0) << store.problem();
    }
    MatchBuilder playing("501");
    const auto live = store.beginMatch(playing.match);
    ASSERT_TRUE(live);

    EXPECT_EQ(store.matches(of("ann lee")).value.size(), 15u);
    EXPECT_EQ(store.matches(of("Ann Lee", Period::LastMatch)).value.front().id, live.value);
    EXPECT_EQ(store.figures(of("Ann Lee", Period::LastMatch)).value.front().match.id, ids.back()); // the last ended
    const auto ten = store.figures(of("Ann Lee", Period::Last10)).value;
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten.front().match.id, ids[4]); // oldest first
    EXPECT_EQ(ten.back().match.id, ids[13]);
    EXPECT_EQ(store.figures(of("Ann Lee", Period::Last30Days, now)).value.size(), 10u); // day 70 and on: i >= 4
    Selection cricket = of("Ann Lee");
    cricket.kind = MatchKind::Exhibition;
    EXPECT_EQ(store.matches(cricket).value.size(), 15u);
    cricket.kind = MatchKind::Career;
    EXPECT_TRUE(store.matches(cricket).value.empty());
    EXPECT_TRUE(store.matches(of("Nobody")).value.empty());

    // Ann won the even matches as player 1 and lost the odd ones as player 2.
    const PlayerFigures all = combine(store.figures(of("Ann Lee")).value);
    EXPECT_EQ(all.matchesWon, 7);
    EXPECT_EQ(all.matchesLost, 7);
    EXPECT_EQ(all.legsWon, 7); // the Cricket match has no x01 legs
    EXPECT_EQ(all.legsLost, 6);
    EXPECT_EQ(all.darts, 7 * 6 + 6 * 3);

    // The heat map's darts: the latest first, up to the limit.
    MatchBuilder thrown("501");
    thrown.thrown(1, {"T20", "T19", "S50"}).thrown(2, {"D16"}).thrown(1, {"S05"});
    ASSERT_GT(record(store, thrown), 0);
    auto heat = store.heatDarts(of("Ann Lee"), 3);
    ASSERT_TRUE(heat);
    ASSERT_EQ(heat.value.size(), 3u);
    EXPECT_EQ(heat.value[0].aimBed, "S05");
    EXPECT_EQ(heat.value[2].aimBed, "T19");
    EXPECT_EQ(heat.value[0].x, GetCoords("S05")->x);
    EXPECT_EQ(store.heatDarts(of("Ann Lee")).value.size(), 4u); // typed turns have no darts
}

TEST(MatchStore, TakingBackALegWinningTurnLeavesTheStoreAsIfItWasNeverRecorded)
{
    ScratchFolder dir;
    MatchBuilder right("301", 2), wrong("301", 2);
    for (MatchBuilder* b : {&right, &wrong})
        b->thrown(1, {"T20", "T20", "T20"}).thrown(2, {"S01"}).thrown(1, {"T20", "T11"});
    wrong.thrown(1, {"D14"});                    // a leg won by a dart that was never thrown
    right.thrown(1, {"S14"}).thrown(2, {"S20"}); // what was thrown
    right.thrown(1, {"D07"});                    // and the leg won at last
    right.typed(2, 3, 180, 0).typed(1, 3, 180, 0).typed(2, 3, 121, 1);
    right.typed(1, 3, 180, 0).typed(2, 3, 0, 0).typed(1, 3, 121, 1); // the match ends

    MatchStore a, b;
    ASSERT_TRUE(a.open(dir.file("a.db")));
    ASSERT_TRUE(b.open(dir.file("b.db")));
    const auto idA = a.beginMatch(right.match).value;
    const auto idB = b.beginMatch(right.match).value;
    for (std::size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(a.addTurn(idA, wrong.turns[i]));
    ASSERT_TRUE(a.addTurn(idA, wrong.turns[3]));
    ASSERT_TRUE(a.takeBackLastTurn(idA)) << a.problem();
    for (const auto& t : right.turns)
        ASSERT_TRUE(b.addTurn(idB, t));
    for (std::size_t i = 3; i < right.turns.size(); ++i)
        ASSERT_TRUE(a.addTurn(idA, right.turns[i]));
    const MatchStore::MatchEnd end{99, 1, {1, 0}, {2, 1}, std::nullopt};
    // The match-winning turn taken back after the match was finished: being played again.
    ASSERT_TRUE(a.finishMatch(idA, end));
    ASSERT_TRUE(a.takeBackTurnsFrom(idA, right.turns.back().key)) << a.problem();
    EXPECT_EQ(a.match(idA).value.outcome, Outcome::Playing);
    EXPECT_TRUE(a.figures(of("Ann Lee")).value.empty());
    ASSERT_TRUE(a.addTurn(idA, right.turns.back()));
    ASSERT_TRUE(a.finishMatch(idA, end));
    ASSERT_TRUE(b.finishMatch(idB, end));
    a.close();
    b.close();
    EXPECT_EQ(dump(dir.file("a.db")), dump(dir.file("b.db")));
    EXPECT_NE(dump(dir.file("a.db")).find("D07"), std::string::npos);

    // Nothing to take back: refused, and the store records no more.
    ASSERT_TRUE(a.open(dir.file("a.db")));
    const auto empty = a.beginMatch(right.match).value;
    const StoreResult none = a.takeBackLastTurn(empty);
    EXPECT_FALSE(none);
    EXPECT_EQ(none.message, "The match cannot be recorded (there is no such turn to take back).");
    EXPECT_FALSE(a.canRecord());
}

TEST(MatchStore, AnEmptyFileIsMigratedAndAStepThatFailsLeavesTheVersionBeforeIt)
{
    ScratchFolder dir;
    write(dir.file(), "");
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file())) << store.problem();
    MatchBuilder b("501");
    EXPECT_TRUE(store.beginMatch(b.match));
    store.close();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("steps.db").c_str(), &db), SQLITE_OK);
    const char* steps[] = {"CREATE TABLE one (a)", "CREATE TABLE two (b)", "CREATE TABLE three (c); NOT SQL"};
    store::Failure failed;
    EXPECT_FALSE(store::migrate(db, steps, failed));
    EXPECT_EQ(failed.code & 0xFF, SQLITE_ERROR);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT (SELECT user_version FROM pragma_user_version), "
                       "(SELECT count(*) FROM sqlite_master WHERE name = 'three')",
                       -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(s, 0), 2);
    EXPECT_EQ(sqlite3_column_int(s, 1), 0);
    sqlite3_finalize(s);
    // The missing step made later: from version 2 on only.
    const char* fixed[] = {"NOT SQL", "NOT SQL", "CREATE TABLE three (c)"};
    EXPECT_TRUE(store::migrate(db, fixed, failed));
    sqlite3_close(db);
}

TEST(MatchStore, RecordsThatAreNotSoundAreRefusedAndStopTheRecording)
{
    ScratchFolder dir;
    MatchStore store;
    MatchBuilder b("501");
    EXPECT_EQ(store.beginMatch(b.match).result.message, "The match records are not open.");
    ASSERT_TRUE(store.open(dir.file()));
    MatchRecord bad = b.match;
    bad.players[0].name = "Ann\x01Lee";
    EXPECT_EQ(store.beginMatch(bad).result.message, "The match cannot be recorded (player 1's name is not a name).");
    EXPECT_FALSE(store.canRecord());
    EXPECT_FALSE(store.beginMatch(b.match)); // until it is opened again
    ASSERT_TRUE(store.open(dir.file()));
    const auto id = store.beginMatch(b.match).value;
    TurnRecord turn = x01Turn({1, 1, 1, 1}, 501, darts({"T20"}));
    turn.dartList[0].bed = "T21";
    EXPECT_FALSE(store.addTurn(id, turn));
    for (auto change : std::initializer_list<void (*)(MatchRecord&)>{
             [](MatchRecord& m) { m.players[0].name = "\xC3"; },               // cut UTF-8
             [](MatchRecord& m) { m.game = "501 "; },                          // not a code
             [](MatchRecord& m) { m.kind = MatchKind::Career; },               // no round
             [](MatchRecord& m) { m.players[1].kind = PlayerKind::Computer; }, // no class
             [](MatchRecord& m) { m.players[1].name.clear(); }}) {             // only practice has one player
        MatchRecord m = b.match;
        change(m);
        EXPECT_TRUE(checkMatch(m).has_value());
    }
    b.match.kind = MatchKind::Practice;
    b.match.players[1] = {};
    EXPECT_FALSE(checkMatch(b.match).has_value());
}

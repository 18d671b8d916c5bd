#include <gtest/gtest.h>

#include "records/recordbuilder.h"
#include "rules/records/charts.h"
#include "rules/records/csv.h"

using namespace vantorelle::records;
using vantorelle::records::testing::MatchBuilder;

namespace {

PlayerMatch row(std::int64_t id, std::int64_t started, int darts, int points, int atDouble, int legsWon)
{
    PlayerMatch m;
    m.match.id = id;
    m.match.started = started;
    m.figures.darts = darts;
    m.figures.points = points;
    m.figures.dartsAtDouble = atDouble;
    m.figures.legsWon = legsWon;
    return m;
}

PlayerMatch careerMatch(std::int64_t id, int tournament, const char* stage, bool won, int points = 300)
{
    PlayerMatch m = row(id, 1000 + id, 10, points, 0, 0);
    m.match.kind = MatchKind::Career;
    m.match.players[0].name = "Ivo Vane";
    m.match.players[1].name = "Computer Player";
    m.match.career = CareerRound{"IVO VANE", tournament, "T" + std::to_string(tournament), stage};
    m.match.outcome = Outcome::Finished;
    m.match.winner = won ? 1 : 2;
    return m;
}

MatchRecord practice(std::int64_t id, const char* game, double result, Outcome outcome = Outcome::Finished)
{
    MatchRecord m;
    m.id = id;
    m.started = 5000 - id; // the start decides the order, not the number
    m.kind = MatchKind::Practice;
    m.game = game;
    m.outcome = outcome;
    m.practiceResult = result;
    return m;
}

} // namespace

TEST(RecordCharts, TheTrendHasAPointPerMatchWithDartsInTheOrderPlayed)
{
    std::vector<PlayerMatch> rows{row(3, 300, 30, 600, 4, 1), row(1, 100, 30, 900, 0, 0), row(2, 300, 0, 0, 0, 0),
                                  row(4, 200, 15, 450, 2, 1)};
    const auto points = trend(rows);
    ASSERT_EQ(points.size(), 3u); // match 2 has no x01 dart
    EXPECT_EQ(points[0], (TrendPoint{1, 100, 90.0, std::nullopt}));
    EXPECT_EQ(points[1], (TrendPoint{4, 200, 90.0, 50.0}));
    EXPECT_EQ(points[2], (TrendPoint{3, 300, 60.0, 25.0}));
}

TEST(RecordCharts, TheHeatMapBinsTheSquareAroundTheBoardAndFiltersByTheAimedBed)
{
    std::vector<HeatDart> darts{{2595, 2595, "S50"}, {2600, 2600, "S50"}, {635, 635, "T20"},  {4554, 4554, "T20"},
                                {4555, 2595, "T20"}, {634, 2595, ""},     {2595, 1430, "T20"}};
    const HeatMap all = heatMap(darts);
    EXPECT_EQ(all.total, 5);
    EXPECT_EQ(all.outside, 2);
    EXPECT_EQ(all.at(48, 48), 2); // the bull lies in cell 48 of 96
    EXPECT_EQ(all.highest, 2);
    EXPECT_EQ(all.at(0, 0), 1);
    EXPECT_EQ(all.at(95, 95), 1);
    EXPECT_EQ(all.at(48, 19), 1); // 1165 units above the bull: (1430 - 635) * 96 / 3920 = 19.47
    const HeatMap t20 = heatMap(darts, "T20");
    EXPECT_EQ(t20.total, 3);
    EXPECT_EQ(t20.outside, 1);
    EXPECT_EQ(t20.at(48, 48), 0);
    // A treble is 100 units deep: more than two cells.
    EXPECT_LT(HeatMap::cellEdge(1) - HeatMap::cellEdge(0), 50);
    EXPECT_EQ(HeatMap::cellEdge(HeatMap::kCells), 2595 + 1960);
}

TEST(RecordCharts, CareerFormFollowsEachTournamentToItsFurthestRound)
{
    std::vector<PlayerMatch> rows{
        careerMatch(1, 1, "Q1", true),      careerMatch(2, 1, "Q2", false), // DNQ
        careerMatch(3, 2, "EL", true),                                      // ROUND 1, not played
        careerMatch(4, 3, "F1", true, 600), careerMatch(5, 3, "F2", true, 300), careerMatch(6, 3, "F3", true),
        careerMatch(7, 3, "F4", true),      careerMatch(8, 3, "F5", true),   // CHAMPION
        careerMatch(9, 3, "F1", false),                                      // a new season
        careerMatch(10, 4, "F4", false),    careerMatch(11, 4, "F4", false), // replayed
    };
    rows[9].match.outcome = Outcome::Abandoned;
    rows[9].match.winner = 0;
    PlayerMatch other = careerMatch(12, 5, "F5", true);
    other.match.career->player = "Somebody Else";
    rows.push_back(other);
    const auto form = careerForm(rows, "ivo vane");
    ASSERT_EQ(form.size(), 5u);
    EXPECT_EQ(form[0].result, "DNQ");
    EXPECT_EQ(form[0].furthestStage, "Q2");
    EXPECT_EQ(form[1].result, "ROUND 1");
    EXPECT_EQ(form[2].result, "CHAMPION");
    EXPECT_EQ(form[2].matches, 5);
    EXPECT_DOUBLE_EQ(*form[2].average, 3.0 * 1800 / 50);
    EXPECT_EQ(form[2].started, 1004);
    EXPECT_EQ(form[3].tournamentNo, 3);
    EXPECT_EQ(form[3].result, "ROUND 1");
    EXPECT_EQ(form[4].result, "SEMI-FINALIST");
    EXPECT_EQ(form[4].matches, 2);
}

TEST(RecordCharts, PracticeBestsAreLowestForTheClockAndHighestOtherwise)
{
    std::vector<MatchRecord> sessions{practice(1, "CLOCK/DOUBLES", 40),
                                      practice(2, "CLOCK/DOUBLES", 35),
                                      practice(3, "CLOCK/DOUBLES", 20, Outcome::Abandoned),
                                      practice(4, "BOBS27", 120),
                                      practice(5, "BOBS27", 300, Outcome::Playing),
                                      practice(6, "BOBS27", 150),
                                      practice(7, "BOBS27", 150),
                                      practice(8, "121/10", 0),
                                      practice(9, "121/5", 0),
                                      practice(10, "121/5", 124)};
    sessions[2].practiceResult = 20;
    const auto history = practiceHistory(sessions);
    ASSERT_EQ(history.at("CLOCK/DOUBLES").size(), 2u);
    EXPECT_EQ(history.at("CLOCK/DOUBLES")[0].matchId, 2); // started first
    EXPECT_EQ(history.at("BOBS27").size(), 3u);
    const auto bests = personalBests(sessions);
    EXPECT_EQ(bests.at("CLOCK/DOUBLES").result, 35);
    EXPECT_EQ(bests.at("BOBS27").result, 150);
    EXPECT_EQ(bests.at("BOBS27").matchId, 7); // of two equal, the first played
    // A 121 session without a checkout is kept in the history but is no best.
    EXPECT_EQ(history.at("121/10").size(), 1u);
    EXPECT_FALSE(bests.contains("121/10"));
    EXPECT_EQ(bests.at("121/5").result, 124);
}

TEST(RecordCsv, FieldsAreQuotedWhereTheyMustBeAndFormulasDefused)
{
    EXPECT_EQ(csvField("Ann Lee"), "Ann Lee");
    EXPECT_EQ(csvField("Lee, Ann"), "\"Lee, Ann\"");
    EXPECT_EQ(csvField("The \"Ace\""), "\"The \"\"Ace\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("=1+2"), "'=1+2");
    EXPECT_EQ(csvField("Zoë Ångström"), "Zoë Ångström");
    EXPECT_EQ(utcText(1714591800), "2024-05-01 19:30:00");
    EXPECT_EQ(utcText(946684799), "1999-12-31 23:59:59");
    EXPECT_EQ(utcText(0), "");
}

TEST(RecordCsv, MatchesTurnsAndDartsHaveOneLineEachUnderTheirHeader)
{
    MatchBuilder b("301");
    b.match.id = 42;
    b.match.players[0].name = "Lee, \"Ace\"";
    b.match.players[1] = {"Computer", PlayerKind::Computer, 3};
    b.thrown(1, {"T20", "T20", "T20"}).typed(2, 3, 45, 0).thrown(1, {"T20", "T11", "D14"}).finish(1);
    std::string matches = matchesCsvHeader();
    appendMatchCsv(matches, b.match);
    EXPECT_EQ(matches.substr(matchesCsvHeader().size()),
              "42,2024-05-01 19:30:00,2024-05-01 19:50:00,EXHIBITION,301,1,1,\"Lee, \"\"Ace\"\"\",SCREEN,,"
              "Computer,COMPUTER,PRO,,,,,FINISHED,1,0,0,1,0,\r\n");
    std::string turns;
    appendTurnsCsv(turns, b.match, b.turns);
    EXPECT_EQ(std::count(turns.begin(), turns.end(), '\n'), 3);
    EXPECT_NE(turns.find("\r\n42,2,Computer,1,1,1,301,45,3,0,0,0,1,1\r\n"), std::string::npos) << turns;
    std::string darts;
    appendDartsCsv(darts, b.match, b.turns);
    EXPECT_EQ(std::count(darts.begin(), darts.end(), '\n'), 6); // the typed turn has none
    const auto last = darts.substr(darts.rfind("\r\n", darts.size() - 3) + 2);
    EXPECT_TRUE(last.starts_with("42,1,\"Lee, \"\"Ace\"\"\",1,1,2,3,")) << last;
    EXPECT_TRUE(last.ends_with(",D14,28,28,0,0,1,1,0\r\n")) << last;
    // Every line has as many fields as its header (no field here holds a comma but the quoted name).
    const auto fields = [](std::string_view line) { return std::count(line.begin(), line.end(), ',') + 1; };
    EXPECT_EQ(fields(dartsCsvHeader()), fields(last) - 1);
}

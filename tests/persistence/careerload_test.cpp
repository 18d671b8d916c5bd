// Careers read back from their files, good and damaged.
#include <gtest/gtest.h>

#include "career/careerdata.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/ladder.h"
#include "rules/career/rosterrecord.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"

using namespace vantorelle;
using vantorelle::testing::newCareer;

namespace {

// A career two steps into its tournament.
CareerState midTournament()
{
    CareerState s = newCareer(1);
    Rng rng(11);
    StartTournament(s);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    ContinueDraw(s, rosters, false, rng);
    s.totals = {1234, 88, 9, 3};
    return s;
}

// Plays on from a loaded career: the calendar, then the draw to its end.
void playOn(CareerState s)
{
    Rng rng(5);
    Populate(s.roster, s.tournamentNo);
    if (isBlank(s.QualifyingDraw[1])) {
        StartTournament(s);
        BuildDraw(s, rng);
    }
    RostersState rosters = OpenRosters(s);
    for (int press = 0; press < 40; ++press) {
        DrawStep step = ContinueDraw(s, rosters, false, rng);
        Display(s, rosters.strTournament, step.show);
        if (step.careerMatch) {
            rosters.strWinner = step.careerMatch->player2;
            step = HumanMatchTick(s, rosters, false);
        }
        if (step.end || (!step.continueEnabled && !step.waiting))
            break;
    }
    BookFinishedTournament(s, "8/12/26");
    careerFileText(s);
}

} // namespace

TEST(CareerLoad, SaveLoadSaveGivesTheSameFile)
{
    const CareerState s = midTournament();
    const std::string text = careerFileText(s);
    const CareerLoad loaded = readCareerFile(text, s.careerName);
    EXPECT_EQ(careerFileText(loaded.state), text);
    EXPECT_EQ(loaded.state.totals, s.totals);
    EXPECT_EQ(loaded.state.roster, s.roster);
    EXPECT_EQ(loaded.state.careerName, "Ivo Quillfeather");
    EXPECT_EQ(loaded.reopen, ReopenAt::Draw);
    // Lines ended by LF alone read the same.
    std::string lf = text;
    std::erase(lf, '\r');
    EXPECT_EQ(careerFileText(readCareerFile(lf, s.careerName).state), text);
}

TEST(CareerLoad, ReopensWhereTheCareerStood)
{
    CareerState s = newCareer(1);
    EXPECT_EQ(readCareerFile(careerFileText(s), s.careerName).reopen, ReopenAt::Calendar);
    s = midTournament();
    EXPECT_EQ(readCareerFile(careerFileText(s), s.careerName).reopen, ReopenAt::Draw);
    s.FinalDraw.set(63, "Ivo Quillfeather");
    EXPECT_EQ(readCareerFile(careerFileText(s), s.careerName).reopen, ReopenAt::CalendarToBook);
    s.FinalDraw.set(63, "NOSAVE");
    EXPECT_EQ(readCareerFile(careerFileText(s), s.careerName).reopen, ReopenAt::CalendarToBook);
}

TEST(CareerLoad, HeaderFieldsThatCannotBeUsedKeepTheirDefaults)
{
    const CareerState good = newCareer(3);
    std::string text = careerFileText(good);
    const auto rest = text.substr(text.find("\r\n"));
    auto header = [&](const std::string& h) { return readCareerFile(h + rest, "Ivo Quillfeather").state; };

    EXPECT_EQ(header("A,B,True,75,2,3,5,100,20,4,1").tournamentNo, 5);
    EXPECT_TRUE(header("A,B,true,75,2,3,5,100,20,4,1").realBoard);
    for (const char* cls : {"0", "9", "200"})
        EXPECT_EQ(header(std::string("A,B,False,60,") + cls + ",1,1,0,0,0,0").bytClass, 4) << cls; // PRO
    for (const char* cls : {"x", "-1", "256"})
        EXPECT_EQ(header(std::string("A,B,False,60,") + cls + ",1,1,0,0,0,0").bytClass, 1) << cls; // the default
    const CareerState odd = header("A,B,maybe,sixty,2,,13,1e3,99999,12a, 7 ");
    EXPECT_FALSE(odd.realBoard);
    EXPECT_EQ(odd.playerAverage, 60);
    EXPECT_EQ(odd.bytClass, 2);
    EXPECT_EQ(odd.matchLength, 1);
    EXPECT_EQ(odd.tournamentNo, 1); // outside the calendar: the first
    EXPECT_EQ(odd.totals, (TournamentTotals{0, 0, 0, 7}));
    EXPECT_EQ(header("only one field").statsHeader1, "only one field");
}

TEST(CareerLoad, DamagedFilesNeverBreakTheGame)
{
    const CareerState s = midTournament();
    const std::string text = careerFileText(s);
    // Cut at every line boundary: what is there is used, the rest left empty,
    // and the career can still be played on and saved.
    std::size_t at = 0;
    int cuts = 0; // 520 of them
    while ((at = text.find("\r\n", at)) != std::string::npos) {
        at += 2;
        ++cuts;
        const CareerLoad loaded = readCareerFile(text.substr(0, at), s.careerName);
        ASSERT_EQ(loaded.state.roster.size(), 160u);
        playOn(loaded.state);
    }
    for (const std::string& bad : {std::string(), std::string("\r\n\r\n"), std::string(3'000'000, 'x'),
                                    std::string(600'000, '\n'), std::string("a,b,c\r\n") + std::string(5000, ',')}) {
        const CareerLoad loaded = readCareerFile(bad, "Ivo Quillfeather");
        EXPECT_EQ(loaded.reopen, ReopenAt::Calendar);
        playOn(loaded.state);
    }
    EXPECT_EQ(cuts, kCareerFileLines);
    // Huge numbers in the roster add up without overflowing.
    std::string huge = text;
    for (std::size_t p = 0; (p = huge.find("\r\n", p)) != std::string::npos && p < 3000; p += 2)
        huge.insert(p, "2147483647");
    playOn(readCareerFile(huge, s.careerName).state);
    // Garbage in the roster and the draw plays on too.
    std::string garbled = text;
    for (std::size_t i = 200; i < garbled.size(); i += 37)
        garbled[i] = i % 3 ? ',' : 'Z';
    playOn(readCareerFile(garbled, s.careerName).state);
}

TEST(HistoryWindow, RowsFromTheFile)
{
    const auto rows = historyRows("12/06/2004,WORLD MASTERS,ROUND 2,1500,60,10,2\r\n"
                                  "\r\n   \r\n"
                                  "1/1/05,A TOURNAMENT NAME LONGER THAN TWENTY-FOUR,DNQ,0,0,0,0\n"
                                  "broken,line\r\n"
                                  "2/2/05,X,CHAMPION,abc,3,1,1\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "12/06/2004    WORLD MASTERS           ROUND 2      75.00     20.00     ");
    EXPECT_EQ(rows[1].substr(14, 24), "A TOURNAMENT NAME LONGER");
    EXPECT_EQ(rows[1].substr(51), "0.00      0.00      ");
}

TEST(LoadList, OnlySafeCareerNamesAreOffered)
{
    EXPECT_EQ(savedCareers({"Ivo Vane.car", "Ann Lee.his", "notes.txt", ".car", "..car", "a/b.car", "x.CAR",
                            "O'Neil St.-Clair.car", "bad\\name.car"}),
              (std::vector<std::string>{"Ivo Vane", "O'Neil St.-Clair"}));
}

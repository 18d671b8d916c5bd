#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "career/careerdata.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find("\r\n", at);
        if (end == std::string::npos) {
            out.push_back(text.substr(at) + "<no CR LF>");
            break;
        }
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

} // namespace

TEST(CareerFile, HeaderThenRosterThenTheThreeDrawsInFiveHundredAndTwentyLines)
{
    CareerState s = vantorelle::testing::newCareer(1);
    s.statsHeader1 = "A";
    s.statsHeader2 = "B";
    std::array<int, 8> stats{};
    const auto lines = linesOf(SaveCareer(s, stats));
    ASSERT_EQ(lines.size(), 520u);
    EXPECT_EQ(lines[0], "A,B,False,60,2,1,1,0,0,0,0");
    EXPECT_EQ(lines[1], s.roster[0]);
    EXPECT_EQ(lines[160], "160,Ivo,Quillfeather,WAL,0,0,0,0,0,0,0,0,0,0,0,0,0");
    for (std::size_t i = 161; i < 520; ++i)
        EXPECT_EQ(lines[i], "") << i;

    s.QualifyingDraw.set(1, "First Qualifier");
    s.QualifyingDraw.set(248, "Last Qualifier");
    s.EliminatorDraw.set(1, "First Eliminator");
    s.EliminatorDraw.set(48, "Last Eliminator");
    s.FinalDraw.set(1, "First Final");
    s.FinalDraw.set(63, "NOSAVE");
    s.realBoard = true;
    s.bytClass = 4;
    s.matchLength = 3;
    s.tournamentNo = 12;
    s.totals = {-5, 100, 20, 7};
    const auto more = linesOf(careerFileText(s));
    ASSERT_EQ(more.size(), 520u);
    EXPECT_EQ(more[0], "A,B,True,60,4,3,12,-5,100,20,7");
    EXPECT_EQ(more[161], "First Qualifier");  // line 162
    EXPECT_EQ(more[408], "Last Qualifier");   // line 409
    EXPECT_EQ(more[409], "First Eliminator"); // line 410
    EXPECT_EQ(more[456], "Last Eliminator");  // line 457
    EXPECT_EQ(more[457], "First Final");      // line 458
    EXPECT_EQ(more[519], "NOSAVE");           // line 520

    // A line break smuggled into an entry, or a short roster, moves nothing.
    s.FinalDraw.set(2, "Broken\r\nName");
    s.roster.resize(10);
    const auto damaged = linesOf(careerFileText(s));
    ASSERT_EQ(damaged.size(), 520u);
    EXPECT_EQ(damaged[458], "BrokenName");
    EXPECT_EQ(damaged[519], "NOSAVE");
}

TEST(CareerFile, EachMatchIsBookedIntoTheTotalsOnce)
{
    CareerState s = vantorelle::testing::newCareer(1);
    s.totals = {1000, 50, 8, 2};
    std::array<int, 8> stats{0, 21, 501, 4, 1, 2, 1, 1};
    const std::string first = SaveCareer(s, stats);
    EXPECT_EQ(s.totals, (TournamentTotals{1501, 71, 12, 3}));
    EXPECT_EQ(stats, (std::array<int, 8>{0, 0, 0, 0, 0, 2, 1, 1})); // the 100+, 140+ and 180 counts stay
    EXPECT_EQ(linesOf(first)[0], "VANTORELLE ROSTER,1,False,60,2,1,1,1501,71,12,3");
    EXPECT_EQ(SaveCareer(s, stats), first);

    // A total that would not fit the file stops at the limit instead of
    // losing the save.
    s.totals = {std::numeric_limits<int>::max() - 1, 32760, 0, 0};
    stats = {0, 30, 600, 2, 1, 0, 0, 0};
    SaveCareer(s, stats);
    EXPECT_EQ(s.totals, (TournamentTotals{std::numeric_limits<int>::max(), 32767, 2, 1}));
    EXPECT_EQ(stats[1], 0);

    std::array<int, 3> tooShort{5, 5, 5};
    SaveCareer(s, tooShort);
    EXPECT_EQ(tooShort[1], 5);
    EXPECT_EQ(careerFileName("Ivo Quillfeather"), "Ivo Quillfeather.car");
}

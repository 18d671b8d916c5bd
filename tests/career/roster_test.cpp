#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "rules/career/roster.h"

using namespace vantorelle;

namespace {

std::string line(int rank, const std::string& first, const std::string& second, int points = 0)
{
    std::string s = std::to_string(rank) + "," + first + "," + second + ",ENG," + std::to_string(points);
    for (int t = 1; t <= 12; ++t)
        s += "," + std::to_string(t == 1 ? points : 0);
    return s;
}

std::string rosterText(int players, const std::string& sep = "\r\n")
{
    std::string s = "HEAD,1" + sep;
    for (int i = 1; i <= players; ++i)
        s += line(i, "First" + std::to_string(i), "Second", 200 - i) + sep;
    return s;
}

RosterLoad load(const std::string& text)
{
    std::istringstream in(text);
    return readRoster(in);
}

} // namespace

TEST(GetSplit, FieldsFromZero)
{
    EXPECT_EQ(GetSplit("a,b,,d", 0), "a");
    EXPECT_EQ(GetSplit("a,b,,d", 2), "");
    EXPECT_EQ(GetSplit("a,b,,d", 3), "d");
    EXPECT_EQ(GetSplit("solo", 0), "solo");
    EXPECT_THROW(GetSplit("a,b", 2), std::out_of_range);
    EXPECT_EQ(fieldCount(""), 1);
    EXPECT_EQ(fieldCount("a,b,c"), 3);
}

TEST(RosterFile, ReadsHeaderAndPlayersSkippingBlankLines)
{
    const RosterLoad plain = load(rosterText(160));
    ASSERT_TRUE(plain.ok()) << plain.error;
    EXPECT_EQ(plain.roster.header1, "HEAD");
    EXPECT_EQ(plain.roster.header2, "1");
    EXPECT_EQ(plain.roster.lines.size(), 160u);
    EXPECT_EQ(plain.roster.lines[159], line(160, "First160", "Second", 40));

    std::string spaced = rosterText(160, "\r\n  \r\n");
    const RosterLoad withBlanks = load(spaced);
    ASSERT_TRUE(withBlanks.ok()) << withBlanks.error;
    EXPECT_EQ(withBlanks.roster.lines, plain.roster.lines);

    // Plain LF endings read the same; writing gives CR LF back.
    const RosterLoad lf = load(rosterText(160, "\n"));
    ASSERT_TRUE(lf.ok());
    EXPECT_EQ(writeRoster(lf.roster), rosterText(160));
    // A line break inside an entry never makes two lines of one.
    RosterFile broken = lf.roster;
    broken.lines[3].insert(5, "\n");
    EXPECT_EQ(load(writeRoster(broken)).roster.lines, lf.roster.lines);
}

TEST(RosterFile, DamagedFilesAreRefusedWithAReason)
{
    EXPECT_NE(load("").error.find("empty"), std::string::npos);
    EXPECT_NE(load("justone\r\n").error.find("header"), std::string::npos);
    EXPECT_NE(load(rosterText(159)).error.find("159 players"), std::string::npos);
    EXPECT_NE(load(rosterText(161)).error.find("more than 160"), std::string::npos);

    std::string shortLine = rosterText(160);
    const auto at = shortLine.find("First7,");
    shortLine.insert(shortLine.find("\r\n", at), "");
    shortLine.replace(at, shortLine.find("\r\n", at) - at, "First7,Second,ENG");
    const RosterLoad bad = load(shortLine);
    EXPECT_FALSE(bad.ok());
    EXPECT_NE(bad.error.find("line 8"), std::string::npos) << bad.error;
    EXPECT_NE(bad.error.find("17"), std::string::npos) << bad.error;

    // Binary rubbish does not crash the reader.
    std::string rubbish(5000, '\0');
    for (std::size_t i = 0; i < rubbish.size(); ++i)
        rubbish[i] = static_cast<char>((i * 7919) % 251);
    EXPECT_FALSE(load(rubbish).ok());
}

TEST(GetRank, FindsByNameInAnyCaseLastMatchWinning)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 160; ++i)
        lines.push_back(line(i, "P" + std::to_string(i), "Smith"));
    lines[9] = line(10, "Rhys", "Llewellyn");
    EXPECT_EQ(GetRank(lines, "RHYS LLEWELLYN"), 10);
    EXPECT_EQ(GetRank(lines, "rhys llewellyn"), 10);
    EXPECT_EQ(GetRank(lines, "P160 Smith"), 160);
    EXPECT_EQ(GetRank(lines, "Nobody Here"), 0);
    EXPECT_EQ(GetRank(lines, ""), 0);
    lines[149] = line(150, "Rhys", "Llewellyn");
    EXPECT_EQ(GetRank(lines, "Rhys Llewellyn"), 150);
    lines[150] = "x,Bad,Rank,ENG,0,0,0,0,0,0,0,0,0,0,0,0,0";
    EXPECT_EQ(GetRank(lines, "Bad Rank"), 0);
}

TEST(ShippedRoster, HundredAndSixtyConsistentInventedPlayers)
{
    std::ifstream in(VANTORELLE_ASSETS "/Data/Stats.dat", std::ios::binary);
    ASSERT_TRUE(in);
    const RosterLoad r = readRoster(in);
    ASSERT_TRUE(r.ok()) << r.error;
    const std::set<std::string> codes{"AUS", "CAN", "ENG", "NED", "ROW", "USA", "SCO", "WAL"};
    std::set<std::string> names;
    int lastTotal = 1 << 30;
    for (int k = 1; k <= 160; ++k) {
        const std::string& l = r.roster.lines[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(fieldCount(l), 17) << l;
        EXPECT_EQ(std::stoi(GetSplit(l, 0)), k);
        EXPECT_TRUE(codes.count(GetSplit(l, 3))) << l;
        int sum = 0;
        for (int f = 5; f <= 16; ++f)
            sum += std::stoi(GetSplit(l, f));
        const int total = std::stoi(GetSplit(l, 4));
        EXPECT_EQ(total, sum) << l;
        EXPECT_LE(total, lastTotal) << l;
        lastTotal = total;
        EXPECT_TRUE(names.insert(upperCase(rosterName(l))).second) << l;
        EXPECT_EQ(rosterName(l).find(','), std::string::npos);
    }
}

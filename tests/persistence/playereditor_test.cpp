#include <gtest/gtest.h>

#include "rules/career/roster.h"
#include "rules/persistence/playereditor.h"

using namespace vantorelle;

namespace {

std::vector<std::string> smallRoster()
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 160; ++i)
        lines.push_back(std::to_string(i) + ",First" + std::to_string(i) + ",Last,ENG," + std::to_string(1000 - i) +
                        ",1,2,3,4,5,6,7,8,9,10,11,12");
    lines[4] = "5,Bob,Brisk,WAL,900,0,0,0,0,0,0,0,0,0,0,0,900";
    return lines;
}

PlayerEntry entry(std::string first, std::string second, std::string nat = "SCO", std::string avg = "60")
{
    PlayerEntry e;
    e.firstName = std::move(first);
    e.secondName = std::move(second);
    e.nationality = std::move(nat);
    e.average = std::move(avg);
    return e;
}

} // namespace

TEST(PlayerEditor, NewCareerChecksComeInTheirOrder)
{
    const auto roster = smallRoster();
    // A roster player's name, in any letter case, is taken before anything else is looked at.
    EXPECT_EQ(checkNewCareerPlayer(entry("bOB", "brisk", "", "x"), roster).error, "Sorry, that name is already taken.");
    EXPECT_EQ(checkNewCareerPlayer(entry("  ", "Vane"), roster).error, "First name must be entered.");
    EXPECT_EQ(checkNewCareerPlayer(entry("Ivo", ""), roster).error, "Second name must be entered.");
    EXPECT_EQ(checkNewCareerPlayer(entry("Ivo", "Vane", " "), roster).error, "Nationality must be selected.");
    // Only the eight codes go into the roster line, whatever is typed; letter case aside.
    EXPECT_EQ(checkNewCareerPlayer(entry("Ivo", "Vane", "XX,Y"), roster).error, kNationalityMessage);
    EXPECT_EQ(checkNewCareerPlayer(entry("Ivo", "Vane", "eng"), roster).nationality, "ENG");
    for (const char* bad : {"29", "101", "abc", "", "1e9", "60x", "0x50", "-60"})
        EXPECT_EQ(checkNewCareerPlayer(entry("Ivo", "Vane", "SCO", bad), roster).error,
                  "Average must be between 30 and 100.")
            << bad;
    for (const char* good : {"30", "100", " 75 ", "99.4"})
        EXPECT_TRUE(checkNewCareerPlayer(entry("Ivo", "Vane", "SCO", good), roster).ok()) << good;

    auto e = entry("Ivo", "Vane", "SCO", "100.5"); // rounds half to even: 100
    e.realBoard = true;
    const auto c = checkNewCareerPlayer(e, roster);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.careerName, "Ivo Vane");
    EXPECT_EQ(c.playerAverage, 100);
    EXPECT_TRUE(c.realBoard);

    // The name becomes a file name: nothing that could leave the data folder.
    for (const char* bad : {"..", "a/b", "a\\b", ".hidden", "x:y", "a*b"})
        EXPECT_FALSE(checkNewCareerPlayer(entry(bad, "Vane"), roster).ok()) << bad;
    EXPECT_TRUE(checkNewCareerPlayer(entry("O'Neil", "St.-Clair"), roster).ok());
}

TEST(PlayerEditor, NameBoxesKeepOneWord)
{
    EXPECT_EQ(nameBoxText("Mary Ann,Lee "), "MaryAnnLee");
    EXPECT_EQ(nameBoxText("Ann\r\nLee\t\x7f"), "AnnLee"); // a pasted line break never splits a roster line
}

TEST(PlayerEditor, EditingKeepsRankAndPointsAndRefusesWhatWouldDamageTheRoster)
{
    const auto roster = smallRoster();
    const auto shown = shownEntry(roster, 5);
    EXPECT_EQ(shown.firstName, "Bob");
    EXPECT_EQ(shown.nationality, "WAL");
    EXPECT_TRUE(shownEntry(roster, 0).firstName.empty());
    EXPECT_TRUE(shownEntry(roster, 161).firstName.empty());

    const auto edit = editRosterEntry(roster, 5, entry("Rob", "Brisk Jr", "USA"));
    ASSERT_TRUE(edit.ok());
    EXPECT_EQ(edit.line, "5,Rob,BriskJr,USA,900,0,0,0,0,0,0,0,0,0,0,0,900");
    EXPECT_EQ(editRosterEntry(roster, 5, entry("", "Brisk")).error, "First name must be entered.");
    EXPECT_EQ(editRosterEntry(roster, 5, entry("Rob", ",")).error, "Second name must be entered.");
    EXPECT_FALSE(editRosterEntry(roster, 5, entry("Rob", "Brisk", "XYZ")).ok());
    // The eight codes in any letter case, as when a career is made; stored in capitals.
    EXPECT_EQ(editRosterEntry(roster, 5, entry("Rob", "Brisk", " wal ")).line,
              "5,Rob,Brisk,WAL,900,0,0,0,0,0,0,0,0,0,0,0,900");
    EXPECT_EQ(nationalityCode("nEd"), "NED");
    EXPECT_FALSE(nationalityCode("EN G"));
    EXPECT_FALSE(nationalityCode(""));
    EXPECT_FALSE(editRosterEntry(roster, 161, entry("Rob", "Brisk")).ok());
    // A short line keeps its rank and gets zero points where fields are missing.
    auto damaged = roster;
    damaged[1] = "2,Al";
    EXPECT_EQ(editRosterEntry(damaged, 2, entry("Al", "Ore", "AUS")).line, "2,Al,Ore,AUS,0,0,0,0,0,0,0,0,0,0,0,0,0");
}

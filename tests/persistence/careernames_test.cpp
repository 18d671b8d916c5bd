// Names in any script: the career player's name is checked, becomes his file
// names, is shown in capitals and fills its columns, whatever letters it has.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "career/careerdata.h"
#include "platform/disk.h"
#include "rules/app/utf8.h"
#include "rules/app/utf8path.h"
#include "rules/career/calendar.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"
#include "rules/persistence/playereditor.h"

using namespace vantorelle;
namespace fs = std::filesystem;

namespace {

PlayerEntry entry(const std::string& first, const std::string& second)
{
    PlayerEntry e;
    e.firstName = first;
    e.secondName = second;
    e.nationality = "ENG";
    return e;
}

bool accepted(const std::string& first, const std::string& second)
{
    return checkNewCareerPlayer(entry(first, second), vantorelle::testing::numberedRoster()).ok();
}

constexpr const char* kNameMessage = "A name may hold only letters, digits, hyphens, apostrophes and full stops.";

} // namespace

TEST(CareerNames, LettersOfEveryCommonScriptMakeANameAndNothingElseDoes)
{
    const std::pair<const char*, const char*> good[] = {
        {"Zoë", "Brandt"},       {"José", "Núñez"},       {"Jürgen", "Weiß"}, {"Νίκος", "Παπάς"}, {"Иван", "Петров"},
        {"太郎", "山田"},        {"さくら", "佐々木"},    {"राज", "शर्मा"},    {"דנה", "כהן"},     {"Con", "Kelly"},
        {"O'Neil", "St.-Clair"}, {"Zoe\u0308", "Brandt"}, // Zoë typed as e and a combining diaeresis
    };
    for (const auto& [first, second] : good)
        EXPECT_TRUE(accepted(first, second)) << first << " " << second;

    // Nothing that leaves the data folder, that a file system refuses or that
    // is not text at all.
    // clang-format off
    const char* bad[] = {
        "../x", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
        "con\x01", "tab\tx", "nl\nx", "del\x7f", ".hidden", "..",
        "Zo\xC3",          // cut short
        "Zo\xC0\xAB",      // overlong
        "\xED\xA0\x80x",   // a surrogate
        "\u0308x",         // a combining mark with no letter before it
        "Zo\u200Be",       // a zero-width space
        "€uro",            // a currency sign is no letter
        "Con.", "nul.x", "COM1.", "lpt9.x", // "Con. Kelly.car" is the console on Windows
    };
    // clang-format on
    for (const char* first : bad)
        EXPECT_FALSE(isSafeFileStem(std::string(first) + " Kelly")) << ::testing::PrintToString(std::string(first));
    // The editor says what a name may hold.
    for (const char* first : {"a:b", "Zo\xC3", "\u0308x", "Con."})
        EXPECT_EQ(checkNewCareerPlayer(entry(first, "Kelly"), vantorelle::testing::numberedRoster()).error,
                  kNameMessage)
            << first;
    EXPECT_FALSE(accepted("Ivo", "\u0308x")); // nor at the start of the second name
    EXPECT_FALSE(accepted("Ivo", ".x"));
    EXPECT_FALSE(accepted(std::string(101, 'a'), std::string(100, 'b'))); // no file name that long

    // The load window lists the same names, in any script.
    EXPECT_EQ(savedCareers({"Zoë Brandt.car", "Иван X.car", "bad\xC3.car", "\u0308x Y.car", "Con. Kelly.car",
                            " Ivo Vane.car", "Ivo  Vane.car"}),
              (std::vector<std::string>{"Zoë Brandt", "Иван X"}));
}

// A whole career under "Zoë Brandt": created, saved, played to the end of a
// tournament she wins, booked in her history, found and loaded again.
TEST(CareerNames, AWholeCareerUnderAnAccentedName)
{
    const std::string zoe = "Zoë Brandt";
    const std::string ZOE = "ZOË BRANDT";
    const RosterFile roster = vantorelle::testing::shippedRoster();
    const NewCareerCheck check = checkNewCareerPlayer(entry("Zoë", "Brandt"), roster.lines);
    ASSERT_TRUE(check.ok()) << check.error;
    EXPECT_EQ(check.careerName, zoe);

    const fs::path scratch =
        fs::temp_directory_path() /
        ("vantorelle-names-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
         std::to_string(std::random_device()()));
    fs::create_directories(scratch);
    const std::string folder = utf8FromPath(scratch);
    struct Cleanup {
        fs::path p;
        ~Cleanup()
        {
            std::error_code e;
            fs::remove_all(p, e);
        }
    } cleanup{scratch};
    const std::string carPath = folder + "/" + careerFileName(zoe);
    const std::string hisPath = folder + "/" + historyFileName(zoe);

    CareerState s;
    s.bytClass = 2;
    s.matchLength = 1;
    s.tournamentNo = 1;
    NewCareer(s, roster, check.firstName, check.secondName, check.nationality, false, check.playerAverage);
    std::array<int, 7> stats{};
    ASSERT_TRUE(saveTextFile(carPath, SaveCareer(s, stats)));

    // The tournament, every match of hers won.
    Rng rng(7);
    StartTournament(s);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    std::optional<TournamentEnd> end;
    int played = 0;
    for (int press = 0; press < 60 && !end; ++press) {
        DrawStep step = ContinueDraw(s, rosters, false, rng);
        if (step.careerMatch) {
            EXPECT_EQ(step.careerMatch->player1, ZOE);
            rosters.strWinner = step.careerMatch->player1;
            ++played;
            step = HumanMatchTick(s, rosters, false);
        }
        if (step.saveCareer) {
            ASSERT_TRUE(saveTextFile(carPath, SaveCareer(s, stats)));
        }
        end = step.end;
    }
    ASSERT_TRUE(end);
    EXPECT_GE(played, 5);
    EXPECT_EQ(end->champion, ZOE); // as the board named the winner
    EXPECT_EQ(end->message, "CANADIAN GRAND PRIX CHAMPION - " + ZOE);
    // Her line of the ranking points, the name's column counted in characters.
    ASSERT_FALSE(end->rankingPoints.empty());
    EXPECT_EQ(end->rankingPoints.front(), fitText(zoe, 35) + " " + awardText(rankingPoints(1, 6)));

    // Booked in her history, then saved.
    const auto line = BookFinishedTournament(s, "31.12.26");
    ASSERT_TRUE(line);
    const auto history = historyWithBooking(readTextFile(hisPath).value_or(""), *line);
    ASSERT_TRUE(history);
    ASSERT_TRUE(saveTextFile(hisPath, *history));
    ASSERT_TRUE(saveTextFile(carPath, SaveCareer(s, stats)));

    // Listed, found in other capitals, loaded as it was saved.
    EXPECT_EQ(savedCareers(filesEndingWith(folder, ".car")), std::vector<std::string>{zoe});
    const auto found = findFileIgnoringCase(folder, careerFileName(ZOE));
    ASSERT_TRUE(found);
    const auto text = readTextFile(*found);
    ASSERT_TRUE(text);
    const CareerLoad loaded = readCareerFile(*text, zoe);
    EXPECT_EQ(careerFileText(loaded.state), careerFileText(s));
    EXPECT_EQ(loaded.state.roster, s.roster);
    EXPECT_EQ(loaded.state.tournamentNo, 2);
    const auto hisFound = findFileIgnoringCase(folder, historyFileName(upperCase(zoe)));
    ASSERT_TRUE(hisFound);
    const auto rows = historyRows(readTextFile(*hisFound).value_or(""));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].substr(0, 14 + 24 + 13),
              fitText("31.12.26", 14) + fitText("CANADIAN GRAND PRIX", 24) + fitText("CHAMPION", 13));
}

#include <gtest/gtest.h>

#include "rules/app/gamestate.h"
#include "rules/app/theme.h"
#include "rules/career/roster.h"
#include "rules/setup/players.h"
#include "rules/setup/setupmenu.h"

using namespace vantorelle;

namespace {

struct Menu {
    GameState st;
    Rng rng{8};
    SetupMenu menu{st.match, st.view, st.career, st.settings, st.roster, rng};
    Menu()
    {
        for (int i = 1; i <= 160; ++i)
            st.roster.lines.push_back(std::to_string(i) + ",First" + std::to_string(i) +
                                      ",Last,ENG,0,0,0,0,0,0,0,0,0,0,0,0,0");
        menu.firstPage();
    }
    // Clicks the option that shows this caption.
    SetupNext pick(const std::string& caption, std::string* message = nullptr)
    {
        for (int i = 1; i <= 4; ++i)
            if (st.view.setupOption[static_cast<std::size_t>(i)] == caption)
                return menu.click(i, message);
        ADD_FAILURE() << "no option " << caption << " on page " << st.view.setupHeading;
        return SetupNext::Nothing;
    }
    std::vector<std::string> options() const
    {
        return {st.view.setupOption[1], st.view.setupOption[2], st.view.setupOption[3], st.view.setupOption[4]};
    }
};

} // namespace

TEST(SetupMenu, OnePlayerExhibitionAgainstTheComputer)
{
    Menu m;
    EXPECT_EQ(m.st.view.setupHeading, "SELECT GAME TYPE");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"", "EXHIBITION", "CAREER", "PRACTICE"}));

    EXPECT_EQ(m.pick("EXHIBITION"), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "SELECT NO. OF PLAYERS");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"", "ONE PLAYER", "TWO PLAYER", ""}));
    EXPECT_EQ(m.st.match.bytGameType, 1);
    EXPECT_EQ(m.st.match.bytLegsToWin, 3);

    EXPECT_EQ(m.pick("ONE PLAYER"), SetupNext::GetPlayers);
    EXPECT_EQ(m.st.match.numberOfPlayers, 1);
    m.st.career.careerName = "Nia Quarrell";
    m.menu.playersChosen();
    EXPECT_EQ(m.st.view.setupHeading, "LEG LENGTH");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"301", "501", "1001", ""}));

    std::string msg;
    m.pick("501", &msg);
    EXPECT_EQ(m.st.match.intStartScore, 501);
    EXPECT_EQ(msg, "$ZEKO$G501");
    EXPECT_EQ(m.st.view.setupHeading, "MATCH LENGTH");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"FIRST TO ONE", "FIRST TO TWO", "FIRST TO THREE", ""}));

    m.pick("FIRST TO TWO", &msg);
    EXPECT_EQ(m.st.match.bytSetstoWin, 2);
    EXPECT_EQ(msg, "$ZEKO$G2");
    EXPECT_EQ(m.st.view.setupHeading, "OPPONENT CLASS");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"BEGINNER", "AMATEUR", "SEMI-PRO", "PRO"}));

    EXPECT_EQ(m.pick("SEMI-PRO", &msg), SetupNext::StartX01);
    EXPECT_EQ(msg, "$ZEKO$GN");
    EXPECT_EQ(m.st.match.difficulty, 2);
    EXPECT_EQ(m.st.match.aimSpeed, 120);
    EXPECT_EQ(m.st.match.bytClass, 3);
    EXPECT_FALSE(m.st.match.blnStopped);
    EXPECT_FALSE(m.st.view.setupVisible);
    EXPECT_EQ(m.st.match.player(1).name, "NIA QUARRELL");
    // A SEMI-PRO opponent comes from roster lines 40 to 79.
    const int rank = GetRank(m.st.roster.lines, m.st.match.player(2).name);
    EXPECT_GE(rank, 40);
    EXPECT_LE(rank, 79);
    EXPECT_EQ(m.st.match.player(2).name, upperCase(m.st.match.player(2).name));
}

TEST(SetupMenu, FirstToOneAsksForTheDifficultyAndEachClassSetsItsSpeed)
{
    const char* classes[] = {"BEGINNER", "AMATEUR", "SEMI-PRO", "PRO"};
    for (int k = 1; k <= 4; ++k) {
        Menu m;
        m.pick("EXHIBITION");
        m.pick("TWO PLAYER");
        m.st.career.careerName = "Ann";
        m.st.match.player2Name = "Bob Brisk";
        m.menu.playersChosen();
        m.pick("1001");
        m.pick("FIRST TO ONE");
        EXPECT_EQ(m.st.view.setupHeading, "DIFFICULTY");
        EXPECT_EQ(m.pick(classes[k - 1]), SetupNext::StartX01);
        EXPECT_EQ(m.st.match.difficulty, k - 1);
        EXPECT_EQ(m.st.match.aimSpeed, 96 + 8 * k);
        EXPECT_EQ(m.st.match.intStartScore, 1001);
        EXPECT_EQ(m.st.match.bytSetstoWin, 1);
        EXPECT_EQ(m.st.match.player(2).name, "BOB BRISK"); // two humans: the second name as typed
    }
}

TEST(SetupMenu, CricketOnceUnlocked)
{
    Menu m;
    m.st.settings.cricketUnlocked = true;
    m.pick("EXHIBITION");
    m.pick("TWO PLAYER");
    m.st.career.careerName = "Ann";
    m.st.match.player2Name = "Bob";
    m.menu.playersChosen();
    EXPECT_EQ(m.options(), (std::vector<std::string>{"301", "501", "1001", "CRICKET"}));
    std::string msg;
    EXPECT_EQ(m.pick("CRICKET", &msg), SetupNext::StartCricket);
    EXPECT_EQ(msg, "$ZEKO$GCRICKET");
    EXPECT_EQ(m.st.match.difficulty, 3);
    EXPECT_EQ(m.st.match.aimSpeed, 128);
    EXPECT_EQ(m.st.match.player(2).name, "BOB");
}

TEST(SetupMenu, CancelledSelectionGoesBackToTheFirstPage)
{
    Menu m;
    m.pick("EXHIBITION");
    m.pick("ONE PLAYER");
    m.st.career.careerName.clear();
    const int score = m.st.match.intStartScore;
    m.menu.playersChosen();
    EXPECT_EQ(m.st.view.setupHeading, "SELECT GAME TYPE");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"", "EXHIBITION", "CAREER", "PRACTICE"}));
    EXPECT_EQ(m.st.match.intStartScore, score);
}

TEST(SetupMenu, CareerSetsItsValuesWithoutStartingAMatch)
{
    Menu m;
    m.pick("CAREER");
    EXPECT_EQ(m.st.view.setupHeading, "MATCH LENGTH");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"SHORT", "MEDIUM", "LONG", ""}));
    EXPECT_EQ(m.st.match.numberOfPlayers, 1);
    EXPECT_EQ(m.st.match.bytGameType, 2);
    EXPECT_EQ(m.st.match.intStartScore, 501);
    m.pick("MEDIUM");
    EXPECT_EQ(m.st.career.matchLength, 2);
    EXPECT_EQ(m.st.career.tournamentNo, 1);
    EXPECT_EQ(m.st.view.setupHeading, "DIFFICULTY");
    EXPECT_EQ(m.pick("BEGINNER"), SetupNext::CareerEditor);
    EXPECT_EQ(m.st.match.difficulty, 0);
    EXPECT_EQ(m.st.match.aimSpeed, 104);
    EXPECT_TRUE(m.st.match.blnStopped); // no match runs until the career has its player
}

TEST(SetupMenu, BlankOptionsDoNothing)
{
    Menu m;
    EXPECT_EQ(m.menu.click(1), SetupNext::Nothing);
    EXPECT_EQ(m.menu.click(0), SetupNext::Nothing);
    EXPECT_EQ(m.menu.click(9), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "SELECT GAME TYPE");
    m.pick("EXHIBITION");
    EXPECT_EQ(m.menu.click(4), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "SELECT NO. OF PLAYERS");
}

TEST(SetupMenu, PracticeGamesAreChosenThenTheirPlayer)
{
    Menu m;
    std::string theme;
    m.menu.changeTheme = [&](const std::string& code) { theme = code; };
    EXPECT_EQ(m.pick("PRACTICE"), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "PRACTICE GAME");
    EXPECT_EQ(theme, "Practice");
    ASSERT_TRUE(themeFor(theme));
    EXPECT_EQ(themeFor(theme)->name, std::string_view("PRACTICE"));
    EXPECT_EQ(m.options(), (std::vector<std::string>{"", "AROUND THE CLOCK", "BOB'S 27", "121 CHECKOUT"}));
    EXPECT_EQ(m.st.match.bytGameType, 1);

    m.pick("AROUND THE CLOCK");
    EXPECT_EQ(m.options(), (std::vector<std::string>{"", "ANY BED", "DOUBLES", "TREBLES"}));
    EXPECT_EQ(m.pick("TREBLES"), SetupNext::GetPlayers);
    EXPECT_EQ(m.st.match.numberOfPlayers, 1);
    ASSERT_TRUE(m.menu.practiceChoice());
    EXPECT_EQ(*m.menu.practiceChoice(), PracticeChoice::clock(ClockVariant::Trebles));

    // Cancelling the player's name forgets the game chosen.
    m.st.career.careerName.clear();
    EXPECT_EQ(m.menu.playersChosen(), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "SELECT GAME TYPE");
    EXPECT_FALSE(m.menu.practiceChoice());

    m.pick("PRACTICE");
    m.pick("121 CHECKOUT");
    EXPECT_EQ(m.st.view.setupHeading, "NO. OF TARGETS");
    EXPECT_EQ(m.pick("20 TARGETS"), SetupNext::GetPlayers);
    m.st.career.careerName = "Oriel Vasquez";
    EXPECT_EQ(m.menu.playersChosen(), SetupNext::StartPractice);
    EXPECT_EQ(*m.menu.practiceChoice(), PracticeChoice::checkout121(20));
    EXPECT_EQ(m.st.match.player(1).name, "ORIEL VASQUEZ");
    EXPECT_FALSE(m.st.view.setupVisible);

    // An exhibition chosen afterwards is an exhibition again.
    m.menu.firstPage();
    m.pick("EXHIBITION");
    EXPECT_EQ(m.pick("ONE PLAYER"), SetupNext::GetPlayers);
    EXPECT_EQ(m.menu.playersChosen(), SetupNext::Nothing);
    EXPECT_EQ(m.st.view.setupHeading, "LEG LENGTH");
    EXPECT_FALSE(m.menu.practiceChoice());
}

TEST(PlayerSelection, ChecksInOrderAndKeepsWhatWasTyped)
{
    auto check = [](std::string n1, std::string n2, bool two, std::string ave) {
        PlayersEntry e{std::move(n1), std::move(n2), two, std::move(ave)};
        return checkPlayers(e);
    };
    EXPECT_TRUE(check("Twenty Characters Ok", "", false, "60").choice); // exactly 20
    EXPECT_EQ(check("Twenty-one characters", "", false, "60").error,    // 21
              "Players names must be a maximum of 20 characters.");
    EXPECT_EQ(check("Ann", "Twenty-one characters", true, "60").error,
              "Players names must be a maximum of 20 characters.");
    EXPECT_EQ(check("   ", "", false, "60").error, "Players must have a name.");
    EXPECT_EQ(check("Ann", " ", true, "60").error, "Players must have a name.");
    EXPECT_TRUE(check("Ann", " ", false, "60").choice); // the second box is hidden for one human
    EXPECT_EQ(check("Ann", "", false, "29").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "101").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "sixty").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "nan").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "30").choice->average, 30);
    EXPECT_EQ(check("Ann", "", false, " 100 ").choice->average, 100);
    EXPECT_EQ(check("Ann", "", false, "75.4").choice->average, 75);
    EXPECT_EQ(check("Ann", "", false, "100.4").error, "Average must be between 30 and 100.");
    EXPECT_EQ(check("Ann", "", false, "60 5").error, "Average must be between 30 and 100.");
    // The name check comes before the average check.
    EXPECT_EQ(check("", "", false, "5").error, "Players must have a name.");

    PlayersEntry e{"Quarrell, Nia ", "Vell,Tomas", true, "60"};
    const PlayersCheck ok = checkPlayers(e);
    ASSERT_TRUE(ok.choice);
    EXPECT_EQ(ok.choice->name1, "Quarrell  Nia");
    EXPECT_EQ(ok.choice->name2, "Vell Tomas");
    EXPECT_EQ(e.name1, "Quarrell  Nia "); // the box shows the blank where the comma was

    // Twenty accented letters are twenty characters, not forty bytes.
    EXPECT_TRUE(check("ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ", "", false, "60").choice);
}

// How a career ends and what it leaves: the World Championship won and the
// Cricket it unlocks, kept across a stop between the save and the setting;
// the career left by the close box of its windows; the world rankings of
// the career from the menu.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>

#include "gui/careerhelpers.h"
#include "qt/app/settings.h"
#include "rules/app/utf8.h"
#include "rules/career/draws.h"
#include "rules/career/points.h"
#include "rules/career/rosterrecord.h"
#include "rules/career/tournament.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

QString cricketSetting()
{
    return readSetting(QStringLiteral("Cricket"));
}

// Plays the World Championship by the draw's rules, the career player
// winning each of his matches, until `until` holds after a step (or the
// tournament ends); the end, when it came.
std::optional<TournamentEnd> playWorldChampionship(CareerState& s, const std::function<bool()>& until)
{
    s.tournamentNo = 12;
    Rng rng(77);
    BuildDraw(s, rng);
    RostersState rosters = OpenRosters(s);
    for (int press = 0; press < 30 && !until(); ++press) {
        DrawStep step = ContinueDraw(s, rosters, false, rng);
        if (step.careerMatch) {
            rosters.strWinner = step.careerMatch->player1;
            step = HumanMatchTick(s, rosters, false);
        }
        if (step.end)
            return step.end;
    }
    return std::nullopt;
}

// Starts without Cricket: the setting stored False and the run's flag clear.
void lockCricket(GameState& st)
{
    saveCricket(false);
    st.settings.cricketUnlocked = false;
}

} // namespace

// The final won: the champion is told, Cricket is stored as unlocked before
// the career that records the win is saved (a stop between the two keeps
// it), then the player hears of it and the points are paid.
TEST(CricketPrize, TheFinalWonStoresCricketBeforeTheCareerIsSaved)
{
    RunningGame game(61);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    lockCricket(st);
    // Into the World Championship's final.
    playWorldChampionship(st.career, [&] { return !isBlank(st.career.FinalDraw[62]); });
    ASSERT_TRUE(isBlank(st.career.FinalDraw[63]));
    ASSERT_TRUE(sameName(st.career.FinalDraw[61], "Ivo Vane") || sameName(st.career.FinalDraw[62], "Ivo Vane"));
    game.win().career().closeAll();
    game.win().career().openDraw();

    // The save is caught as it happens: it fails, and says so in a box.
    const QString car = game.data.filePath("Ivo Vane.car");
    QFile::remove(car);
    ASSERT_TRUE(QDir(game.data.path()).mkdir(QStringLiteral("Ivo Vane.car")));
    QString cricketAtTheSave;
    CareerDriver driver(game);
    driver.beforeAnswer = [&](const QString& text) {
        if (cricketAtTheSave.isEmpty() && text.startsWith("The career could not be saved"))
            cricketAtTheSave = cricketSetting();
    };
    ASSERT_TRUE(waitUntil(
        [&] {
            auto* c = game.win().career().schedule();
            return c && c->isVisible() && !QApplication::activeModalWidget();
        },
        60000));
    QDir(game.data.path()).rmdir(QStringLiteral("Ivo Vane.car"));

    EXPECT_EQ(cricketAtTheSave, "True");
    EXPECT_TRUE(st.settings.cricketUnlocked);
    EXPECT_EQ(cricketSetting(), "True");
    const auto told = driver.messages.indexOf(QString::fromLatin1(kCricketMessage));
    ASSERT_GE(told, 0) << driver.messages.join('|').toStdString();
    EXPECT_EQ(driver.messages.lastIndexOf(QString::fromLatin1(kCricketMessage)), told) << "told once";
    EXPECT_LT(driver.messages.indexOf(QRegularExpression(QStringLiteral("^The career could not be saved"))), told);
    EXPECT_TRUE(game.win().infosShown().contains("WORLD CHAMPIONSHIP CHAMPION - IVO VANE"));
    EXPECT_EQ(st.career.tournamentNo, 1);
}

// The program stopped after the save that follows the final and before the
// setting was stored: loading that career unlocks Cricket, books the final
// at the calendar and tells the player once. A career whose history shows
// the win unlocks it too; any other career does not.
TEST(CricketPrize, LoadingACareerThatWonTheWorldChampionshipUnlocksCricket)
{
    RunningGame game(62);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    CareerState won = st.career;
    createCareer(game, QStringLiteral("Ann"), QStringLiteral("Lee"));

    // Ivo's career as the save after the final leaves it.
    ASSERT_TRUE(playWorldChampionship(won, [] { return false; }));
    ASSERT_TRUE(sameName(won.FinalDraw[63], "Ivo Vane"));
    ASSERT_EQ(won.tournamentNo, 1);
    {
        QFile f(game.data.filePath("Ivo Vane.car"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(careerFileText(won)));
    }
    // What the player is told while a career loads.
    auto load = [&](const QString& name) {
        AutoAnswer yes(QMessageBox::Yes);
        AutoAnswer ok(QMessageBox::Ok);
        LoadAnswer pick(LoadAnswer::Do::Load, name);
        game.win().mnuLoadGame_Click();
        return ok.texts;
    };

    // Ann's career has won nothing.
    lockCricket(st);
    EXPECT_FALSE(load("Ann Lee").contains(QString::fromLatin1(kCricketMessage)));
    EXPECT_FALSE(st.settings.cricketUnlocked);
    EXPECT_EQ(cricketSetting(), "False");

    const QStringList told = load("Ivo Vane");
    EXPECT_EQ(told.count(QString::fromLatin1(kCricketMessage)), 1);
    EXPECT_TRUE(st.settings.cricketUnlocked);
    EXPECT_EQ(cricketSetting(), "True");
    ASSERT_NE(game.win().career().schedule(), nullptr);
    const QStringList history = fileLines(game.data.filePath("Ivo Vane.his"));
    ASSERT_EQ(history.size(), 1);
    EXPECT_TRUE(history[0].contains(",WORLD CHAMPIONSHIP,CHAMPION,")) << history[0].toStdString();

    // Booked now: the history tells the next time, and nothing is told twice.
    EXPECT_FALSE(load("Ivo Vane").contains(QString::fromLatin1(kCricketMessage)));
    lockCricket(st);
    EXPECT_EQ(load("Ivo Vane").count(QString::fromLatin1(kCricketMessage)), 1);
    EXPECT_TRUE(st.settings.cricketUnlocked);
    EXPECT_EQ(cricketSetting(), "True");
}

// Yes on the close box of the calendar or of the draw: back to the first
// page of the setup panel, the draws emptied, the dark look, and a match of
// the career player's given up, with nothing of it booked.
TEST(CareerLeft, YesOnTheCloseBoxOfTheCalendarOrTheDrawGoesBackToTheStart)
{
    RunningGame game(63);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    auto expectStart = [&](const char* where) {
        SCOPED_TRACE(where);
        EXPECT_TRUE(st.view.setupVisible);
        EXPECT_TRUE(game.find("picNewGame")->isVisible());
        EXPECT_EQ(st.view.setupHeading, "SELECT GAME TYPE");
        EXPECT_EQ(st.view.setupOption[2], "EXHIBITION");
        EXPECT_EQ(st.view.setupOption[3], "CAREER");
        EXPECT_EQ(st.view.setupOption[1], "");
        EXPECT_EQ(st.view.setupOption[4], "PRACTICE");
        EXPECT_EQ(st.view.themeCode, "AllBlack");
        EXPECT_EQ(st.view.mainColour, (Rgb{1, 0, 0}));
        for (int slot = 1; slot <= 248; ++slot)
            ASSERT_TRUE(st.career.QualifyingDraw[slot].empty()) << slot;
        for (int slot = 1; slot <= 63; ++slot)
            ASSERT_TRUE(st.career.FinalDraw[slot].empty()) << slot;
        EXPECT_EQ(game.win().career().schedule(), nullptr);
        EXPECT_EQ(game.win().career().rosters(), nullptr);
    };

    // The calendar, with last tournament's final still in the draw.
    createCareer(game);
    st.career.FinalDraw.set(63, "NOSAVE");
    game.win().ChangeTheme("CO");
    {
        AutoAnswer yes(QMessageBox::Yes);
        game.win().career().schedule()->close();
        ASSERT_TRUE(waitUntil([&] { return st.view.setupVisible; }, 5000));
        EXPECT_EQ(yes.texts, QStringList{"Are you sure you want to quit the current game?"});
    }
    expectStart("calendar");

    // The draw, while the career player's match waits for its bull-up.
    {
        AutoAnswer overwrite(QMessageBox::Yes);
        createCareer(game);
    }
    frmRosters* draw = openFirstDraw(game);
    ASSERT_NE(draw, nullptr);
    const QStringList saved = fileLines(game.data.filePath("Ivo Vane.car"));
    bool inMatch = false;
    {
        PressOk ok;
        AtTheBullUp leave(st, [&] {
            inMatch = !st.match.blnStopped && st.match.bytGameType == 2;
            AutoAnswer yes(QMessageBox::Yes);
            draw->close();
        });
        QTimer::singleShot(0, draw, [draw] { draw->cmdContinue_Click(); });
        ASSERT_TRUE(waitUntil([&] { return leave.done() && st.view.setupVisible; }, 10000));
    }
    qtPause(0);
    EXPECT_TRUE(inMatch);
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_FALSE(game.find("picContainer")->isVisible());
    expectStart("draw");
    // The match given up books nothing: the career file is as it was.
    EXPECT_EQ(fileLines(game.data.filePath("Ivo Vane.car")), saved);
    game.win().engine().ThrowDart(board::kBullUpX, board::kBullUpY);
    EXPECT_TRUE(st.match.blnStopped);
}

// The Rankings entry: the world rankings of the career in play (its own
// roster, re-ranked by its tournaments), or of the roster file without one.
TEST(WorldRankings, TheMenuEntryShowsTheCareersRoster)
{
    RunningGame game(64);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    QAction* rankings = game.win().menuBar()->findChild<QAction*>(QStringLiteral("mnuRankings"));
    ASSERT_NE(rankings, nullptr);
    auto show = [&] {
        QStringList rows;
        QString title, heading;
        QTimer::singleShot(0, [&] {
            auto* w = QApplication::activeModalWidget();
            ASSERT_NE(w, nullptr);
            ASSERT_EQ(w->objectName(), "frmRankings");
            title = w->windowTitle();
            heading = w->findChild<QLabel*>(QStringLiteral("lblHeading"))->text();
            auto* list = w->findChild<QListWidget*>(QStringLiteral("lstRank"));
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        rankings->trigger();
        EXPECT_EQ(title, " WORLD RANKINGS");
        EXPECT_EQ(heading, "POS NAME                                      POINTS");
        return rows;
    };

    // No career: the roster file's players who have points.
    const QStringList fromFile = show();
    ASSERT_FALSE(fromFile.isEmpty());
    EXPECT_TRUE(fromFile[0].startsWith(QString::fromStdString(fitText("1", 4) + rosterName(st.roster.lines[0]))));

    // A career whose world has changed: its own roster is shown, as ranked now.
    createCareer(game);
    std::vector<std::string>& roster = st.career.roster;
    RosterRecord top = RosterRecord::parse(roster[0]); // rank 1 and rank 2 trade names

    RosterRecord second = RosterRecord::parse(roster[1]);
    std::swap(top.field[1], second.field[1]);
    std::swap(top.field[2], second.field[2]);
    roster[0] = top.join();
    roster[1] = second.join();
    const QStringList fromCareer = show();
    ASSERT_EQ(fromCareer.size(), fromFile.size());
    EXPECT_TRUE(fromCareer[0].mid(4).startsWith(QString::fromStdString(rosterName(roster[0]) + " (")))
        << fromCareer[0].toStdString();
    EXPECT_NE(fromCareer[0], fromFile[0]);
    EXPECT_EQ(fromCareer[0].size(), 4 + 42 + 4);
    EXPECT_TRUE(fromCareer[0].endsWith(QString::fromStdString(fitText(GetSplit(roster[0], 4), 4))));
}

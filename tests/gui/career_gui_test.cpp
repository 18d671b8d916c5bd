// A career played through its windows: the calendar, the structure, the
// draw, the career player's matches on the board, the points and the
// calendar again, a whole season of it.
#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

#include "gui/careerhelpers.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(Career, ATournamentPlayedThroughToTheCalendar)
{
    RunningGame game(5);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    for (int option : {3, 1, 1}) // CAREER, SHORT, BEGINNER
        game.win().lblOption_Click(option);
    frmPlayerEditor* editor = game.win().career().editor();
    ASSERT_NE(editor, nullptr);
    fillEditor(editor, QStringLiteral("Ivo"), QStringLiteral("Vane"), QStringLiteral("ENG"));
    editor->cmdSave_Click();
    QPointer<frmSchedule> calendar = game.win().career().schedule();
    ASSERT_NE(calendar, nullptr);

    CareerDriver driver(game);
    QTimer::singleShot(0, calendar, [calendar] { calendar->cmdContinue_Click(); });
    EXPECT_EQ(game.win().career().rosters(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return game.win().career().rosters() != nullptr; }, 5000));
    frmRosters* draw = game.win().career().rosters();
    EXPECT_EQ(draw->windowTitle(), " TOURNAMENT");
    EXPECT_EQ(st.view.themeName, "CANADIAN GRAND PRIX");
    // However wide the draw, every name fits its box, and the names grow with it.
    int smallFont = 0;
    for (const int width : {1000, 2400}) {
        draw->resize(width, 700);
        qtPause(0);
        int largest = 0;
        for (QLabel* l : draw->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblLadder_")))) {
            if (l->text().isEmpty())
                continue;
            EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width() - 8) << l->text().toStdString();
            largest = std::max(largest, l->font().pixelSize());
        }
        if (width == 1000)
            smallFont = largest;
        else
            EXPECT_GT(largest, smallFont);
    }
    draw->resize(1260, 660);

    // The tournament runs to its champion, then the points, then the calendar.
    ASSERT_TRUE(waitUntil(
        [&] {
            auto* c = game.win().career().schedule();
            return c && c->isVisible() && st.career.tournamentNo == 2;
        },
        120000));
    EXPECT_EQ(game.win().career().rosters(), nullptr);
    const auto champion = std::find_if(driver.messages.begin(), driver.messages.end(),
                                       [](const QString& m) { return m.startsWith("First to "); });
    EXPECT_NE(champion, driver.messages.end()) << "the career player's match length was told";

    // The finished tournament was booked once: one history line, NOSAVE, and
    // the career saved at the calendar.
    const QStringList history = fileLines(game.data.filePath("Ivo Vane.his"));
    ASSERT_EQ(history.size(), 1);
    EXPECT_TRUE(history[0].contains("CANADIAN GRAND PRIX")) << history[0].toStdString();
    const QStringList car = fileLines(game.data.filePath("Ivo Vane.car"));
    ASSERT_EQ(car.size(), kCareerFileLines);
    EXPECT_EQ(car[519], "NOSAVE");
    EXPECT_EQ(car[0].split(',')[6], "2");
    // The world was re-ranked with this tournament's points.
    int paid = 0;
    for (const auto& line : st.career.roster)
        paid += std::stoi(GetSplit(line, 5));
    EXPECT_EQ(paid, 12 + 10 + 2 * 7 + 4 * 4 + 8 * 2);
    EXPECT_TRUE(calendar.isNull()); // the calendar of the last tournament closed at CONTINUE
    auto* next = game.win().career().schedule();
    EXPECT_EQ(next->findChild<QLabel*>(QStringLiteral("lblNext"))->text(), "NEXT TOURNAMENT ON CALENDAR: US ALLCOMERS");
    EXPECT_FALSE(next->findChild<QLabel*>(QStringLiteral("lblWinner_0"))->text().isEmpty());

    // Opening the calendar again books nothing more.
    game.win().career().showCalendar();
    EXPECT_EQ(fileLines(game.data.filePath("Ivo Vane.his")).size(), 1);
}

TEST(Career, NewAnsweredNoLeavesTheBullUpWaiting)
{
    RunningGame game(9);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.match.player(1).name = "NIA QUARRELL";
    st.match.player(2).name = "TOMAS VELL";
    st.view.setupVisible = false;
    bool stillWaiting = false;
    AutoAnswer no(QMessageBox::No);
    QTimer::singleShot(20, &game.win(), [&] { game.win().mnuNewGame_Click(); });
    QTimer::singleShot(200, &game.win(), [&] {
        stillWaiting = st.match.blnBullUp && !st.match.blnStopped;
        game.win().engine().ThrowDart(board::kBullUpX, board::kBullUpY);
    });
    QTimer::singleShot(400, &game.win(), [&] { game.win().engine().ThrowDart(board::kBullUpX, board::kBullUpY + 300); });
    game.win().startExhibition(false);
    ASSERT_EQ(no.texts.size(), 1);
    EXPECT_TRUE(stillWaiting);
    EXPECT_FALSE(st.match.blnStopped);
    EXPECT_EQ(st.view.yellowPlayer, 1); // the bull-up went on and Nia starts
}

TEST(Career, TheDrawStandsAsideForHisMatchAndComesBackAfterTheBossKey)
{
    RunningGame game(24);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    frmRosters* draw = openFirstDraw(game);
    ASSERT_NE(draw, nullptr);
    QPointer<frmRosters> alive(draw);
    bool hidden = false, away = false, same = false, hiddenFromTheBoss = false;
    QString info, tag;
    std::unique_ptr<CareerDriver> driver;
    {
        PressOk ok;
        AtTheBullUp boss(st, [&] {
            // Nothing of the draw covers the board while he plays.
            hidden = draw->isHidden();
            away = draw->awayForMatch();
            same = game.win().career().rosters() == draw;
            info = game.find<QLabel>(QStringLiteral("lblInfo_1"))->text();
            tag = QString::fromStdString(st.match.tag[1]);
            // The boss comes: the draw stays out of sight, not shown as a minimised window.
            game.win().bossKey();
            hiddenFromTheBoss = draw->isHidden();
            // The match is played to its end behind the disguise.
            driver = std::make_unique<CareerDriver>(game);
        });
        QTimer::singleShot(0, draw, [draw] { draw->cmdContinue_Click(); });
        ASSERT_TRUE(waitUntil([&] { return boss.done() && st.match.blnStopped && !draw->awayForMatch(); }, 60000));
        driver.reset();
    }
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(away);
    EXPECT_TRUE(same);
    // His nationality and rank beside his name, with nothing dangling after them.
    EXPECT_FALSE(tag.isEmpty());
    EXPECT_TRUE(info.startsWith(tag)) << info.toStdString();
    EXPECT_FALSE(info.trimmed().endsWith(QChar(0x00B7))) << info.toStdString();
    EXPECT_TRUE(hiddenFromTheBoss);
    ASSERT_TRUE(alive);
    EXPECT_FALSE(draw->isVisible() && !draw->isMinimized()); // not in front of the boss
    // The disguise undone: the draw is back, with him through to the next round.
    game.win().showNormal();
    game.win().resize(game.win().size() + QSize(1, 1));
    qtPause(0);
    ASSERT_TRUE(alive);
    EXPECT_TRUE(draw->isVisible());
    EXPECT_FALSE(draw->isMinimized());
    EXPECT_FALSE(game.win().disguised());
    EXPECT_EQ(draw->windowTitle(), " TOURNAMENT");
}

TEST(Career, AWholeSeasonAndBackToTheFirstTournament)
{
    RunningGame game(31);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    const QString car = game.data.filePath("Ivo Vane.car");
    // Every file the career leaves behind reads back as it was written.
    QByteArray seen;
    int saves = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QFile f(car);
        if (!f.open(QIODevice::ReadOnly))
            return;
        const QByteArray now = f.readAll();
        if (now == seen)
            return;
        seen = now;
        ++saves;
        const std::string text = now.toStdString();
        EXPECT_EQ(careerFileText(readCareerFile(text, "Ivo Vane").state), text) << "save " << saves;
    });
    watch.start(1);
    CareerDriver driver(game, true);
    ASSERT_TRUE(waitUntil([&] { return st.career.tournamentNo == 1 && driver.calendarsSeen >= 13; }, 600000));
    const QStringList history = fileLines(game.data.filePath("Ivo Vane.his"));
    ASSERT_EQ(history.size(), 12);
    EXPECT_TRUE(history[0].contains(",CANADIAN GRAND PRIX,"));
    EXPECT_TRUE(history[11].contains(",WORLD CHAMPIONSHIP,"));
    EXPECT_GT(saves, 12 * 4);
}

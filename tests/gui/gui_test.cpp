#include <QLabel>
#include <QSettings>
#include <QStandardPaths>

#include "qt/app/settings.h"
#include "gui/guihelpers.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/app/theme.h"
#include "qt/ui/fittedlabel.h"
#include "qt/ui/pictures.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

QSettings zeko()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZEKO"), QStringLiteral("ZEKO"));
}

// Prepares a data folder whose roster holds exactly this text.
std::function<void(const QString&)> rosterOf(const char* text)
{
    return [text](const QString& dir) {
        QFile f(dir + "/Stats.dat");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
}

} // namespace

TEST(StartUp, MainWindowShowsBoardScoreboardDartsAndCommentary)
{
    {
        auto s = zeko();
        s.beginGroup(QStringLiteral("Application"));
        s.setValue(QStringLiteral("Sound"), QStringLiteral("False"));
        s.setValue(QStringLiteral("Cricket"), QStringLiteral("True"));
        s.setValue(QStringLiteral("Player1"), QStringLiteral("Nia"));
    }
    RunningGame game;
    ASSERT_TRUE(game.app) << game.error.toStdString();
    EXPECT_TRUE(game.win().isVisible());
    EXPECT_EQ(game.win().objectName(), "frmDarts");
    EXPECT_EQ(game.win().windowTitle(), "VANTORELLE!");
    ASSERT_NE(game.find("Picture1"), nullptr);
    for (int p = 1; p <= 2; ++p)
        for (const char* name : {"lblPlayer_%1", "lblScore_%1", "lblLegs_%1", "lblSets_%1"})
            EXPECT_NE(game.find<QLabel>(QString::fromLatin1(name).arg(p)), nullptr) << name << p;
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(game.find(QStringLiteral("picDart_%1").arg(i)), nullptr) << i;
    EXPECT_EQ(game.find<QLabel>("lblComments")->text(), "GAME ON!");
    // The setup panel waits on its first page; the scoreboard comes with a match.
    EXPECT_TRUE(game.find("picNewGame")->isVisible());
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_EQ(game.find<QLabel>("lblOption2")->text(), "EXHIBITION");
    EXPECT_FALSE(game.find("picContainer")->isVisible());

    // Settings read, and the application folder written.
    EXPECT_FALSE(game.st().settings.soundOn);
    EXPECT_TRUE(game.st().settings.cricketUnlocked);
    EXPECT_EQ(game.st().settings.savedPlayer1Name, "Nia");
    EXPECT_EQ(game.st().roster.lines.size(), 160u);
    auto s = zeko();
    EXPECT_EQ(s.value(QStringLiteral("Application/AppPath")).toString(), QStringLiteral(VANTORELLE_ASSETS));

    // A "Sound" value that is no Boolean turns sound off; a missing one means on.
    EXPECT_FALSE(settingBool(QStringLiteral("maybe"), true, true));
    EXPECT_TRUE(settingBool(QString(), true, false));
    EXPECT_TRUE(settingBool(QStringLiteral("true"), false, true));
    s.remove(QStringLiteral("Application"));
}

TEST(StartUp, MissingOrDamagedRosterStopsWithAClearMessage)
{
    RunningGame missing(1, false);
    EXPECT_FALSE(missing.app);
    EXPECT_TRUE(missing.error.contains("Stats.dat")) << missing.error.toStdString();
    EXPECT_TRUE(missing.error.contains("missing")) << missing.error.toStdString();

    RunningGame shortFile(1, false, rosterOf("HEAD,1\r\n1,A,B,ENG,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"));
    EXPECT_FALSE(shortFile.app);
    EXPECT_TRUE(shortFile.error.contains("Stats.dat"));
    EXPECT_TRUE(shortFile.error.contains("1 players")) << shortFile.error.toStdString();

    RunningGame fewFields(1, false, rosterOf("HEAD,1\r\n1,A,B,ENG\r\n"));
    EXPECT_FALSE(fewFields.app);
    EXPECT_TRUE(fewFields.error.contains("17")) << fewFields.error.toStdString();
}

TEST(StartUp, QuitAsksFirst)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    {
        AutoAnswer no(QMessageBox::No);
        game.win().close();
        EXPECT_TRUE(game.win().isVisible());
        ASSERT_EQ(no.texts.size(), 1);
        EXPECT_EQ(no.texts[0], "Are you sure you want to quit?");
        EXPECT_FALSE(game.st().flags.quitting);
        EXPECT_FALSE(game.st().flags.unloading);
    }
    {
        AutoAnswer yes(QMessageBox::Yes);
        game.win().close();
        EXPECT_FALSE(game.win().isVisible());
        EXPECT_TRUE(game.st().flags.quitting);
        EXPECT_TRUE(game.st().match.blnStopped);
    }
    // Once confirmed, closing again does not ask.
    game.win().show();
    AutoAnswer watch(QMessageBox::No);
    game.win().close();
    EXPECT_FALSE(game.win().isVisible());
    EXPECT_TRUE(watch.texts.isEmpty());
}

// Plays the bull-up and every turn of a match by clicking the board: player 1
// aims with the pulsing circle at `aim1`, player 2 plays at a real board and
// clicks the beds of `plan2` in order.
class BoardScript : public QObject {
public:
    BoardScript(RunningGame& g, Point aim1, std::vector<std::string> plan2)
        : m_g(g), m_aim1(aim1), m_plan2(std::move(plan2))
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &BoardScript::step);
        m_timer.start();
    }
    int aimedDarts = 0;
    void stop() { m_timer.stop(); }

private:
    void step()
    {
        GameState& st = m_g.st();
        if (st.match.blnStopped || QApplication::activeModalWidget())
            return;
        BoardWidget* board = m_g.win().board();
        if (st.match.currentPlayer == 2) {
            if (st.match.blnBullUp && (st.match.bytDart != 1 || st.match.blnBullDartDown))
                return;
            if (!st.match.blnBullUp && st.view.yellowPlayer != 2)
                return;
            const std::string bed = st.match.blnBullUp ? "S50" : m_plan2.at(m_next2);
            const Point p = *GetCoords(bed);
            const int before = st.match.stat(2, kStatDarts);
            clickBoard(board, p.x, p.y);
            if (!st.match.blnBullUp && st.match.stat(2, kStatDarts) > before)
                ++m_next2;
            return;
        }
        if (st.match.blnBullUp && (st.match.bytDart != 0 || st.match.blnBullDartDown))
            return;
        if (!st.match.blnBullUp && st.view.yellowPlayer != 1)
            return;
        // Aim: start the circle, freeze the width when small, throw when the height is.
        if (!st.view.aimTimerOn) {
            clickBoard(board, m_aim1.x, m_aim1.y);
        } else if (st.view.aim.freeX && st.view.aim.width <= 200) {
            clickBoard(board, m_aim1.x, m_aim1.y, Qt::RightButton);
        } else if (!st.view.aim.freeX && st.view.aim.freeY && st.view.aim.height <= 200) {
            clickBoard(board, m_aim1.x, m_aim1.y);
            ++aimedDarts;
        }
    }

    RunningGame& m_g;
    Point m_aim1;
    std::vector<std::string> m_plan2;
    std::size_t m_next2 = 0;
    QTimer m_timer;
};

TEST(MatchWindow, RealBoardClickLandsTheDartWhereClicked)
{
    RunningGame game(7);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.match.player(1).name = "Nia Quarrell";
    st.match.player(2).name = "Tomas Vell";
    st.match.player(1).realBoard = true;
    st.match.player(2).realBoard = true;
    st.view.setupVisible = false; // as the setup panel leaves it when a match starts
    AutoAnswer yes(QMessageBox::Yes);
    BoardScript script(game, {2595, 2595}, {});
    // Both throw the bull-up on the bull; player 1 wins the tie.
    game.win().startExhibition(false);
    script.stop();
    ASSERT_EQ(st.match.currentPlayer, 1);
    ASSERT_FALSE(st.match.blnBullUp);

    clickBoard(game.win().board(), 2580, 1425);
    EXPECT_EQ(st.match.bytDart, 1);
    EXPECT_EQ(st.match.strBed, "T20");
    EXPECT_EQ(st.match.intDartX[1], 2580);
    EXPECT_EQ(st.match.intDartY[1], 1425);
    EXPECT_EQ(yes.texts.last(), "T20 - CONFIRM DART?");
    EXPECT_EQ(game.find<QLabel>("lblComments")->text(), "DART 1 HITS 60");
    EXPECT_FALSE(game.find("picDart_2")->isVisible());
    EXPECT_TRUE(game.find("picDart_1")->isVisible());
}

TEST(MatchWindow, WholeMatchOfFiveOhOneOnTheBoard)
{
    RunningGame game(2024);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.match.player(1).name = "Nia Quarrell";
    st.match.player(2).name = "Tomas Vell";
    st.match.player(2).realBoard = true;
    st.match.intStartScore = 501;
    st.match.bytLegsToWin = 1;
    st.match.bytSetstoWin = 1;
    st.view.setupVisible = false;

    AutoAnswer yes(QMessageBox::Yes);
    // Nia aims at the single 20, 600 units above the bull; Tomas throws a nine-darter.
    BoardScript script(game, {2595, 1995}, {"T20", "T20", "T20", "T20", "T20", "T20", "T20", "T19", "D12"});
    game.win().startExhibition(false);
    EXPECT_EQ(st.match.intBullWinner, 2);
    ASSERT_TRUE(waitUntil([&] { return st.match.blnStopped; }));

    EXPECT_EQ(st.match.player(2).sets, 1);
    EXPECT_EQ(st.match.player(1).sets, 0);
    EXPECT_EQ(st.match.stat(2, kStatDarts), 9);
    EXPECT_EQ(st.match.stat(2, kStatPoints), 501);
    EXPECT_EQ(st.match.stat(2, kStat180), 2);
    EXPECT_EQ(st.match.stat(2, kStatDoublesHit), 1);
    EXPECT_EQ(st.match.stat(1, kStatDarts), 6);
    EXPECT_EQ(script.aimedDarts, 7); // the bull-up dart and two turns
    EXPECT_GT(st.match.stat(1, kStatPoints), 0);
    EXPECT_EQ(game.find<QLabel>("lblComments")->text(), "GAME, SHOT AND THE MATCH, TOMAS VELL");
    EXPECT_FALSE(game.find("picContainer")->isVisible());
    EXPECT_FALSE(st.view.aimTimerOn);
}

TEST(MatchWindow, FlightLeavesTheDartAndABounceOutLeavesNothing)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    BoardWidget* board = game.win().board();
    using Sprite = BoardWidget::Sprite;
    st.match.currentPlayer = 2;

    // The first dart of a turn sticks where it landed, with its pose.
    st.match.bytDart = 0;
    game.win().animate(2595, 2595, 'b', false);
    ASSERT_EQ(board->layer().size(), 1u);
    EXPECT_EQ(board->layer()[0], (Sprite{DartPicture::Small, 2, 'b', 2005, 2005}));

    // The third flies in over the two already counted.
    st.match.bytDart = 2;
    st.match.intDartX = {0, 1000, 3000, 0};
    st.match.intDartY = {0, 1200, 3100, 0};
    st.match.strDartPose = {"a", "c", "d", "a"};
    game.win().animate(2000, 2000, 'a', false);
    ASSERT_EQ(board->layer().size(), 3u);
    EXPECT_EQ(board->layer()[0], (Sprite{DartPicture::Small, 2, 'c', 410, 610}));
    EXPECT_EQ(board->layer()[1], (Sprite{DartPicture::Small, 2, 'd', 2410, 2510}));
    EXPECT_EQ(board->layer()[2], (Sprite{DartPicture::Small, 2, 'a', 1410, 1410}));

    // A bounce-out falls away: only the darts already counted stay, and a
    // dart recorded at (1, 1), itself bounced out, is never drawn.
    st.match.intDartX[1] = st.match.intDartY[1] = 1;
    game.win().animate(2000, 2000, 'a', true);
    ASSERT_EQ(board->layer().size(), 1u);
    EXPECT_EQ(board->layer()[0], (Sprite{DartPicture::Small, 2, 'd', 2410, 2510}));
    st.match.bytDart = 1;
    board->Redraw();
    EXPECT_TRUE(board->layer().empty());
}

TEST(Themes, ATournamentsLookAndTheDarkOneAfterIt)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    game.win().resize(1100, 760);
    qtPause(0);
    EXPECT_TRUE(isNoColour(st.view.mainColour)); // black until a theme is applied
    game.win().ChangeTheme("em");                 // codes are exact
    EXPECT_TRUE(isNoColour(st.view.mainColour));
    EXPECT_FALSE(game.find("Image1")->isVisible());

    game.win().ChangeTheme("EM");
    EXPECT_EQ(st.view.mainColour, (Rgb{0, 0, 255}));
    EXPECT_EQ(game.find<QLabel>("lblTourn_0")->text(), "EUROPEAN MASTERS");
    EXPECT_EQ(game.find<QLabel>("lblTourn_1")->text(), "EUROPEAN MASTERS");
    EXPECT_TRUE(game.find("Image1")->isVisible());
    EXPECT_FALSE(game.find<QLabel>("Image1")->pixmap().isNull());
    // The background is drawn in the colour, black at the foot.
    const QImage bg = game.win().centralWidget()->grab().toImage();
    EXPECT_GE(bg.pixelColor(2, 0).blue(), 250);
    EXPECT_LT(bg.pixelColor(2, bg.height() - 2).blue(), 5);

    // Choosing an exhibition brings the dark look back.
    game.win().lblOption_Click(2);
    EXPECT_EQ(st.view.mainColour, (Rgb{1, 0, 0}));
    EXPECT_EQ(game.find<QLabel>("lblTourn_0")->text(), "EXHIBITION");
}

// A tournament's colour frames the scoreboard, the two Cricket boards and the
// line between the players, as they are drawn; the dark look keeps their grey.
TEST(Themes, TheScoreboardsFramesAndLinesTakeTheColour)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    game.win().resize(1100, 760);
    st.view.scoreboardVisible = true;
    st.view.cricketBoardShown = true;
    game.win().refresh();
    qtPause(0);
    QWidget* line = game.find(QStringLiteral("Line1"));
    ASSERT_NE(line, nullptr);
    // The colour nearest to the one wanted along a widget's middle column.
    auto nearest = [](QWidget* w, const QColor& wanted) {
        const QImage image = w->grab().toImage();
        int best = 1000;
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(image.width() / 2, y);
            best = std::min(best, std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                                      std::abs(c.blue() - wanted.blue()));
        }
        return best;
    };
    const std::vector<QWidget*> framed = {game.find("picContainer"), game.find("picCricket_1"),
                                          game.find("picCricket_2"), line};
    game.win().ChangeTheme("AO");
    for (QWidget* w : framed)
        EXPECT_LE(nearest(w, QColor(0, 192, 0)), 6) << w->objectName().toStdString();
    game.win().ChangeTheme("WMp");
    for (QWidget* w : framed) {
        EXPECT_LE(nearest(w, QColor(0, 255, 255)), 6) << w->objectName().toStdString();
        EXPECT_GT(nearest(w, QColor(0, 192, 0)), 60) << w->objectName().toStdString();
    }
    game.win().ChangeTheme("AllBlack");
    for (QWidget* w : framed)
        EXPECT_LE(nearest(w, QColor(90, 90, 110)), 6) << w->objectName().toStdString();
}

TEST(Pictures, FlagsAndLogosLoadAndAMissingOneIsBlank)
{
    for (const char* code : {"AUS", "CAN", "ENG", "NED", "ROW", "USA", "SCO", "WAL"}) {
        const QPixmap flag = flagPixmap(VANTORELLE_ASSETS, QString::fromLatin1(code), {36, 24}, 2.0);
        ASSERT_FALSE(flag.isNull()) << code;
        EXPECT_EQ(flag.deviceIndependentSize().toSize(), QSize(36, 24));
        EXPECT_EQ(flag.size(), QSize(72, 48)); // sharp at twice the pixels
    }
    for (const auto& t : kThemes)
        EXPECT_FALSE(logoPixmap(VANTORELLE_ASSETS, QString::fromLatin1(t.code), {64, 64}).isNull()) << t.code;
    EXPECT_TRUE(flagPixmap(VANTORELLE_ASSETS, QStringLiteral("XYZ"), {36, 24}).isNull());
    QTemporaryDir empty;
    EXPECT_TRUE(flagPixmap(empty.path().toStdString(), QStringLiteral("ENG"), {36, 24}).isNull());
    EXPECT_TRUE(logoPixmap(empty.path().toStdString(), QStringLiteral("EM"), {64, 64}).isNull());
}

// From a small window to a large screen (and at twice the pixel density when
// QT_SCALE_FACTOR=2, as the Layout test of ctest runs it): the board stays
// round and whole, the scoreboard and the commentary beside and below it, the
// bull in the middle, and the board painted at the screen's own density.
namespace {
// Every text on the main window's central area shows whole, but for names,
// which may be shortened with an ellipsis when even the smallest font is too
// wide for them.
void expectNothingCut(frmDarts& win)
{
    for (FittedLabel* l : win.centralWidget()->findChildren<FittedLabel*>()) {
        if (!l->isVisibleTo(&win) || l->text().isEmpty())
            continue;
        SCOPED_TRACE(l->objectName().toStdString() + " \"" + l->text().toStdString() + "\"");
        if (l->objectName().startsWith(QLatin1String("lblPlayer_"))) {
            EXPECT_TRUE(!l->shortened() || l->shownText().endsWith(QChar(0x2026)));
        } else {
            EXPECT_FALSE(l->shortened());
        }
        EXPECT_LE(QFontMetrics(l->shownFont()).height(), l->contentsRect().height());
    }
}
} // namespace

TEST(Layout, TheBoardScoreboardAndCommentaryKeepTheirPlacesAtEverySize)
{
    RunningGame game(11);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.match.player(1).name = "BARTHOLOMEW KINGSBOROUGH-VANTERPOOL";
    st.match.player(2).name = "TOMAS VELL";
    st.match.player(1).score = 501;
    st.match.player(1).legs = 2;
    st.view.setupVisible = false;
    st.view.scoreboardVisible = true;
    st.view.flag = {"", "flags/sco.gif", "flags/ned.gif"};
    game.win().ChangeTheme("EM");
    game.win().engine().comment("Game, shot and the match, Bartholomew Kingsborough-Vanterpool");
    game.win().refresh();
    BoardWidget* board = game.win().board();
    auto* scores = game.find("picContainer");
    auto* commentary = game.find("lblComments");
    ASSERT_TRUE(scores && commentary);
    int lastSide = 0;
    const QSize smallest = game.win().minimumSize();
    for (const QSize size : {smallest, QSize(800, 600), QSize(1024, 720), QSize(1280, 800), QSize(1920, 1080),
                             QSize(2560, 1080), QSize(2560, 1440), QSize(3840, 2160)}) {
        game.win().resize(size);
        qtPause(0);
        const QRect area = game.win().centralWidget()->rect();
        const QRect b = board->geometry(), s = scores->geometry(), c = commentary->geometry();
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        EXPECT_EQ(b.width(), b.height());
        EXPECT_TRUE(area.contains(b));
        EXPECT_TRUE(area.contains(s));
        EXPECT_TRUE(area.contains(c));
        EXPECT_FALSE(b.intersects(s));
        EXPECT_FALSE(b.intersects(c));
        EXPECT_GE(s.left(), b.right());
        EXPECT_GE(c.top(), b.bottom());
        const QPoint bull = board->toPixels(2595, 2595);
        EXPECT_LE(std::abs(bull.x() - b.width() / 2), 1);
        EXPECT_LE(std::abs(bull.y() - b.height() / 2), 1);
        if (size != QSize(2560, 1080)) {
            EXPECT_GE(b.width(), lastSide); // it grows with the window
        }
        lastSide = b.width();
        // The scoreboard keeps its proportions to the board: however wide the
        // window, the legs and sets stay beside the score.
        EXPECT_LE(s.width(), b.width() * 7 / 10);
        EXPECT_LE(s.height(), b.height());
        const QRect score = game.find("lblScore_1")->geometry(), legs = game.find("lblLegs_1")->geometry();
        EXPECT_LE(legs.left() - score.left(), s.width());
        expectNothingCut(game.win());
        const QPixmap drawn = board->grab();
        EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), board->devicePixelRatioF());
        EXPECT_EQ(drawn.width(), qRound(b.width() * board->devicePixelRatioF()));
    }
    EXPECT_GT(lastSide, 3 * 346); // well past the size the board was drawn for
    // The long name is shortened where it must be, and shown whole where there is room.
    game.win().resize(smallest);
    qtPause(0);
    EXPECT_EQ(game.find<QLabel>("lblPlayer_1")->text(), "BARTHOLOMEW KINGSBOROUGH-VANTERPOOL");
    game.win().resize(3840, 2160);
    qtPause(0);
    EXPECT_FALSE(game.find<FittedLabel>("lblPlayer_1")->shortened());
}

TEST(Layout, EveryPageOfTheSetupPanelIsWholeFromTheSmallestWindowUp)
{
    RunningGame game(11);
    ASSERT_TRUE(game.app);
    frmDarts& win = game.win();
    auto* heading = game.find<FittedLabel>("lblHeading");
    ASSERT_NE(heading, nullptr);
    for (const QSize size : {win.minimumSize(), QSize(1024, 720), QSize(3840, 2160)}) {
        win.resize(size);
        qtPause(0);
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        // Every page: the first, the players, the leg length, the match
        // length, the difficulty, the career's match length and the practice
        // games. (0 stands for the players chosen in their window.)
        for (const std::vector<int>& clicks : {std::vector<int>{}, {2}, {2, 1, 0}, {2, 1, 0, 1}, {2, 1, 0, 1, 1},
                                               {3}, {3, 1}, {4}, {4, 2}, {4, 4}}) {
            win.backToStartMenu();
            game.st().career.careerName = "NIA QUARRELL";
            for (int option : clicks)
                if (option == 0)
                    win.setupMenu().playersChosen();
                else
                    win.setupMenu().click(option);
            win.refresh();
            qtPause(0);
            SCOPED_TRACE(heading->text().toStdString());
            EXPECT_TRUE(game.find("picNewGame")->isVisible());
            expectNothingCut(win);
            // The panel stays on the board.
            EXPECT_TRUE(win.board()->geometry().contains(game.find("picNewGame")->geometry()));
        }
    }
}

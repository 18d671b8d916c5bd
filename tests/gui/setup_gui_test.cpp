#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "rules/career/roster.h"
#include "gui/guihelpers.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "qt/setup/frmNewGame.h"
#include "qt/setup/frmPlayers.h"
#include "qt/ui/frmInfo.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// The bed a player at a real board goes for with this much left.
std::string plannedBed(int left)
{
    if (left <= 40 && left % 2 == 0)
        return makeBed('D', left / 2);
    if (left == 50)
        return "S50";
    if (left <= 41)
        return "S01";
    if (left <= 60)
        return makeBed('S', left - 40);
    if (left <= 100)
        return (left - 40) % 3 == 0 ? makeBed('T', (left - 40) / 3) : "S20";
    return "T20";
}

// Plays player 1 at a real board: the bull in the bull-up, then checkout darts.
class RealBoardPlayer : public QObject {
public:
    explicit RealBoardPlayer(RunningGame& g) : m_g(g)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            GameState& st = m_g.st();
            if (st.match.blnStopped || QApplication::activeModalWidget() || st.match.currentPlayer != 1)
                return;
            if (st.match.blnBullUp ? (st.match.bytDart != 0 || st.match.blnBullDartDown) : st.view.yellowPlayer != 1)
                return;
            const std::string bed = st.match.blnBullUp ? "S50" : plannedBed(st.match.player(1).score - st.match.bytTurnScore);
            const Point p = *GetCoords(bed);
            clickBoard(m_g.win().board(), p.x, p.y);
        });
        m_timer.start();
    }

private:
    RunningGame& m_g;
    QTimer m_timer;
};

} // namespace

TEST(SetupPanel, OnePlayerExhibitionPlaysAWholeMatchAgainstTheComputer)
{
    RunningGame game(77);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    AutoAnswer yes(QMessageBox::Yes);
    PlayersFiller players;
    players.name1 = QStringLiteral("Nia Quarrell");
    players.realBoard1 = true;
    RealBoardPlayer nia(game);

    clickOption(game, 2); // EXHIBITION
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT NO. OF PLAYERS");
    clickOption(game, 2); // ONE PLAYER
    EXPECT_EQ(players.opened, 1);
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "LEG LENGTH");
    EXPECT_TRUE(st.match.player(1).realBoard);
    EXPECT_EQ(st.career.playerAverage, 60);
    clickOption(game, 2); // 501
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "MATCH LENGTH");
    clickOption(game, 1); // FIRST TO ONE
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "DIFFICULTY");
    clickOption(game, 1); // BEGINNER: the match starts

    EXPECT_EQ(st.match.aimSpeed, 104);
    EXPECT_EQ(st.match.numberOfPlayers, 1);
    EXPECT_EQ(game.find<QLabel>("lblPlayer_1")->text(), "NIA QUARRELL");
    EXPECT_GE(GetRank(st.roster.lines, st.match.player(2).name), 120); // a BEGINNER from the foot of the roster
    ASSERT_TRUE(waitUntil([&] { return st.match.blnStopped && st.view.setupVisible; }, 60000));

    EXPECT_EQ(st.match.player(1).sets + st.match.player(2).sets, 1);
    EXPECT_GE(st.match.stat(1, kStatDoublesHit) + st.match.stat(2, kStatDoublesHit), 3);
    EXPECT_GT(st.match.stat(2, kStatDarts), 0); // the computer threw by itself
    const QString winner = QString::fromStdString(st.match.player(st.match.player(1).sets == 1 ? 1 : 2).name);
    ASSERT_FALSE(game.win().infosShown().isEmpty());
    EXPECT_EQ(game.win().infosShown().back(), "The winner is " + winner);
    EXPECT_EQ(game.win().infosShown().front(), "NIA QUARRELL v " + QString::fromStdString(st.match.player(2).name));
    EXPECT_TRUE(game.find("picNewGame")->isVisible());
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_EQ(game.find<QLabel>("lblOption2")->text(), "EXHIBITION");
    EXPECT_EQ(game.find<QLabel>("lblOption3")->text(), "CAREER");
    EXPECT_EQ(game.find<QLabel>("lblOption1")->text(), "");
}

TEST(SetupPanel, TwoPlayersAreNamedAndCancelGoesBack)
{
    RunningGame game(5);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    PlayersFiller players;
    players.name1 = QStringLiteral("Nia, Quarrell");
    players.name2 = QStringLiteral("  Tomas Vell ");

    clickOption(game, 2); // EXHIBITION
    clickOption(game, 3); // TWO PLAYER
    EXPECT_EQ(st.match.numberOfPlayers, 2);
    EXPECT_EQ(st.career.careerName, "Nia  Quarrell");
    EXPECT_EQ(st.match.player2Name, "Tomas Vell");
    EXPECT_EQ(st.settings.savedPlayer1Name, "Nia  Quarrell");
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "LEG LENGTH");
    EXPECT_EQ(game.find<QLabel>("lblOption3")->text(), "1001");

    // Back to the start with New, then a cancelled selection.
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    ASSERT_EQ(yes.texts.size(), 1);
    EXPECT_EQ(yes.texts[0], "Are you sure you want to quit the current game and start a new one?");
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    game.win().mnuNewGame_Click(); // on the first page it asks nothing
    EXPECT_EQ(yes.texts.size(), 1);

    players.cancel = true;
    clickOption(game, 2); // EXHIBITION
    clickOption(game, 2); // ONE PLAYER, cancelled
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_TRUE(game.find("picNewGame")->isVisible());
    EXPECT_TRUE(st.career.careerName.empty());
}

TEST(SetupPanel, BlankOptionFlashesAndDoesNothing)
{
    RunningGame game(5);
    ASSERT_TRUE(game.app);
    clickOption(game, 1);
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT GAME TYPE");
    EXPECT_EQ(game.find<QLabel>("lblOption1")->styleSheet(), "color: rgb(255,255,0);");
    clickOption(game, 2); // EXHIBITION
    clickOption(game, 4);
    EXPECT_EQ(game.find<QLabel>("lblHeading")->text(), "SELECT NO. OF PLAYERS");
}

TEST(PlayerSelection, RefusesBadEntriesAndKeepsWhatWasTyped)
{
    RunningGame game(5);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    frmPlayers dlg(st, 1, &game.win());
    dlg.show();
    auto* name = dlg.findChild<QComboBox*>(QStringLiteral("cboplayer1"));
    auto* ave = dlg.findChild<QLineEdit*>(QStringLiteral("txtAve"));
    auto* chk = dlg.findChild<QCheckBox*>(QStringLiteral("chkScoring1"));
    EXPECT_FALSE(dlg.findChild<QComboBox*>(QStringLiteral("cboplayer2"))->isVisible());
    EXPECT_FALSE(ave->isVisible());
    QTest::mouseClick(chk, Qt::LeftButton);
    EXPECT_TRUE(ave->isVisible());
    EXPECT_EQ(ave->text(), "60");

    AutoAnswer ok(QMessageBox::Ok);
    name->setEditText(QStringLiteral("A name far too long, really"));
    dlg.cmdOK_Click();
    EXPECT_EQ(ok.texts.last(), "Players names must be a maximum of 20 characters.");
    EXPECT_EQ(name->currentText(), "A name far too long  really"); // commas turned to blanks, kept
    EXPECT_TRUE(dlg.isVisible());

    name->setEditText(QStringLiteral("Nia"));
    ave->setText(QStringLiteral("29"));
    dlg.cmdOK_Click();
    EXPECT_EQ(ok.texts.last(), "Average must be between 30 and 100.");
    EXPECT_EQ(ave->text(), "29");
    ave->setText(QStringLiteral("-5e9"));
    dlg.cmdOK_Click();
    EXPECT_EQ(ok.texts.last(), "Average must be between 30 and 100.");

    name->setEditText(QStringLiteral("   "));
    ave->setText(QStringLiteral("75"));
    dlg.cmdOK_Click();
    EXPECT_EQ(ok.texts.last(), "Players must have a name.");

    name->setEditText(QStringLiteral(" Nia Quarrell "));
    dlg.cmdOK_Click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(st.career.careerName, "Nia Quarrell");
    EXPECT_EQ(st.career.playerAverage, 75);
    EXPECT_TRUE(st.match.player(1).realBoard);
    EXPECT_FALSE(st.match.player(2).realBoard);

    // Unticking hides the average and puts it back to 60.
    frmPlayers again(st, 1, &game.win());
    again.show();
    auto* chk2 = again.findChild<QCheckBox*>(QStringLiteral("chkScoring1"));
    auto* ave2 = again.findChild<QLineEdit*>(QStringLiteral("txtAve"));
    QTest::mouseClick(chk2, Qt::LeftButton);
    ave2->setText(QStringLiteral("90"));
    QTest::mouseClick(chk2, Qt::LeftButton);
    EXPECT_FALSE(ave2->isVisible());
    EXPECT_EQ(ave2->text(), "60");
    EXPECT_TRUE(st.career.careerName.empty()); // a new selection starts with no names
    again.Command1_Click();
    EXPECT_TRUE(st.career.careerName.empty());
}

TEST(TitleWindow, GivesWayOnAKeyAClickOrAfterSeventyFiveSeconds)
{
    int shown = 0;
    {
        frmNewGame title(1.0, [&] { ++shown; });
        title.show();
        bool hasVersion = false, hasPrompt = false;
        for (auto* l : title.findChildren<QLabel*>()) {
            hasVersion |= l->text() == "Version 5.2";
            hasPrompt |= l->text() == "PRESS ANY KEY OR CLICK TO START";
        }
        EXPECT_TRUE(hasVersion && hasPrompt);
        qtPause(0.05);
        EXPECT_EQ(shown, 0); // a real second has not passed, let alone 75
        QTest::keyClick(&title, Qt::Key_Space);
        EXPECT_EQ(shown, 1);
        QTest::mouseClick(&title, Qt::LeftButton); // once is enough
        EXPECT_EQ(shown, 1);
    }
    {
        frmNewGame title(1.0, [&] { ++shown; });
        title.show();
        QTest::mouseClick(&title, Qt::LeftButton);
        EXPECT_EQ(shown, 2);
    }
    {
        // 75 seconds at a thousandth of the time.
        frmNewGame title(0.001, [&] { ++shown; });
        title.show();
        EXPECT_TRUE(waitUntil([&] { return shown == 3; }, 3000));
    }
}

TEST(InfoOverlay, ClosesOnAKeyAClickOrAfterSeventyFiveSeconds)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    {
        frmInfo info(&game.win(), 1.0);
        info.setInfo(QStringLiteral("The winner is NIA"));
        EXPECT_EQ(info.findChild<QLabel*>(QStringLiteral("Label1"))->text(), "The winner is NIA");
        QTimer::singleShot(10, [&] { QTest::keyClick(&info, Qt::Key_X); });
        EXPECT_EQ(info.exec(), QDialog::Accepted);
    }
    {
        frmInfo info(&game.win(), 1.0);
        QTimer::singleShot(10, [&] { QTest::mouseClick(&info, Qt::LeftButton); });
        EXPECT_EQ(info.exec(), QDialog::Accepted);
    }
    {
        frmInfo info(&game.win(), 0.001); // 75 seconds at a thousandth of the time
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(info.exec(), QDialog::Accepted);
        EXPECT_GE(t.elapsed(), 70);
    }
}

TEST(SetupPanel, LiveOptionsShowTheDartPointer)
{
    RunningGame game(5);
    ASSERT_TRUE(game.app);
    EXPECT_EQ(game.find<QLabel>("lblOption2")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(game.find<QLabel>("lblOption1")->cursor().shape(), Qt::ArrowCursor);
}

#include <QAction>
#include <QComboBox>
#include <QSettings>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "qt/app/frmCredits.h"
#include "gui/careerhelpers.h"
#include "gui/networkhelpers.h"
#include <QLineEdit>
#include "qt/setup/frmSCore.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

// A running match between two named players, Nia to throw, without the
// panel; with one player, Tomas is the computer.
void startMatch(RunningGame& g, bool niaAtRealBoard, int players = 2)
{
    GameState& st = g.st();
    st.match.player(1).name = "NIA QUARRELL";
    st.match.player(2).name = "TOMAS VELL";
    st.match.player(1).realBoard = niaAtRealBoard;
    st.match.numberOfPlayers = players;
    st.view.setupVisible = false;
    st.match.intStartScore = 501;
    st.match.bytLegsToWin = 3;
    st.match.bytSetstoWin = 1;
    // Both bull-up darts land by themselves when they are awaited; Nia's is nearer.
    QTimer bullUp;
    QObject::connect(&bullUp, &QTimer::timeout, [&g, &st] {
        if (!st.match.blnBullUp || st.match.blnBullDartDown || QApplication::activeModalWidget())
            return;
        if (st.match.currentPlayer == 1 && st.match.bytDart == 0)
            g.win().engine().ThrowDart(2600, 2600);
        else if (st.match.currentPlayer == 2 && st.match.bytDart == 1)
            g.win().engine().ThrowDart(2600, 2700);
    });
    bullUp.start(1);
    g.win().startExhibition(false);
}

// Closes the information overlay (the pairing of a match) as soon as it is up.
class CloseOverlays : public QObject {
public:
    CloseOverlays()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (auto* info = qobject_cast<frmInfo*>(QApplication::activeModalWidget()))
                info->close();
        });
        m_timer.start(2);
    }

private:
    QTimer m_timer;
};

// A game whose pauses take a twentieth of their time, the title window sent
// away at once.
std::unique_ptr<RunningGame> gameWithPauses(std::uint64_t seed)
{
    QTimer away;
    QObject::connect(&away, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->inherits("vantorelle::frmNewGame"))
                QTest::keyClick(w, Qt::Key_Space);
    });
    away.start(5);
    return std::make_unique<RunningGame>(seed, true, std::function<void(const QString&)>{}, 0.05);
}

QString comments(RunningGame& g)
{
    return g.find<QLabel>(QStringLiteral("lblComments"))->text();
}

} // namespace

TEST(MenuBar, EntriesInOrder)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    QStringList captions;
    for (QAction* a : game.win().menuBar()->actions())
        captions << a->text();
    // The game's own entries in their order, with the records' two beside the statistics.
    EXPECT_EQ(captions, (QStringList{"&New", "&Load", "Audio", "Help", "Statistics", "Records", "Undo", "Rankings",
                                     "Player History", "Editor", "Docs", "Network", "How to Play", "Credits", "Website",
                                     "Boss", "&Quit"}));
    QStringList docs;
    for (QAction* a : game.win().menuBar()->findChild<QMenu*>(QStringLiteral("mnuDocs"))->actions())
        docs << a->text();
    EXPECT_EQ(docs, (QStringList{"Readme", "License"}));
}

TEST(CommandKeys, AudioToggleShowsItsStateThenTheOldCaption)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.settings.soundOn = st.settings.soundOnSaved = true;
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString c = comments(game);
        if (seen.isEmpty() || seen.back() != c)
            seen << c;
    });
    watch.start(0);
    QTest::keyClick(&game.win(), Qt::Key_A);
    EXPECT_FALSE(st.settings.soundOn);
    EXPECT_FALSE(st.settings.soundOnSaved);
    QTest::keyClick(&game.win(), Qt::Key_A, Qt::ShiftModifier);
    EXPECT_TRUE(st.settings.soundOn);
    watch.stop();
    EXPECT_EQ(comments(game), "GAME ON!");
    EXPECT_TRUE(seen.contains("AUDIO OFF"));
    EXPECT_TRUE(seen.contains("AUDIO ON"));
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZEKO"), QStringLiteral("ZEKO"));
    EXPECT_EQ(s.value(QStringLiteral("Application/Sound")).toString(), "True");
}

TEST(CommandKeys, HintShowsTheRouteForTheDartsLeft)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    startMatch(game, false);
    GameState& st = game.st();
    ASSERT_EQ(st.match.currentPlayer, 1);
    st.match.player(1).score = 60;
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { seen << comments(game); });
    watch.start(0);
    game.win().engine().ThrowDart(2595, 1035); // single 20: 40 left, two darts
    QTest::keyClick(&game.win(), Qt::Key_H);
    watch.stop();
    EXPECT_TRUE(seen.contains("40 REMAINING. SUGGEST:  D20.")) << seen.join('|').toStdString();
    EXPECT_EQ(comments(game), "DART 1 HITS 20");

    // Not in Cricket.
    st.view.cricketBoardShown = true;
    seen.clear();
    watch.start(0);
    QTest::keyClick(&game.win(), Qt::Key_H);
    watch.stop();
    for (const QString& c : seen)
        EXPECT_FALSE(c.contains("SUGGEST"));
    st.view.cricketBoardShown = false;
}

TEST(CommandKeys, DigitOpensScoreEntryForARealBoardPlayer)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    startMatch(game, true);
    GameState& st = game.st();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<frmSCore*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        opened = true;
        EXPECT_EQ(w->windowTitle(), " MARK");
        auto* score = w->findChild<QLineEdit*>(QStringLiteral("txtScore"));
        EXPECT_EQ(score->text(), "1");
        EXPECT_FALSE(w->findChild<QLineEdit*>(QStringLiteral("txtDbl"))->isVisible()); // 501 left
        // 179 is refused: the score is selected, the window says why and nothing is booked.
        score->setText(QStringLiteral("179"));
        w->OKButton_Click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(score->selectedText(), "179");
        auto* why = w->findChild<QLabel*>(QStringLiteral("lblWhy"));
        ASSERT_NE(why, nullptr);
        EXPECT_TRUE(why->isVisible());
        EXPECT_EQ(why->text(), "No three darts score 179.");
        score->setText(QStringLiteral("abc"));
        w->OKButton_Click();
        EXPECT_EQ(score->selectedText(), "abc");
        EXPECT_EQ(st.match.stat(1, kStatDarts), 0);
        score->setText(QStringLiteral("140"));
        w->OKButton_Click();
    });
    QTest::keyClick(&game.win(), Qt::Key_1);
    EXPECT_TRUE(opened);
    EXPECT_EQ(st.match.player(1).score, 361);
    EXPECT_EQ(st.match.stat(1, kStat140), 1);
    EXPECT_EQ(st.match.currentPlayer, 2);

    // Tomas throws on the screen: a digit does nothing.
    QTest::keyClick(&game.win(), Qt::Key_5);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ScoreEntry, TheOpeningDigitIsTypedOnAndALongerScoreIsSelectedOnFocus)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    startMatch(game, true);
    frmSCore entry(game.st().match, game.win().engine(), QStringLiteral("1"), &game.win());
    entry.show();
    entry.activateWindow();
    QApplication::setActiveWindow(&entry);
    auto* score = entry.findChild<QLineEdit*>(QStringLiteral("txtScore"));
    auto* darts = entry.findChild<QLineEdit*>(QStringLiteral("txtDarts"));
    score->setFocus();
    qtPause(0);
    QTest::keyClicks(score, QStringLiteral("40"));
    EXPECT_EQ(score->text(), "140");
    // Back to the score from another field: the whole score is selected, so
    // typing replaces it.
    darts->setFocus();
    qtPause(0);
    score->setFocus();
    qtPause(0);
    EXPECT_EQ(score->selectedText(), "140");
    QTest::keyClicks(score, QStringLiteral("85"));
    EXPECT_EQ(score->text(), "85");
    entry.reject();
}

TEST(CommandKeys, BossKeyDisguisesUntilTheWindowComesBack)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.settings.soundOn = st.settings.soundOnSaved = true;
    // The lobby of a network session is disguised with the main window.
    QWidget* lobby = hostHere(game, QStringLiteral("Nia"));
    ASSERT_NE(lobby, nullptr);
    QTest::keyClick(&game.win(), Qt::Key_B);
    EXPECT_EQ(game.win().windowTitle(), "Untitled - Notepad");
    EXPECT_EQ(lobby->windowTitle(), "Untitled - Notepad");
    EXPECT_FALSE(st.settings.soundOn);
    EXPECT_TRUE(st.settings.soundOnSaved);
    game.win().showNormal();
    game.win().resize(game.win().width() + 10, game.win().height());
    qtPause(0);
    EXPECT_EQ(game.win().windowTitle(), "VANTORELLE!");
    EXPECT_EQ(lobby->windowTitle(), "VANTORELLE! LOBBY!");
    EXPECT_TRUE(st.settings.soundOn);
}

TEST(CommandKeys, DocumentsOpenFromTheApplicationFolder)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    QStringList opened;
    game.win().openDocument = [&](const QString& path) {
        opened << path;
        return true;
    };
    QTest::keyClick(&game.win(), Qt::Key_F1);
    for (QAction* a : game.win().menuBar()->findChild<QMenu*>(QStringLiteral("mnuDocs"))->actions())
        a->trigger();
    game.win().findChild<QAction*>(QStringLiteral("mnuWebsite"))->trigger();
    ASSERT_EQ(opened.size(), 4);
    EXPECT_TRUE(opened[0].endsWith("/ZEKOHELP.htm"));
    EXPECT_TRUE(opened[1].endsWith("/Readme.txt"));
    EXPECT_TRUE(opened[2].endsWith("/License.txt"));
    EXPECT_TRUE(opened[3].endsWith("/Website.htm"));
    for (const QString& p : opened)
        EXPECT_TRUE(QFile::exists(p)) << p.toStdString();

    // When nothing can open it the player is told.
    game.win().openDocument = [](const QString&) { return false; };
    AutoAnswer ok(QMessageBox::Ok);
    QTest::keyClick(&game.win(), Qt::Key_F1);
    ASSERT_EQ(ok.texts.size(), 1);
    EXPECT_EQ(ok.texts[0],
              "There was a problem executing the default web client. Check that it is properly installed.");
}

TEST(Credits, VersionAndTheSpeedCheat)
{
    RunningGame game;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    frmCredits credits(st.settings, &game.win());
    credits.show();
    bool hasVersion = false;
    for (auto* l : credits.findChildren<QLabel*>())
        hasVersion |= l->text() == "Version 5.2";
    EXPECT_TRUE(hasVersion);
    QStringList told;
    QString code = QStringLiteral("zoom 140");
    credits.askCode = [&] { return code; };
    credits.tell = [&](const QString& m) { told << m; };
    auto* ok = credits.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_EQ(st.settings.aimSpeedOverride, 140);
    EXPECT_TRUE(credits.isVisible()); // Esc asked for a code, it did not close the credits
    code = QStringLiteral("ZOOM 151");
    credits.enterCheat();
    EXPECT_EQ(st.settings.aimSpeedOverride, 0);
    EXPECT_EQ(told.size(), 2);
    code = QStringLiteral("something else");
    credits.enterCheat();
    EXPECT_EQ(told.size(), 2);
}

TEST(CricketWindow, UnlockedCricketIsPlayedOnItsOwnScoreboards)
{
    RunningGame game(9);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    st.settings.cricketUnlocked = true;
    // Two humans named through the player selection.
    QTimer fill;
    QObject::connect(&fill, &QTimer::timeout, [] {
        auto* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != "frmPlayers")
            return;
        w->findChild<QComboBox*>(QStringLiteral("cboplayer1"))->setEditText(QStringLiteral("Nia"));
        w->findChild<QComboBox*>(QStringLiteral("cboplayer2"))->setEditText(QStringLiteral("Tomas"));
        w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    fill.start(5);
    QTimer bullUp;
    QObject::connect(&bullUp, &QTimer::timeout, [&] {
        if (!st.match.blnBullUp || st.match.blnBullDartDown || QApplication::activeModalWidget())
            return;
        game.win().engine().ThrowDart(2600, st.match.currentPlayer == 1 ? 2600 : 2800);
    });
    bullUp.start(1);
    for (int option : {2, 3}) // EXHIBITION, TWO PLAYER
        QTest::mouseClick(game.find<QLabel>(QStringLiteral("lblOption%1").arg(option)), Qt::LeftButton);
    EXPECT_EQ(game.find<QLabel>("lblOption4")->text(), "CRICKET");
    QTest::mouseClick(game.find<QLabel>("lblOption4"), Qt::LeftButton);
    bullUp.stop();

    EXPECT_TRUE(game.find("picCricket_1")->isVisible());
    EXPECT_TRUE(game.find("picCricket_2")->isVisible());
    EXPECT_EQ(st.match.currentPlayer, 1);
    game.win().engine().ThrowDart(2580, 1425); // treble 20
    EXPECT_EQ(game.find<QLabel>("lbl20_1")->text(), "O");
    game.win().engine().ThrowDart(2595, 2595); // the bull
    EXPECT_EQ(game.find<QLabel>("lblB_1")->text(), "X");
    EXPECT_EQ(game.find<QLabel>("lblScore_1")->text(), "0");
    EXPECT_EQ(comments(game), "DART 2 HITS THE DOUBLE BULLSEYE!");
    // No checkout hint in Cricket, and a New game puts the boards away.
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    QTest::mouseClick(game.find<QLabel>("lblOption2"), Qt::LeftButton);
    EXPECT_FALSE(game.find("picCricket_1")->isVisible());
}

// H gives a checkout route to a player at this machine who has a dart to
// throw in an x01 turn, and nobody else: not on the setup panel or between
// matches, not in the bull-up, not while a turn's end is announced, not for
// the computer.
TEST(CommandKeys, HintOnlyForAPlayerHereWithADartToThrow)
{
    const auto started = gameWithPauses(7);
    RunningGame& game = *started;
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (seen.isEmpty() || seen.back() != comments(game))
            seen << comments(game);
    });
    watch.start(0);
    auto hinted = [&] { return seen.filter(QStringLiteral("SUGGEST")).size(); };
    CloseOverlays overlays;

    // The setup panel: nobody is on throw.
    ASSERT_TRUE(st.view.setupVisible);
    QTest::keyClick(&game.win(), Qt::Key_H);
    qtPause(0.2);
    EXPECT_EQ(hinted(), 0);

    // The bull-up, then the third dart's call and the computer's turn: H is
    // pressed all along and gives nothing.
    int pressed[3] = {0, 0, 0};
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        const int stage = st.match.blnBullUp ? 0 : st.match.bytDart == 3 ? 1 : st.match.currentPlayer == 2 ? 2 : -1;
        if (stage < 0 || QApplication::activeModalWidget())
            return;
        ++pressed[stage];
        game.win().showHint();
    });
    press.start(3);
    startMatch(game, false, 1);
    ASSERT_EQ(st.match.currentPlayer, 1);
    EXPECT_EQ(hinted(), 0);
    for (int dart = 0; dart < 3; ++dart)
        game.win().engine().ThrowDart(2595, 1035); // single 20: the third hands over to the computer
    ASSERT_TRUE(waitUntil([&] { return st.match.currentPlayer == 1 && st.view.yellowPlayer == 1; }, 10000));
    press.stop();
    EXPECT_GT(pressed[0], 0);
    EXPECT_GT(pressed[1], 0);
    EXPECT_GT(pressed[2], 0);
    EXPECT_EQ(hinted(), 0) << seen.join('|').toStdString();

    // Nia's turn: her route.
    QTest::keyClick(&game.win(), Qt::Key_H);
    EXPECT_EQ(hinted(), 1);
    EXPECT_TRUE(seen.contains("441 REMAINING. SUGGEST:  T20, T20, T20.")) << seen.join('|').toStdString();

    // Between matches: nothing.
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    ASSERT_TRUE(st.match.blnStopped);
    QTest::keyClick(&game.win(), Qt::Key_H);
    EXPECT_EQ(hinted(), 1);
}

// A, H and S show their text for a while and then put the old line back,
// unless New or Load has taken over meanwhile: the line of a match that has
// gone is not put back over the new setup.
TEST(CommandKeys, ALineOfAMatchThatHasGoneIsNotPutBack)
{
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_H, Qt::Key_S}) {
        for (const bool load : {false, true}) {
            SCOPED_TRACE(std::string(1, static_cast<char>(key)) + (load ? " then Load" : " then New"));
            const auto started = gameWithPauses(8);
            RunningGame& game = *started;
            ASSERT_TRUE(game.app);
            GameState& st = game.st();
            CloseOverlays overlays;
            if (load) {
                createCareer(game);
                game.win().career().closeAll();
            }
            startMatch(game, false);
            game.win().engine().ThrowDart(2595, 1035); // a dart for the statistics
            st.match.stat(2, kStatDarts) = 3;          // and Tomas's turn before it
            st.match.stat(2, kStatPoints) = 45;
            const QString before = comments(game);
            ASSERT_EQ(before, "DART 1 HITS 20");
            AutoAnswer yes(QMessageBox::Yes);
            LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"));
            QStringList seen;
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                if (seen.isEmpty() || seen.back() != comments(game))
                    seen << comments(game);
            });
            watch.start(0);
            // Inside the pause of the key: the other game takes over.
            QTimer::singleShot(20, &game.win(), [&game, load] {
                if (load)
                    game.win().mnuLoadGame_Click();
                else
                    game.win().mnuNewGame_Click();
            });
            QTest::keyClick(&game.win(), key);
            qtPause(0.5); // every pause of the key is over
            watch.stop();
            ASSERT_FALSE(seen.isEmpty());
            EXPECT_NE(seen.front(), before) << "the key showed its text";
            EXPECT_NE(comments(game), before) << seen.join('|').toStdString();
            EXPECT_TRUE(st.match.blnStopped);
            if (load)
                EXPECT_NE(game.win().career().schedule(), nullptr);
            else
                EXPECT_TRUE(st.view.setupVisible);
        }
    }
}

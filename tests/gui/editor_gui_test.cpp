// The player editor: the career player made and his name checked, and the
// roster paged through, changed and written.
#include <fstream>

#include <QCheckBox>
#include <QLabel>

#include "gui/careerhelpers.h"
#include "rules/career/roster.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(Career, CreatingThePlayerChecksHisNameAndMakesTheCareer)
{
    RunningGame game(11);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    // An old history of the same name goes; an old career of it is asked about.
    QFile his(game.data.filePath("Ivo Vane.his"));
    ASSERT_TRUE(his.open(QIODevice::WriteOnly));
    his.write("old\r\n");
    his.close();

    for (int option : {3, 1, 2}) // CAREER, SHORT, AMATEUR
        game.win().lblOption_Click(option);
    EXPECT_EQ(st.career.matchLength, 1);
    EXPECT_EQ(st.match.bytClass, 2);
    frmPlayerEditor* editor = game.win().career().editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), " PLAYER EDITOR");
    EXPECT_FALSE(editor->findChild<QPushButton*>(QStringLiteral("cmdNext"))->isVisibleTo(editor));
    EXPECT_FALSE(editor->findChild<QPushButton*>(QStringLiteral("cmdDone"))->isVisibleTo(editor));

    // A blank typed into a name disappears at once.
    auto* first = editor->findChild<QLineEdit*>(QStringLiteral("txtFirstName"));
    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("I vo,"));
    EXPECT_EQ(first->text(), "Ivo");

    AutoAnswer ok(QMessageBox::Ok);
    const std::string taken = rosterName(st.roster.lines[9]);
    fillEditor(editor, QString::fromStdString(taken.substr(0, taken.find(' '))).toLower(),
               QString::fromStdString(taken.substr(taken.find(' ') + 1)), QStringLiteral("WAL"));
    editor->cmdSave_Click();
    fillEditor(editor, QStringLiteral("Ivo"), QStringLiteral("Vane"), QString());
    editor->cmdSave_Click();
    editor->findChild<QCheckBox*>(QStringLiteral("chkScoring1"))->click();
    editor->findChild<QLineEdit*>(QStringLiteral("txtAve"))->setText(QStringLiteral("101"));
    fillEditor(editor, QStringLiteral("Ivo"), QStringLiteral("Vane"), QStringLiteral("SCO"));
    editor->cmdSave_Click();
    EXPECT_EQ(ok.texts, (QStringList{"Sorry, that name is already taken.", "Nationality must be selected.",
                                     "Average must be between 30 and 100."}));

    editor->findChild<QLineEdit*>(QStringLiteral("txtAve"))->setText(QStringLiteral("55"));
    editor->cmdSave_Click();
    EXPECT_EQ(game.win().career().editor(), nullptr);
    EXPECT_EQ(st.career.careerName, "Ivo Vane");
    EXPECT_TRUE(st.career.realBoard);
    EXPECT_EQ(st.career.playerAverage, 55);
    EXPECT_FALSE(QFile::exists(game.data.filePath("Ivo Vane.his")));
    const QStringList lines = fileLines(game.data.filePath("Ivo Vane.car"));
    ASSERT_EQ(lines.size(), kCareerFileLines);
    EXPECT_TRUE(lines[0].endsWith(",True,55,2,1,1,0,0,0,0")) << lines[0].toStdString();
    EXPECT_EQ(lines[160], "160,Ivo,Vane,SCO,0,0,0,0,0,0,0,0,0,0,0,0,0");

    // The calendar is open on the first tournament, the average buttons shown.
    frmSchedule* calendar = game.win().career().schedule();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->windowTitle(), " CURRENT TOURNAMENT CHAMPIONS");
    EXPECT_EQ(calendar->findChild<QLabel*>(QStringLiteral("lblNext"))->text(),
              "NEXT TOURNAMENT ON CALENDAR: CANADIAN GRAND PRIX");
    EXPECT_EQ(calendar->findChild<QLabel*>(QStringLiteral("lblDiff"))->text(), "AMA");
    EXPECT_TRUE(calendar->findChild<QPushButton*>(QStringLiteral("Command1"))->isVisibleTo(calendar));
    calendar->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    calendar->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    calendar->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    EXPECT_EQ(calendar->findChild<QLabel*>(QStringLiteral("lblDiff"))->text(), "PRO");
    EXPECT_EQ(st.match.aimSpeed, 128);

    // Creating it again asks before it overwrites; No keeps the old one.
    game.win().career().openNewCareerEditor();
    {
        AutoAnswer no(QMessageBox::No);
        fillEditor(game.win().career().editor(), QStringLiteral("IVO"), QStringLiteral("VANE"), QStringLiteral("SCO"));
        game.win().career().editor()->cmdSave_Click();
        ASSERT_FALSE(no.texts.isEmpty());
        EXPECT_EQ(no.texts.back(), "A career for this player already exists. Overwrite?");
        EXPECT_NE(game.win().career().editor(), nullptr);
    }

    // Esc on the calendar asks as its close box does.
    {
        AutoAnswer stay(QMessageBox::No);
        QTest::keyClick(game.win().career().schedule(), Qt::Key_Escape);
        ASSERT_EQ(stay.texts.size(), 1);
        EXPECT_EQ(stay.texts[0], "Are you sure you want to quit the current game?");
        EXPECT_NE(game.win().career().schedule(), nullptr);
    }

    // New closes the career's windows without asking, and empties the draws.
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    EXPECT_EQ(game.win().career().editor(), nullptr);
    EXPECT_EQ(game.win().career().schedule(), nullptr);
}

TEST(Editor, PagesSavesAndWritesTheRosterFile)
{
    RunningGame game(24);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    QStringList notes;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        notes << box->text();
        box->button(QMessageBox::Ok)->click();
        QTimer::singleShot(0, [&] {
            auto* e = qobject_cast<frmPlayerEditor*>(QApplication::activeModalWidget());
            ASSERT_NE(e, nullptr);
            auto* first = e->findChild<QLineEdit*>(QStringLiteral("txtFirstName"));
            e->cmdPrevious_Click(); // nothing before the first
            EXPECT_EQ(e->index(), 1);
            e->cmdNext_Click();
            EXPECT_EQ(first->text().toStdString(), GetSplit(st.roster.lines[1], 1));
            first->setText(QStringLiteral("Zed"));
            e->cmdSave_Click();
            for (int i = 0; i < 200; ++i)
                e->cmdNext_Click();
            EXPECT_EQ(e->index(), 160);
            e->cmdDone_Click();
        });
    });
    game.win().mnuEditor_Click();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith("Please NOTE that changes will only affect future careers."));
    EXPECT_EQ(GetSplit(st.roster.lines[1], 1), "Zed");
    // The next start reads it.
    std::ifstream in(game.data.filePath("Stats.dat").toStdString(), std::ios::binary);
    const RosterLoad written = readRoster(in);
    ASSERT_TRUE(written.ok()) << written.error;
    EXPECT_EQ(written.roster.lines, st.roster.lines);
}

// One rule for the nationality in both editors: the eight codes in any
// letter case, shown with their flag and stored in capitals. "On real
// board" ticked and unticked again stores the average 60 and False; a
// career made again over an old one, answered Yes, replaces it and its
// history.
TEST(Editor, NationalityInAnyCaseRealBoardUntickedAndAnOldCareerReplaced)
{
    RunningGame game(25);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    auto flagOf = [](QWidget* editor) { return editor->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap(); };
    auto typeNationality = [](QWidget* editor, const QString& text) {
        auto* box = editor->findChild<QComboBox*>(QStringLiteral("cboNationality"));
        box->lineEdit()->clear();
        box->lineEdit()->setFocus();
        QTest::keyClicks(box->lineEdit(), text);
        box->setEditText(text); // whatever the completer offered, the text typed
    };

    createCareer(game); // Ivo Vane, ENG, on screen
    QFile his(game.data.filePath("Ivo Vane.his"));
    ASSERT_TRUE(his.open(QIODevice::WriteOnly));
    his.write("1/1/05,CANADIAN GRAND PRIX,DNQ,0,0,0,0\r\n");
    his.close();

    AutoAnswer yes(QMessageBox::Yes);
    game.win().career().openNewCareerEditor();
    frmPlayerEditor* editor = game.win().career().editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(flagOf(editor).isNull());
    typeNationality(editor, QStringLiteral("xyz"));
    EXPECT_TRUE(flagOf(editor).isNull()) << "no flag for a code that is none of the eight";
    typeNationality(editor, QStringLiteral("sco"));
    const QImage scotland = flagOf(editor).toImage();
    EXPECT_FALSE(scotland.isNull());
    typeNationality(editor, QStringLiteral("Wal"));
    EXPECT_NE(flagOf(editor).toImage(), scotland);
    auto* real = editor->findChild<QCheckBox*>(QStringLiteral("chkScoring1"));
    auto* ave = editor->findChild<QLineEdit*>(QStringLiteral("txtAve"));
    real->click();
    ave->setText(QStringLiteral("85"));
    real->click();
    EXPECT_FALSE(ave->isVisibleTo(editor));
    EXPECT_EQ(ave->text(), "60");
    editor->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("Ivo"));
    editor->findChild<QLineEdit*>(QStringLiteral("txtSecondName"))->setText(QStringLiteral("Vane"));
    editor->cmdSave_Click();
    EXPECT_TRUE(yes.texts.contains("A career for this player already exists. Overwrite?"));
    EXPECT_EQ(game.win().career().editor(), nullptr);
    EXPECT_FALSE(QFile::exists(game.data.filePath("Ivo Vane.his")));
    const QStringList lines = fileLines(game.data.filePath("Ivo Vane.car"));
    ASSERT_EQ(lines.size(), kCareerFileLines);
    EXPECT_TRUE(lines[0].contains(",False,60,")) << lines[0].toStdString();
    EXPECT_EQ(lines[160], "160,Ivo,Vane,WAL,0,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_FALSE(st.career.realBoard);
    EXPECT_EQ(st.career.playerAverage, 60);

    // The roster editor takes the same codes, and stores them in capitals.
    QStringList refused;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
        QTimer::singleShot(0, [&] {
            auto* e = qobject_cast<frmPlayerEditor*>(QApplication::activeModalWidget());
            ASSERT_NE(e, nullptr);
            typeNationality(e, QStringLiteral("ned"));
            EXPECT_FALSE(flagOf(e).isNull());
            e->cmdSave_Click();
            e->close();
        });
    });
    game.win().mnuEditor_Click();
    EXPECT_EQ(GetSplit(st.roster.lines[0], 3), "NED");
}

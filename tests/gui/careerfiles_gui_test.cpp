// A career's files through its windows: a save that fails is told and
// leaves the saved career as it was; a career loaded reopens where it
// stood; careers deleted, none left, and the history shown.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#ifndef _WIN32 // a full disk made with a size limit, and the superuser, are POSIX things
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "gui/careerhelpers.h"
#include "qt/persistence/frmLoad.h"
#include "rules/app/utf8.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;
using namespace vantorelle::testing;

TEST(Career, AFailedSaveIsToldToThePlayer)
{
    RunningGame game(3);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    const QString car = game.data.filePath("Ivo Vane.car");
    const QStringList before = fileLines(car);
    ASSERT_EQ(before.size(), kCareerFileLines);

    // The file cannot be replaced: a folder stands in its place.
    QFile::remove(car);
    ASSERT_TRUE(QDir(game.data.path()).mkdir(QStringLiteral("Ivo Vane.car")));
    AutoAnswer ok(QMessageBox::Ok);
    EXPECT_FALSE(game.win().career().saveCareer());
    ASSERT_EQ(ok.texts.size(), 1);
    EXPECT_TRUE(ok.texts[0].startsWith("The career could not be saved")) << ok.texts[0].toStdString();
    EXPECT_TRUE(QFileInfo(car).isDir());
    QDir(game.data.path()).rmdir(QStringLiteral("Ivo Vane.car"));

    // A save over a good file leaves no half-written file behind, and no stray temporary.
    st.career.totals.points = 1234;
    EXPECT_TRUE(game.win().career().saveCareer());
    EXPECT_TRUE(fileLines(car)[0].contains(",1234,"));
    EXPECT_EQ(QDir(game.data.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("Ivo Vane")).size(), 1);
}

// A disk that fills up in the middle of a save, and a data folder that
// cannot be written: the player is told, and the career saved before is
// there as it was, with nothing half-written beside it.
TEST(Career, AFullDiskOrAReadOnlyFolderLeavesTheSavedCareerAsItWas)
{
    RunningGame game(4);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    const QString car = game.data.filePath("Ivo Vane.car");
    QFile saved(car);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    ASSERT_GT(before.size(), 2000);
    auto leftBeside = [&] {
        return QDir(game.data.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("Ivo Vane"));
    };
    auto contents = [&] {
        QFile f(car);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    st.career.totals.points = 4321; // something new to save

#ifndef _WIN32
    {
        // The disk is full after the first kilobyte of the new file.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit was{};
        getrlimit(RLIMIT_FSIZE, &was);
        rlimit small = was;
        small.rlim_cur = 1024;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        AutoAnswer ok(QMessageBox::Ok);
        const bool savedNow = game.win().career().saveCareer();
        setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(savedNow);
        ASSERT_EQ(ok.texts.size(), 1);
        EXPECT_TRUE(ok.texts[0].startsWith("The career could not be saved")) << ok.texts[0].toStdString();
        EXPECT_TRUE(ok.texts[0].endsWith("The file keeps what was saved before."));
        EXPECT_EQ(contents(), before);
        EXPECT_EQ(leftBeside(), QStringList{"Ivo Vane.car"});
    }

    if (geteuid() != 0) { // the superuser writes into any folder
        QFile::setPermissions(game.data.path(), QFile::ReadOwner | QFile::ExeOwner);
        AutoAnswer ok(QMessageBox::Ok);
        EXPECT_FALSE(game.win().career().saveCareer());
        QFile::setPermissions(game.data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_EQ(ok.texts.size(), 1);
        EXPECT_TRUE(ok.texts[0].startsWith("The career could not be saved"));
        EXPECT_EQ(contents(), before);
        EXPECT_EQ(leftBeside(), QStringList{"Ivo Vane.car"});
    }
#endif

    // Room again: the save goes through. The copy a crash left before it
    // could be put in place is written over; files of other names are not touched.
    for (const char* other : {"Ivo Vane.car.vantorelle-new", "Ivo Vane.car.Backup", "Ivo Vane.car.AbCdEf"}) {
        QFile f(game.data.filePath(QString::fromLatin1(other)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EXPECT_TRUE(game.win().career().saveCareer());
    EXPECT_NE(contents(), before);
    EXPECT_TRUE(contents().contains(",4321,"));
    EXPECT_EQ(leftBeside(), (QStringList{"Ivo Vane.car", "Ivo Vane.car.AbCdEf", "Ivo Vane.car.Backup"}));
}

TEST(Load, ACareerReopensWhereItStood)
{
    RunningGame game(21);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    // Into the tournament: its draw is made and saved at the first CONTINUE.
    QPointer<frmSchedule> calendar = game.win().career().schedule();
    {
        QTimer accept;
        QObject::connect(&accept, &QTimer::timeout, [] {
            if (auto* s = qobject_cast<frmStructure*>(QApplication::activeModalWidget()))
                s->accept();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        accept.start(5);
        calendar->cmdContinue_Click();
    }
    frmRosters* draw = game.win().career().rosters();
    ASSERT_NE(draw, nullptr);
    const std::string groupA = draw->ladder().label[1];
    game.win().career().saveCareer();

    // A different game meanwhile: an exhibition's setup.
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    ASSERT_EQ(game.win().career().rosters(), nullptr);
    st.career = {};

    {
        LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"));
        game.win().mnuLoadGame_Click();
        EXPECT_EQ(pick.listed, QStringList{"Ivo Vane"});
    }
    EXPECT_EQ(yes.texts.front(), "Are you sure you want to quit the current game and start a new one?");
    EXPECT_TRUE(yes.texts.contains("Are you sure you want to load a saved career?"));
    EXPECT_EQ(st.career.careerName, "Ivo Vane");
    EXPECT_EQ(st.match.bytGameType, 2);
    EXPECT_EQ(st.view.themeName, "CANADIAN GRAND PRIX");
    frmRosters* again = game.win().career().rosters();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ladder().label[1], groupA);
    EXPECT_TRUE(st.match.blnStopped); // no match until the career starts one
    EXPECT_FALSE(game.find("picNewGame")->isVisible());
}

TEST(Load, LeavingDuringTheFirstMatchAndLoadingAgainKeepsTheDraw)
{
    RunningGame game(23);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    frmRosters* draw = openFirstDraw(game);
    ASSERT_NE(draw, nullptr);
    const auto drawn = st.career.QualifyingDraw;

    // His match in the first round begins; he leaves it before the bull-up.
    bool away = false;
    {
        PressOk ok;
        AtTheBullUp leave(st, [&] {
            away = draw->awayForMatch();
            AutoAnswer yes(QMessageBox::Yes);
            game.win().mnuNewGame_Click();
        });
        QTimer::singleShot(0, draw, [draw] { draw->cmdContinue_Click(); });
        ASSERT_TRUE(waitUntil([&] { return leave.done() && st.match.blnStopped; }, 10000));
    }
    EXPECT_TRUE(away);
    ASSERT_EQ(game.win().career().rosters(), nullptr);

    // Loaded again: the same draw, the first round to be played anew.
    {
        AutoAnswer yes(QMessageBox::Yes);
        LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"));
        game.win().mnuLoadGame_Click();
    }
    ASSERT_NE(game.win().career().rosters(), nullptr);
    for (int slot = 1; slot <= 128; ++slot)
        EXPECT_EQ(upperCase(st.career.QualifyingDraw[slot]), upperCase(drawn[slot])) << slot;
    EXPECT_TRUE(trimSpaces(st.career.QualifyingDraw[129]).empty());
}

// The draw's save fails, and the career is left while the player is told
// (a challenge comes, say): no draw window opens after the box.
TEST(Load, ACareerLeftDuringTheFailedSaveOfItsDrawOpensNoDraw)
{
    RunningGame game(24);
    ASSERT_TRUE(game.app);
    createCareer(game);
    const QString car = game.data.filePath("Ivo Vane.car");
    QFile::remove(car);
    ASSERT_TRUE(QDir(game.data.path()).mkdir(QStringLiteral("Ivo Vane.car")));
    bool told = false;
    QTimer leave;
    QObject::connect(&leave, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->text().startsWith(QStringLiteral("The career could not be saved")))
            return;
        told = true;
        game.win().career().closeAll();
        if (QApplication::activeModalWidget() == box)
            box->button(QMessageBox::Ok)->click();
    });
    leave.start(5);
    EXPECT_EQ(openFirstDraw(game), nullptr);
    EXPECT_TRUE(told);
    EXPECT_EQ(game.win().career().schedule(), nullptr);
    QDir(game.data.path()).rmdir(QStringLiteral("Ivo Vane.car"));
}

TEST(Load, CancelledDeletedAndNoneLeft)
{
    RunningGame game(22);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    createCareer(game, QStringLiteral("Ann"), QStringLiteral("Lee"));
    // A file whose name could point elsewhere is never offered.
    QFile odd(game.data.filePath(".hidden.car"));
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
    odd.close();
    ASSERT_NE(game.win().career().schedule(), nullptr);

    AutoAnswer yes(QMessageBox::Yes);
    {
        LoadAnswer close(LoadAnswer::Do::Close, {});
        game.win().mnuLoadGame_Click();
        EXPECT_EQ(close.listed, (QStringList{"Ann Lee", "Ivo Vane"}));
    }
    // Closed without a choice: the career in play is untouched.
    EXPECT_EQ(st.career.careerName, "Ann Lee");
    EXPECT_NE(game.win().career().schedule(), nullptr);

    {
        LoadAnswer del(LoadAnswer::Do::Delete, QStringLiteral("Ivo Vane"));
        QTimer::singleShot(200, [] {
            if (auto* w = qobject_cast<frmLoad*>(QApplication::activeModalWidget()))
                w->reject();
        });
        game.win().mnuLoadGame_Click();
    }
    EXPECT_TRUE(yes.texts.contains("Are you sure you want to delete the career for Ivo Vane?"));
    EXPECT_FALSE(QFile::exists(game.data.filePath("Ivo Vane.car")));
    QFile::remove(game.data.filePath("Ann Lee.car"));
    {
        AutoAnswer ok(QMessageBox::Ok);
        game.win().mnuLoadGame_Click();
        EXPECT_TRUE(ok.texts.contains("There are no saved careers available."));
    }
    EXPECT_EQ(st.career.careerName, "Ann Lee");
}

TEST(History, TheMenuShowsTheCareersHistory)
{
    RunningGame game(23);
    ASSERT_TRUE(game.app);
    createCareer(game);
    QFile his(game.data.filePath("Ivo Vane.his"));
    ASSERT_TRUE(his.open(QIODevice::WriteOnly));
    his.write("12/06/2004,WORLD MASTERS,ROUND 2,1500,60,10,2\r\n\r\n8/12/26,US ALLCOMERS,DNQ,0,0,0,0\r\n");
    his.close();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<frmHistory*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        shown = true;
        EXPECT_EQ(w->windowTitle(), " IVO VANE - HISTORY");
        auto* list = w->findChild<QListWidget*>(QStringLiteral("lstHistory"));
        ASSERT_EQ(list->count(), 2);
        EXPECT_TRUE(list->item(0)->text().startsWith("12/06/2004    WORLD MASTERS           ROUND 2      75.00"));
        w->accept();
    });
    game.win().career().showHistory();
    EXPECT_TRUE(shown);
}

TEST(Load, DuringAMatchAbandonsItAndNamesStayPlainText)
{
    RunningGame game(41);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    AutoAnswer yes(QMessageBox::Yes);
    game.win().mnuNewGame_Click();
    // An exhibition waits for its bull-up when Load comes.
    st.match.player(1).name = "<b>NIA</b>";
    st.match.player(2).name = "TOMAS VELL";
    st.view.setupVisible = false;
    LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"));
    QTimer::singleShot(50, &game.win(), [&] { game.win().mnuLoadGame_Click(); });
    game.win().startExhibition(false);
    EXPECT_TRUE(st.match.blnStopped);
    EXPECT_FALSE(game.find("picContainer")->isVisible());
    EXPECT_EQ(st.career.careerName, "Ivo Vane");
    EXPECT_NE(game.win().career().schedule(), nullptr);
    // A name is shown as it is spelt, never read as markup.
    auto* name = game.find<QLabel>(QStringLiteral("lblPlayer_1"));
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_EQ(name->text(), "<b>NIA</b>");
}

// The load question answered No; a career picked by a double click; Load and
// Delete pressed with nothing selected; the last career deleted with its
// history, which closes the window.
TEST(Load, NoDoubleClickNothingSelectedAndTheLastCareerDeleted)
{
    RunningGame game(42);
    ASSERT_TRUE(game.app);
    GameState& st = game.st();
    createCareer(game);
    createCareer(game, QStringLiteral("Ann"), QStringLiteral("Lee"));
    QFile his(game.data.filePath("Ivo Vane.his"));
    ASSERT_TRUE(his.open(QIODevice::WriteOnly));
    his.write("1/1/05,CANADIAN GRAND PRIX,DNQ,0,0,0,0\r\n");
    his.close();

    // No: the load window never opens, and Ann's career stays.
    {
        AutoAnswer no(QMessageBox::No);
        LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"));
        game.win().mnuLoadGame_Click();
        EXPECT_EQ(no.texts, QStringList{"Are you sure you want to load a saved career?"});
        EXPECT_TRUE(pick.listed.isEmpty());
    }
    EXPECT_EQ(st.career.careerName, "Ann Lee");

    AutoAnswer yes(QMessageBox::Yes);
    // Nothing selected: Load loads nothing, Delete deletes nothing, whatever
    // item the list's focus is on.
    {
        LoadAnswer pick(LoadAnswer::Do::Load, QStringLiteral("Ivo Vane"), true);
        game.win().mnuLoadGame_Click();
        EXPECT_FALSE(pick.listed.isEmpty());
    }
    EXPECT_EQ(st.career.careerName, "Ann Lee");
    EXPECT_NE(game.win().career().schedule(), nullptr);
    // Closes the load window if it is still open after a while; true when it was.
    auto closeLater = [](QTimer& timer, bool& wasOpen) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&wasOpen] {
            if (auto* w = qobject_cast<frmLoad*>(QApplication::activeModalWidget())) {
                wasOpen = true;
                w->reject();
            }
        });
        timer.start(300);
    };
    {
        LoadAnswer del(LoadAnswer::Do::Delete, QStringLiteral("Ivo Vane"), true);
        QTimer later;
        bool open = false;
        closeLater(later, open);
        game.win().mnuLoadGame_Click();
        EXPECT_TRUE(open);
    }
    EXPECT_FALSE(yes.texts.join('|').contains("delete"));
    EXPECT_TRUE(QFile::exists(game.data.filePath("Ivo Vane.car")));

    // A double click loads the career under it.
    {
        LoadAnswer pick(LoadAnswer::Do::DoubleClick, QStringLiteral("Ivo Vane"));
        game.win().mnuLoadGame_Click();
    }
    EXPECT_EQ(st.career.careerName, "Ivo Vane");

    // Delete takes the career with its history; with the last one gone the
    // player is told and the window closes by itself.
    QFile::remove(game.data.filePath("Ann Lee.car"));
    {
        AutoAnswer ok(QMessageBox::Ok);
        LoadAnswer del(LoadAnswer::Do::Delete, QStringLiteral("Ivo Vane"));
        QTimer later;
        bool open = false;
        closeLater(later, open);
        game.win().mnuLoadGame_Click();
        EXPECT_FALSE(open) << "the window closes by itself";
        EXPECT_TRUE(ok.texts.contains("There are no saved careers available."));
    }
    EXPECT_TRUE(yes.texts.contains("Are you sure you want to delete the career for Ivo Vane?"));
    EXPECT_FALSE(QFile::exists(game.data.filePath("Ivo Vane.car")));
    EXPECT_FALSE(QFile::exists(game.data.filePath("Ivo Vane.his")));
    EXPECT_EQ(st.career.careerName, "Ivo Vane"); // the career in play goes on
}

// The history window under its heading: a date of any locale (Cyrillic
// letters, Arabic digits with their direction marks, Devanagari digits the
// fixed font lacks) and names with accents, precomposed or not, leave every
// column where its heading stands, and a long name is cut between two
// characters.
TEST(History, ColumnsStayUnderTheirHeadingsForAnyDateOrName)
{
    RunningGame game(43);
    ASSERT_TRUE(game.app);
    createCareer(game);
    const QString longName(30, QChar(0xC9)); // É
    const QStringList lines = {
        QStringLiteral("12/06/2004,WORLD MASTERS,ROUND 2,1500,60,10,2"),
        QStringLiteral("12.06.24 г.,ŁÓDŹ OPEN,CHAMPION,300,12,2,1"),
        QString::fromUtf8("\u0661\u0662\u200f/\u0666\u200f/\u0662\u0660\u0662\u0664,ZOE\u0308 CUP,RUNNER-UP,99,3,3,1"),
        QString::fromUtf8("\u0967\u0968/\u096c/\u0968\u096a,WORLD CUP,DNQ,0,0,0,0"),
        QStringLiteral("1/1/05,%1,SEMI-FINALIST,10,3,0,0").arg(longName),
    };
    QFile his(game.data.filePath("Ivo Vane.his"));
    ASSERT_TRUE(his.open(QIODevice::WriteOnly));
    his.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    his.close();

    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<frmHistory*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        shown = true;
        auto* heading = w->findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(heading->text(), "DATE          TOURNAMENT              RESULT       3D AVE    CHK %");
        auto* list = w->findChild<QListWidget*>(QStringLiteral("lstHistory"));
        ASSERT_EQ(list->count(), lines.size());
        EXPECT_EQ(heading->font(), list->font());
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible()) << "every row fits the window";
        for (int i = 0; i < list->count(); ++i)
            EXPECT_FALSE(list->item(i)->text().contains(QChar::ReplacementCharacter)) << i;
        EXPECT_EQ(list->item(4)->text().mid(14, 24), longName.left(24)); // whole characters
        EXPECT_EQ(list->item(2)->text().mid(14, 25 + 9),
                  QString::fromUtf8("ZOE\u0308 CUP") + QString(17, QLatin1Char(' ')) + "RUNNER-UP");

        // Where the words stand as the player sees them: the first ink of
        // each column, in each row and in the heading.
        const QImage image = w->grab().toImage();
        // The first strong ink in an area, against the colour of its line
        // at x = background, where nothing is written.
        auto ink = [&](QRect area, int background) {
            for (int x = area.left(); x < area.right(); ++x)
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    const QColor c = image.pixelColor(x, y);
                    const QColor bg = image.pixelColor(background, y);
                    if (std::abs(c.red() - bg.red()) + std::abs(c.green() - bg.green()) +
                            std::abs(c.blue() - bg.blue()) >
                        200)
                        return x;
                }
            return -1;
        };
        const qreal cell = QFontMetricsF(list->font()).horizontalAdvance(QLatin1Char('M'));
        const QPoint headingAt = heading->mapTo(w, QPoint(0, 0));
        const QRect headingArea(headingAt, heading->size());
        const int headingLeft = ink(headingArea, headingArea.right() - 1);
        ASSERT_GT(headingLeft, 0);
        for (const int column : {14, 38, 51, 61}) {
            const int from = headingLeft + qRound(cell * column) - 1;
            const int expected =
                ink(QRect(from, headingAt.y(), qRound(cell * 2), heading->height()), headingArea.right() - 1);
            ASSERT_GT(expected, 0) << column;
            for (int i = 0; i < list->count(); ++i) {
                const QRect viewport(list->viewport()->mapTo(w, QPoint(0, 0)), list->viewport()->size());
                const QRect row =
                    list->visualItemRect(list->item(i)).translated(viewport.topLeft()).intersected(viewport);
                const int got = ink(QRect(from, row.top() + 1, qRound(cell * 2), row.height() - 2), row.right() - 2);
                EXPECT_NEAR(got, expected, 2) << "column " << column << ", row " << i;
                // Nothing of the column runs in from the left: every date
                // leaves the last cells of its column empty.
                if (column == 14) {
                    const int before = qRound(cell * 2);
                    EXPECT_EQ(ink(QRect(from - before, row.top() + 1, before - 1, row.height() - 2), row.right() - 2),
                              -1)
                        << "row " << i;
                }
            }
        }
        w->accept();
    });
    game.win().career().showHistory();
    EXPECT_TRUE(shown);
}

// A career played through its windows: the player made in the editor, the
// calendar, the structure, the draw, the career player's matches on the
// board, the points and the calendar again.
#include <fstream>
#ifndef _WIN32 // a full disk made with a size limit, and the superuser, are POSIX things
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QFontMetrics>

#include "gui/guihelpers.h"
#include "qt/career/careerwindows.h"
#include "qt/career/frmDisplayRankingPoints.h"
#include "qt/career/frmRosters.h"
#include "qt/career/frmSchedule.h"
#include "qt/career/frmStructure.h"
#include "qt/persistence/frmLoad.h"
#include "qt/persistence/frmPlayerEditor.h"
#include "qt/ui/frmInfo.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"
#include "rules/career/roster.h"
#include "rules/career/rosterrecord.h"
#include "rules/persistence/careerfile.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

QStringList fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

void fillEditor(frmPlayerEditor* e, const QString& first, const QString& second, const QString& nat)
{
    e->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(first);
    e->findChild<QLineEdit*>(QStringLiteral("txtSecondName"))->setText(second);
    e->findChild<QComboBox*>(QStringLiteral("cboNationality"))->setCurrentText(nat);
}

// Makes a career of "Ivo Vane" through the setup panel and the editor; the
// calendar is left open.
void createCareer(RunningGame& game, const QString& first = QStringLiteral("Ivo"),
                  const QString& second = QStringLiteral("Vane"))
{
    for (int option : {3, 1, 1}) // CAREER, SHORT, BEGINNER
        game.win().lblOption_Click(option);
    fillEditor(game.win().career().editor(), first, second, QStringLiteral("ENG"));
    game.win().career().editor()->cmdSave_Click();
}

// Plays the career as a player would, one step per tick: answers what asks,
// throws the career player's darts (nine-darters), presses CONTINUE and OK.
class CareerDriver : public QObject {
public:
    explicit CareerDriver(RunningGame& g, bool pressCalendar = false) : m_g(g), m_pressCalendar(pressCalendar)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }
    QStringList messages; // every message box and overlay text, in order

private:
    void tick()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
            } else if (auto* s = qobject_cast<frmStructure*>(modal)) {
                s->accept();
            } else if (auto* info = qobject_cast<frmInfo*>(modal)) {
                info->close();
            }
            return;
        }
        GameState& st = m_g.st();
        CareerWindows& career = m_g.win().career();
        if (auto* points = career.rankingPoints()) {
            QTimer::singleShot(0, points, [points] { points->close(); });
            return;
        }
        MatchEngine& e = m_g.win().engine();
        if (!st.match.blnStopped) {
            if (st.match.blnBullUp) {
                if (st.match.currentPlayer == 1 && st.match.bytDart == 0 && !st.match.blnBullDartDown)
                    e.ThrowDart(board::kBullUpX, board::kBullUpY + 400);
                return;
            }
            if (st.view.yellowPlayer == 1 && st.match.currentPlayer == 1 && st.match.bytDart < 3) {
                const Point p = *GetCoords(dartFor(st.match.player(1).score - st.match.bytTurnScore));
                e.ThrowDart(p.x, p.y);
            }
            return;
        }
        if (auto* r = career.rosters()) {
            auto* cont = r->findChild<QPushButton*>(QStringLiteral("cmdContinue"));
            if (cont->isEnabled() && !r->awayForMatch())
                QTimer::singleShot(0, r, [r] { r->cmdContinue_Click(); });
        } else if (auto* c = career.schedule(); c && m_pressCalendar && !m_calendarPressed) {
            m_calendarPressed = true;
            ++calendarsSeen;
            QTimer::singleShot(0, c, [this, c] {
                m_calendarPressed = false;
                c->cmdContinue_Click();
            });
        }
    }

    // A quick way home from any score: treble 20s, then down to 40, then the double.
    static std::string dartFor(int left)
    {
        if (left > 100)
            return "T20";
        if (left > 40) {
            const int r = left - 40;
            if (r <= 20)
                return makeBed('S', r);
            if (r % 3 == 0)
                return makeBed('T', r / 3);
            if (r % 2 == 0)
                return makeBed('D', r / 2);
            return "S01";
        }
        return left % 2 == 0 ? makeBed('D', left / 2) : "S01";
    }

    RunningGame& m_g;
    QTimer m_timer;
    bool m_pressCalendar = false;
    bool m_calendarPressed = false;

public:
    int calendarsSeen = 0;
};

} // namespace

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

namespace {

// Answers the load window when it opens: picks a career by name and loads
// it, deletes it, or closes the window.
class LoadAnswer : public QObject {
public:
    enum class Do { Load, Delete, Close };
    LoadAnswer(Do what, QString name) : m_what(what), m_name(std::move(name))
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* w = qobject_cast<frmLoad*>(QApplication::activeModalWidget());
            if (!w || m_done)
                return;
            m_done = true; // once: what follows is up to the test
            auto* list = w->findChild<QListWidget*>(QStringLiteral("lstFiles"));
            listed.clear();
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            const auto found = list->findItems(m_name, Qt::MatchExactly);
            if (!found.isEmpty())
                list->setCurrentItem(found[0]);
            if (m_what == Do::Load)
                w->cmdLoad_Click();
            else if (m_what == Do::Delete)
                w->cmdDelete_Click();
            else
                w->reject();
        });
        m_timer.start();
    }
    QStringList listed;

private:
    Do m_what;
    QString m_name;
    QTimer m_timer;
    bool m_done = false;
};

} // namespace

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

namespace {
// Opens the career's first tournament from the calendar to its draw, the
// structure window closed as soon as it is up.
frmRosters* openFirstDraw(RunningGame& game)
{
    QPointer<frmSchedule> calendar = game.win().career().schedule();
    if (!calendar)
        return nullptr;
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [] {
        if (auto* s = qobject_cast<frmStructure*>(QApplication::activeModalWidget()))
            s->accept();
    });
    accept.start(5);
    calendar->cmdContinue_Click();
    return game.win().career().rosters();
}

// Presses OK in every message box that comes up (the length of a match).
class PressOk : public QObject {
public:
    PressOk()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (auto* ok = box->button(QMessageBox::Ok))
                    ok->click();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};
} // namespace

// Runs `act` once from inside the event loop, as soon as the career
// player's match waits for its bull-up (the match itself runs inside the
// event loop, so a test cannot wait for it from outside).
class AtTheBullUp : public QObject {
public:
    AtTheBullUp(GameState& st, std::function<void()> act) : m_st(st), m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_done || m_st.match.blnStopped || !m_st.match.blnBullUp || QApplication::activeModalWidget())
                return;
            m_done = true;
            m_act();
        });
        m_timer.start(5);
    }
    bool done() const { return m_done; }

private:
    GameState& m_st;
    std::function<void()> m_act;
    QTimer m_timer;
    bool m_done = false;
};

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
    std::unique_ptr<CareerDriver> driver;
    {
        PressOk ok;
        AtTheBullUp boss(st, [&] {
            // Nothing of the draw covers the board while he plays.
            hidden = draw->isHidden();
            away = draw->awayForMatch();
            same = game.win().career().rosters() == draw;
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

// Starts the game, plays a few darts, starts a career and saves pictures of
// the main window, the career calendar and the draw, to look at the game as
// a player sees it (tools/readme-pictures.sh makes the README's pictures).
// Offscreen unless there is a display (run it under xvfb-run for that).
//   vantorelle_shot OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "qt/app/frmDarts.h"
#include "qt/app/startup.h"
#include "rules/match/board.h"
#include "qt/setup/frmNewGame.h"
#include "qt/setup/frmPlayers.h"
#include "qt/app/pause.h"
#include "qt/career/careerwindows.h"
#include "qt/career/frmRosters.h"
#include "qt/career/frmSchedule.h"
#include "qt/persistence/frmPlayerEditor.h"
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

using namespace vantorelle;

namespace {
// Lets the windows lay themselves out and paint.
void settle()
{
    for (int i = 0; i < 5; ++i)
        qtPause(0.02);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StartOptions o = optionsFromEnvironment();
    o.timeScale = 0;
    o.seed = 3;
    StartResult r = startVantorelle(o);
    if (!r.app) {
        qWarning("%s", qPrintable(r.error));
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    r.app->title->grab().save(out.filePath("title.png"));
    QCoreApplication::processEvents();
    frmDarts& w = *r.app->main;
    GameState& st = r.app->state;
    w.resize(1100, 760);
    w.grab().save(out.filePath("start.png"));
    // Every page of the setup panel at the smallest window.
    w.resize(w.minimumSize());
    settle();
    w.grab().save(out.filePath("setup-first-small.png"));
    for (int page : {2, 3}) {
        w.backToStartMenu();
        w.setupMenu().click(page);
        w.refresh();
        settle();
        w.grab().save(out.filePath(QStringLiteral("setup-%1-small.png").arg(page)));
        if (page == 3) {
            w.setupMenu().click(1);
            w.refresh();
            settle();
            w.grab().save(out.filePath(QStringLiteral("setup-difficulty-small.png")));
        }
    }
    w.backToStartMenu();
    w.resize(1100, 760);
    settle();
    w.setupMenu().click(2);
    w.refresh();
    w.grab().save(out.filePath("players-page.png"));
    {
        frmPlayers players(st, 1, &w);
        players.show();
        players.grab().save(out.filePath("players-dialog.png"));
    }
    st.view.setupVisible = false;

    st.match.player(1).name = "NIA QUARRELL";
    st.match.player(2).name = "TOMAS VELL";
    st.settings.soundOn = false;
    st.match.blnStopped = false;
    st.view.scoreboardVisible = true;
    st.match.currentPlayer = 1;
    st.view.yellowPlayer = 1;
    st.match.player(1).score = 261;
    st.match.player(2).score = 140;
    st.match.player(1).legs = 1;
    st.view.dartInHand = {true, true, true, false, false, false};
    auto& e = w.engine();
    e.comment("Nia Quarrell to the oche.");
    e.ThrowDart(2580, 1425);
    e.ThrowDart(2620, 1440); // into the first one
    w.refresh();
    w.grab().save(out.filePath("two-darts.png"));

    e.boardMouseDown(1, 2595, 1200);
    for (int i = 0; i < 8; ++i)
        e.aimTick();
    w.refresh();
    w.grab().save(out.filePath("aiming.png"));

    // A Cricket game in progress.
    st.view.aim.clear();
    st.view.cricketBoardShown = true;
    st.match.cricketMarks[1] = {"O", "X", "\\", "", "O", "", "X"};
    st.match.cricketMarks[2] = {"O", "O", "", "X", "", "", ""};
    st.match.player(1).score = 57;
    st.match.player(2).score = 38;
    st.match.bytDart = 0;
    w.clearBoard();
    e.comment("Dart 2 hits T19");
    w.refresh();
    w.grab().save(out.filePath("cricket.png"));
    // A career match in a tournament's colours, flags beside the names.
    st.view.cricketBoardShown = false;
    st.match.player(1).score = 261;
    st.match.player(2).score = 140;
    st.view.flag = {"", "flags/sco.gif", "flags/ned.gif"};
    w.ChangeTheme("EM");
    w.refresh();
    w.grab().save(out.filePath("themed.png"));
    // The same at the smallest window, a wide one and a 4K screen, with a long name.
    st.match.player(1).name = "BARTHOLOMEW KINGSBOROUGH-VANTERPOOL";
    st.match.player(1).legs = 2;
    st.match.player(1).sets = 1;
    w.refresh();
    for (const QSize size : {w.minimumSize(), QSize(1920, 1080), QSize(2560, 1080), QSize(3840, 2160)}) {
        w.resize(size);
        settle();
        w.grab().save(out.filePath(QStringLiteral("match-%1x%2.png").arg(size.width()).arg(size.height())));
    }
    w.resize(1100, 760);
    st.match.player(1).name = "NIA QUARRELL";

    // A new career: its calendar, then the first tournament's draw.
    w.backToStartMenu();
    st.match.blnStopped = true;
    st.view.flag = {};
    for (int option : {3, 1, 1}) // CAREER, SHORT, BEGINNER
        w.lblOption_Click(option);
    frmPlayerEditor* editor = w.career().editor();
    if (!editor)
        return 1;
    editor->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("Ivo"));
    editor->findChild<QLineEdit*>(QStringLiteral("txtSecondName"))->setText(QStringLiteral("Vane"));
    editor->findChild<QComboBox*>(QStringLiteral("cboNationality"))->setCurrentText(QStringLiteral("WAL"));
    editor->cmdSave_Click();
    frmSchedule* calendar = w.career().schedule();
    if (!calendar)
        return 1;
    settle();
    calendar->grab().save(out.filePath("calendar.png"));
    // The tournament's structure is shown first; it is closed as soon as it is up.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            d->accept();
    });
    closer.start();
    QTimer::singleShot(0, calendar, [calendar] { calendar->cmdContinue_Click(); });
    for (int i = 0; i < 500 && !w.career().rosters(); ++i)
        qtPause(0.01);
    closer.stop();
    frmRosters* draw = w.career().rosters();
    if (!draw)
        return 1;
    settle();
    draw->grab().save(out.filePath("draw.png"));
    st.flags.quitting = true;
    return 0;
}

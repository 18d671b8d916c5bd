// Development aid: starts the game offscreen, plays a few darts and saves
// pictures of the main window, to look at the board as a player sees it.
//   vantorelle_shot OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "qt/app/frmDarts.h"
#include "qt/app/startup.h"
#include "rules/match/board.h"
#include "qt/setup/frmNewGame.h"
#include "qt/setup/frmPlayers.h"

using namespace vantorelle;

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
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
    st.flags.quitting = true;
    return 0;
}

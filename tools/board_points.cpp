// Where things are on the main window at its first size: the setup panel's
// options and the given beds of the board, in the window's own pixels. The
// end-to-end test clicks there on the real program.
//   vantorelle_points [BED ...]      e.g. vantorelle_points T20 D02 S50
// prints "option1 X Y" .. "option4 X Y", the menu bar's entries ("mnuNew X Y"),
// "board LEFT TOP RIGHT BOTTOM", then "BED X Y" for each bed.
#include <QApplication>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <cstdio>

#include "qt/app/frmDarts.h"
#include "qt/app/startup.h"
#include "qt/match/boardwidget.h"
#include "rules/match/board.h"

using namespace vantorelle;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StartOptions o = optionsFromEnvironment();
    o.timeScale = 0;
    StartResult r = startVantorelle(o);
    if (!r.app) {
        std::fprintf(stderr, "%s\n", qPrintable(r.error));
        return 1;
    }
    frmDarts& w = *r.app->main;
    w.show();
    QCoreApplication::processEvents();
    for (int i = 1; i <= 4; ++i) {
        auto* label = w.findChild<QLabel*>(QStringLiteral("lblOption%1").arg(i));
        if (!label)
            return 1;
        const QPoint c = label->mapTo(&w, label->rect().center());
        std::printf("option%d %d %d\n", i, c.x(), c.y());
    }
    // The menu bar's entries, by their names ("mnuNetwork 470 11").
    for (QAction* a : w.menuBar()->actions()) {
        if (a->objectName().isEmpty())
            continue;
        const QRect g = w.menuBar()->actionGeometry(a);
        const QPoint c = w.menuBar()->mapTo(&w, g.center());
        std::printf("%s %d %d\n", qPrintable(a->objectName()), c.x(), c.y());
    }
    // The board's own square, left top right bottom.
    BoardWidget* board = w.board();
    const QRect b(board->mapTo(&w, QPoint(0, 0)), board->size());
    std::printf("board %d %d %d %d\n", b.left(), b.top(), b.right(), b.bottom());
    for (int i = 1; i < argc; ++i) {
        const auto p = GetCoords(argv[i]);
        if (!p) {
            std::fprintf(stderr, "no bed %s\n", argv[i]);
            return 1;
        }
        const QPoint at = board->mapTo(&w, board->toPixels(p->x, p->y));
        std::printf("%s %d %d\n", argv[i], at.x(), at.y());
    }
    r.app->state.flags.quitting = true;
    return 0;
}

// The main window's scoreboard and the look of the window around the board:
// where everything stands at any size, the tournament's colours and logo,
// and the scoreboard shown from the match state.
#include <QAction>
#include <QFrame>
#include <QMenuBar>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>

#include "qt/app/frmDarts.h"
#include "qt/app/mainlabels.h"
#include "qt/app/matchinfo.h"
#include "qt/records/recordkeeper.h"
#include "qt/cricket/picCricket.h"
#include "qt/match/boardwidget.h"
#include "qt/setup/picNewGame.h"
#include "qt/ui/gradient.h"
#include "qt/ui/pictures.h"
#include "rules/app/gamestate.h"
#include "rules/app/theme.h"
#include "rules/practice/practiceboard.h"
#include "rules/records/scoreboard.h"

namespace vantorelle {

void frmDarts::buildScoreboard()
{
    m_picContainer = new QWidget(centralWidget());
    m_picContainer->setObjectName(QStringLiteral("picContainer"));
    m_picContainer->setStyleSheet(QStringLiteral("#picContainer { background: rgba(20,20,28,200); border: 2px solid "
                                                 "rgb(90,90,110); border-radius: 8px; }"));
    auto* grid = new QGridLayout(m_picContainer);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setVerticalSpacing(4);
    const QString grey = QStringLiteral("rgb(170,170,190)");
    m_lblFormat = makeLabel(m_picContainer, QStringLiteral("lblFormat"), 9, grey, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_lblFormat, 0, 0, 1, 3);
    for (int p = 1; p <= 2; ++p) {
        int row = 1 + (p - 1) * 5;
        auto i = static_cast<std::size_t>(p);
        m_lblPlayer[i] = makeLabel(m_picContainer, QStringLiteral("lblPlayer_%1").arg(p), 15, kWhite,
                                   Qt::AlignLeft | Qt::AlignVCenter);
        m_imgFlag[i] = new QLabel(m_picContainer);
        m_imgFlag[i]->setObjectName(QStringLiteral("imgFlag_%1").arg(p));
        m_imgFlag[i]->setFixedSize(36, 24);
        m_imgFlag[i]->hide();
        m_lblScore[i] = makeLabel(m_picContainer, QStringLiteral("lblScore_%1").arg(p), 40, kWhite, Qt::AlignLeft);
        m_lblLegs[i] = makeLabel(m_picContainer, QStringLiteral("lblLegs_%1").arg(p), 20, kWhite, Qt::AlignCenter);
        m_lblSets[i] = makeLabel(m_picContainer, QStringLiteral("lblSets_%1").arg(p), 20, kWhite, Qt::AlignCenter);
        auto* nameRow = new QHBoxLayout;
        nameRow->setSpacing(8);
        nameRow->addWidget(m_imgFlag[i]);
        nameRow->addWidget(m_lblPlayer[i], 1);
        grid->addLayout(nameRow, row, 0, 1, 3);
        m_lblInfo[i] = makeLabel(m_picContainer, QStringLiteral("lblInfo_%1").arg(p), 9, grey,
                                 Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(m_lblInfo[i], row + 1, 0, 1, 3);
        ++row;
        auto* legs = makeLabel(m_picContainer, QStringLiteral("lblLegsHead_%1").arg(p), 9, grey, Qt::AlignCenter);
        legs->setText(QStringLiteral("LEGS"));
        auto* sets = makeLabel(m_picContainer, QStringLiteral("lblSetsHead_%1").arg(p), 9, grey, Qt::AlignCenter);
        sets->setText(QStringLiteral("SETS"));
        m_lblLegsHead[i] = legs;
        m_lblSetsHead[i] = sets;
        grid->addWidget(m_lblScore[i], row + 1, 0, 2, 1);
        grid->addWidget(legs, row + 1, 1);
        grid->addWidget(sets, row + 1, 2);
        grid->addWidget(m_lblLegs[i], row + 2, 1);
        grid->addWidget(m_lblSets[i], row + 2, 2);
        if (p == 1) {
            auto* line = new QFrame(m_picContainer);
            line->setObjectName(QStringLiteral("Line1"));
            line->setFrameShape(QFrame::HLine);
            line->setStyleSheet(QStringLiteral("color: rgb(90,90,110);"));
            grid->addWidget(line, row + 3, 0, 1, 3);
        }
    }
    grid->setColumnStretch(0, 1);
    m_visit = new VisitPanel(centralWidget());
    m_visit->hide();
    m_summary = new SummaryPanel(centralWidget());
    m_summary->setAttribute(Qt::WA_TransparentForMouseEvents); // the board takes its clicks
}

void frmDarts::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    undoDisguise();
    layoutControls();
}

void frmDarts::layoutControls()
{
    auto* bg = centralWidget();
    const int w = bg->width(), h = bg->height();
    const int commentH = qMax(44, h / 12);
    const int margin = 10;
    const int boardSide = qMax(100, qMin(h - commentH - 2 * margin, w * 62 / 100));
    // Everything beside the board keeps its proportions to it: at the first
    // size of the window the scale is 1, and text grows and shrinks with it.
    const double s = boardSide / kDesignBoardSide;
    scaleFonts(bg, s);
    const int panelW = qMin(qRound(376 * s), qMax(220, w - boardSide - 3 * margin));
    const int left = qMax(margin, (w - boardSide - panelW - margin) / 2);
    const int top = qMax(margin, (h - commentH - boardSide) / 2);
    m_board->setGeometry(left, top, boardSide, boardSide);

    // The right-hand column: the tournament's logo and name at its top and
    // foot, the scoreboard and the Cricket boards between them.
    const int colX = left + boardSide + margin;
    const int logo = qMax(40, boardSide / 7);
    const bool themed = !m_st.view.themeCode.empty();
    const int panelH = qMin(boardSide, qRound(340 * s));
    // Below the scoreboard, the visit being thrown (x01).
    const bool visit = !m_st.view.cricketBoardShown;
    const int visitH = visit ? qRound(84 * s) : 0;
    int areaTop = top, areaH = boardSide;
    const int cricketWanted = m_st.view.cricketBoardShown ? qRound(120 * s) + margin : visitH + margin;
    const bool header = themed && boardSide - panelH - cricketWanted >= logo + margin;
    const bool footer = header && boardSide - panelH - cricketWanted >= 2 * (logo + margin);
    for (int i = 0; i < 2; ++i) {
        auto idx = static_cast<std::size_t>(i);
        const bool shown = i == 0 ? header : footer;
        const int y = i == 0 ? top : top + boardSide - logo;
        m_image[idx]->setGeometry(colX, y, logo, logo);
        m_lblTourn[idx]->setGeometry(colX + logo + margin, y, qMax(0, panelW - logo - margin), logo);
        m_image[idx]->setVisible(shown);
        m_lblTourn[idx]->setVisible(shown);
        if (shown) {
            m_image[idx]->setPixmap(logoPixmap(m_st.appFolder, QString::fromStdString(m_st.view.themeCode), {logo, logo},
                                               devicePixelRatioF()));
        }
    }
    if (header) {
        areaTop += logo + margin;
        areaH -= logo + margin;
    }
    if (footer)
        areaH -= logo + margin;
    const int cricketH = qMin(areaH - panelH - margin, qRound(250 * s));
    const bool cricket = m_st.view.cricketBoardShown && cricketH > qRound(120 * s);
    const int below = cricket ? cricketH + margin : (visit ? visitH + margin : 0);
    const int panelTop = areaTop + qMax(0, (areaH - panelH - below) / 2);
    if (auto* grid = m_picContainer->layout())
        grid->setContentsMargins(qRound(16 * s), qRound(12 * s), qRound(16 * s), qRound(12 * s));
    for (std::size_t p = 1; p <= 2; ++p)
        m_imgFlag[p]->setFixedSize(qRound(36 * s), qRound(24 * s));
    m_picContainer->setGeometry(colX, panelTop, panelW, panelH);
    const int cw = (panelW - margin) / 2;
    for (int p = 1; p <= 2; ++p)
        m_picCricket[static_cast<std::size_t>(p)]->setGeometry(colX + (p - 1) * (cw + margin), panelTop + panelH + margin,
                                                               cw, cricketH);
    m_visit->setGeometry(colX, panelTop + panelH + margin, panelW, visitH);
    // The figures of a leg or a match over the lower half of the board.
    const int sw = boardSide * 3 / 4, sh = qMin(boardSide / 2, qRound(250 * s));
    m_summary->setGeometry(left + (boardSide - sw) / 2, top + boardSide - sh - boardSide / 8, sw, sh);
    m_lblComments->setGeometry(margin, h - commentH - margin / 2, w - 2 * margin, commentH);
    QFont commentFont = m_lblComments->font();
    commentFont.setPointSizeF(16.0 * commentH / 58.0);
    m_lblComments->setFont(commentFont);

    // The setup panel sits in the middle of the board.
    const int pw = qMin(qRound(460 * s), boardSide * 3 / 4), ph = qMin(qRound(330 * s), boardSide * 3 / 4);
    m_picNewGame->setGeometry(left + (boardSide - pw) / 2, top + (boardSide - ph) / 2, pw, ph);
    m_picNewGame->setScale(s);

    // Darts in hand in the free corners below the number ring: player 1 on
    // the left, player 2 on the right.
    const int dh = boardSide / 9;
    for (int i = 0; i < 6; ++i) {
        const int k = i % 3;
        const int x = i < 3 ? k * dh * 2 / 5 + 4 : boardSide - dh - 4 - k * dh * 2 / 5;
        m_picDart[static_cast<std::size_t>(i)]->setGeometry(x, boardSide - dh - 4, dh, dh);
    }
    refreshFlags();
}

void frmDarts::ChangeTheme(const std::string& code)
{
    const auto theme = themeFor(code);
    if (!theme)
        return;
    DoMainColour(theme->colour);
    m_st.view.themeCode = theme->code;
    m_st.view.themeName = theme->name;
    layoutControls();
    refresh();
}

void frmDarts::DoMainColour(Rgb colour)
{
    if (!isNoColour(colour))
        m_st.view.mainColour = colour;
    const Rgb c = m_st.view.mainColour;
    const QString css = QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
    // The dark look keeps the panels' own grey frame.
    const QString frame = c.r + c.g + c.b > 3 ? css : QStringLiteral("rgb(90,90,110)");
    m_picContainer->setStyleSheet(QStringLiteral("#picContainer { background: rgba(20,20,28,200); border: 2px solid "
                                                 "%1; border-radius: 8px; }")
                                      .arg(frame));
    // The line between the players is drawn in the frame's colour too.
    if (auto* line = m_picContainer->findChild<QFrame*>(QStringLiteral("Line1")))
        line->setStyleSheet(QStringLiteral("color: %1;").arg(frame));
    for (int p = 1; p <= 2; ++p)
        m_picCricket[static_cast<std::size_t>(p)]->setFrameColour(QColor(c.r, c.g, c.b));
    centralWidget()->update();
}

void frmDarts::refresh()
{
    for (int p = 1; p <= 2; ++p) {
        auto i = static_cast<std::size_t>(p);
        const auto& pl = m_st.match.player(p);
        m_lblPlayer[i]->setText(QString::fromStdString(pl.name));
        m_lblPlayer[i]->setStyleSheet(QStringLiteral("color: %1;").arg(m_st.view.yellowPlayer == p ? kYellow : kWhite));
        m_lblScore[i]->setText(QString::number(pl.score));
        m_lblLegs[i]->setText(QString::number(pl.legs));
        m_lblSets[i]->setText(QString::number(pl.sets));
        m_lblLegsHead[i]->setText(QStringLiteral("LEGS"));
        m_lblSetsHead[i]->setText(QStringLiteral("SETS"));
    }
    refreshFlags();
    for (auto* name : m_lblTourn)
        name->setText(QString::fromStdString(m_st.view.themeName));
    m_picContainer->setVisible(m_st.view.scoreboardVisible);
    if (const PracticeSession* session = m_engine.practice())
        refreshPractice(*session);
    else
        refreshMatchInfo();
    if (auto* undo = menuBar()->findChild<QAction*>(QStringLiteral("mnuUndo")))
        undo->setEnabled(m_engine.canUndo());
    for (int p = 1; p <= 2; ++p) {
        auto* board = m_picCricket[static_cast<std::size_t>(p)];
        board->show(m_st.match.cricketMarks[static_cast<std::size_t>(p)]);
        if (board->isHidden() == m_st.view.cricketBoardShown) {
            board->setVisible(m_st.view.cricketBoardShown);
            layoutControls();
        }
    }
    for (std::size_t i = 0; i < 6; ++i)
        m_picDart[i]->setVisible(m_st.view.dartInHand[i]);
    m_lblComments->setText(QString::fromStdString(m_st.view.comments));
    m_picNewGame->show(m_st.view.setupHeading, m_st.view.setupOption);
    m_picNewGame->setVisible(m_st.view.setupVisible);
    if (m_st.view.setupVisible)
        m_picNewGame->raise();
    m_board->update();
}

void frmDarts::refreshMatchInfo()
{
    const MatchState& m = m_st.match;
    const records::MatchRecorder& rec = m_records->recorder();
    const bool on = m_st.view.scoreboardVisible;
    m_lblFormat->setText(on ? QString::fromStdString(records::formatWords(m.cricket ? "CRICKET" : std::to_string(m.intStartScore),
                                                                           m.bytSetstoWin, m.bytLegsToWin))
                            : QString());
    const bool recorded = rec.recording() || !rec.turns().empty();
    for (int p = 1; p <= 2; ++p) {
        std::string line;
        // In a career, each player's nationality and world rank.
        if (m.bytGameType == 2)
            line = m.tag[static_cast<std::size_t>(p)];
        if (recorded) {
            const std::string figures = records::playerLine(rec.match(), rec.turns(), p, m.player(p).legDarts);
            line += (line.empty() || figures.empty() ? "" : " \xC2\xB7 ") + figures;
        }
        m_lblInfo[static_cast<std::size_t>(p)]->setText(on ? QString::fromStdString(line) : QString());
    }
    const bool x01 = !m.cricket;
    m_visit->setVisible(on && x01 && !m_st.view.cricketBoardShown);
    if (!m_visit->isVisible())
        return;
    const records::ShownVisit visit = records::shownVisit(rec, true);
    QString route;
    const int p = m.currentPlayer;
    if (!m.blnStopped && !m.blnBullUp && m_st.view.yellowPlayer == p && m.bytDart < 3)
        route = QString::fromStdString(
            records::checkoutRoute(m.player(p).score - m.bytTurnScore, 3 - m.bytDart));
    m_visit->show(visit.player ? QString::fromStdString(m.player(visit.player).name) : QString(), visit.darts, route);
}

void frmDarts::refreshPractice(const PracticeSession& session)
{
    const PracticeBoard b = practiceBoard(session, m_engine.practiceBest());
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    m_lblFormat->setText(text(b.format));
    m_lblScore[1]->setText(text(b.figure));
    m_lblInfo[1]->setText(text(b.info));
    m_lblLegsHead[1]->setText(text(b.heads[0]));
    m_lblSetsHead[1]->setText(text(b.heads[1]));
    m_lblLegs[1]->setText(text(b.values[0]));
    m_lblSets[1]->setText(text(b.values[1]));
    m_lblPlayer[2]->setText(text(b.bestName));
    m_lblScore[2]->setText(text(b.bestFigure));
    m_lblInfo[2]->setText(text(b.bestInfo));
    for (QLabel* blank : {m_lblLegsHead[2], m_lblSetsHead[2], m_lblLegs[2], m_lblSets[2]})
        blank->clear();
    // The visit panel shows the turn being thrown, else the last one; in
    // 121 the way out too.
    const records::MatchRecorder& rec = m_records->recorder();
    const std::vector<std::string> darts = records::shownVisit(rec, false).darts;
    QString route;
    if (session.playing() && session.choice().game == PracticeGame::Checkout121)
        route = text(records::checkoutRoute(session.remaining(), 3 - session.dartsThrownInTurn()));
    m_visit->setVisible(m_st.view.scoreboardVisible);
    m_visit->show(text(m_st.match.player(1).name), darts, route);
}

void frmDarts::legWon(int winner, bool matchOver)
{
    // The leg's figures (or the match's), beside the calls, without stopping them.
    const records::MatchRecorder& rec = m_records->recorder();
    if (rec.turns().empty() || m_st.match.cricket)
        return;
    const int leg = matchOver ? 0 : rec.turns().back().key.leg;
    std::vector<std::pair<QString, std::array<QString, 2>>> rows;
    for (const auto& r : records::summary(rec.match(), rec.turns(), leg))
        rows.push_back({QString::fromStdString(r.what),
                        {QString::fromStdString(r.value[0]), QString::fromStdString(r.value[1])}});
    const QString heading = matchOver ? QStringLiteral("THE MATCH")
                                      : QStringLiteral("LEG %1 TO %2").arg(leg).arg(QString::fromStdString(m_st.match.player(winner).name));
    m_summary->showFor(heading,
                       {QString::fromStdString(m_st.match.player(1).name), QString::fromStdString(m_st.match.player(2).name)},
                       rows, 8 * m_timeScale);
}

void frmDarts::refreshFlags()
{
    for (int p = 1; p <= 2; ++p) {
        auto* flag = m_imgFlag[static_cast<std::size_t>(p)];
        const std::string& picture = m_st.view.flag[static_cast<std::size_t>(p)];
        flag->setVisible(!picture.empty());
        // The picture is drawn again when the flag or its size changes.
        const QString key = QStringLiteral("%1@%2x%3")
                                .arg(QString::fromStdString(picture))
                                .arg(flag->width())
                                .arg(flag->height());
        if (!picture.empty() && flag->property("picture").toString() != key) {
            flag->setPixmap(folderPicture(m_st.appFolder, picture, flag->size(), devicePixelRatioF()));
            flag->setProperty("picture", key);
        }
    }
}

} // namespace vantorelle

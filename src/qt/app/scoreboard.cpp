// The main window's scoreboard and the look of the window around the board:
// where everything stands at any size, the tournament's colours and logo,
// and the scoreboard shown from the match state.
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>

#include "qt/app/frmDarts.h"
#include "qt/app/mainlabels.h"
#include "qt/cricket/picCricket.h"
#include "qt/match/boardwidget.h"
#include "qt/setup/picNewGame.h"
#include "qt/ui/gradient.h"
#include "qt/ui/pictures.h"
#include "rules/app/gamestate.h"
#include "rules/app/theme.h"

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
    for (int p = 1; p <= 2; ++p) {
        const int row = (p - 1) * 4;
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
        grid->addWidget(m_lblScore[i], row + 1, 0, 2, 1);
        auto* legs = makeLabel(m_picContainer, {}, 9, grey, Qt::AlignCenter);
        legs->setText(QStringLiteral("LEGS"));
        auto* sets = makeLabel(m_picContainer, {}, 9, grey, Qt::AlignCenter);
        sets->setText(QStringLiteral("SETS"));
        grid->addWidget(legs, row + 1, 1);
        grid->addWidget(sets, row + 1, 2);
        grid->addWidget(m_lblLegs[i], row + 2, 1);
        grid->addWidget(m_lblSets[i], row + 2, 2);
        if (p == 1) {
            auto* line = new QFrame(m_picContainer);
            line->setObjectName(QStringLiteral("Line1"));
            line->setFrameShape(QFrame::HLine);
            line->setStyleSheet(QStringLiteral("color: rgb(90,90,110);"));
            grid->addWidget(line, 3, 0, 1, 3);
        }
    }
    grid->setColumnStretch(0, 1);
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
    const int panelH = qMin(boardSide, qRound(300 * s));
    int areaTop = top, areaH = boardSide;
    const int cricketWanted = m_st.view.cricketBoardShown ? qRound(120 * s) + margin : 0;
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
    const int panelTop = areaTop + (areaH - panelH - (cricket ? cricketH + margin : 0)) / 2;
    if (auto* grid = m_picContainer->layout())
        grid->setContentsMargins(qRound(16 * s), qRound(12 * s), qRound(16 * s), qRound(12 * s));
    for (std::size_t p = 1; p <= 2; ++p)
        m_imgFlag[p]->setFixedSize(qRound(36 * s), qRound(24 * s));
    m_picContainer->setGeometry(colX, panelTop, panelW, panelH);
    const int cw = (panelW - margin) / 2;
    for (int p = 1; p <= 2; ++p)
        m_picCricket[static_cast<std::size_t>(p)]->setGeometry(colX + (p - 1) * (cw + margin), panelTop + panelH + margin,
                                                               cw, cricketH);
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
    }
    refreshFlags();
    for (auto* name : m_lblTourn)
        name->setText(QString::fromStdString(m_st.view.themeName));
    m_picContainer->setVisible(m_st.view.scoreboardVisible);
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

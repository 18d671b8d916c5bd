#include "qt/career/frmRosters.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/app/frmDarts.h"
#include "qt/app/settings.h"
#include "qt/career/careerwindows.h"
#include "qt/ui/disguise.h"
#include "rules/app/gamestate.h"
#include "rules/career/roster.h"

namespace vantorelle {

namespace {

// Where ladder label n stands: its column (0..9, the final in the middle),
// its first row of 32 and how many rows it spans.
struct Place {
    int column, row, span;
};
Place placeOf(int label)
{
    // Each half is rounds of 16, 8, 4, 2 and 1 names, from the outside in.
    static constexpr int kStart[] = {1, 17, 25, 29, 31};
    const bool right = label >= 32;
    const int n = right ? label - 31 : label;
    int round = 0;
    for (int r = 4; r >= 0; --r)
        if (n >= kStart[r]) {
            round = r;
            break;
        }
    const int k = n - kStart[round];
    const int span = 2 << round;
    return {right ? 9 - round : round, k * span, span};
}

} // namespace

frmRosters::frmRosters(CareerWindows& career, QWidget* parent)
    : ThemedDialog(career.state().view.mainColour, parent), m_career(career), m_rs(OpenRosters(career.state().career))
{
    setObjectName(QStringLiteral("frmRosters"));
    setWindowTitle(QStringLiteral(" TOURNAMENT"));
    setModal(false);
    auto* box = new QVBoxLayout(this);
    m_lblTournament = new QLabel(this);
    m_lblTournament->setTextFormat(Qt::PlainText);
    m_lblTournament->setObjectName(QStringLiteral("lblTournament"));
    m_lblTournament->setFont(QFont(QStringLiteral("DejaVu Sans"), 15, QFont::Bold));
    m_lblTournament->setAlignment(Qt::AlignCenter);
    box->addWidget(m_lblTournament);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(10);
    for (int n = 1; n <= Ladder::kLabels; ++n) {
        auto* l = new QLabel(this);
        l->setTextFormat(Qt::PlainText); // a name is shown as it is spelt, never as markup
        l->setObjectName(QStringLiteral("lblLadder_%1").arg(n));
        l->setFont(nameFont);
        l->setMinimumWidth(96);
        l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgba(0,0,0,110); border-radius: 3px; "
                                        "padding: 1px 3px; }"));
        const Place p = placeOf(n);
        grid->addWidget(l, p.row, p.column, p.span, 1, Qt::AlignVCenter);
        m_lblLadder[static_cast<std::size_t>(n)] = l;
    }
    box->addLayout(grid, 1);

    auto* row = new QHBoxLayout;
    auto add = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    for (char g : {'A', 'B', 'C', 'D'}) {
        auto* b = add(QStringLiteral("cmd%1").arg(QLatin1Char(g)), QString(QLatin1Char(g)));
        b->setFixedWidth(36);
        connect(b, &QPushButton::clicked, this, [this, g] { DisplayGroup(g); });
    }
    m_cmdE = add(QStringLiteral("cmdE"), QStringLiteral("Eliminator"));
    connect(m_cmdE, &QPushButton::clicked, this, &frmRosters::DisplayEliminator);
    auto* f = add(QStringLiteral("cmdF"), QStringLiteral("Final 32"));
    connect(f, &QPushButton::clicked, this, &frmRosters::DisplayFinal32);
    row->addStretch(1);
    m_cmdContinue = add(QStringLiteral("cmdContinue"), QStringLiteral("CONTINUE"));
    m_cmdContinue->setDefault(true); // Return plays the next round
    connect(m_cmdContinue, &QPushButton::clicked, this, &frmRosters::cmdContinue_Click);
    box->addLayout(row);
    m_cmdE->setEnabled(eliminatorEnabled(career.state().career.tournamentNo));

    m_tmrHuman = new QTimer(this);
    m_tmrHuman->setObjectName(QStringLiteral("tmrHuman"));
    m_tmrHuman->setInterval(100);
    connect(m_tmrHuman, &QTimer::timeout, this, &frmRosters::tmrHuman_Timer);
    showLadder(Ladder{}); // every label empty until a view is chosen
    resize(1260, 660);
}

void frmRosters::showLadder(const Ladder& ladder)
{
    m_ladder = ladder;
    m_lblTournament->setText(QString::fromStdString(ladder.title));
    for (int n = 1; n <= Ladder::kLabels; ++n) {
        auto* l = m_lblLadder[static_cast<std::size_t>(n)];
        l->setText(QString::fromStdString(ladder.label[static_cast<std::size_t>(n)]));
        // A hidden label keeps its place, so the ladder does not jump about.
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
        l->setVisible(ladder.visible[static_cast<std::size_t>(n)]);
    }
    fitNames();
}

void frmRosters::fitNames()
{
    for (int n = 1; n <= Ladder::kLabels; ++n) {
        QLabel* l = m_lblLadder[static_cast<std::size_t>(n)];
        // The names grow with the window; a long one is set smaller until it
        // fits its box, never cut.
        const int room = l->width() - 8;
        QFont f = l->font();
        f.setPixelSize(qBound(10, l->width() / 12, 16));
        while (f.pixelSize() > 7 && QFontMetrics(f).horizontalAdvance(l->text()) > room)
            f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
    }
}

void frmRosters::resizeEvent(QResizeEvent* e)
{
    ThemedDialog::resizeEvent(e);
    fitNames();
}

void frmRosters::DisplayGroup(char group)
{
    showLadder(vantorelle::DisplayGroup(m_career.state().career, m_rs.strTournament, group));
}

void frmRosters::DisplayEliminator()
{
    showLadder(vantorelle::DisplayEliminator(m_career.state().career, m_rs.strTournament));
}

void frmRosters::DisplayFinal32()
{
    showLadder(vantorelle::DisplayFinal32(m_career.state().career, m_rs.strTournament));
}

void frmRosters::cmdContinue_Click()
{
    m_cmdContinue->setEnabled(false);
    GameState& st = m_career.state();
    apply(ContinueDraw(st.career, m_rs, st.settings.cricketUnlocked, m_career.rng()));
}

void frmRosters::tmrHuman_Timer()
{
    if (m_rs.strWinner.empty())
        return;
    GameState& st = m_career.state();
    const DrawStep step = HumanMatchTick(st.career, m_rs, st.settings.cricketUnlocked);
    if (!step.waiting)
        m_tmrHuman->stop();
    apply(step);
}

void frmRosters::apply(const DrawStep& step)
{
    GameState& st = m_career.state();
    if (step.step != 0 || !step.waiting)
        showLadder(Display(st.career, m_rs.strTournament, step.show));
    // Cricket, once won, is the player's before the career that records the
    // win is saved: a crash between the two cannot take it away.
    if (step.end && step.end->cricketUnlocked) {
        st.settings.cricketUnlocked = true;
        saveCricket(true);
    }
    // The questions and overlays below run the event loop: the career may be
    // left meanwhile, and this window go with it.
    QPointer<frmRosters> self(this);
    const unsigned generation = m_career.generation();
    auto stillWanted = [&] { return self && m_career.generation() == generation; };
    if (step.saveCareer) {
        m_career.saveCareer();
        if (!stillWanted())
            return;
    }
    m_cmdContinue->setEnabled(step.continueEnabled);
    if (step.end) {
        frmDarts& main = m_career.main();
        main.showInfo(step.end->message);
        if (!stillWanted())
            return;
        if (step.end->cricketUnlocked) {
            m_career.tellCricketUnlocked();
            if (!stillWanted())
                return;
        }
        m_career.showRankingPoints(step.end->rankingPoints);
        closeQuietly(this, st.flags.unloading);
        return;
    }
    if (step.careerMatch)
        playCareerMatch(*step.careerMatch);
}

void frmRosters::playCareerMatch(const CareerMatch& match)
{
    QPointer<frmRosters> self(this);
    const unsigned generation = m_career.generation();
    m_career.ask(QMessageBox::Information, QString::fromStdString(match.length.message));
    // Left meanwhile (a challenge, New, Load): his match is not started.
    if (!self || m_career.generation() != generation)
        return;
    // A window minimised on its own is not enough: where the desktop keeps a
    // dialog above the window it belongs to (most window managers do), a
    // minimised draw stays over the board or takes the board down with it.
    standAsideForMatch();
    m_tmrHuman->start();
    frmDarts* main = &m_career.main();
    // The match runs from the main window's own event, not inside this
    // window's button: the draw window may close while it is played.
    QTimer::singleShot(0, main, [self, main, match] {
        if (!self)
            return; // the career was left before the match began
        main->startCareerMatch(match, [self, main](const MatchResult& result) {
            if (!self)
                return;
            self->m_rs.strWinner = upperCase(result.name);
            if (main->disguised()) {
                // The boss is watching: the draw waits with the other windows
                // and comes back with them.
                self->m_away = false;
                disguiseWindow(self, main->windowIcon());
                return;
            }
            self->comeBack();
        });
    });
}

void frmRosters::standAsideForMatch()
{
    m_away = true;
    hide();
    frmDarts& main = m_career.main();
    main.raise();
    main.activateWindow();
}

void frmRosters::comeBack()
{
    m_away = false;
    showNormal();
    raise();
    activateWindow();
}

void frmRosters::closeEvent(QCloseEvent* e)
{
    // No result is booked while the question is open.
    const bool waiting = m_tmrHuman->isActive();
    m_tmrHuman->stop();
    if (!m_career.mayLeaveCareer(this)) {
        if (waiting)
            m_tmrHuman->start();
        e->ignore();
        return;
    }
    m_away = false; // closed: no longer the draw of the career, even out of sight
    e->accept();
}

} // namespace vantorelle

#include "qt/career/frmSchedule.h"

#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "qt/career/careerwindows.h"
#include "qt/ui/pictures.h"
#include "rules/app/gamestate.h"
#include "rules/career/calendar.h"

namespace vantorelle {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text = {}, int size = 10, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText); // names are shown as spelt, never as markup
    if (!name.isEmpty())
        l->setObjectName(name);
    QFont f(QStringLiteral("DejaVu Sans"), size);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void setFlag(QLabel* image, const std::string& appFolder, const std::string& picture)
{
    const QPixmap pm = folderPicture(appFolder, picture, {27, 18}, image->devicePixelRatioF());
    if (pm.isNull())
        image->clear();
    else
        image->setPixmap(pm);
}

} // namespace

frmSchedule::frmSchedule(CareerWindows& career, QWidget* parent)
    : ThemedDialog(career.state().view.mainColour, parent), m_career(career)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(QStringLiteral(" CURRENT TOURNAMENT CHAMPIONS"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->addWidget(label(this, {}, QStringLiteral("TOURNAMENT"), 10, true), 0, 0);
    grid->addWidget(label(this, {}, QStringLiteral("CHAMPION"), 10, true), 0, 1, 1, 2);
    grid->addWidget(label(this, {}, QStringLiteral("RUNNER-UP"), 10, true), 0, 3, 1, 2);
    for (int n = 1; n <= kTournaments; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        grid->addWidget(label(this, {}, QString::fromStdString(tournamentName(n))), n, 0);
        m_image1[i] = label(this, QStringLiteral("Image1_%1").arg(n - 1));
        m_image1[i]->setFixedSize(27, 18);
        m_lblWinner[i] = label(this, QStringLiteral("lblWinner_%1").arg(n - 1));
        m_lblWinner[i]->setMinimumWidth(170);
        m_image2[i] = label(this, QStringLiteral("Image2_%1").arg(n - 1));
        m_image2[i]->setFixedSize(27, 18);
        m_lblRunnerUp[i] = label(this, QStringLiteral("lblRunnerUp_%1").arg(n - 1));
        m_lblRunnerUp[i]->setMinimumWidth(170);
        grid->addWidget(m_image1[i], n, 1);
        grid->addWidget(m_lblWinner[i], n, 2);
        grid->addWidget(m_image2[i], n, 3);
        grid->addWidget(m_lblRunnerUp[i], n, 4);
    }
    m_lblNext = label(this, QStringLiteral("lblNext"), {}, 12, true);
    grid->addWidget(m_lblNext, kTournaments + 1, 0, 1, 5);

    // The settings row: difficulty, length and, at a real board, the average.
    auto* row = new QHBoxLayout;
    auto setting = [&](const QString& caption, const QString& down, const QString& value, const QString& up,
                       QLabel*& shown, QPushButton** downButton, QPushButton** upButton) {
        auto* c = label(this, {}, caption, 10, true);
        auto* d = button(this, down, QStringLiteral("<"));
        shown = label(this, value, {}, 12, true);
        shown->setMinimumWidth(44);
        shown->setAlignment(Qt::AlignCenter);
        auto* u = button(this, up, QStringLiteral(">"));
        d->setFixedWidth(28);
        u->setFixedWidth(28);
        row->addWidget(c);
        row->addWidget(d);
        row->addWidget(shown);
        row->addWidget(u);
        row->addSpacing(16);
        if (downButton)
            *downButton = d;
        if (upButton)
            *upButton = u;
        return c;
    };
    QPushButton *diffDown, *diffUp, *lenDown, *lenUp;
    setting(QStringLiteral("Difficulty"), QStringLiteral("Command3"), QStringLiteral("lblDiff"),
            QStringLiteral("Command4"), m_lblDiff, &diffDown, &diffUp);
    setting(QStringLiteral("Length"), QStringLiteral("Command6"), QStringLiteral("lblLength"), QStringLiteral("Command5"),
            m_lblLength, &lenDown, &lenUp);
    m_lblAveCaption = setting(QStringLiteral("Average"), QStringLiteral("Command1"), QStringLiteral("lblAve"),
                              QStringLiteral("Command2"), m_lblAve, &m_cmdAveDown, &m_cmdAveUp);
    row->addStretch(1);
    auto* cont = button(this, QStringLiteral("cmdContinue"), QStringLiteral("CONTINUE"));
    cont->setDefault(true); // Return goes on, as CONTINUE is what the window is for
    row->addWidget(cont);
    grid->addLayout(row, kTournaments + 2, 0, 1, 5);

    GameState& st = m_career.state();
    auto classTo = [&st, this](int k) {
        const Difficulty& d = difficultyFor(k);
        st.career.bytClass = d.bytClass;
        st.match.bytClass = d.bytClass;
        st.match.difficulty = d.difficulty;
        st.match.aimSpeed = d.aimSpeed;
        showSettings();
    };
    connect(diffDown, &QPushButton::clicked, this, [classTo, &st] { classTo(lowerClass(st.career.bytClass)); });
    connect(diffUp, &QPushButton::clicked, this, [classTo, &st] { classTo(raiseClass(st.career.bytClass)); });
    connect(lenDown, &QPushButton::clicked, this, [this, &st] {
        st.career.matchLength = shorterLength(st.career.matchLength);
        showSettings();
    });
    connect(lenUp, &QPushButton::clicked, this, [this, &st] {
        st.career.matchLength = longerLength(st.career.matchLength);
        showSettings();
    });
    connect(m_cmdAveDown, &QPushButton::clicked, this, [this, &st] {
        st.career.playerAverage = lowerAverage(st.career.playerAverage);
        showSettings();
    });
    connect(m_cmdAveUp, &QPushButton::clicked, this, [this, &st] {
        st.career.playerAverage = raiseAverage(st.career.playerAverage);
        showSettings();
    });
    connect(cont, &QPushButton::clicked, this, &frmSchedule::cmdContinue_Click);

    const bool real = st.career.realBoard;
    for (QWidget* w : {static_cast<QWidget*>(m_lblAveCaption), static_cast<QWidget*>(m_lblAve),
                       static_cast<QWidget*>(m_cmdAveDown), static_cast<QWidget*>(m_cmdAveUp)})
        w->setVisible(real);
    showSettings();
}

void frmSchedule::showSettings()
{
    const GameState& st = m_career.state();
    m_lblDiff->setText(QString::fromLatin1(difficultyFor(st.career.bytClass).text));
    m_lblLength->setText(QString::fromStdString(lengthText(st.career.matchLength)));
    m_lblAve->setText(QString::number(st.career.playerAverage));
}

void frmSchedule::Populate()
{
    const GameState& st = m_career.state();
    const CalendarView view = vantorelle::Populate(st.career.roster, st.career.tournamentNo);
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const CalendarRow& row = view.rows[i];
        m_lblWinner[i]->setText(QString::fromStdString(row.champion));
        m_lblRunnerUp[i]->setText(QString::fromStdString(row.runnerUp));
        setFlag(m_image1[i], st.appFolder, row.championFlag);
        setFlag(m_image2[i], st.appFolder, row.runnerUpFlag);
    }
    m_lblNext->setText(QString::fromStdString(view.next));
}

void frmSchedule::bookFinishedTournament()
{
    GameState& st = m_career.state();
    const std::string date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    const std::string champion = st.career.FinalDraw[63];
    const TournamentTotals totals = st.career.totals;
    if (auto line = BookFinishedTournament(st.career, date)) {
        const unsigned generation = m_career.generation();
        const bool booked = m_career.appendHistory(*line);
        // A failure is told in a box, during which the career may be left:
        // then nothing more of it is written.
        if (m_career.generation() != generation)
            return;
        if (!booked) {
            // Not written: the tournament stays to be booked the next time.
            st.career.FinalDraw.set(63, champion);
            st.career.totals = totals;
            return;
        }
        m_career.saveCareer();
    }
}

void frmSchedule::cmdContinue_Click()
{
    m_career.startTournament();
}

void frmSchedule::closeEvent(QCloseEvent* e)
{
    if (m_career.mayLeaveCareer(this))
        e->accept();
    else
        e->ignore();
}

} // namespace vantorelle

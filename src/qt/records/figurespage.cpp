// The figures page of the statistics window.
#include <QGridLayout>

#include "qt/records/chartwidget.h"
#include "qt/records/recordspages.h"
#include "qt/ui/fittedlabel.h"
#include "rules/records/figures.h"
#include "rules/setup/stats.h"

namespace vantorelle {

using namespace records;

namespace {

QString twoPlaces(std::optional<double> v)
{
    // As the game writes averages: "0.00" when there is nothing to divide.
    return QString::fromStdString(formatTwoPlaces(v.value_or(0.0)));
}

constexpr std::array<const char*, 4> kClasses{"BEGINNER", "AMATEUR", "SEMI-PRO", "PRO"};

} // namespace

FiguresPage::FiguresPage(QWidget* parent) : RecordsPage(QStringLiteral("pgFigures"), parent)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    contentLayout()->addLayout(grid);
    // Three columns of a caption and its value.
    auto add = [&](int column, int row, const QString& caption, const QString& name) {
        grid->addWidget(recordsLabel(content(), {}, caption, 10), row, column * 2);
        auto* v = recordsLabel(content(), name, {}, 12, true);
        v->setMinimumWidth(60);
        grid->addWidget(v, row, column * 2 + 1);
    };
    auto heading = [&](int column, const QString& text) {
        grid->addWidget(recordsLabel(content(), {}, text, 10, true), 0, column * 2, 1, 2);
    };
    heading(0, QStringLiteral("SCORING"));
    add(0, 1, QStringLiteral("3-DART AVERAGE"), QStringLiteral("lblAverage"));
    add(0, 2, QStringLiteral("FIRST-NINE AVERAGE"), QStringLiteral("lblFirstNine"));
    add(0, 3, QStringLiteral("DARTS PER LEG WON"), QStringLiteral("lblDartsPerLeg"));
    add(0, 4, QStringLiteral("BEST LEG"), QStringLiteral("lblBestLeg"));
    add(0, 5, QStringLiteral("HIGHEST CHECKOUT"), QStringLiteral("lblHighestCheckout"));
    add(0, 6, QStringLiteral("CHECKOUT %"), QStringLiteral("lblCheckout"));
    heading(1, QStringLiteral("TURNS AND LEGS"));
    add(1, 1, QStringLiteral("60-99"), QStringLiteral("lblTurns60"));
    add(1, 2, QStringLiteral("100-139"), QStringLiteral("lblTurns100"));
    add(1, 3, QStringLiteral("140-179"), QStringLiteral("lblTurns140"));
    add(1, 4, QStringLiteral("180"), QStringLiteral("lblTurns180"));
    add(1, 5, QStringLiteral("LEGS WON"), QStringLiteral("lblLegsWon"));
    add(1, 6, QStringLiteral("LEGS LOST"), QStringLiteral("lblLegsLost"));
    heading(2, QStringLiteral("MATCHES"));
    add(2, 1, QStringLiteral("PLAYED"), QStringLiteral("lblMatches"));
    add(2, 2, QStringLiteral("WON / LOST"), QStringLiteral("lblMatchesWonLost"));
    for (int k = 0; k < 4; ++k)
        add(2, 3 + k, QStringLiteral("v %1").arg(QLatin1String(kClasses[static_cast<std::size_t>(k)])),
            QStringLiteral("lblVsComputer_%1").arg(k));
    for (int c : {1, 3, 5})
        grid->setColumnStretch(c, 1);

    m_doubles = new ChartWidget(content());
    m_doubles->setObjectName(QStringLiteral("picDoubles"));
    m_doubles->setTitle(QStringLiteral("DOUBLES"));
    m_doubles->setMinimumHeight(180);
    contentLayout()->addWidget(m_doubles, 1);
    m_noDoubles = recordsLabel(content(), QStringLiteral("lblNoDoubles"), {}, 11);
    m_noDoubles->setAlignment(Qt::AlignCenter);
    contentLayout()->addWidget(m_noDoubles, 1);
}

FittedLabel* FiguresPage::value(const QString& name)
{
    return content()->findChild<FittedLabel*>(name);
}

void FiguresPage::fill(const RecordsData& data, const QString& who, const QString& period)
{
    if (data.matches.empty()) {
        showNothing(who + QStringLiteral(" has no matches recorded") + period + QStringLiteral("."));
        return;
    }
    showContent();
    const PlayerFigures& f = data.figures;
    value(QStringLiteral("lblAverage"))->setText(twoPlaces(f.average()));
    value(QStringLiteral("lblFirstNine"))->setText(twoPlaces(f.firstNineAverage()));
    value(QStringLiteral("lblCheckout"))->setText(twoPlaces(f.checkoutPercent()));
    const auto perLeg = f.dartsPerLegWon();
    value(QStringLiteral("lblDartsPerLeg"))->setText(perLeg ? twoPlaces(perLeg) : QStringLiteral("-"));
    QStringList best;
    for (const auto& [start, darts] : f.bestLeg)
        best << QStringLiteral("%1 in %2").arg(start).arg(darts);
    value(QStringLiteral("lblBestLeg"))
        ->setText(best.isEmpty() ? QStringLiteral("-") : best.join(QStringLiteral(", ")));
    value(QStringLiteral("lblHighestCheckout"))
        ->setText(f.highestCheckout > 0 ? QString::number(f.highestCheckout) : QStringLiteral("-"));
    value(QStringLiteral("lblTurns60"))->setText(QString::number(f.turns60));
    value(QStringLiteral("lblTurns100"))->setText(QString::number(f.turns100));
    value(QStringLiteral("lblTurns140"))->setText(QString::number(f.turns140));
    value(QStringLiteral("lblTurns180"))->setText(QString::number(f.turns180));
    value(QStringLiteral("lblLegsWon"))->setText(QString::number(f.legsWon));
    value(QStringLiteral("lblLegsLost"))->setText(QString::number(f.legsLost));
    value(QStringLiteral("lblMatches"))->setText(QString::number(f.matches));
    value(QStringLiteral("lblMatchesWonLost"))->setText(QStringLiteral("%1 / %2").arg(f.matchesWon).arg(f.matchesLost));
    for (int k = 0; k < 4; ++k) {
        const WonLost& wl = f.vsComputer[static_cast<std::size_t>(k)];
        value(QStringLiteral("lblVsComputer_%1").arg(k))
            ->setText(wl.won + wl.lost == 0 ? QStringLiteral("-") : QStringLiteral("%1 / %2").arg(wl.won).arg(wl.lost));
    }

    // A bar for each double and the bull: the darts at it, and the hits inside.
    std::vector<ChartWidget::Bar> bars;
    int dartsAtDoubles = 0;
    for (int i = 0; i <= kBullDouble; ++i) {
        const DoubleTries& d = f.doubles[static_cast<std::size_t>(i)];
        dartsAtDoubles += d.darts;
        ChartWidget::Bar b;
        b.label = i == kBullDouble ? QStringLiteral("BULL") : QStringLiteral("D%1").arg(i + 1);
        b.value = d.darts;
        b.part = d.hits;
        if (d.darts > 0)
            b.caption = QStringLiteral("%1/%2").arg(d.hits).arg(d.darts);
        bars.push_back(b);
    }
    m_doubles->setBars(std::move(bars), QStringLiteral("DARTS AT IT"), QStringLiteral("HIT"));
    m_doubles->setVisible(dartsAtDoubles > 0);
    m_noDoubles->setVisible(dartsAtDoubles == 0);
    m_noDoubles->setText(who + QStringLiteral(" has thrown no dart at a double") + period + QStringLiteral("."));
}

} // namespace vantorelle

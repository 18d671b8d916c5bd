// The pages of the statistics window other than the figures.
#include "qt/records/recordspages.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "qt/records/chartwidget.h"
#include "qt/records/heatmapwidget.h"
#include "qt/records/namebox.h"
#include "qt/ui/fittedlabel.h"
#include "rules/career/calendar.h"
#include "rules/match/board.h"
#include "rules/practice/practice.h"
#include "rules/setup/stats.h"

namespace vantorelle {

using namespace records;

namespace {

const QColor kAverageColour(255, 214, 0); // the yellow of the player on throw
const QColor kCheckoutColour(90, 200, 255);

QString dateText(std::int64_t seconds)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat);
}

QString twoPlaces(double v)
{
    return QString::fromStdString(formatTwoPlaces(v));
}

} // namespace

FittedLabel* recordsLabel(QWidget* parent, const QString& name, const QString& text, int points, bool bold)
{
    auto* l = new FittedLabel(parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    QFont f(QStringLiteral("DejaVu Sans"), points);
    f.setBold(bold);
    l->setFont(f);
    l->setText(text);
    return l;
}

// --- A page ----------------------------------------------------------------

RecordsPage::RecordsPage(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    auto* v = new QVBoxLayout(this);
    m_message = recordsLabel(this, name + QStringLiteral("_message"), {}, 13, true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->hide();
    v->addWidget(m_message, 1);
    m_content = new QWidget(this);
    m_layout = new QVBoxLayout(m_content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    v->addWidget(m_content, 1);
}

void RecordsPage::showNothing(const QString& why)
{
    m_message->setText(why);
    m_message->show();
    m_content->hide();
}

void RecordsPage::showContent()
{
    m_message->hide();
    m_content->show();
}

bool RecordsPage::showsContent() const
{
    return !m_content->isHidden();
}

QComboBox* RecordsPage::addChoiceRow(const QString& caption, const QString& boxName, int characters,
                                     FittedLabel* beside)
{
    auto* row = new QHBoxLayout;
    row->addWidget(recordsLabel(m_content, {}, caption, 10, true));
    auto* box = new NameBox(m_content);
    box->setObjectName(boxName);
    box->setMinimumContentsLength(characters);
    row->addWidget(box);
    row->addWidget(beside, 1);
    m_layout->addLayout(row);
    return box;
}

// --- The trend ---------------------------------------------------------------

TrendPage::TrendPage(QWidget* parent) : RecordsPage(QStringLiteral("pgTrend"), parent)
{
    m_chart = new ChartWidget(content());
    m_chart->setObjectName(QStringLiteral("picTrend"));
    m_chart->setTitle(QStringLiteral("MATCH BY MATCH"));
    contentLayout()->addWidget(m_chart, 1);
}

void TrendPage::fill(const RecordsData& data, const QString& who, const QString& period)
{
    if (data.trend.empty()) {
        m_chart->setLines({});
        showNothing(who + QStringLiteral(" has no x01 matches recorded") + period + QStringLiteral("."));
        return;
    }
    showContent();
    ChartWidget::Series average{QStringLiteral("3-DART AVERAGE"), kAverageColour, {}};
    ChartWidget::Series checkout{QStringLiteral("CHECKOUT %"), kCheckoutColour, {}};
    std::vector<QString> dates;
    for (const TrendPoint& t : data.trend) {
        average.values.push_back(t.average);
        checkout.values.push_back(t.checkoutPercent);
        dates.push_back(dateText(t.started));
    }
    m_chart->setLines({average, checkout}, std::move(dates));
}

// --- The heat map ------------------------------------------------------------

HeatPage::HeatPage(QWidget* parent) : RecordsPage(QStringLiteral("pgHeat"), parent)
{
    m_lblHeat = recordsLabel(content(), QStringLiteral("lblHeat"), {}, 10);
    m_cboAimed = addChoiceRow(QStringLiteral("DARTS"), QStringLiteral("cboAimed"), 14, m_lblHeat);
    m_map = new HeatMapWidget(content());
    m_map->setObjectName(QStringLiteral("picHeat"));
    contentLayout()->addWidget(m_map, 1);
    connect(m_cboAimed, &QComboBox::currentIndexChanged, this, [this] { showAimed(); });
}

void HeatPage::setDarts(std::vector<HeatDart> darts, const QString& who, const QString& period)
{
    m_darts = std::move(darts);
    if (m_darts.empty()) {
        showNothing(who + QStringLiteral(" has no match darts recorded") + period +
                    QStringLiteral(" (typed scores have none)."));
        return;
    }
    showContent();
    // The beds he aimed at, the most aimed at first.
    std::map<std::string, int> aimed;
    for (const HeatDart& d : m_darts)
        if (!d.aimBed.empty())
            ++aimed[d.aimBed];
    std::vector<std::pair<std::string, int>> order(aimed.begin(), aimed.end());
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    const QSignalBlocker quiet(m_cboAimed);
    m_cboAimed->clear();
    m_cboAimed->addItem(QStringLiteral("ALL"), QString());
    for (const auto& [bed, n] : order)
        m_cboAimed->addItem(QStringLiteral("AIMED AT %1").arg(QString::fromStdString(bed)),
                            QString::fromStdString(bed));
    m_cboAimed->setCurrentIndex(0);
    showAimed();
}

void HeatPage::showAimed()
{
    const std::string bed = m_cboAimed->currentData().toString().toStdString();
    HeatMap map = records::heatMap(m_darts, bed);
    // Off the board: beyond the double ring, whether or not inside the map's square.
    int off = 0;
    for (const HeatDart& d : m_darts)
        if (bed.empty() || d.aimBed == bed)
            off += std::hypot(d.x - board::kCentreX, d.y - board::kCentreY) > board::kDoubleOut ? 1 : 0;
    QString text = QStringLiteral("%1 darts").arg(map.total + map.outside);
    if (off > 0)
        text += QStringLiteral(", %1 off the board").arg(off);
    m_lblHeat->setText(text);
    m_map->setMap(std::move(map));
}

// --- The career --------------------------------------------------------------

CareerPage::CareerPage(QWidget* parent) : RecordsPage(QStringLiteral("pgCareer"), parent)
{
    m_chart = new ChartWidget(content());
    m_chart->setObjectName(QStringLiteral("picCareer"));
    m_chart->setTitle(QStringLiteral("3-DART AVERAGE BY TOURNAMENT"));
    m_chart->setMinimumHeight(160);
    contentLayout()->addWidget(m_chart, 1);
    m_table = new QTableWidget(content());
    m_table->setObjectName(QStringLiteral("lstCareer"));
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({QStringLiteral("DATE"), QStringLiteral("TOURNAMENT"), QStringLiteral("MATCHES"),
                                        QStringLiteral("3D AVE"), QStringLiteral("RESULT")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    contentLayout()->addWidget(m_table, 1);
}

void CareerPage::fill(const RecordsData& data, const QString& who, const QString& period)
{
    if (data.career.empty()) {
        showNothing(who + QStringLiteral(" has played no career matches") + period + QStringLiteral("."));
        return;
    }
    showContent();
    std::vector<ChartWidget::Bar> bars;
    m_table->setRowCount(static_cast<int>(data.career.size()));
    int row = 0;
    for (const TournamentForm& t : data.career) {
        const QString average = t.average ? twoPlaces(*t.average) : QStringLiteral("-");
        const QString code = QString::fromStdString(themeCode(t.tournamentNo));
        bars.push_back({code.isEmpty() ? QString::number(t.tournamentNo) : code, t.average.value_or(0), std::nullopt,
                        t.average ? average : QString()});
        const QStringList cells{dateText(t.started), QString::fromStdString(t.tournament), QString::number(t.matches),
                                average, QString::fromStdString(t.result)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            m_table->setItem(row, c, item);
        }
        ++row;
    }
    m_chart->setBars(std::move(bars));
}

// --- Practice ----------------------------------------------------------------

PracticePage::PracticePage(QWidget* parent) : RecordsPage(QStringLiteral("pgPractice"), parent)
{
    m_lblBest = recordsLabel(content(), QStringLiteral("lblPracticeBest"), {}, 11, true);
    m_cboPractice = addChoiceRow(QStringLiteral("GAME"), QStringLiteral("cboPractice"), 26, m_lblBest);
    m_chart = new ChartWidget(content());
    m_chart->setObjectName(QStringLiteral("picPractice"));
    contentLayout()->addWidget(m_chart, 1);
    connect(m_cboPractice, &QComboBox::currentIndexChanged, this, [this] { showGame(); });
}

void PracticePage::fill(const RecordsData& data, const QString& who, const QString& period)
{
    m_history = data.practiceHistory;
    m_bests = data.personalBests;
    if (m_history.empty()) {
        showNothing(who + QStringLiteral(" has no practice sessions recorded") + period + QStringLiteral("."));
        return;
    }
    showContent();
    const QString was = m_cboPractice->currentData().toString();
    const QSignalBlocker quiet(m_cboPractice);
    m_cboPractice->clear();
    for (const auto& [code, results] : m_history) {
        const auto choice = practiceFromCode(code);
        const QString name = QString::fromStdString(choice ? practiceName(*choice) : code);
        m_cboPractice->addItem(QStringLiteral("%1 (%2)").arg(name).arg(results.size()), QString::fromStdString(code));
    }
    // The game shown before, else the one he played last.
    int index = m_cboPractice->findData(was);
    if (index < 0 && !data.practice.empty())
        index = m_cboPractice->findData(QString::fromStdString(data.practice.back().game));
    m_cboPractice->setCurrentIndex(std::max(0, index));
    showGame();
}

void PracticePage::showGame()
{
    const std::string code = m_cboPractice->currentData().toString().toStdString();
    const auto it = m_history.find(code);
    if (it == m_history.end())
        return;
    const auto choice = practiceFromCode(code);
    auto words = [&](double result) {
        const int whole = static_cast<int>(std::lround(result));
        return QString::fromStdString(choice ? resultText(*choice, whole) : std::to_string(whole));
    };
    ChartWidget::Series results{QStringLiteral("RESULT"), kAverageColour, {}};
    std::vector<QString> dates;
    for (const PracticeResult& r : it->second) {
        results.values.push_back(r.result);
        dates.push_back(dateText(r.started));
    }
    m_chart->setTitle(lowerIsBetter(code) ? QStringLiteral("DARTS NEEDED, SESSION BY SESSION (FEWER IS BETTER)")
                                          : QStringLiteral("RESULT, SESSION BY SESSION"));
    m_chart->setLines({results}, std::move(dates));
    const auto best = m_bests.find(code);
    m_lblBest->setText(
        best == m_bests.end()
            ? QString()
            : QStringLiteral("PERSONAL BEST: %1 (%2)").arg(words(best->second.result), dateText(best->second.started)));
}

} // namespace vantorelle

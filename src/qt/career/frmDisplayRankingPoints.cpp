#include "qt/career/frmDisplayRankingPoints.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/career/careerwindows.h"
#include "rules/app/gamestate.h"
#include "rules/career/points.h"

namespace vantorelle {

namespace {

QListWidget* fixedPitchList(QWidget* parent, const QString& name, const std::vector<std::string>& lines)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(11);
    list->setFont(f);
    for (const auto& line : lines)
        list->addItem(QString::fromStdString(line));
    const int width = QFontMetrics(f).horizontalAdvance(QString(52, QLatin1Char('M')));
    list->setMinimumSize(width, 360);
    return list;
}

} // namespace

frmDisplayRankingPoints::frmDisplayRankingPoints(CareerWindows& career, const std::vector<std::string>& lines,
                                                 QWidget* parent)
    : ThemedDialog(career.state().view.mainColour, parent), m_career(career)
{
    setObjectName(QStringLiteral("frmDisplayRankingPoints"));
    setWindowTitle(QStringLiteral(" RANKING POINTS"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(fixedPitchList(this, QStringLiteral("lstPoints"), lines));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    box->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void frmDisplayRankingPoints::closeEvent(QCloseEvent* e)
{
    e->accept();
    // OK and the close box both go on to the calendar, unless the career is
    // being closed altogether.
    if (m_done || m_career.state().flags.unloading || m_career.state().flags.quitting)
        return;
    m_done = true;
    m_career.showCalendar();
}

frmRankings::frmRankings(const Rgb& colour, const std::vector<std::string>& lines, QWidget* parent)
    : ThemedDialog(colour, parent)
{
    setObjectName(QStringLiteral("frmRankings"));
    setWindowTitle(QStringLiteral(" WORLD RANKINGS"));
    setModal(true);
    auto* box = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromLatin1(kRankingsHeading), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(11);
    f.setBold(true);
    heading->setFont(f);
    box->addWidget(heading);
    box->addWidget(fixedPitchList(this, QStringLiteral("lstRank"), lines));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    box->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vantorelle

#include "qt/app/matchinfo.h"

#include <QGridLayout>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/app/mainlabels.h"

namespace vantorelle {

namespace {

const QString kGrey = QStringLiteral("rgb(170,170,190)");

void paintPanel(QWidget* w, const QColor& frame)
{
    QPainter p(w);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(frame, 2));
    p.setBrush(QColor(20, 20, 28, 215));
    p.drawRoundedRect(QRectF(w->rect()).adjusted(1, 1, -1, -1), 8, 8);
}

} // namespace

VisitPanel::VisitPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picVisit"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(12, 6, 12, 6);
    box->setSpacing(2);
    m_who = static_cast<FittedLabel*>(makeLabel(this, QStringLiteral("lblVisitWho"), 9, kGrey, Qt::AlignLeft));
    box->addWidget(m_who);
    auto* row = new QHBoxLayout;
    row->setSpacing(14); // the three darts stand apart: "T20 60 · 241   S5 5 · 236"
    for (int i = 0; i < 3; ++i) {
        auto* l = static_cast<FittedLabel*>(
            makeLabel(this, QStringLiteral("lblVisit_%1").arg(i + 1), 12, kWhite, Qt::AlignLeft | Qt::AlignVCenter));
        m_darts[static_cast<std::size_t>(i)] = l;
        row->addWidget(l, 1);
    }
    box->addLayout(row);
    m_route = static_cast<FittedLabel*>(makeLabel(this, QStringLiteral("lblRoute"), 11, kYellow, Qt::AlignLeft));
    box->addWidget(m_route);
}

void VisitPanel::show(const QString& who, const std::vector<std::string>& darts, const QString& route)
{
    m_who->setText(who);
    for (std::size_t i = 0; i < m_darts.size(); ++i)
        m_darts[i]->setText(i < darts.size() ? QString::fromStdString(darts[i]) : QString());
    m_route->setText(route.isEmpty() ? QString() : QStringLiteral("CHECKOUT: ") + route);
}

void VisitPanel::paintEvent(QPaintEvent*)
{
    paintPanel(this, QColor(90, 90, 110));
}

SummaryPanel::SummaryPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSummary"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 10, 14, 10);
    grid->setVerticalSpacing(3);
    m_heading = static_cast<FittedLabel*>(makeLabel(this, QStringLiteral("lblSummary"), 12, kYellow, Qt::AlignCenter));
    grid->addWidget(m_heading, 0, 0, 1, 3);
    for (int p = 0; p < 2; ++p) {
        auto* name = static_cast<FittedLabel*>(
            makeLabel(this, QStringLiteral("lblSummaryName_%1").arg(p + 1), 10, kWhite, Qt::AlignCenter));
        m_names[static_cast<std::size_t>(p)] = name;
        grid->addWidget(name, 1, p + 1);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void SummaryPanel::showFor(const QString& heading, const std::array<QString, 2>& names,
                           const std::vector<std::pair<QString, std::array<QString, 2>>>& rows, double seconds)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    while (m_rows.size() < rows.size()) {
        const int r = static_cast<int>(m_rows.size()) + 2;
        std::array<FittedLabel*, 3> row{};
        for (int c = 0; c < 3; ++c) {
            row[static_cast<std::size_t>(c)] = static_cast<FittedLabel*>(
                makeLabel(this, QStringLiteral("lblSummary_%1_%2").arg(r - 2).arg(c), c == 0 ? 9 : 10,
                          c == 0 ? kGrey : kWhite, c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
            grid->addWidget(row[static_cast<std::size_t>(c)], r, c);
        }
        m_rows.push_back(row);
    }
    m_heading->setText(heading);
    for (std::size_t p = 0; p < 2; ++p)
        m_names[p]->setText(names[p]);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const bool used = r < rows.size();
        for (std::size_t c = 0; c < 3; ++c) {
            m_rows[r][c]->setVisible(used);
            if (used)
                m_rows[r][c]->setText(c == 0 ? rows[r].first : rows[r].second[c - 1]);
        }
    }
    QWidget::show();
    raise();
    m_timer->start(qMax(0, qRound(seconds * 1000)));
}

QStringList SummaryPanel::shownRows() const
{
    QStringList out;
    for (const auto& row : m_rows)
        if (row[0]->isVisibleTo(this))
            out << row[0]->text() + QStringLiteral(": ") + row[1]->text() + QStringLiteral(" | ") + row[2]->text();
    return out;
}

void SummaryPanel::paintEvent(QPaintEvent*)
{
    paintPanel(this, QColor(255, 255, 0));
}

void SummaryPanel::mousePressEvent(QMouseEvent*)
{
    hide(); // a click puts it away
}

} // namespace vantorelle

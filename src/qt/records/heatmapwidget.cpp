#include "qt/records/heatmapwidget.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/match/boardwidget.h"
#include "rules/match/board.h"

namespace vantorelle {

using records::HeatMap;

namespace {

// The ramp: blue, cyan, green, yellow, red.
constexpr std::array<std::array<int, 3>, 5> kRamp{
    {{40, 80, 255}, {0, 220, 255}, {60, 230, 60}, {255, 230, 0}, {255, 30, 0}}};

QColor ramp(double t)
{
    t = std::clamp(t, 0.0, 1.0) * (kRamp.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(t), kRamp.size() - 2);
    const double f = t - static_cast<double>(i);
    auto mix = [&](int k) { return static_cast<int>(std::lround(kRamp[i][k] + (kRamp[i + 1][k] - kRamp[i][k]) * f)); };
    return QColor(mix(0), mix(1), mix(2));
}

} // namespace

HeatMapWidget::HeatMapWidget(QWidget* parent) : QWidget(parent)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    setFont(f);
    setMap({});
}

QColor HeatMapWidget::cellColour(int count) const
{
    if (count <= 0 || m_map.highest <= 0)
        return QColor(0, 0, 0, 0);
    // By the square root of the share of the fullest cell, so that the spread
    // around a crowded treble still shows; more opaque as it fills.
    const double t = std::sqrt(static_cast<double>(count) / m_map.highest);
    QColor c = ramp(t);
    c.setAlpha(static_cast<int>(std::lround(150 + 100 * t)));
    return c;
}

void HeatMapWidget::setMap(records::HeatMap map)
{
    m_map = std::move(map);
    m_cells = QImage(HeatMap::kCells, HeatMap::kCells, QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < HeatMap::kCells; ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_cells.scanLine(row));
        for (int col = 0; col < HeatMap::kCells; ++col)
            line[col] = qPremultiply(cellColour(m_map.at(col, row)).rgba());
    }
    update();
}

double HeatMapWidget::legendHeight() const
{
    return QFontMetricsF(font()).height() + 16;
}

QRectF HeatMapWidget::boardRect() const
{
    const double side = std::max(0.0, std::min<double>(width(), height() - legendHeight()));
    return {(width() - side) / 2, 0, side, side};
}

QPointF HeatMapWidget::toPixels(double ux, double uy) const
{
    const QRectF r = boardRect();
    const double s = r.width() / board::kSize;
    return {r.left() + ux * s, r.top() + uy * s};
}

void HeatMapWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRectF square = boardRect();
    if (square.width() < 2)
        return;
    // The board is drawn once per size, and kept.
    const qreal dpr = devicePixelRatioF();
    const QSize px = (square.size() * dpr).toSize();
    if (m_board.size() != px) {
        m_board = QPixmap(px);
        m_board.fill(Qt::transparent);
        QPainter b(&m_board);
        b.scale(px.width() / static_cast<double>(board::kSize), px.height() / static_cast<double>(board::kSize));
        paintDartboard(b);
        b.end();
        m_board.setDevicePixelRatio(dpr);
    }
    p.drawPixmap(square.topLeft(), m_board);
    // Dimmed, so that the board's own reds and greens do not read as heat.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(square);

    const QPointF topLeft = toPixels(HeatMap::kLeft, HeatMap::kLeft);
    const QPointF bottomRight = toPixels(HeatMap::kLeft + HeatMap::kSpan, HeatMap::kLeft + HeatMap::kSpan);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(topLeft, bottomRight), m_cells);

    // The ramp: from one dart to the fullest cell.
    const double lh = legendHeight();
    const QFontMetricsF m(font());
    const QString low = QStringLiteral("1");
    const QString high = QString::number(std::max(1, m_map.highest));
    const double top = square.bottom() + 6;
    const double left = square.left() + m.horizontalAdvance(low) + 10;
    const double right = square.right() - m.horizontalAdvance(high) - 10;
    if (right - left < 20)
        return;
    QLinearGradient g(left, 0, right, 0);
    for (int k = 0; k <= 10; ++k) {
        const double t = k / 10.0;
        g.setColorAt(t, cellColour(std::max(1, static_cast<int>(std::lround(t * t * std::max(1, m_map.highest))))));
    }
    p.setBrush(g);
    p.drawRect(QRectF(left, top + 2, right - left, lh - 16));
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(square.left(), top, left - square.left() - 4, lh - 12), Qt::AlignRight | Qt::AlignVCenter, low);
    p.drawText(QRectF(right + 4, top, square.right() - right, lh - 12), Qt::AlignLeft | Qt::AlignVCenter, high);
}

} // namespace vantorelle

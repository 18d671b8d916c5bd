#include "qt/records/chartwidget.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/ui/fittedlabel.h"
#include "rules/setup/stats.h"

namespace vantorelle {

namespace {

const QColor kPanel(0, 0, 0, 120);
const QColor kGrid(255, 255, 255, 50);
const QColor kText(235, 235, 235);
constexpr double kMargin = 8;
constexpr int kTextPixels = 12;

// The font, from the widget's own size down to the smallest readable one,
// at which the text fits the room; none when even that is too big (the text
// is then left out, never cut).
std::optional<QFont> fitting(QFont f, const QString& text, double width, double height)
{
    for (int px = QFontInfo(f).pixelSize(); px >= kSmallestFontPixels; --px) {
        f.setPixelSize(px);
        const QFontMetricsF m(f);
        if (m.horizontalAdvance(text) <= width && m.height() <= height)
            return f;
    }
    return std::nullopt;
}

QString axisNumber(double v)
{
    // Whole numbers on the axis when the steps are whole.
    return std::abs(v - std::round(v)) < 1e-9 ? QString::number(static_cast<long long>(std::llround(v)))
                                              : QString::fromStdString(formatTwoPlaces(v));
}

} // namespace

ChartScale chartScale(double highest)
{
    if (!(highest > 0) || !std::isfinite(highest))
        return {};
    constexpr int kMostSteps = 6;
    double power = std::pow(10.0, std::floor(std::log10(highest / kMostSteps)));
    for (;; power *= 10)
        for (double step : {1.0, 2.0, 5.0}) {
            const int steps = static_cast<int>(std::ceil(highest / (step * power) - 1e-9));
            if (steps <= kMostSteps)
                return {steps * step * power, std::max(1, steps)};
        }
}

ChartScale chartScale(double lowest, double highest)
{
    if (!(lowest < 0) || !std::isfinite(lowest))
        return chartScale(highest);
    const double high = std::isfinite(highest) ? std::max(highest, 0.0) : 0.0;
    const ChartScale span = chartScale(high - lowest);
    const double step = span.top / span.steps;
    ChartScale s;
    s.bottom = std::floor(lowest / step + 1e-9) * step;
    s.top = std::max(step, std::ceil(high / step - 1e-9) * step);
    s.steps = std::max(1, static_cast<int>(std::lround((s.top - s.bottom) / step)));
    return s;
}

struct ChartWidget::Frame {
    QRectF panel;
    QRectF plot; // where values are drawn
    double top = 1;
    double bottom = 0;
    int steps = 5;
    QFont font;
};

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(kTextPixels);
    setFont(f);
}

void ChartWidget::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void ChartWidget::setLines(std::vector<Series> series, std::vector<QString> xLabels)
{
    m_isBars = false;
    m_series = std::move(series);
    m_xLabels = std::move(xLabels);
    m_bars.clear();
    update();
}

void ChartWidget::setBars(std::vector<Bar> bars, const QString& valueName, const QString& partName)
{
    m_isBars = true;
    m_bars = std::move(bars);
    m_valueName = valueName;
    m_partName = partName;
    m_series.clear();
    m_xLabels.clear();
    update();
}

ChartWidget::Frame ChartWidget::frame(const ChartScale& scale) const
{
    Frame f;
    f.font = font();
    f.top = scale.top;
    f.bottom = scale.bottom;
    f.steps = scale.steps;
    const double top = scale.top;
    f.panel = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QFontMetricsF m(f.font);
    const double line = m.height();
    // Room for the title and legend row, the numbers of the axis on the left
    // and the labels along the bottom.
    const double axisWidth = std::max({m.horizontalAdvance(axisNumber(top)), m.horizontalAdvance(QStringLiteral("0")),
                                       m.horizontalAdvance(axisNumber(scale.bottom))});
    f.plot = f.panel.adjusted(kMargin + axisWidth + 6, kMargin + line + 8, -kMargin - 4, -kMargin - line - 4);
    if (m_isBars)
        f.plot.setTop(f.plot.top() + line); // the captions over the tallest bar
    return f;
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    double highest = 0;
    double lowest = 0;
    if (m_isBars) {
        for (const Bar& b : m_bars)
            highest = std::max(highest, b.value);
    } else {
        for (const Series& s : m_series)
            for (const auto& v : s.values)
                if (v) {
                    highest = std::max(highest, *v);
                    lowest = std::min(lowest, *v);
                }
    }
    const Frame f = frame(chartScale(lowest, highest));
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRoundedRect(f.panel, 6, 6);

    // The title, then the legend after it as room allows.
    p.setPen(kText);
    QFont bold = f.font;
    bold.setBold(true);
    const double line = QFontMetricsF(f.font).height();
    QRectF titleRoom(f.panel.left() + kMargin, f.panel.top() + kMargin / 2, f.panel.width() - 2 * kMargin, line + 4);
    double used = 0;
    if (const auto tf = fitting(bold, m_title, titleRoom.width(), titleRoom.height())) {
        p.setFont(*tf);
        p.drawText(titleRoom, Qt::AlignLeft | Qt::AlignVCenter, m_title);
        used = QFontMetricsF(*tf).horizontalAdvance(m_title) + 16;
    }
    std::vector<std::pair<QString, QColor>> legend;
    if (m_isBars) {
        if (!m_valueName.isEmpty())
            legend.emplace_back(m_valueName, QColor(120, 180, 255, 110));
        if (!m_partName.isEmpty())
            legend.emplace_back(m_partName, QColor(255, 214, 0));
    } else if (m_series.size() > 1) {
        for (const Series& s : m_series)
            legend.emplace_back(s.name, s.colour);
    }
    paintLegend(p, titleRoom.adjusted(used, 0, 0, 0), legend);

    // The grid, step by step up to the top value.
    p.setFont(f.font);
    for (int k = 0; k <= f.steps; ++k) {
        const double y = f.plot.bottom() - f.plot.height() * k / f.steps;
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
        p.setPen(kText);
        const QRectF at(f.panel.left(), y - line / 2, f.plot.left() - f.panel.left() - 6, line);
        p.drawText(at, Qt::AlignRight | Qt::AlignVCenter, axisNumber(f.bottom + (f.top - f.bottom) * k / f.steps));
    }
    if (m_isBars)
        paintBars(p, f);
    else
        paintLines(p, f);
}

void ChartWidget::paintLegend(QPainter& p, const QRectF& room,
                              const std::vector<std::pair<QString, QColor>>& items) const
{
    // Right-aligned, each item a swatch and its name; an item that has no
    // room is left out with those after it.
    const QFontMetricsF m(font());
    double x = room.right();
    std::vector<std::pair<double, std::size_t>> placed;
    for (std::size_t i = items.size(); i-- > 0;) {
        const double w = 14 + m.horizontalAdvance(items[i].first) + 12;
        if (x - w < room.left())
            return;
        x -= w;
        placed.emplace_back(x, i);
    }
    p.setFont(font());
    for (const auto& [left, i] : placed) {
        const double cy = room.center().y();
        p.setPen(Qt::NoPen);
        p.setBrush(items[i].second);
        p.drawRect(QRectF(left, cy - 5, 10, 10));
        p.setPen(kText);
        p.drawText(QRectF(left + 14, room.top(), m.horizontalAdvance(items[i].first) + 2, room.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, items[i].first);
    }
}

void ChartWidget::paintLines(QPainter& p, const Frame& f) const
{
    std::size_t n = 0;
    for (const Series& s : m_series)
        n = std::max(n, s.values.size());
    if (n == 0)
        return;
    auto xAt = [&](std::size_t i) {
        return n == 1 ? f.plot.center().x() : f.plot.left() + f.plot.width() * static_cast<double>(i) / (n - 1);
    };
    auto yAt = [&](double v) {
        return f.plot.bottom() - f.plot.height() * std::clamp((v - f.bottom) / (f.top - f.bottom), 0.0, 1.0);
    };

    // Labels along the bottom, every k-th so that none overlaps the next.
    if (!m_xLabels.empty()) {
        const QFontMetricsF m(f.font);
        // The widest of a sample: the labels are dates of one form, and
        // measuring ten thousand of them on every paint would show.
        double widest = 0;
        const std::size_t sample = std::max<std::size_t>(1, m_xLabels.size() / 64);
        for (std::size_t i = 0; i < m_xLabels.size(); i += sample)
            widest = std::max(widest, m.horizontalAdvance(m_xLabels[i]));
        widest = std::max(widest, m.horizontalAdvance(m_xLabels.back())) + m.averageCharWidth();
        const double slot = widest + 12;
        const std::size_t fit = std::max<std::size_t>(1, static_cast<std::size_t>(f.plot.width() / slot) + 1);
        const std::size_t every = std::max<std::size_t>(1, (m_xLabels.size() + fit - 1) / fit);
        p.setPen(kText);
        for (std::size_t i = 0; i < m_xLabels.size() && i < n; i += every) {
            const double w = m.horizontalAdvance(m_xLabels[i]) + 2;
            const double left = std::clamp(xAt(i) - w / 2, f.panel.left() + 2, f.panel.right() - w - 2);
            p.drawText(QRectF(left, f.plot.bottom() + 4, w, m.height()), Qt::AlignCenter, m_xLabels[i]);
        }
    }

    for (const Series& s : m_series) {
        std::vector<QPointF> line;
        line.reserve(s.values.size());
        for (std::size_t i = 0; i < s.values.size(); ++i)
            if (s.values[i]) // the line goes on to the next point that has a value
                line.emplace_back(xAt(i), yAt(*s.values[i]));
        p.setBrush(Qt::NoBrush);
        // More points than pixels: thin lines without smoothing, which would
        // only cost time.
        const bool crowded = static_cast<double>(n) > f.plot.width();
        p.setRenderHint(QPainter::Antialiasing, !crowded);
        p.setPen(QPen(s.colour, crowded ? 1.0 : 2.0));
        p.drawPolyline(line.data(), static_cast<int>(line.size()));
        p.setRenderHint(QPainter::Antialiasing);
        // A dot for each point while there is room to tell them apart.
        if (f.plot.width() / n >= 6) {
            p.setPen(Qt::NoPen);
            p.setBrush(s.colour);
            for (std::size_t i = 0; i < s.values.size(); ++i)
                if (s.values[i])
                    p.drawEllipse(QPointF(xAt(i), yAt(*s.values[i])), 3, 3);
        }
    }
}

void ChartWidget::paintBars(QPainter& p, const Frame& f) const
{
    if (m_bars.empty())
        return;
    const double slot = f.plot.width() / static_cast<double>(m_bars.size());
    const double width = std::max(2.0, slot * 0.7);
    const QFontMetricsF m(f.font);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const Bar& b = m_bars[i];
        const double cx = f.plot.left() + slot * (static_cast<double>(i) + 0.5);
        auto heightOf = [&](double v) { return f.plot.height() * std::clamp(v / f.top, 0.0, 1.0); };
        const double h = heightOf(b.value);
        const QRectF bar(cx - width / 2, f.plot.bottom() - h, width, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 180, 255, b.part ? 110 : 220));
        p.drawRect(bar);
        if (b.part) {
            const double ph = heightOf(*b.part);
            p.setBrush(QColor(255, 214, 0));
            p.drawRect(QRectF(cx - width / 2, f.plot.bottom() - ph, width, ph));
        }
        p.setPen(kText);
        if (const auto lf = fitting(f.font, b.label, slot - 2, m.height() + 2)) {
            p.setFont(*lf);
            p.drawText(QRectF(cx - slot / 2, f.plot.bottom() + 4, slot, m.height()), Qt::AlignCenter, b.label);
        }
        if (!b.caption.isEmpty())
            if (const auto cf = fitting(f.font, b.caption, slot - 2, m.height() + 2)) {
                p.setFont(*cf);
                p.drawText(QRectF(cx - slot / 2, bar.top() - m.height() - 2, slot, m.height()), Qt::AlignCenter,
                           b.caption);
            }
    }
}

} // namespace vantorelle

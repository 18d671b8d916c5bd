#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

namespace vantorelle {

// The scale of a chart's axis: up to six steps of 1, 2 or 5 times a power
// of ten, the top the first step at or above the highest value.
struct ChartScale {
    double top = 5;
    int steps = 5;
    double bottom = 0; // below 0 when a value is (Bob's 27 can end below zero)
};
ChartScale chartScale(double highest);
// The same for values that may go below zero: 0 stays on a step.
ChartScale chartScale(double lowest, double highest);

// The one chart of the statistics window, drawn with QPainter on a dark
// panel over the window's gradient: a line chart of one or two series with a
// point for each value, or bars with a label under each. A bar may carry a
// part of itself (the hits of the darts at a double), drawn solid inside it.
// Texts shrink to fit and are left out rather than cut.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    struct Series {
        QString name;
        QColor colour;
        std::vector<std::optional<double>> values; // a gap where there is none
    };
    struct Bar {
        QString label;
        double value = 0;
        std::optional<double> part; // drawn solid inside the bar
        QString caption;            // written over the bar
    };

    explicit ChartWidget(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    // A line chart; xLabels (optional) name the points along the bottom, as
    // many as there is room for.
    void setLines(std::vector<Series> series, std::vector<QString> xLabels = {});
    // Bars; valueName and partName are the legend's words for them.
    void setBars(std::vector<Bar> bars, const QString& valueName = {}, const QString& partName = {});

    bool isBars() const { return m_isBars; }
    const std::vector<Series>& series() const { return m_series; }
    const std::vector<Bar>& bars() const { return m_bars; }
    const QString& title() const { return m_title; }

    QSize sizeHint() const override { return {480, 220}; }
    QSize minimumSizeHint() const override { return {160, 100}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Frame;
    Frame frame(const ChartScale& scale) const;
    void paintLines(QPainter& p, const Frame& f) const;
    void paintBars(QPainter& p, const Frame& f) const;
    void paintLegend(QPainter& p, const QRectF& room, const std::vector<std::pair<QString, QColor>>& items) const;

    QString m_title;
    bool m_isBars = false;
    std::vector<Series> m_series;
    std::vector<QString> m_xLabels;
    std::vector<Bar> m_bars;
    QString m_valueName;
    QString m_partName;
};

} // namespace vantorelle

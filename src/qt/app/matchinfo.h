#pragma once
#include <QWidget>
#include <array>

#include "rules/records/record.h"

class QLabel;
class QTimer;

namespace vantorelle {

class FittedLabel;

// The visit being thrown, beside the scoreboard: each dart as it lands (bed,
// points, what is left after it), and the route to check out when the
// player on throw stands on a finish.
class VisitPanel : public QWidget {
    Q_OBJECT
public:
    explicit VisitPanel(QWidget* parent);
    // Whose visit, its darts' lines ("T20 60 · 441") and the route ("T20 T20
    // BULL"; empty: none).
    void show(const QString& who, const std::vector<std::string>& darts, const QString& route);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    FittedLabel* m_who = nullptr;
    std::array<FittedLabel*, 3> m_darts{};
    FittedLabel* m_route = nullptr;
};

// The figures of a leg, or of the match, when it ends: both players side by
// side. It does not stop the game: it goes by itself after a while, or at a
// click.
class SummaryPanel : public QWidget {
    Q_OBJECT
public:
    explicit SummaryPanel(QWidget* parent);
    // Shows the rows for this long (seconds of real time).
    void showFor(const QString& heading, const std::array<QString, 2>& names,
                 const std::vector<std::pair<QString, std::array<QString, 2>>>& rows, double seconds);
    // The rows shown: "what: player 1 | player 2".
    QStringList shownRows() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    FittedLabel* m_heading = nullptr;
    std::array<FittedLabel*, 2> m_names{};
    std::vector<std::array<FittedLabel*, 3>> m_rows;
    QTimer* m_timer = nullptr;
};

} // namespace vantorelle

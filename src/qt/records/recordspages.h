#pragma once
#include <QWidget>
#include <array>
#include <vector>

#include "qt/records/recordsdata.h"

class QComboBox;
class QTableWidget;
class QVBoxLayout;

namespace vantorelle {

class ChartWidget;
class FittedLabel;
class HeatMapWidget;

// Labels of the statistics window: white on the gradient, in the game's
// font, never cut (they shrink, then end in an ellipsis).
FittedLabel* recordsLabel(QWidget* parent, const QString& name, const QString& text = {}, int points = 10,
                          bool bold = false);

// A page of the statistics window: what it shows, or one plain sentence in
// its place when it has nothing to show.
class RecordsPage : public QWidget {
    Q_OBJECT
public:
    RecordsPage(const QString& name, QWidget* parent);

    void showNothing(const QString& why);
    void showContent();
    bool showsContent() const;
    FittedLabel* message() const { return m_message; }

protected:
    QWidget* content() const { return m_content; }
    QVBoxLayout* contentLayout() const { return m_layout; }
    // A row at the top of the content: a caption, a choice and, beside them,
    // the label; the choice.
    QComboBox* addChoiceRow(const QString& caption, const QString& boxName, int characters, FittedLabel* beside);

private:
    FittedLabel* m_message = nullptr;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_layout = nullptr;
};

// The player's figures over the period: the averages, the best leg and
// checkouts, the high turns, legs and matches won and lost, the results
// against each class of computer, and the doubles as bars.
class FiguresPage : public RecordsPage {
    Q_OBJECT
public:
    explicit FiguresPage(QWidget* parent);
    void fill(const RecordsData& data, const QString& who, const QString& period);

private:
    FittedLabel* value(const QString& name);
    ChartWidget* m_doubles = nullptr;
    FittedLabel* m_noDoubles = nullptr;
};

// The 3-dart average and the checkout % over time, a point for each match.
class TrendPage : public RecordsPage {
    Q_OBJECT
public:
    explicit TrendPage(QWidget* parent);
    void fill(const RecordsData& data, const QString& who, const QString& period);

private:
    ChartWidget* m_chart = nullptr;
};

// Where the darts landed, on the board: all of them or those aimed at one bed.
class HeatPage : public RecordsPage {
    Q_OBJECT
public:
    explicit HeatPage(QWidget* parent);
    // The darts of the selection; the choice of aimed bed goes back to all.
    void setDarts(std::vector<records::HeatDart> darts, const QString& who, const QString& period);
    HeatMapWidget* heatMap() const { return m_map; }

private:
    void showAimed();

    std::vector<records::HeatDart> m_darts;
    QComboBox* m_cboAimed = nullptr;
    FittedLabel* m_lblHeat = nullptr;
    HeatMapWidget* m_map = nullptr;
};

// A career player's form, tournament by tournament.
class CareerPage : public RecordsPage {
    Q_OBJECT
public:
    explicit CareerPage(QWidget* parent);
    void fill(const RecordsData& data, const QString& who, const QString& period);

private:
    ChartWidget* m_chart = nullptr;
    QTableWidget* m_table = nullptr;
};

// Practice results over time, game by game, with the personal bests.
class PracticePage : public RecordsPage {
    Q_OBJECT
public:
    explicit PracticePage(QWidget* parent);
    void fill(const RecordsData& data, const QString& who, const QString& period);

private:
    void showGame();

    std::map<std::string, std::vector<records::PracticeResult>> m_history;
    std::map<std::string, records::PracticeResult> m_bests;
    QComboBox* m_cboPractice = nullptr;
    FittedLabel* m_lblBest = nullptr;
    ChartWidget* m_chart = nullptr;
};

} // namespace vantorelle

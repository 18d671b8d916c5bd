#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "rules/records/charts.h"

namespace vantorelle {

// Where the darts landed, on the board itself: the board drawn by the game's
// own painter, dimmed, and the count of each cell of the heat map over it as
// a colour ramp, from a faint blue for a single dart to red for the fullest
// cell; a cell without a dart is left clear. A strip under the board shows
// the ramp.
class HeatMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit HeatMapWidget(QWidget* parent = nullptr);

    void setMap(records::HeatMap map);
    const records::HeatMap& map() const { return m_map; }

    // The square the board is drawn in, in widget pixels; a point in board
    // units in widget pixels.
    QRectF boardRect() const;
    QPointF toPixels(double ux, double uy) const;
    // The colour a cell is painted in (fully clear for an empty cell).
    QColor cellColour(int count) const;

    QSize sizeHint() const override { return {420, 460}; }
    QSize minimumSizeHint() const override { return {200, 240}; }
    bool hasHeightForWidth() const override { return false; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double legendHeight() const;

    records::HeatMap m_map;
    QImage m_cells; // one pixel a cell
    QPixmap m_board;
};

} // namespace vantorelle

#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QPainter;

#include "qt/match/dartpictures.h"

namespace vantorelle {

struct BoardView;
struct MatchState;

// The dartboard (Picture1): drawn from the ring and segment geometry and
// scaled to the widget, with a drawing layer for the darts of the turn and the
// aim circle over it. Positions are board units; one transform maps them to
// pixels (15 units to a pixel at scale 1).
class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const MatchState& match, const BoardView& view, QWidget* parent = nullptr);

    // Called with the button (1 left, 2 right) and the point in board units.
    std::function<void(int button, int x, int y)> onMouseDown;

    double pixelsPerUnit() const;
    QPoint toPixels(double ux, double uy) const;
    QPoint toUnits(const QPointF& px) const;

    // Where the aim circle is drawn, in widget pixels (with its outline).
    QRect aimRect() const;

    // The drawing layer.
    void clearLayer();
    void drawPicture(DartPicture kind, int player, char pose, int cornerX, int cornerY);
    // Erase the layer and draw the darts already counted in this turn.
    void Redraw();

    struct Sprite {
        DartPicture kind;
        int player;
        char pose;
        int x; // corner in board units
        int y;
        bool operator==(const Sprite&) const = default;
    };
    // What the drawing layer holds now, oldest first.
    const std::vector<Sprite>& layer() const { return m_layer; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void renderBoard();
    void paintTarget(QPainter& p, double s);
    const QPixmap& boardWithTarget();

    const MatchState& m_match;
    const BoardView& m_view;
    QPixmap m_board;
    QPixmap m_targetBoard;                // m_board with the target lit
    std::vector<std::string> m_targetFor; // the beds lit on it
    std::vector<Sprite> m_layer;
};

// Paints the dartboard in a square of side 5190 board units (the painter's
// transform already maps units to the device).
void paintDartboard(QPainter& p);

} // namespace vantorelle

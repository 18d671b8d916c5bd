#include "qt/match/boardwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "rules/match/board.h"
#include "rules/app/gamestate.h"

namespace vantorelle {

namespace {

const QColor kBlack(24, 22, 20);
const QColor kCream(238, 222, 182);
const QColor kRed(206, 32, 38);
const QColor kGreen(18, 138, 64);
const QColor kWire(200, 200, 206);

void pieRing(QPainter& p, double radius, double fromTheta, const QColor& c)
{
    const QRectF r(board::kCentreX - radius, board::kCentreY - radius, 2 * radius, 2 * radius);
    p.setBrush(c);
    // Angles clockwise from the top become Qt's anticlockwise from three o'clock.
    const double start = 90 - (fromTheta + 18);
    p.drawPie(r, qRound(start * 16), 18 * 16);
}

} // namespace

void paintDartboard(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(board::kCentreX, board::kCentreY);

    // The surround with the numbers.
    QRadialGradient shade(c, 2595);
    shade.setColorAt(0.80, QColor(30, 30, 32));
    shade.setColorAt(1.0, QColor(8, 8, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c, 2560.0, 2560.0);

    p.setPen(Qt::NoPen);
    for (int k = 0; k < 20; ++k) {
        const double from = -9 + 18.0 * k;
        const bool dark = k % 2 == 0; // 20 is a dark bed with red rings
        pieRing(p, board::kDoubleOut, from, dark ? kRed : kGreen);
        pieRing(p, board::kDoubleIn, from, dark ? kBlack : kCream);
        pieRing(p, board::kTrebleOut, from, dark ? kRed : kGreen);
        pieRing(p, board::kTrebleIn, from, dark ? kBlack : kCream);
    }
    p.setBrush(kGreen);
    p.drawEllipse(c, board::kOuterBull, board::kOuterBull);
    p.setBrush(kRed);
    p.drawEllipse(c, board::kBull, board::kBull);

    // Wires.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWire, 14));
    for (double r :
         {board::kBull, board::kOuterBull, board::kTrebleIn, board::kTrebleOut, board::kDoubleIn, board::kDoubleOut})
        p.drawEllipse(c, r, r);
    for (int k = 0; k < 20; ++k) {
        const double a = qDegreesToRadians(-9 + 18.0 * k);
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(c + dir * board::kOuterBull, c + dir * board::kDoubleOut);
    }

    // Numbers.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(250);
    p.setFont(f);
    p.setPen(QColor(245, 245, 245));
    for (int k = 0; k < 20; ++k) {
        const double a = qDegreesToRadians(18.0 * k);
        const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * 2230;
        const QRectF box(at.x() - 220, at.y() - 160, 440, 320);
        p.drawText(box, Qt::AlignCenter, QString::number(board::kSegments[static_cast<std::size_t>(k)]));
    }
}

BoardWidget::BoardWidget(const MatchState& match, const BoardView& view, QWidget* parent)
    : QWidget(parent), m_match(match), m_view(view)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
}

double BoardWidget::pixelsPerUnit() const
{
    return qMin(width(), height()) / static_cast<double>(board::kSize);
}

QPoint BoardWidget::toPixels(double ux, double uy) const
{
    const double s = pixelsPerUnit();
    return {qRound(ux * s), qRound(uy * s)};
}

QPoint BoardWidget::toUnits(const QPointF& px) const
{
    const double s = pixelsPerUnit();
    if (s <= 0)
        return {};
    return {qRound(px.x() / s), qRound(px.y() / s)};
}

QRect BoardWidget::aimRect() const
{
    const double s = pixelsPerUnit();
    const QRectF r(m_view.aim.left * s, m_view.aim.top * s, m_view.aim.width * s, m_view.aim.height * s);
    return r.toAlignedRect().adjusted(-4, -4, 4, 4);
}

void BoardWidget::clearLayer()
{
    m_layer.clear();
    update();
}

void BoardWidget::drawPicture(DartPicture kind, int player, char pose, int cornerX, int cornerY)
{
    m_layer.push_back({kind, player, pose, cornerX, cornerY});
    update();
}

void BoardWidget::Redraw()
{
    m_layer.clear();
    const int n = m_match.bytDart;
    // In the bull-up the first dart on the board is player 1's.
    const int owner1 = m_match.blnBullUp ? 1 : m_match.currentPlayer;
    auto poseOf = [&](int i) {
        const auto& s = m_match.strDartPose[static_cast<std::size_t>(i)];
        return s.empty() ? 'a' : s[0];
    };
    if (n >= 1 && m_match.intDartX[1] >= 2 && m_match.intDartY[1] >= 2)
        m_layer.push_back({DartPicture::Small, owner1, poseOf(1), m_match.intDartX[1] - 590, m_match.intDartY[1] - 590});
    if (n == 2 && m_match.intDartX[2] >= 2 && m_match.intDartY[2] >= 2)
        m_layer.push_back(
            {DartPicture::Small, m_match.currentPlayer, poseOf(2), m_match.intDartX[2] - 590, m_match.intDartY[2] - 590});
    update();
}

void BoardWidget::renderBoard()
{
    const qreal dpr = devicePixelRatioF();
    const int side = qMin(width(), height());
    if (side <= 0)
        return;
    QPixmap pm(QSize(qRound(side * dpr), qRound(side * dpr)));
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.scale(side * dpr / board::kSize, side * dpr / board::kSize);
        paintDartboard(p);
    }
    pm.setDevicePixelRatio(dpr);
    m_board = pm;
    m_targetBoard = {};
}

void BoardWidget::resizeEvent(QResizeEvent*)
{
    renderBoard();
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_board.isNull())
        renderBoard();
    p.drawPixmap(0, 0, boardWithTarget());

    const double s = pixelsPerUnit();
    for (const auto& sp : m_layer)
        p.drawPixmap(toPixels(sp.x, sp.y), dartPixmap(sp.kind, sp.player, sp.pose, s, devicePixelRatioF()));

    if (m_view.aim.visible) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r(m_view.aim.left * s, m_view.aim.top * s, m_view.aim.width * s, m_view.aim.height * s);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 160), 4));
        p.drawEllipse(r);
        p.setPen(QPen(QColor(255, 255, 0), 2));
        p.drawEllipse(r);
    }
}

// The board with a practice game's target lit, painted once for each target
// (the aim circle repaints the board sixty times a second).
const QPixmap& BoardWidget::boardWithTarget()
{
    if (m_view.targetBeds.empty() || m_board.isNull())
        return m_board;
    if (m_targetBoard.isNull() || m_targetFor != m_view.targetBeds) {
        QPixmap pm = m_board;
        {
            QPainter p(&pm);
            paintTarget(p, pixelsPerUnit());
        }
        m_targetBoard = pm;
        m_targetFor = m_view.targetBeds;
    }
    return m_targetBoard;
}

// A practice game's target: its beds lit, beneath the darts.
void BoardWidget::paintTarget(QPainter& p, double s)
{
    const QPointF c(board::kCentreX * s, board::kCentreY * s);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 220, 255, 90));
    p.setPen(QPen(QColor(0, 235, 255, 235), 2));
    for (const std::string& bed : m_view.targetBeds)
        for (const BedArea& a : bedAreas(bed)) {
            const double ro = a.outer * s, ri = a.inner * s;
            const QRectF outer(c.x() - ro, c.y() - ro, 2 * ro, 2 * ro);
            const QRectF inner(c.x() - ri, c.y() - ri, 2 * ri, 2 * ri);
            QPainterPath area;
            area.setFillRule(Qt::OddEvenFill); // a ring round the bull is hollow
            if (a.sweep >= 360) {
                area.addEllipse(outer);
                if (ri > 0)
                    area.addEllipse(inner);
            } else {
                // Qt counts angles anticlockwise from three o'clock; the board
                // clockwise from twelve.
                const double start = 90 - (a.from + a.sweep);
                area.arcMoveTo(outer, start);
                area.arcTo(outer, start, a.sweep);
                area.arcTo(inner, start + a.sweep, -a.sweep);
                area.closeSubpath();
            }
            p.drawPath(area);
        }
    p.restore();
}

void BoardWidget::mousePressEvent(QMouseEvent* e)
{
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 0;
    if (button == 0 || !onMouseDown)
        return;
    const QPoint u = toUnits(e->position());
    onMouseDown(button, u.x(), u.y());
}

} // namespace vantorelle

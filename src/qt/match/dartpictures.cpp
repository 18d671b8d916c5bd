#include "qt/match/dartpictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace vantorelle {

QColor playerColour(int player)
{
    return player == 2 ? QColor(40, 130, 255) : QColor(225, 45, 45);
}

QSizeF dartPictureSize(DartPicture kind)
{
    switch (kind) {
    case DartPicture::Big:
        return {900, 1800};
    case DartPicture::MediumBig:
        return {750, 1500};
    case DartPicture::MediumSmall:
        return {600, 1200};
    case DartPicture::Small:
        return {600, 600};
    }
    return {600, 600};
}

namespace {

// A dart in flight seen from behind the thrower: flights at the top, the
// barrel running down to the point.
void drawFlying(QPainter& p, const QSizeF& sz, const QColor& colour)
{
    const double w = sz.width(), h = sz.height();
    const double cx = w / 2;
    QPainterPath flights;
    flights.moveTo(cx, h * 0.02);
    flights.lineTo(w * 0.95, h * 0.22);
    flights.lineTo(cx, h * 0.34);
    flights.lineTo(w * 0.05, h * 0.22);
    flights.closeSubpath();
    p.setPen(QPen(colour.darker(160), w * 0.02));
    p.setBrush(colour);
    p.drawPath(flights);
    p.setPen(QPen(colour.lighter(150), w * 0.02));
    p.drawLine(QPointF(cx, h * 0.02), QPointF(cx, h * 0.34));

    QLinearGradient steel(cx - w * 0.08, 0, cx + w * 0.08, 0);
    steel.setColorAt(0, QColor(90, 90, 100));
    steel.setColorAt(0.5, QColor(235, 235, 240));
    steel.setColorAt(1, QColor(90, 90, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(cx - w * 0.07, h * 0.30, w * 0.14, h * 0.42), w * 0.05, w * 0.05);
    p.setBrush(QColor(200, 200, 205));
    QPainterPath point;
    point.moveTo(cx - w * 0.03, h * 0.72);
    point.lineTo(cx + w * 0.03, h * 0.72);
    point.lineTo(cx, h * 0.98);
    point.closeSubpath();
    p.drawPath(point);
}

// A dart stuck in the board, its point at (590, 590) of a 600-unit picture,
// leaning up and to the left by an angle that depends on how it went in.
void drawStuck(QPainter& p, const QColor& colour, char pose)
{
    double degrees = 45;
    switch (pose) {
    case 'b':
        degrees = 28;
        break; // steeper
    case 'c':
        degrees = 62;
        break; // flatter
    case 'd':
        degrees = 14;
        break; // nearly upright, pushed by another dart
    default:
        break;
    }
    p.translate(590, 590);
    p.rotate(-degrees); // the barrel points straight up before the lean
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20, 110)); // shadow on the board
    p.drawEllipse(QPointF(8, -4), 14, 9);
    p.setBrush(QColor(205, 205, 210));
    p.drawRect(QRectF(-5, -120, 10, 120)); // point shows a little
    QLinearGradient steel(-20, 0, 20, 0);
    steel.setColorAt(0, QColor(80, 80, 90));
    steel.setColorAt(0.5, QColor(240, 240, 245));
    steel.setColorAt(1, QColor(80, 80, 90));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(-22, -420, 44, 310), 16, 16);
    p.setBrush(QColor(40, 40, 45));
    for (int ring = 0; ring < 5; ++ring)
        p.drawRect(QRectF(-22, -380 + ring * 50, 44, 10));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(-9, -560, 18, 150)); // shaft
    QPainterPath flight;
    flight.moveTo(0, -470);
    flight.lineTo(-90, -590);
    flight.lineTo(0, -640);
    flight.lineTo(90, -590);
    flight.closeSubpath();
    p.setPen(QPen(colour.darker(170), 8));
    p.setBrush(colour);
    p.drawPath(flight);
}

} // namespace

QPixmap dartPixmap(DartPicture kind, int player, char pose, double pixelsPerUnit, qreal dpr)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4/%5")
                            .arg(static_cast<int>(kind))
                            .arg(player)
                            .arg(pose)
                            .arg(pixelsPerUnit, 0, 'f', 5)
                            .arg(dpr);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    const QSizeF units = dartPictureSize(kind);
    const QSize px(qMax(1, qRound(units.width() * pixelsPerUnit * dpr)),
                   qMax(1, qRound(units.height() * pixelsPerUnit * dpr)));
    QPixmap pm(px);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(pixelsPerUnit * dpr, pixelsPerUnit * dpr);
        if (kind == DartPicture::Small)
            drawStuck(p, playerColour(player), pose);
        else
            drawFlying(p, units, playerColour(player));
    }
    pm.setDevicePixelRatio(dpr);
    if (cache.size() > 256)
        cache.clear();
    cache.insert(key, pm);
    return pm;
}

} // namespace vantorelle

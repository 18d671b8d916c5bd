// Draws the flags of the eight nationalities and the thirteen tournament
// logos, all invented designs, as pictures for assets/flags:
//   make_pictures OUTPUT_DIR     writes <name>.png; make-pictures.sh turns
//                                them into the .gif files the game loads.
#include <QDir>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "rules/app/theme.h"
#include "rules/career/rankings.h"

namespace vantorelle {

namespace {

QPolygonF star(QPointF c, double outer, double inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / points;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return poly;
}

// Each flag is drawn on a 60 x 40 grid.
void paintFlag(QPainter& p, const QString& code)
{
    const QColor red(200, 16, 46), white(255, 255, 255), blue(1, 33, 105), green(0, 130, 60);
    p.setPen(Qt::NoPen);
    if (code == QLatin1String("ENG")) {
        p.fillRect(QRectF(0, 0, 60, 40), white);
        p.fillRect(QRectF(26, 0, 8, 40), red);
        p.fillRect(QRectF(0, 16, 60, 8), red);
    } else if (code == QLatin1String("SCO")) {
        p.fillRect(QRectF(0, 0, 60, 40), QColor(0, 94, 184));
        p.setPen(QPen(white, 7));
        p.drawLine(QPointF(0, 0), QPointF(60, 40));
        p.drawLine(QPointF(60, 0), QPointF(0, 40));
    } else if (code == QLatin1String("WAL")) {
        p.fillRect(QRectF(0, 0, 60, 20), white);
        p.fillRect(QRectF(0, 20, 60, 20), green);
        // A red beast rampant, reduced to its outline.
        QPainterPath beast;
        beast.moveTo(14, 30);
        beast.cubicTo(18, 16, 28, 14, 34, 18);
        beast.lineTo(40, 10);
        beast.lineTo(46, 14);
        beast.lineTo(42, 20);
        beast.cubicTo(48, 24, 48, 32, 42, 34);
        beast.lineTo(36, 28);
        beast.lineTo(28, 32);
        beast.lineTo(22, 36);
        beast.closeSubpath();
        p.setBrush(red);
        p.drawPath(beast);
    } else if (code == QLatin1String("NED")) {
        p.fillRect(QRectF(0, 0, 60, 14), QColor(174, 28, 40));
        p.fillRect(QRectF(0, 13, 60, 14), white);
        p.fillRect(QRectF(0, 26, 60, 14), QColor(33, 70, 139));
    } else if (code == QLatin1String("USA")) {
        for (int i = 0; i < 13; ++i)
            p.fillRect(QRectF(0, i * 40.0 / 13, 60, 40.0 / 13 + 0.2), i % 2 == 0 ? QColor(178, 34, 52) : white);
        p.fillRect(QRectF(0, 0, 26, 40.0 * 7 / 13), QColor(60, 59, 110));
        p.setBrush(white);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c)
                p.drawEllipse(QPointF(3 + c * 5 + (r % 2) * 2.5, 3 + r * 5), 1.1, 1.1);
    } else if (code == QLatin1String("CAN")) {
        p.fillRect(QRectF(0, 0, 60, 40), white);
        p.fillRect(QRectF(0, 0, 15, 40), red);
        p.fillRect(QRectF(45, 0, 15, 40), red);
        p.setBrush(red);
        p.drawPolygon(star(QPointF(30, 19), 11, 5, 7));
        p.fillRect(QRectF(29, 24, 2, 8), red);
    } else if (code == QLatin1String("AUS")) {
        p.fillRect(QRectF(0, 0, 60, 40), blue);
        // The canton, simplified: a white and red cross in the corner.
        p.fillRect(QRectF(0, 8, 30, 4), white);
        p.fillRect(QRectF(13, 0, 4, 20), white);
        p.fillRect(QRectF(0, 9, 30, 2), red);
        p.fillRect(QRectF(14, 0, 2, 20), red);
        p.setBrush(white);
        p.drawPolygon(star(QPointF(15, 30), 5, 2.2, 7));
        for (QPointF s : {QPointF(45, 8), QPointF(52, 18), QPointF(38, 20), QPointF(45, 33)})
            p.drawPolygon(star(s, 3, 1.3, 7));
    } else if (code == QLatin1String("ROW")) {
        // The rest of the world: a globe.
        p.fillRect(QRectF(0, 0, 60, 40), QColor(0, 120, 190));
        p.setBrush(QColor(240, 240, 255));
        p.drawEllipse(QPointF(30, 20), 15, 15);
        p.setPen(QPen(QColor(0, 120, 190), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(30, 20), 7, 15);
        p.drawLine(QPointF(15, 20), QPointF(45, 20));
        p.drawLine(QPointF(30, 5), QPointF(30, 35));
        p.drawLine(QPointF(17, 12), QPointF(43, 12));
        p.drawLine(QPointF(17, 28), QPointF(43, 28));
    } else {
        p.fillRect(QRectF(0, 0, 60, 40), QColor(90, 90, 90));
    }
}

QString initials(const char* name)
{
    QString out;
    bool start = true;
    for (const char* c = name; *c; ++c) {
        if (*c == ' ') {
            start = true;
        } else if (start) {
            out += QLatin1Char(*c);
            start = false;
        }
    }
    return out;
}

} // namespace

QImage flagImage(const QString& code, QSize size)
{
    QImage pm(size, QImage::Format_ARGB32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 60.0, size.height() / 40.0);
    paintFlag(p, code);
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.4, 0.4, 59.2, 39.2));
    return pm;
}

QImage logoImage(const QString& themeCode, QSize size)
{
    QImage pm(size, QImage::Format_ARGB32);
    pm.fill(Qt::transparent);
    const auto theme = themeFor(themeCode.toStdString());
    if (!theme)
        return pm;
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 100.0, size.height() / 100.0);
    // The dark look has a silver badge; the others their own colour.
    QColor colour(theme->colour.r, theme->colour.g, theme->colour.b);
    if (themeCode == QLatin1String("AllBlack"))
        colour = QColor(150, 150, 165);
    else if (themeCode == QLatin1String("Practice"))
        colour = QColor(70, 150, 160);
    QLinearGradient shade(0, 0, 0, 100);
    shade.setColorAt(0, colour.lighter(140));
    shade.setColorAt(1, colour.darker(180));
    p.setPen(QPen(QColor(230, 200, 90), 4));
    p.setBrush(shade);
    QPainterPath shield;
    shield.moveTo(10, 8);
    shield.lineTo(90, 8);
    shield.lineTo(90, 52);
    shield.cubicTo(90, 78, 62, 90, 50, 96);
    shield.cubicTo(38, 90, 10, 78, 10, 52);
    shield.closeSubpath();
    p.drawPath(shield);
    // A small board with a dart in the treble.
    const QPointF c(50, 40);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 20; ++k) {
        p.setBrush(k % 2 == 0 ? QColor(20, 20, 20) : QColor(235, 225, 200));
        p.drawPie(QRectF(c.x() - 22, c.y() - 22, 44, 44), (90 - 9 - 18 * k) * 16, 18 * 16);
    }
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(c, 5, 5);
    p.setBrush(QColor(20, 120, 60));
    p.drawEllipse(c, 2.5, 2.5);
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.drawLine(QPointF(62, 24), QPointF(76, 10));
    // The initials on a band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRect(QRectF(14, 64, 72, 18));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(14);
    const QString text = themeCode == QLatin1String("AllBlack")   ? QStringLiteral("EXHIBITION")
                         : themeCode == QLatin1String("Practice") ? QStringLiteral("PRACTICE")
                                                                  : initials(theme->name);
    // A long word is set smaller until it fits the band.
    while (f.pixelSize() > 7 && QFontMetrics(f).horizontalAdvance(text) > 68)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(QColor(255, 235, 150));
    p.drawText(QRectF(14, 64, 72, 18), Qt::AlignCenter, text);
    return pm;
}

} // namespace vantorelle

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    using namespace vantorelle;
    // Drawn large, so that the game can scale them down smoothly.
    for (const auto& n : kNationalityFlags) {
        const QString file = QFileInfo(QString::fromLatin1(n.flag)).completeBaseName();
        if (!flagImage(QString::fromLatin1(n.code), {120, 80}).save(out.filePath(file + ".png")))
            return 1;
    }
    for (const auto& t : kThemes) {
        const QString file = QFileInfo(QString::fromLatin1(t.logo)).completeBaseName();
        if (!logoImage(QString::fromLatin1(t.code), {192, 192}).save(out.filePath(file + ".png")))
            return 1;
    }
    return 0;
}

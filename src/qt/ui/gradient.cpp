#include "qt/ui/gradient.h"

#include <QPainter>

namespace vantorelle {

namespace {
constexpr int kSteps = 1000;
}

QPixmap gradientPixmap(QSize size, Rgb colour, qreal devicePixelRatio)
{
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::black);
    if (size.isEmpty())
        return pm;
    QPainter p(&pm);
    const double h = size.height();
    for (int k = 0; k <= kSteps; ++k) {
        const Rgb c = gradientStroke(colour, k, kSteps);
        const double y0 = h * k / (kSteps + 1), y1 = h * (k + 1) / (kSteps + 1);
        p.fillRect(QRectF(0, y0, size.width(), y1 - y0 + 0.5), QColor(c.r, c.g, c.b));
    }
    return pm;
}

const QPixmap& GradientCache::get(QSize size, Rgb colour, qreal devicePixelRatio)
{
    if (m_pixmap.isNull() || m_pixmap.size() != size * devicePixelRatio || !(m_colour == colour)) {
        m_pixmap = gradientPixmap(size, colour, devicePixelRatio);
        m_colour = colour;
    }
    return m_pixmap;
}

GradientBackground::GradientBackground(const Rgb& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {}

void GradientBackground::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_cache.get(size(), m_colour, devicePixelRatioF()));
}

ThemedDialog::ThemedDialog(const Rgb& colour, QWidget* parent) : QDialog(parent), m_colour(colour)
{
    // White text on the gradient. A palette, not a style sheet, so that the
    // message boxes this window opens keep their own look.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
}

void ThemedDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_cache.get(size(), m_colour, devicePixelRatioF()));
}

} // namespace vantorelle

#include "qt/ui/fittedlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QVariant>

namespace vantorelle {

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

FittedLabel::Fit FittedLabel::fit() const
{
    const QRect room = contentsRect();
    QFont f = font();
    int px = QFontInfo(f).pixelSize();
    const bool wrap = wordWrap();
    auto fits = [&](const QFont& font) {
        const QFontMetrics m(font);
        if (wrap)
            return m.boundingRect(room, static_cast<int>(alignment()) | Qt::TextWordWrap, text()).height() <=
                   room.height();
        return m.horizontalAdvance(text()) <= room.width() && m.height() <= room.height();
    };
    while (px > kSmallestFontPixels && !fits(f)) {
        --px;
        f.setPixelSize(px);
    }
    if (fits(f) || wrap)
        return {f, text()};
    return {f, QFontMetrics(f).elidedText(text(), Qt::ElideRight, room.width())};
}

QFont FittedLabel::shownFont() const
{
    return fit().font;
}

QString FittedLabel::shownText() const
{
    return fit().text;
}

QSize FittedLabel::minimumSizeHint() const
{
    // Any width will do: the text shrinks to it.
    QFont f = font();
    f.setPixelSize(kSmallestFontPixels);
    const QMargins m = contentsMargins();
    return {m.left() + m.right() + QFontMetrics(f).averageCharWidth() * 3,
            m.top() + m.bottom() + QFontMetrics(f).height()};
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Fit f = fit();
    p.setFont(f.font);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&p, contentsRect(), flags, palette(), isEnabled(), f.text, foregroundRole());
}

namespace {
constexpr const char* kBasePoints = "basePointSize";
// Text smaller than this cannot be read at any scale of the window.
constexpr double kSmallestPoints = 4.0;
} // namespace

void setBasePointSize(QWidget* w, double points)
{
    w->setProperty(kBasePoints, points);
}

void scaleFonts(QWidget* root, double scale)
{
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QVariant base = w->property(kBasePoints);
        if (!base.isValid())
            continue;
        QFont f = w->font();
        const double points = qMax(kSmallestPoints, base.value<double>() * scale);
        if (qAbs(f.pointSizeF() - points) < 0.01)
            continue;
        f.setPointSizeF(points);
        w->setFont(f);
    }
}

} // namespace vantorelle

#pragma once
#include <QPixmap>
#include <QWidget>

#include "rules/app/theme.h"

namespace vantorelle {

// The background of the game's windows: the theme colour at the top fading
// to black at the bottom, in 1001 strokes. It is drawn once per size and
// colour and kept, not redrawn on every repaint.
class GradientBackground : public QWidget {
public:
    // colour is the program's remembered theme colour; it may change later.
    GradientBackground(const Rgb& colour, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Rgb& m_colour;
    QPixmap m_cache;
    Rgb m_cachedColour{-1, -1, -1};
};

// Paints the gradient into a picture of this size.
QPixmap gradientPixmap(QSize size, Rgb colour, qreal devicePixelRatio = 1.0);

} // namespace vantorelle

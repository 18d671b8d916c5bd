#pragma once
#include <QDialog>
#include <QPixmap>
#include <QWidget>

#include "rules/app/theme.h"

namespace vantorelle {

// Paints the gradient into a picture of this size: the theme colour at the
// top fading to black at the bottom, in 1001 strokes.
QPixmap gradientPixmap(QSize size, Rgb colour, qreal devicePixelRatio = 1.0);

// The gradient of a window, drawn once per size and colour and kept, not
// redrawn on every repaint.
class GradientCache {
public:
    const QPixmap& get(QSize size, Rgb colour, qreal devicePixelRatio);

private:
    QPixmap m_pixmap;
    Rgb m_colour{-1, -1, -1};
};

// The background of the main window. colour is the program's remembered
// theme colour; it may change later.
class GradientBackground : public QWidget {
public:
    GradientBackground(const Rgb& colour, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Rgb& m_colour;
    GradientCache m_cache;
};

// A window of the game: the same gradient behind its controls, white text.
class ThemedDialog : public QDialog {
public:
    ThemedDialog(const Rgb& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Rgb& m_colour;
    GradientCache m_cache;
};

} // namespace vantorelle

#pragma once
#include <QLabel>

namespace vantorelle {

// A label whose text is never cut off at its edges: when the text does not
// fit at the label's font, it is drawn smaller, down to a smallest readable
// size, and only then shortened with an ellipsis. text() stays the whole
// text, so whatever reads the label reads what it holds.
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittedLabel(QWidget* parent = nullptr);

    // The font the text is drawn in at the label's present size.
    QFont shownFont() const;
    // The text as drawn: the whole text, or shortened with an ellipsis.
    QString shownText() const;
    // True when even the smallest font could not show the whole text.
    bool shortened() const { return shownText() != text(); }

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Fit {
        QFont font;
        QString text;
    };
    Fit fit() const;
};

// Text that grows and shrinks with its window: a widget remembers the point
// size it was designed at (the window at its first size), and scaleFonts sets
// every such widget under root to that size times the scale.
void setBasePointSize(QWidget* w, double points);
void scaleFonts(QWidget* root, double scale);

// The smallest font a fitted label shrinks to, in pixels.
inline constexpr int kSmallestFontPixels = 8;

} // namespace vantorelle

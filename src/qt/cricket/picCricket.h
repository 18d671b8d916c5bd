#pragma once
#include <QColor>
#include <QWidget>
#include <array>
#include <string>

class QLabel;

namespace vantorelle {

// One player's Cricket marks: 20 down to 15 and the bull, each showing
// "", "\", "X" or "O" like a chalked scoreboard.
class picCricket : public QWidget {
    Q_OBJECT
public:
    picCricket(int player, QWidget* parent);
    void show(const std::array<std::string, 7>& marks);
    // The board's frame takes the tournament's colour (black: its own grey).
    void setFrameColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::array<QLabel*, 7> m_marks{};
    QColor m_frame{90, 90, 110};
};

} // namespace vantorelle

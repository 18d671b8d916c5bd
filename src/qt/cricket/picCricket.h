#pragma once
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

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::array<QLabel*, 7> m_marks{};
};

} // namespace vantorelle

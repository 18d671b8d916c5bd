#pragma once
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

namespace vantorelle {

// An option of the setup panel: a label that reports clicks.
class OptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The setup panel drawn over the board: a heading and four options.
class picNewGame : public QWidget {
    Q_OBJECT
public:
    explicit picNewGame(QWidget* parent);

    QLabel* heading() const { return m_heading; }
    OptionLabel* option(int i) const { return m_options[static_cast<std::size_t>(i)]; }
    // Shows the captions; options with a caption get the dart pointer.
    void show(const std::string& heading, const std::array<std::string, 5>& options);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLabel* m_heading = nullptr;
    std::array<OptionLabel*, 5> m_options{}; // 1..4
};

// The pointer over a live option: a small dart.
QCursor dartCursor();

} // namespace vantorelle

#pragma once
#include <QWidget>

#include "qt/ui/fittedlabel.h"
#include <array>
#include <functional>

namespace vantorelle {

// An option of the setup panel: a label that reports clicks.
class OptionLabel : public FittedLabel {
    Q_OBJECT
public:
    using FittedLabel::FittedLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The setup panel drawn over the board: a heading and four options.
class picNewGame : public QWidget {
    Q_OBJECT
public:
    explicit picNewGame(QWidget* parent);

    FittedLabel* heading() const { return m_heading; }
    OptionLabel* option(int i) const { return m_options[static_cast<std::size_t>(i)]; }
    // Shows the captions; options with a caption get the dart pointer.
    void show(const std::string& heading, const std::array<std::string, 5>& options);
    // Margins and spacing for the panel at this scale of its design size.
    void setScale(double scale);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    FittedLabel* m_heading = nullptr;
    std::array<OptionLabel*, 5> m_options{}; // 1..4
};

// The pointer over a live option: a small dart.
QCursor dartCursor();

} // namespace vantorelle

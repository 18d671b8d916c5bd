#pragma once
#include <string>
#include <vector>

#include "qt/ui/gradient.h"

class QListWidget;

namespace vantorelle {

class CareerWindows;

// The points a finished tournament paid, champion first. OK (or the close
// box) goes on to the calendar.
class frmDisplayRankingPoints : public ThemedDialog {
    Q_OBJECT
public:
    frmDisplayRankingPoints(CareerWindows& career, const std::vector<std::string>& lines, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* e) override;
    // Esc closes the window the way its close box does.
    void reject() override { close(); }

private:
    CareerWindows& m_career;
    bool m_done = false;
};

// The world rankings, from the career's roster when a career is loaded.
class frmRankings : public ThemedDialog {
    Q_OBJECT
public:
    frmRankings(const Rgb& colour, const std::vector<std::string>& lines, QWidget* parent);
};

} // namespace vantorelle

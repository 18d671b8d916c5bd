#pragma once
#include <array>

#include "qt/ui/gradient.h"

class QLabel;
class QPushButton;

namespace vantorelle {

class CareerWindows;

// The calendar, the career's home between tournaments: the twelve
// tournaments with their champions and runners-up, the next one, the
// difficulty, match length and (at a real board) average, and CONTINUE.
class frmSchedule : public ThemedDialog {
    Q_OBJECT
public:
    frmSchedule(CareerWindows& career, QWidget* parent);

    // Champions, runners-up and the next tournament.
    void Populate();
    // A finished tournament not yet booked: its history line, then the career saved.
    void bookFinishedTournament();

    void cmdContinue_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Esc closes the window the way its close box does.
    void reject() override { close(); }

private:
    void showSettings();

    CareerWindows& m_career;
    std::array<QLabel*, 12> m_lblWinner{};
    std::array<QLabel*, 12> m_lblRunnerUp{};
    std::array<QLabel*, 12> m_image1{};
    std::array<QLabel*, 12> m_image2{};
    QLabel* m_lblNext = nullptr;
    QLabel* m_lblDiff = nullptr;
    QLabel* m_lblLength = nullptr;
    QLabel* m_lblAve = nullptr;
    QLabel* m_lblAveCaption = nullptr;
    QPushButton* m_cmdAveDown = nullptr;
    QPushButton* m_cmdAveUp = nullptr;
};

} // namespace vantorelle

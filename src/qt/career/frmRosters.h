#pragma once
#include <array>

#include "qt/ui/gradient.h"
#include "rules/career/ladder.h"
#include "rules/career/tournament.h"

class QLabel;
class QPushButton;
class QTimer;

namespace vantorelle {

class CareerWindows;

// The draw window: the tournament as a ladder of names, group by group, the
// eliminator and the final 32. CONTINUE plays the next round; the career
// player's own match is played on the main window while tmrHuman waits for
// its winner.
class frmRosters : public ThemedDialog {
    Q_OBJECT
public:
    frmRosters(CareerWindows& career, QWidget* parent);

    void DisplayGroup(char group);
    void DisplayEliminator();
    void DisplayFinal32();
    void cmdContinue_Click();
    // One tick of tmrHuman.
    void tmrHuman_Timer();

    // While the career player's match is played the draw window is out of
    // sight, so that nothing covers the board; it comes back, in front, when
    // the match hands back its winner.
    void standAsideForMatch();
    void comeBack();
    bool awayForMatch() const { return m_away; }

    RostersState& rostersState() { return m_rs; }
    const Ladder& ladder() const { return m_ladder; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // Esc closes the window the way its close box does.
    void reject() override { close(); }

private:
    void showLadder(const Ladder& ladder);
    // Every name in a size that fills its box and fits it.
    void fitNames();
    void apply(const DrawStep& step);
    void playCareerMatch(const CareerMatch& match);

    CareerWindows& m_career;
    RostersState m_rs;
    Ladder m_ladder;
    QLabel* m_lblTournament = nullptr;
    std::array<QLabel*, Ladder::kLabels + 1> m_lblLadder{};
    QPushButton* m_cmdContinue = nullptr;
    QPushButton* m_cmdE = nullptr;
    QTimer* m_tmrHuman = nullptr;
    bool m_away = false;
};

} // namespace vantorelle
